// The writer: a flat record tree walked through its field tables straight into text, a chunk at
// a time, so that memory stays that of the tree whatever the size of the document. The text is
// laid out as a JSON library would indent it by two spaces, byte for byte.
#include <charconv>   // std::to_chars
#include <cinttypes>  // PRIx64
#include <cstdio>     // std::snprintf
#include <cstring>    // std::memcpy, std::strlen
#include <stdexcept>  // std::invalid_argument
#include <string>
#include <vector>

#include "Formato.h"
#include "Interno.h"
#include "NXLDadosGC/motor/Classes.h"  // FilhoEm, ListaComQuantidadeEm, NomeDoFilho
#include "NXLDadosGC/types/Moeda.h"    // TextoDeCY

namespace NXDadosGC::json {
namespace {

template <class T>
T Ler(const unsigned char* p) {
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Raised inside the walk when the stream fails, to end it at once.
struct FluxoFalhou {};

class Escritor {
public:
    explicit Escritor(std::ostream& saida) : m_Saida(saida) { m_Texto.reserve(kBloco + 4096); }

    void Documento(const InfoClasse& info, const unsigned char* reg) {
        AbrirObjeto();
        Membro("classe");
        Cadeia(info.nome);
        Membro("registro");
        Registro(&info, info.campos(), reg);
        Fechar('}');
        m_Texto += '\n';
        Descarregar();
    }

private:
    static constexpr std::size_t kBloco = 64 * 1024;

    // ---- Layout ----

    void AbrirObjeto() { Abrir('{'); }
    void Abrir(char c) {
        m_Texto += c;
        m_Vazios.push_back(true);
    }
    // Starts the next member or element on a new line at the current depth.
    void Proximo() {
        if (m_Texto.size() >= kBloco) Descarregar();
        m_Texto += m_Vazios.back() ? "\n" : ",\n";
        m_Vazios.back() = false;
        m_Texto.append(2 * m_Vazios.size(), ' ');
    }
    void Membro(std::string_view chave) {
        Proximo();
        m_Texto += '"';
        m_Texto += chave;
        m_Texto += "\": ";
    }
    void Fechar(char c) {
        const bool vazio = m_Vazios.back();
        m_Vazios.pop_back();
        if (!vazio) {
            m_Texto += '\n';
            m_Texto.append(2 * m_Vazios.size(), ' ');
        }
        m_Texto += c;
    }
    void Descarregar() {
        m_Saida.write(m_Texto.data(), static_cast<std::streamsize>(m_Texto.size()));
        m_Texto.clear();
        if (!m_Saida) throw FluxoFalhou{};
    }

    // ---- Values ----

    template <class T>
    void Numero(T v) {
        char b[24];
        m_Texto.append(b, std::to_chars(b, b + sizeof b, v).ptr);
    }
    // A JSON string of UTF-8 text: quote, backslash and control characters escaped.
    void Cadeia(std::string_view s) {
        m_Texto += '"';
        for (const char c : s) {
            switch (c) {
                case '"': m_Texto += "\\\""; break;
                case '\\': m_Texto += "\\\\"; break;
                case '\b': m_Texto += "\\b"; break;
                case '\f': m_Texto += "\\f"; break;
                case '\n': m_Texto += "\\n"; break;
                case '\r': m_Texto += "\\r"; break;
                case '\t': m_Texto += "\\t"; break;
                default:
                    if (static_cast<unsigned char>(c) < 0x20) {
                        char b[8];
                        std::snprintf(b, sizeof b, "\\u%04x", static_cast<unsigned>(c));
                        m_Texto += b;
                    } else {
                        m_Texto += c;
                    }
            }
        }
        m_Texto += '"';
    }
    void Hex(const unsigned char* p, std::size_t n) {
        m_Texto += '"';
        formato::AnexarHex(m_Texto, p, n);
        m_Texto += '"';
    }
    // {"valor": <raw>, "data": <text>}, "data" only when the raw value is a valid date.
    template <class Valor>
    void Datado(Valor valor, const std::string& data) {
        AbrirObjeto();
        Membro("valor");
        valor();
        if (!data.empty()) {
            Membro("data");
            Cadeia(data);
        }
        Fechar('}');
    }

    void Texto(const CampoInfo& c, const unsigned char* p, const char* classe) {
        const std::size_t fim = strnlen(reinterpret_cast<const char*>(p), c.largura);
        if (fim == c.largura)
            throw std::invalid_argument(std::string(classe ? classe : "record") + "." + c.nome +
                                        ": the text field has no terminating zero");
        m_Cadeia.clear();
        formato::AnexarDe1252(m_Cadeia, p, fim);
        for (std::size_t i = fim; i < c.largura; ++i) {
            if (p[i] == 0) continue;
            // Bytes after the text's zero: kept, so that the record comes back byte for byte.
            AbrirObjeto();
            Membro("texto");
            Cadeia(m_Cadeia);
            Membro("bytes");
            Hex(p, c.largura);
            Fechar('}');
            return;
        }
        Cadeia(m_Cadeia);
    }

    void Valor(const CampoInfo& c, const unsigned char* p, const char* classe) {
        switch (c.tipo) {
            case TipoCampo::U8: return Numero(Ler<std::uint8_t>(p));
            case TipoCampo::Char: return Numero(Ler<std::int8_t>(p));
            case TipoCampo::U16: return Numero(Ler<std::uint16_t>(p));
            case TipoCampo::U32:
            case TipoCampo::Quantidade: return Numero(Ler<std::uint32_t>(p));
            case TipoCampo::Moeda: {
                m_Texto += '"';
                m_Texto += TextoDeCY(Ler<tagCY>(p));
                m_Texto += '"';
                return;
            }
            case TipoCampo::Competencia: {
                const auto v = Ler<std::uint16_t>(p);
                return Datado([&] { Numero(v); }, formato::TextoCompetencia(v));
            }
            case TipoCampo::Dia: {
                const auto v = Ler<std::uint32_t>(p);
                return Datado([&] { Numero(v); }, formato::TextoDia(v));
            }
            case TipoCampo::Momento: {
                const auto v = Ler<std::int64_t>(p);
                char b[24];
                std::snprintf(b, sizeof b, "0x%016" PRIx64, static_cast<std::uint64_t>(v));
                return Datado([&] { Cadeia(b); }, formato::TextoMomento(v));
            }
            case TipoCampo::Texto: return Texto(c, p, classe);
            case TipoCampo::DataDmc:
            case TipoCampo::Posicao:
            case TipoCampo::Lacuna:
            case TipoCampo::Ponteiro:
            case TipoCampo::Registro: return Hex(p, c.largura);
        }
    }

    // `info` is null for an embedded record that is not a member key: fields only.
    void Registro(const InfoClasse* info, TabelaCampos campos, const unsigned char* reg) {
        AbrirObjeto();
        for (const CampoInfo& c : campos) {
            const unsigned char* p = reg + c.deslocamento;
            switch (c.tipo) {
                case TipoCampo::Quantidade:
                    if (ListaComQuantidadeEm(info, c.deslocamento)) continue;  // the list says it
                    break;
                case TipoCampo::Ponteiro:
                    // Any other pointer field is no part of the tree.
                    if (const InfoFilho* f = FilhoEm(info, c.deslocamento, false)) {
                        Membro(NomeDoFilho(*info, *f));
                        Filho(*f, reg);
                    }
                    continue;
                case TipoCampo::Registro:
                    if (c.sub) {
                        const InfoFilho* m = FilhoEm(info, c.deslocamento, true);
                        const InfoClasse* classe = m ? m->classe() : nullptr;
                        Membro(c.nome);
                        Registro(classe, classe ? classe->campos() : c.sub(), p);
                        continue;
                    }
                    break;
                case TipoCampo::Lacuna: {
                    bool zero = true;
                    for (std::uint32_t i = 0; i < c.largura; ++i) zero &= p[i] == 0;
                    if (zero) continue;  // gaps are shown only when they hold something
                    break;
                }
                default: break;
            }
            Membro(c.nome);
            Valor(c, p, info ? info->nome : nullptr);
        }
        Fechar('}');
    }

    void Filho(const InfoFilho& f, const unsigned char* reg) {
        const auto* bloco = Ler<const unsigned char*>(reg + f.ponteiro);
        const InfoClasse* classe = f.classe ? f.classe() : nullptr;
        if (f.tipo == TipoFilho::Unico) {
            if (bloco) Registro(classe, classe->campos(), bloco);
            else m_Texto += "null";
            return;
        }
        Abrir('[');
        const std::uint32_t n = bloco ? Ler<std::uint32_t>(reg + f.quantidade) : 0;
        for (std::uint32_t i = 0; i < n; ++i) {
            const unsigned char* e = bloco + std::size_t{i} * f.tamanhoRegistro;
            Proximo();
            if (classe) Registro(classe, classe->campos(), e);
            else Numero(Ler<std::uint32_t>(e));
        }
        Fechar(']');
    }

    std::ostream& m_Saida;
    std::string m_Texto;   // what is not yet written to m_Saida
    std::string m_Cadeia;  // the text field being converted
    std::vector<bool> m_Vazios;  // per open object or array: nothing in it yet
};

}  // namespace

void EscreverArvore(const InfoClasse& info, const void* registro, std::ostream& saida) {
    if (!saida) return;
    try {
        Escritor(saida).Documento(info, static_cast<const unsigned char*>(registro));
    } catch (const FluxoFalhou&) {
    }
}

}  // namespace NXDadosGC::json
