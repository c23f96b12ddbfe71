// The reader. A document is read in one pass by an on-demand parser (simdjson): each key of a
// record's object is looked up among what the walk (motor/Travessia.h) meets in the record, and
// its value is written at its place as it is read, in the shape its kind reads back
// (types/TextoCampo.h). Nothing is held but the text, the parser's index of it and the tree.
//
// A document refused is read once more by a reference parser (nlohmann's), which reports syntax
// errors, a key given twice and nesting deeper than 64 levels before anything about the values,
// in the document's order and with the messages and paths they have always had; in a document it
// finds well formed, the first value refused is the error. A large text made mostly of long
// strings is first offered to the fast parser's validating form, which holds each string once
// where the reference parser holds it twice; only what it does not vouch for goes on to the
// reference parser.
#include <array>
#include <cstring>  // std::memchr, std::memcpy, std::strcmp, std::strlen
#include <functional>
#include <memory>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include <simdjson.h>

#include "Formato.h"
#include "Membros.h"  // Membros, Vistos
#include "Recusas.h"
#include "Interno.h"
#include "Varredura.h"  // DocumentoFundoDemais
#include "NXLDadosGC/json/Json.h"         // ErroJson
#include "NXLDadosGC/motor/Classes.h"     // ClassePorNome
#include "NXLDadosGC/motor/Travessia.h"   // Percorrer, VisitanteRegistro
#include "NXLDadosGC/types/TextoCampo.h"  // LeituraDe

namespace NXDadosGC::json {
namespace {

namespace od = simdjson::ondemand;


[[noreturn]] void Falha(const std::string& caminho, const std::string& motivo) { throw ErroJson(caminho, motivo); }

// What the fast reader stopped at that the parser refused, where it was; the reference parser
// then says what it is.
struct Recusado {
    simdjson::error_code erro;
    std::string caminho;
};

// The parts of a document's object that must be read together: a date's or a text's.
struct Parte {
    bool dada = false;
    od::json_type tipo{};
    std::string texto;        // a string's contents
    std::int64_t valor = 0;   // a date's raw value, read
    std::string escrito;      // ... as the document writes it, for a message
};

const char* NomeDoTipo(od::json_type t) {
    switch (t) {
        case od::json_type::array: return "array";
        case od::json_type::object: return "object";
        case od::json_type::number: return "number";
        case od::json_type::string: return "string";
        case od::json_type::boolean: return "boolean";
        case od::json_type::null: return "null";
    }
    return "value";
}

class Leitor {
public:
    Leitor(Arvore& arvore, int pagina) : m_Arvore(arvore), m_Pagina(pagina) {}

    // Reads a document into the tree. `sozinho`: it is the whole text, and nothing may follow it.
    template <class Documento>
    void Ler(Documento& documento, const InfoClasse* exigida, bool sozinho) {
        m_Caminho = "(document)";
        const od::json_type tipo = Obter(documento.type());
        if (tipo != od::json_type::object) Falha("(document)", recusa::Esperado("an object", NomeDoTipo(tipo)));
        od::object raiz = Obter(documento.get_object());
        // The class comes before the record in documents as they are written; when the record
        // comes first, the class is looked up first and the object read again.
        const InfoClasse* info = nullptr;
        bool registro = false, adiado = false;
        for (auto membro : raiz) {
            od::field campo = Obter(std::move(membro));
            if (Chave(campo, "classe")) {
                if (info) Falha("classe", recusa::kChaveRepetida);
                info = &ClasseDoDocumento(campo.value(), exigida);
            } else if (m_Caminho == "registro") {
                if (!info) {
                    adiado = true;
                    break;
                }
                if (registro) Falha("registro", recusa::kChaveRepetida);
                registro = true;
                Registro(info, info->campos(), campo.value(), Raiz(*info));
            }
        }
        if (adiado) {
            Obter(raiz.reset());
            od::value classe;
            if (raiz.find_field_unordered("classe").get(classe) == simdjson::SUCCESS)
                info = &ClasseDoDocumento(classe, exigida);
            Obter(raiz.reset());
            bool vista = false;
            for (auto membro : raiz) {
                od::field campo = Obter(std::move(membro));
                if (Chave(campo, "classe")) {
                    if (vista) Falha("classe", recusa::kChaveRepetida);
                    vista = true;
                } else if (m_Caminho == "registro" && info) {
                    if (registro) Falha("registro", recusa::kChaveRepetida);
                    registro = true;
                    Registro(info, info->campos(), campo.value(), Raiz(*info));
                }
            }
        }
        if (!info) Falha("classe", recusa::kFaltaNoDocumento);
        if (!registro) Falha("registro", recusa::kFaltaNoDocumento);
        m_Caminho = "(document)";
        const char* resto = nullptr;
        if (sozinho && documento.current_location().get(resto) == simdjson::SUCCESS)
            throw Recusado{simdjson::TRAILING_CONTENT, m_Caminho};
    }

private:
    // A value the parser gives, or the error that stops reading.
    template <class T>
    T Obter(simdjson::simdjson_result<T>&& r) {
        T v{};
        if (const simdjson::error_code e = std::move(r).get(v)) throw Recusado{e, m_Caminho};
        return v;
    }
    od::json_type Tipo(od::value& v) { return Obter(v.type()); }

    unsigned char* Raiz(const InfoClasse& info) {
        m_Arvore.info = &info;
        m_Arvore.raiz = m_Arvore.Bloco(info.tamanhoRegistro);
        return m_Arvore.raiz;
    }

    const InfoClasse& ClasseDoDocumento(od::value v, const InfoClasse* exigida) {
        const od::json_type tipo = Tipo(v);
        if (tipo != od::json_type::string) Falha("classe", recusa::Esperado("a class name", NomeDoTipo(tipo)));
        const std::string nome(Cadeia(v));
        const InfoClasse* info = ClassePorNome(nome);
        if (!info) Falha("classe", recusa::ClasseDesconhecida(nome));
        if (exigida && std::strcmp(exigida->nome, info->nome) != 0)
            Falha("classe", recusa::OutraClasse(nome, exigida->nome));
        return *info;
    }

    // The contents of a string token, read in place unless it holds escapes. A control
    // character, which JSON does not allow inside a string, stops reading.
    std::string_view Conteudo(const char* p, bool& escapes) {
        escapes = false;
        const char* q = p;
        for (; *q != '"'; ++q) {
            if (static_cast<unsigned char>(*q) < 0x20) throw Recusado{simdjson::UNESCAPED_CHARS, m_Caminho};
            if (*q == '\\') {
                escapes = true;
                ++q;
            }
        }
        return {p, static_cast<std::size_t>(q - p)};
    }
    // Either way the value is consumed: one left for the parser to pass over would be passed over
    // by counting brackets alone, and what is not well formed after it would go unseen.
    std::string_view Cadeia(od::value& v) {
        bool escapes = false;
        const std::string_view bruto = Conteudo(v.raw_json_token().data() + 1, escapes);
        if (escapes) return Obter(v.get_string());
        Obter(v.get_raw_json_string());
        return bruto;
    }
    // A key of the document's own object: the path becomes it; true when it is `nome`. A key
    // other than "classe" and "registro" is refused.
    bool Chave(od::field& c, std::string_view nome) {
        m_Caminho = std::string(Chave(c));
        if (m_Caminho != "classe" && m_Caminho != "registro")
            Falha(m_Caminho, recusa::kChaveDoDocumento);
        return m_Caminho == nome;
    }
    std::string_view Chave(od::field& c) {
        bool escapes = false;
        const std::string_view bruto = Conteudo(c.key().raw(), escapes);
        return escapes ? Obter(c.unescaped_key()) : bruto;
    }

    // ---- Records and children ----

    // Fills the zeroed record `reg` from object v, at the path m_Caminho.
    void Registro(const InfoClasse* info, TabelaCampos campos, od::value v, unsigned char* reg) {
        const od::json_type tipo = Tipo(v);
        if (tipo != od::json_type::object) Falha(m_Caminho, recusa::Esperado("an object", NomeDoTipo(tipo)));
        Membros& m = m_Membros.De(info, campos);
        Vistos vistos(m.Chaves());
        std::size_t anterior = m.Chaves();
        CadaMembro(v, [&](std::string_view chave, od::field& campo) {
            const std::size_t k = m.Achar(chave, anterior);
            if (k == m.Chaves()) Falha(m_Caminho, recusa::CampoDesconhecido(info ? info->nome : nullptr));
            if (!vistos.Marcar(k)) Falha(m_Caminho, recusa::kChaveRepetida);
            anterior = k;
            const Membro& x = m.membros[k / 2];
            if (k % 2) return Filho(*x.infoFilho, campo.value(), reg);
            unsigned char* p = reg + x.campo->deslocamento;
            switch (x.tipo) {
                case TipoParada::Quantidade:
                    Falha(m_Caminho, recusa::QuantidadeDaLista(NomeDoFilho(*info, *x.infoFilho)));
                case TipoParada::Filho:
                case TipoParada::Ponteiro: Falha(m_Caminho, recusa::kPonteiroSemFilho);
                case TipoParada::Registro:
                    Registro(x.classe, x.classe ? x.classe->campos() : x.campo->sub(), campo.value(), p);
                    break;
                case TipoParada::Valor: Valor(*x.campo, campo.value(), p); break;
            }
        });
    }

    void Filho(const InfoFilho& f, od::value v, unsigned char* reg) {
        const InfoClasse* classe = f.classe ? f.classe() : nullptr;
        const od::json_type tipo = Tipo(v);
        if (f.tipo == TipoFilho::Unico) {
            if (tipo == od::json_type::null) return;
            if (tipo != od::json_type::object)
                Falha(m_Caminho, recusa::Esperado("an object or null", NomeDoTipo(tipo)));
            unsigned char* bloco = m_Arvore.Bloco(f.tamanhoRegistro);
            Registro(classe, classe->campos(), v, bloco);
            Gravar(reg + f.ponteiro, bloco);
            return;
        }
        if (tipo != od::json_type::array) Falha(m_Caminho, recusa::Esperado("an array", NomeDoTipo(tipo)));
        od::array elementos = Obter(v.get_array());
        const std::size_t n = Obter(elementos.count_elements());
        if (n > 0xFFFFFFFFu) Falha(m_Caminho, recusa::kElementosDemais);
        if (n == 0) return;
        unsigned char* bloco = m_Arvore.Bloco(n * f.tamanhoRegistro);
        const std::size_t aqui = m_Caminho.size();
        std::size_t i = 0;
        for (auto elemento : elementos) {
            m_Caminho.resize(aqui);
            m_Caminho += '[' + std::to_string(i) + ']';
            od::value e = Obter(std::move(elemento));
            unsigned char* destino = bloco + i * f.tamanhoRegistro;
            if (classe) Registro(classe, classe->campos(), e, destino);
            else Gravar(destino, static_cast<std::uint32_t>(Inteiro(e, 0, 0xFFFFFFFFll)));
            ++i;
        }
        m_Caminho.resize(aqui);
        Gravar(reg + f.quantidade, static_cast<std::uint32_t>(n));
        Gravar(reg + f.ponteiro, bloco);
    }

    template <class T>
    static void Gravar(unsigned char* p, T v) {
        std::memcpy(p, &v, sizeof v);
    }

    // ---- Values ----

    // A whole number within [minimo, maximo]. A number with a fraction or an exponent, or beyond
    // 64 bits, is no integer: the reference parser reads it as a floating-point number.
    std::int64_t Inteiro(od::value& v, std::int64_t minimo, std::int64_t maximo) {
        const od::json_type tipo = Tipo(v);
        if (tipo != od::json_type::number) Falha(m_Caminho, recusa::Esperado("an integer", NomeDoTipo(tipo)));
        od::number_type numero{};
        std::int64_t x = 0;
        std::uint64_t u = 0;
        if (v.get_number_type().get(numero) == simdjson::SUCCESS) {
            if (numero == od::number_type::signed_integer && v.get_int64().get(x) == simdjson::SUCCESS) {
                if (x < minimo || x > maximo) ForaDoIntervalo(std::to_string(x), minimo, maximo);
                return x;
            }
            if (numero == od::number_type::unsigned_integer && v.get_uint64().get(u) == simdjson::SUCCESS) {
                if (u > static_cast<std::uint64_t>(maximo)) ForaDoIntervalo(std::to_string(u), minimo, maximo);
                return static_cast<std::int64_t>(u);
            }
        }
        Falha(m_Caminho, recusa::Esperado("an integer", "number"));
    }
    [[noreturn]] void ForaDoIntervalo(const std::string& x, std::int64_t minimo, std::int64_t maximo) {
        Falha(m_Caminho, recusa::ForaDoIntervalo(x, minimo, maximo));
    }

    void LerHex(od::value& v, unsigned char* p, std::size_t n) {
        if (Tipo(v) != od::json_type::string) Falha(m_Caminho, recusa::CadeiaHex(n));
        LerHex(Cadeia(v), p, n);
    }
    void LerHex(std::string_view s, unsigned char* p, std::size_t n) {
        if (s.size() != 2 * n)
            Falha(m_Caminho, recusa::DigitosHex(n, s.size()));
        if (!formato::LerHex(s, p, n)) Falha(m_Caminho, recusa::NaoEHex(s));
    }

    std::int64_t DeTexto(const LeituraDoCampo& l, std::string_view s) {
        try {
            return l.deTexto(s);
        } catch (const std::invalid_argument& e) {
            Falha(m_Caminho, e.what());
        }
    }

    // A dated value's raw part: a number, or a hex text where a number would lose bits.
    std::int64_t Bruto(const LeituraDoCampo& l, od::value& v, std::string* escrito) {
        if (!l.brutoEmTexto) {
            const std::int64_t x = Inteiro(v, l.minimo, l.maximo);
            if (escrito) *escrito = std::to_string(x);
            return x;
        }
        if (Tipo(v) != od::json_type::string) Falha(m_Caminho, recusa::HexComo(l.exemploBruto));
        const std::string_view s = Cadeia(v);
        const std::int64_t x = DeTexto(l, s);
        if (escrito) *escrito = "\"" + std::string(s) + "\"";
        return x;
    }
    // Its date part, a text.
    std::int64_t Data(const LeituraDoCampo& l, od::value& v, std::string* escrito) {
        if (Tipo(v) != od::json_type::string) Falha(m_Caminho, recusa::DataComo(l.exemplo));
        const std::string_view s = Cadeia(v);
        std::int64_t r = 0;
        if (!l.deData(s, r))
            Falha(m_Caminho, recusa::DataInvalida(s, l.exemplo));
        if (escrito) *escrito = "\"" + std::string(s) + "\"";
        return r;
    }

    // The members of an object of two parts, each named once at most: `ler` reads each part's
    // value, with the path at it.
    template <class F>
    void Partes(od::value& v, std::pair<std::string_view, Parte*> a, std::pair<std::string_view, Parte*> b,
                const char* desconhecida, F&& ler) {
        CadaMembro(v, [&](std::string_view chave, od::field& campo) {
            Parte* parte = chave == a.first ? a.second : chave == b.first ? b.second : nullptr;
            if (!parte) Falha(m_Caminho, desconhecida);
            if (parte->dada) Falha(m_Caminho, recusa::kChaveRepetida);
            parte->dada = true;
            od::value x = campo.value();
            ler(*parte, x);
        });
    }

    // Each member of the object v, the path at its key while `cada` reads it.
    template <class F>
    void CadaMembro(od::value& v, F&& cada) {
        const std::size_t aqui = m_Caminho.size();
        for (auto membro : Obter(v.get_object())) {
            od::field campo = Obter(std::move(membro));
            const std::string_view chave = Chave(campo);
            m_Caminho.resize(aqui);
            m_Caminho += '.';
            m_Caminho += chave;
            cada(chave, campo);
        }
        m_Caminho.resize(aqui);
    }

    // A dated value: {"valor": raw, "data": text} as written, or either part alone. When both
    // are given they must agree.
    std::int64_t Datado(const LeituraDoCampo& l, od::value& v) {
        const od::json_type tipo = Tipo(v);
        if (tipo == od::json_type::string) return Data(l, v, nullptr);
        if (tipo != od::json_type::object) return Bruto(l, v, nullptr);
        Parte valor, data;
        Partes(v, {"valor", &valor}, {"data", &data}, recusa::kChaveDaData,
               [&](Parte& parte, od::value& x) {
                   parte.valor = &parte == &valor ? Bruto(l, x, &parte.escrito) : Data(l, x, &parte.escrito);
               });
        if (!valor.dada && !data.dada) Falha(m_Caminho, recusa::kDataSemPartes);
        if (!data.dada) return valor.valor;
        if (valor.dada && valor.valor != data.valor)
            Falha(m_Caminho, recusa::Discordam(valor.escrito, data.escrito));
        return data.valor;
    }

    // A value by its kind's shape.
    void Valor(const CampoInfo& c, od::value v, unsigned char* p) {
        const LeituraDoCampo& l = LeituraDe(c.tipo);
        switch (l.forma) {
            case FormaValor::Inteiro: return l.gravar(Inteiro(v, l.minimo, l.maximo), p);
            case FormaValor::Decimal: {
                const od::json_type tipo = Tipo(v);
                if (tipo != od::json_type::string)
                    Falha(m_Caminho, recusa::Esperado(recusa::DecimalComo(l.exemplo), NomeDoTipo(tipo)));
                return l.gravar(DeTexto(l, Cadeia(v)), p);
            }
            case FormaValor::Datado: return l.gravar(Datado(l, v), p);
            case FormaValor::Texto: return Texto(c, v, p);
            case FormaValor::Bytes: return LerHex(v, p, c.largura);
            case FormaValor::Endereco: break;  // a pointer: the walk has said what it is
        }
        Falha(m_Caminho, recusa::kSemValor);
    }

    void Texto(const CampoInfo& c, od::value& v, unsigned char* p) {
        const std::size_t maximo = c.largura - 1;
        const od::json_type tipo = Tipo(v);
        if (tipo == od::json_type::object) {
            Parte texto, bytes;
            Partes(v, {"texto", &texto}, {"bytes", &bytes}, recusa::kChaveDoTexto,
                   [&](Parte& parte, od::value& x) {
                       parte.tipo = Tipo(x);
                       if (parte.tipo == od::json_type::string) parte.texto = Cadeia(x);
                   });
            const std::size_t aqui = m_Caminho.size();
            if (!bytes.dada) Falha(m_Caminho, recusa::kTextoSemBytes);
            m_Caminho += ".bytes";
            if (bytes.tipo != od::json_type::string)
                Falha(m_Caminho, recusa::CadeiaHex(c.largura));
            LerHex(bytes.texto, p, c.largura);
            if (p[maximo] != 0) Falha(m_Caminho, recusa::kTextoSemZero);
            m_Caminho.resize(aqui);
            if (texto.dada) {
                std::string lido;
                formato::AnexarTextoUtf8(lido, p, std::strlen(reinterpret_cast<const char*>(p)), m_Pagina);
                if (texto.tipo != od::json_type::string || texto.texto != lido)
                    Falha(m_Caminho, recusa::kTextoEBytes);
            }
            return;
        }
        if (tipo != od::json_type::string) Falha(m_Caminho, recusa::Esperado("a string", NomeDoTipo(tipo)));
        if (const std::string porque = formato::GravarTextoUtf8(Cadeia(v), p, maximo, m_Pagina); !porque.empty())
            Falha(m_Caminho, porque);
    }

    Arvore& m_Arvore;
    int m_Pagina;
    std::string m_Caminho;  // of the value being read
    TabelaMembros m_Membros;
};

// ---- Large texts ------------------------------------------------------------------------------

// The closing quote of the string whose opening quote is at `aspas`: the first one not escaped by
// an odd run of backslashes; null when the text ends first.
const char* FimDaCadeia(const char* aspas, const char* fim) {
    for (const char* p = aspas;;) {
        const char* q = static_cast<const char*>(std::memchr(p + 1, '"', static_cast<std::size_t>(fim - p - 1)));
        if (!q) return nullptr;
        const char* b = q;
        while (b[-1] == '\\') --b;
        if ((q - b) % 2 == 0) return q;
        p = q;
    }
}

// True when the bulk of `texto` is in a few long strings: the reference parser would hold the
// longest twice (its value and its raw text), the validating parser every string once and about
// sixteen bytes per token, here bounded by the bytes outside strings.
bool CadeiasLongas(std::string_view texto) {
    const char *p = texto.data(), *const fim = p + texto.size();
    std::size_t fora = 0, dentro = 0, maior = 0;
    while (p < fim) {
        const char* aspas = static_cast<const char*>(std::memchr(p, '"', static_cast<std::size_t>(fim - p)));
        if (!aspas) {
            fora += static_cast<std::size_t>(fim - p);
            break;
        }
        const char* fecha = FimDaCadeia(aspas, fim);
        if (!fecha) return false;
        const auto n = static_cast<std::size_t>(fecha - aspas - 1);
        fora += static_cast<std::size_t>(aspas - p) + 2;
        dentro += n;
        maior = std::max(maior, n);
        p = fecha + 1;
    }
    return 16 * fora + dentro < 2 * maior;
}

// Vouches that the reference parser finds nothing wrong with the first document of `texto`,
// which is followed by the parser's padding, by parsing it with the fast parser's validating form
// (simdjson's DOM), which keeps each string once: true only when it parses, no object gives a key
// twice and nothing nests deeper than kProfundidadeMaxima. Where the two parsers differ (a
// number beyond 64 bits, a byte-order mark, trailing content) the fast one refuses: it does not
// vouch. `sozinho`: nothing may follow the document.
bool BemFormado(std::string_view texto, bool sozinho) {
    struct {
        bool operator()(simdjson::dom::element e, std::size_t abertos) const {
            switch (e.type()) {
                case simdjson::dom::element_type::OBJECT: {
                    if (abertos == kProfundidadeMaxima) return false;
                    std::unordered_set<std::string_view> chaves;
                    for (const simdjson::dom::key_value_pair campo : simdjson::dom::object(e))
                        if (!chaves.insert(campo.key).second || !(*this)(campo.value, abertos + 1)) return false;
                    return true;
                }
                case simdjson::dom::element_type::ARRAY:
                    if (abertos == kProfundidadeMaxima) return false;
                    for (const simdjson::dom::element x : simdjson::dom::array(e))
                        if (!(*this)(x, abertos + 1)) return false;
                    return true;
                default: return true;
            }
        }
    } conferir;
    simdjson::dom::parser parser;
    simdjson::dom::element raiz;
    if (sozinho) {
        if (parser.parse(texto.data(), texto.size(), false).get(raiz) != simdjson::SUCCESS) return false;
    } else {
        simdjson::dom::document_stream documentos;
        if (parser.parse_many(texto.data(), texto.size(), texto.size()).get(documentos) != simdjson::SUCCESS) return false;
        auto primeiro = documentos.begin();
        if (!(primeiro != documentos.end()) || (*primeiro).get(raiz) != simdjson::SUCCESS) return false;
    }
    return conferir(raiz, 0);
}

// The fast reader's refusal, unless the reference parser finds the document not well formed.
[[noreturn]] void Explicar(std::string_view texto, bool sozinho, const Recusado& r) {
    VerificarSintaxe(texto, sozinho);
    Falha(r.caminho, simdjson::error_message(r.erro));
}

// Runs `ler` on the document `texto` (see VerificarSintaxe), `acolchoado` being the same without
// a byte-order mark and followed by the parser's padding; a refusal leaves as an ErroJson, the
// reference parser's when it finds the document not well formed.
template <class F>
void Explicado(std::string_view texto, bool sozinho, std::string_view acolchoado, F&& ler) {
    try {
        ler();
    } catch (const Recusado& r) {
        Explicar(texto, sozinho, r);
    } catch (const ErroJson&) {
        if (texto.size() <= kTextoGrande || !CadeiasLongas(acolchoado) || !BemFormado(acolchoado, sozinho))
            VerificarSintaxe(texto, sozinho);
        throw;
    }
}


// A UTF-8 byte-order mark at the start is no part of the text.
std::size_t Marca(std::string_view texto) { return texto.starts_with("\xEF\xBB\xBF") ? 3 : 0; }

// A first look at a large text dense in tokens: its first kTextoGrande bytes cut right before
// the last `,`, `]` or `}` outside strings, so that every token before the cut is whole, and the
// containers open there closed. No look (corte 0) for a text not large or not dense: one whose
// index would take less than 1.5 times the text (four bytes per token, about two tokens per
// separator).
struct Sonda {
    std::size_t corte = 0;
    std::string texto;  // the piece and its closing brackets
};

Sonda SondaDensa(std::string_view texto) {
    if (texto.size() <= kTextoGrande) return {};
    static constexpr auto kMarca = [] {
        std::array<bool, 256> t{};
        for (const unsigned char c : std::string_view("\",:[]{}")) t[c] = true;
        return t;
    }();
    const char *const inicio = texto.data(), *const fim = inicio + kTextoGrande;
    std::size_t separadores = 0, corte = 0;
    std::string abertos, abertosNoCorte;
    for (const char* p = inicio; p < fim; ++p) {
        if (!kMarca[static_cast<unsigned char>(*p)]) continue;
        if (*p == '"') {
            if (!(p = FimDaCadeia(p, fim))) break;
            continue;
        }
        ++separadores;
        if (*p == '[' || *p == '{') {
            abertos += *p;
            continue;
        }
        if (*p != ':') {
            corte = static_cast<std::size_t>(p - inicio);
            abertosNoCorte = abertos;
        }
        if ((*p == ']' || *p == '}') && !abertos.empty()) abertos.pop_back();
    }
    if (16 * separadores <= 3 * kTextoGrande || corte == 0 || abertosNoCorte.size() > kProfundidadeMaxima) return {};
    Sonda s{corte, std::string(texto.substr(0, corte))};
    for (auto c = abertosNoCorte.rbegin(); c != abertosNoCorte.rend(); ++c) s.texto += *c == '[' ? ']' : '}';
    return s;
}

// The first document of a large text dense in tokens, read in its first look alone: refused
// there for a value before the cut, it is refused without the index of the whole text, once the
// reference parser finds the whole well formed (`texto`, `sozinho`: as VerificarSintaxe takes
// them; `documento`: from the first document on). Anything else (the cut reached, a token
// refused) says nothing: the whole text is read as usual.
void Sondar(std::string_view texto, bool sozinho, std::string_view documento, const InfoClasse* exigida, int pagina) {
    const Sonda sonda = SondaDensa(documento);
    if (sonda.corte == 0) return;
    const simdjson::padded_string pedaco(sonda.texto);
    od::parser parser;
    od::document d;
    try {
        if (parser.iterate(pedaco).get(d) != simdjson::SUCCESS) return;
        Arvore arvore;
        Leitor(arvore, pagina).Ler(d, exigida, false);
    } catch (const Recusado&) {
        return;
    } catch (const ErroJson&) {
        // Refused at the closing brackets added, or after them: not a refusal of the whole.
        const char* onde = nullptr;
        if (d.current_location().get(onde) != simdjson::SUCCESS || onde >= pedaco.data() + sonda.corte) return;
        VerificarSintaxe(texto, sozinho);
        throw;
    }
}

}  // namespace

// The fast parser indexes a whole text before it reads any of it, four bytes for each bracket: a
// large text with a document nested too deep (brackets alone, say) is refused by the reference
// parser, which stops at the limit, before that index is made.
void LerDocumento(std::string_view texto, const InfoClasse* exigida, Arvore& arvore, int pagina) {
    if (texto.size() > kTextoGrande && DocumentoFundoDemais(texto, kProfundidadeMaxima) != std::string_view::npos)
        VerificarSintaxe(texto, true);
    Sondar(texto, true, texto.substr(Marca(texto)), exigida, pagina);
    const simdjson::padded_string documento(texto.substr(Marca(texto)));
    od::parser parser;
    Explicado(texto, true, std::string_view(documento.data(), documento.size()), [&] {
        od::document d;
        if (const simdjson::error_code e = parser.iterate(documento).get(d)) throw Recusado{e, "(document)"};
        Leitor(arvore, pagina).Ler(d, exigida, true);
    });
}

std::size_t LerDocumentos(std::string& texto, const InfoClasse* exigida, int pagina,
                          const std::function<void(Arvore&)>& cada, std::size_t limiteArvore) {
    // The parser reads a little past the end: room is made in place, zeroed, not a copy.
    const std::size_t n = texto.size(), marca = Marca(texto);
    texto.resize(n + simdjson::SIMDJSON_PADDING);
    texto.resize(n);
    const std::string_view todo(texto);
    // The documents before one nested too deep are read as usual, then that one is refused.
    std::size_t primeiro = std::string_view::npos;
    const std::size_t fundo = n > kTextoGrande ? DocumentoFundoDemais(todo.substr(marca), kProfundidadeMaxima, &primeiro)
                                               : std::string_view::npos;
    const std::size_t fim = fundo == std::string_view::npos ? n : marca + fundo;
    const bool antes = todo.substr(marca, fim - marca).find_first_not_of(" \t\r\n") != std::string_view::npos;
    // A text of one document alone is read as the reader of one document reads it: the whole
    // text is what the reference parser looks at, so a first look may refuse it.
    const auto branco = [&](std::size_t de) { return todo.find_first_not_of(" \t\r\n", de); };
    const bool so = fundo == std::string_view::npos && primeiro != std::string_view::npos &&
                    (todo[branco(marca)] == '{' || todo[branco(marca)] == '[') &&
                    branco(marca + primeiro) == std::string_view::npos;
    od::parser parser;
    od::document_stream documentos;
    std::size_t lidos = 0, inicio = marca;
    // The document that starts at `inicio`, counted from 1: refused with its number from the second on.
    auto numerado = [&](const ErroJson& e) {
        if (lidos == 0) throw;
        const std::string motivo = std::string(e.what()).substr(e.Caminho().size() + 2);
        throw ErroJson("document " + std::to_string(lidos + 1) + ": " + e.Caminho(), motivo);
    };
    try {
        if (so) Sondar(todo.substr(marca), false, todo.substr(marca), exigida, pagina);
        if (antes)
            Explicado(todo.substr(marca), false, todo.substr(marca), [&] {
                if (const simdjson::error_code e =
                        parser.iterate_many(texto.data() + marca, fim - marca, std::max<std::size_t>(fim - marca, 1 << 20))
                            .get(documentos))
                    throw Recusado{e, "(document)"};
            });
        if (antes) {
            for (auto it = documentos.begin(); it != documentos.end(); ++it) {
                inicio = marca + it.current_index();
                Arvore arvore;
                arvore.limite = limiteArvore;
                Explicado(todo.substr(inicio), false, todo.substr(inicio), [&] {
                    od::document_reference d;
                    if (const simdjson::error_code e = (*it).get(d)) throw Recusado{e, "(document)"};
                    Leitor(arvore, pagina).Ler(d, exigida, false);
                });
                if (so) {
                    // The only document is read: its text and the parser's index of it go
                    // before the tree is handed on (a tree may stand for far more than its text).
                    parser = od::parser{};
                    std::string().swap(texto);
                }
                cada(arvore);
                ++lidos;
                if (so) break;
            }
        }
        if (fim < n) VerificarSintaxe(todo.substr(fim), false);
        // Nothing read: the reference parser says why (white space only).
        if (lidos == 0) Explicar(todo.substr(marca), true, Recusado{simdjson::EMPTY, "(document)"});
    } catch (const ErroJson& e) {
        numerado(e);
    }
    return lidos;
}

}  // namespace NXDadosGC::json
