// The writer: a visitor of the walk over a flat record tree (motor/Travessia.h) that writes
// straight into text, a chunk at a time, so that memory stays that of the tree whatever the size
// of the document. The text is laid out as a JSON library would indent it by two spaces, byte
// for byte.
#include <charconv>   // std::to_chars
#include <cstdio>     // std::snprintf
#include <cstring>    // std::memcpy, strnlen
#include <stdexcept>  // std::invalid_argument
#include <string>
#include <vector>

#include "Formato.h"
#include "Interno.h"
#include "NXLDadosGC/motor/Travessia.h"   // Percorrer, VisitanteRegistro
#include "NXLDadosGC/types/TextoCampo.h"  // TextoDoCampo

namespace NXDadosGC::json {
namespace {

using detail::Ler;

// Raised inside the walk when the stream fails, to end it at once.
struct FluxoFalhou {};

class Escritor : public VisitanteRegistro {
public:
    Escritor(std::ostream& saida, int pagina) : m_Saida(saida), m_Pagina(pagina) { m_Texto.reserve(kBloco + 4096); }

    void Documento(const InfoClasse& info, const unsigned char* reg) {
        AbrirObjeto();
        Membro("classe");
        Cadeia(info.nome);
        Membro("registro");
        Percorrer(info, reg, *this);
        Fechar('}');
        m_Texto += '\n';
        Descarregar();
    }

    // ---- The walk ----

    void InicioRegistro(const InfoClasse*, TabelaCampos) override { AbrirObjeto(); }
    void FimRegistro() override { Fechar('}'); }

    bool Campo(const Parada& p) override {
        switch (p.tipo) {
            case TipoParada::Quantidade:  // the list says it
            case TipoParada::Ponteiro:    // no part of the tree
                return false;
            case TipoParada::Filho:
                Membro(p.nome);
                if (p.filho->tipo == TipoFilho::Lista) Abrir('[');
                else if (!p.bloco) m_Texto += "null";
                return p.filho->tipo == TipoFilho::Lista || p.bloco;
            case TipoParada::Registro:
                Membro(p.nome);
                return true;
            case TipoParada::Valor:
                if (p.campo.tipo == TipoCampo::Lacuna && Zeros(p.bytes, p.campo.largura))
                    return false;  // gaps are shown only when they hold something
                Membro(p.nome);
                Valor(p.campo, p.bytes, p.dono);
                return false;
        }
        return false;
    }
    void FimCampo(const Parada& p) override {
        if (p.tipo == TipoParada::Filho && p.filho->tipo == TipoFilho::Lista) Fechar(']');
    }
    void Elemento(const Parada& p, std::uint32_t, const unsigned char* e) override {
        if (p.filho->tipo != TipoFilho::Lista) return;
        Proximo();
        if (!p.classe) Numero(Ler<std::uint32_t>(e));
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
    static bool Zeros(const unsigned char* p, std::size_t n) {
        bool zero = true;
        for (std::size_t i = 0; i < n; ++i) zero &= p[i] == 0;
        return zero;
    }

    void Texto(const CampoInfo& c, const unsigned char* p, const InfoClasse* classe) {
        const std::size_t fim = strnlen(reinterpret_cast<const char*>(p), c.largura);
        if (fim == c.largura)
            throw std::invalid_argument(std::string(classe ? classe->nome : "record") + "." + c.nome +
                                        ": the text field has no terminating zero");
        m_Cadeia.clear();
        if (formato::AnexarTextoUtf8(m_Cadeia, p, fim, m_Pagina) && Zeros(p + fim, c.largura - fim))
            return Cadeia(m_Cadeia);
        // Bytes the text alone would not give back (after its zero, or no character of the page,
        // or one of two sequences of one character): kept, so that the record comes back byte
        // for byte. The text is what the bytes read as, up to the first that are no character.
        AbrirObjeto();
        Membro("texto");
        Cadeia(m_Cadeia);
        Membro("bytes");
        Hex(p, c.largura);
        Fechar('}');
    }

    // A value by its shape: numbers as numbers, amounts as strings, a dated value as
    // {"valor": <raw>, "data": <date>} ("data" only when the raw value holds one).
    void Valor(const CampoInfo& c, const unsigned char* p, const InfoClasse* classe) {
        const TextoValor v = TextoDoCampo(c, p, Leitor::Programas);
        switch (v.forma) {
            case FormaValor::Inteiro: return Numero(v.inteiro);
            case FormaValor::Decimal:
                m_Texto += '"';
                m_Texto += v.texto;
                m_Texto += '"';
                return;
            case FormaValor::Datado:
                AbrirObjeto();
                Membro("valor");
                if (v.brutoEmTexto) Cadeia(v.texto);
                else Numero(v.inteiro);
                if (!v.data.empty()) {
                    Membro("data");
                    Cadeia(v.data);
                }
                return Fechar('}');
            case FormaValor::Texto: return Texto(c, p, classe);
            case FormaValor::Bytes:
            case FormaValor::Endereco: return Hex(p, c.largura);
        }
    }

    std::ostream& m_Saida;
    int m_Pagina;
    std::string m_Texto;   // what is not yet written to m_Saida
    std::string m_Cadeia;  // the text field being converted
    std::vector<bool> m_Vazios;  // per open object or array: nothing in it yet
};

}  // namespace

void EscreverArvore(const InfoClasse& info, const void* registro, std::ostream& saida, int pagina) {
    if (!saida) return;
    try {
        Escritor(saida, pagina).Documento(info, static_cast<const unsigned char*>(registro));
    } catch (const FluxoFalhou&) {
    }
}

}  // namespace NXDadosGC::json
