// The reader: a document parsed into a tree of values (refusing duplicate keys and deep nesting
// while it parses), then checked against the class's field tables while its record tree is
// built, every value at its place with its JSON path.
#include <cstdio>   // std::snprintf
#include <cstring>  // std::memcpy, std::memchr, std::strcmp, std::strlen
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "Formato.h"
#include "Interno.h"
#include "NXLDadosGC/json/Json.h"      // ErroJson
#include "NXLDadosGC/motor/Classes.h"  // ClassePorNome, FilhoEm, ListaComQuantidadeEm, NomeDoFilho
#include "NXLDadosGC/types/Moeda.h"    // CYDeTexto

namespace NXDadosGC::json {
namespace {

// Objects keep their keys sorted: lookups stay logarithmic however many keys a document has.
using Json = nlohmann::json;

// Deeper than any record tree of the library goes, however its classes nest.
constexpr std::size_t kProfundidadeMaxima = 64;

[[noreturn]] void Falha(const std::string& caminho, const std::string& motivo) { throw ErroJson(caminho, motivo); }

// ---- Parsing --------------------------------------------------------------------------------

// Builds the value tree as the parser reports it. Unlike the parser's own builder it refuses a
// key given twice in one object (which would otherwise silently keep the last value) and
// nesting beyond kProfundidadeMaxima, both with the path where it happened.
class Construtor : public nlohmann::json_sax<Json> {
public:
    Json raiz;

    bool null() override { return Colocar(nullptr); }
    bool boolean(bool v) override { return Colocar(v); }
    bool number_integer(number_integer_t v) override { return Colocar(v); }
    bool number_unsigned(number_unsigned_t v) override { return Colocar(v); }
    bool number_float(number_float_t v, const string_t&) override { return Colocar(v); }
    bool string(string_t& v) override { return Colocar(std::move(v)); }
    bool binary(binary_t& v) override { return Colocar(Json::binary(std::move(v))); }

    bool start_object(std::size_t) override { return Entrar(Json::object()); }
    bool start_array(std::size_t) override { return Entrar(Json::array()); }
    bool end_object() override { return Sair(); }
    bool end_array() override { return Sair(); }

    bool key(string_t& chave) override {
        Nivel& n = m_Pilha.back();
        n.chave = chave;
        if (n.valor->contains(chave)) Falha(Caminho(), "duplicate key");
        m_Proximo = &(*n.valor)[chave];
        return true;
    }

    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& e) override {
        // what() starts with the library's own tag, "[json.exception.parse_error.101] ".
        std::string motivo = e.what();
        if (const std::size_t fim = motivo.find("] "); motivo.starts_with("[json.") && fim != std::string::npos)
            motivo.erase(0, fim + 2);
        Falha("(document)", motivo);
    }

private:
    struct Nivel {
        Json* valor;
        std::string chave;    // the last key read, for an object
        std::size_t indice;  // elements so far, for an array
    };

    // Where the next value goes: after a key in an object, at the end of an array, or the root.
    Json* Lugar(Json&& v) {
        if (m_Pilha.empty()) return &(raiz = std::move(v));
        Json& topo = *m_Pilha.back().valor;
        if (topo.is_array()) {
            ++m_Pilha.back().indice;
            topo.push_back(std::move(v));
            return &topo.back();
        }
        return &(*m_Proximo = std::move(v));
    }
    bool Colocar(Json&& v) {
        Lugar(std::move(v));
        return true;
    }
    bool Entrar(Json&& v) {
        if (m_Pilha.size() == kProfundidadeMaxima) Falha(Caminho(), "nested deeper than " + std::to_string(kProfundidadeMaxima) + " levels");
        // Containers are entered only once they are in place: their address then stays put.
        m_Pilha.push_back({Lugar(std::move(v)), {}, 0});
        return true;
    }
    bool Sair() {
        m_Pilha.pop_back();
        return true;
    }

    // The path of the value being read, "registro.Conta[1].ValorRateio": through every open
    // container to the value placed last, or to be placed next in the innermost one.
    std::string Caminho() const {
        std::string c;
        for (std::size_t i = 0; i < m_Pilha.size(); ++i) {
            const Nivel& n = m_Pilha[i];
            if (n.valor->is_array()) {
                c += "[" + std::to_string(i + 1 < m_Pilha.size() ? n.indice - 1 : n.indice) + "]";
            } else {
                if (!c.empty()) c += '.';
                c += n.chave;
            }
        }
        return c.empty() ? "(document)" : c;
    }

    std::vector<Nivel> m_Pilha;
    Json* m_Proximo = nullptr;
};

Json Analisar(std::string_view documento) {
    Construtor c;
    Json::sax_parse(documento.begin(), documento.end(), &c);
    return std::move(c.raiz);
}

// ---- Values ---------------------------------------------------------------------------------

std::int64_t Inteiro(const Json& v, std::int64_t minimo, std::int64_t maximo, const std::string& caminho) {
    if (!v.is_number_integer()) Falha(caminho, std::string("expected an integer, got ") + v.type_name());
    const bool cabe = v.is_number_unsigned() ? v.get<std::uint64_t>() <= static_cast<std::uint64_t>(maximo)
                                             : v.get<std::int64_t>() >= minimo && v.get<std::int64_t>() <= maximo;
    if (!cabe) Falha(caminho, v.dump() + " is out of range " + std::to_string(minimo) + ".." + std::to_string(maximo));
    return v.get<std::int64_t>();
}

void LerHex(const Json& v, unsigned char* p, std::size_t n, const std::string& caminho) {
    if (!v.is_string()) Falha(caminho, "expected a string of " + std::to_string(2 * n) + " hex digits");
    const auto& s = v.get_ref<const std::string&>();
    if (s.size() != 2 * n) Falha(caminho, "expected " + std::to_string(2 * n) + " hex digits, got " + std::to_string(s.size()));
    if (!formato::LerHex(s, p, n)) Falha(caminho, "\"" + s + "\" is not hex");
}

std::uint64_t LerHex64(const std::string& s, const std::string& caminho) {
    const bool forma = s.size() >= 3 && s.size() <= 18 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X');
    if (!forma) Falha(caminho, "\"" + s.substr(0, 40) + "\" is not a 64-bit hex value like \"0x00f574014047fbb7\"");
    // Left-padded to 16 digits, read as 8 big-endian bytes.
    unsigned char b[8];
    if (!formato::LerHex(std::string(18 - s.size(), '0') + s.substr(2), b, 8)) Falha(caminho, "\"" + s + "\" is not hex");
    std::uint64_t v = 0;
    for (const unsigned char x : b) v = v << 8 | x;
    return v;
}

// A dated value: {"valor": raw, "data": text} as written, or either part alone. When both are
// given they must agree. `deValor` reads the raw part, `deTexto` the text (false = invalid).
template <class DeValor, class DeTexto>
std::int64_t LerDatado(const Json& v, const char* exemplo, const std::string& caminho, DeValor deValor, DeTexto deTexto) {
    auto texto = [&](const Json& t, const std::string& onde) {
        if (!t.is_string()) Falha(onde, std::string("expected a date text like \"") + exemplo + "\"");
        std::int64_t r = 0;
        const auto& s = t.get_ref<const std::string&>();
        if (!deTexto(s, r)) Falha(onde, "\"" + s.substr(0, 40) + "\" is not a valid date like \"" + exemplo + "\"");
        return r;
    };
    if (v.is_string()) return texto(v, caminho);
    if (!v.is_object()) return deValor(v, caminho);
    for (const auto& [chave, _] : v.items())
        if (chave != "valor" && chave != "data")
            Falha(caminho + "." + chave, "unknown key (a date has \"valor\" and \"data\")");
    const auto valor = v.find("valor"), data = v.find("data");
    if (valor == v.end() && data == v.end()) Falha(caminho, "a date needs \"valor\" or \"data\"");
    const std::int64_t deV = valor != v.end() ? deValor(*valor, caminho + ".valor") : 0;
    if (data == v.end()) return deV;
    const std::int64_t deD = texto(*data, caminho + ".data");
    if (valor != v.end() && deD != deV)
        Falha(caminho, "\"valor\" " + valor->dump() + " and \"data\" " + data->dump() + " disagree");
    return deD;
}

template <class T>
void Gravar(unsigned char* p, T v) {
    std::memcpy(p, &v, sizeof v);
}

// ---- Building the record tree ---------------------------------------------------------------

class Montador {
public:
    explicit Montador(Arvore& arvore) : m_Arvore(arvore) {}

    // Fills the zeroed record `reg` from object j.
    void Registro(const InfoClasse* info, TabelaCampos campos, const Json& j, unsigned char* reg, const std::string& caminho) {
        if (!j.is_object()) Falha(caminho, std::string("expected an object, got ") + j.type_name());
        for (const auto& [chave, valor] : j.items()) {
            const std::string aqui = caminho + "." + chave;
            if (const InfoFilho* f = FilhoPorNome(info, chave)) {
                Filho(*f, valor, reg, aqui);
                continue;
            }
            const CampoInfo* c = nullptr;
            for (const CampoInfo& x : campos)
                if (chave == x.nome) c = &x;
            if (!c) Falha(aqui, std::string("unknown field of ") + (info ? info->nome : "this record"));
            unsigned char* p = reg + c->deslocamento;
            if (const InfoFilho* f = c->tipo == TipoCampo::Quantidade ? ListaComQuantidadeEm(info, c->deslocamento) : nullptr)
                Falha(aqui, "is the count of list \"" + NomeDoFilho(*info, *f) + "\"; give the list itself");
            if (c->tipo == TipoCampo::Ponteiro) Falha(aqui, "is a pointer field with no child behind it");
            if (c->tipo == TipoCampo::Registro && c->sub) {
                const InfoFilho* m = FilhoEm(info, c->deslocamento, true);
                const InfoClasse* classe = m ? m->classe() : nullptr;
                Registro(classe, classe ? classe->campos() : c->sub(), valor, p, aqui);
                continue;
            }
            Valor(*c, valor, p, aqui);
        }
    }

private:
    static const InfoFilho* FilhoPorNome(const InfoClasse* info, const std::string& nome) {
        if (!info) return nullptr;
        for (const InfoFilho& f : info->filhos)
            if (f.tipo != TipoFilho::Membro && NomeDoFilho(*info, f) == nome) return &f;
        return nullptr;
    }

    void Filho(const InfoFilho& f, const Json& v, unsigned char* reg, const std::string& caminho) {
        const InfoClasse* classe = f.classe ? f.classe() : nullptr;
        if (f.tipo == TipoFilho::Unico) {
            if (v.is_null()) return;
            if (!v.is_object()) Falha(caminho, std::string("expected an object or null, got ") + v.type_name());
            unsigned char* bloco = m_Arvore.Bloco(f.tamanhoRegistro);
            Registro(classe, classe->campos(), v, bloco, caminho);
            Gravar(reg + f.ponteiro, bloco);
            return;
        }
        if (!v.is_array()) Falha(caminho, std::string("expected an array, got ") + v.type_name());
        if (v.size() > 0xFFFFFFFFu) Falha(caminho, "more elements than a 32-bit count holds");
        if (v.empty()) return;
        unsigned char* bloco = m_Arvore.Bloco(v.size() * f.tamanhoRegistro);
        for (std::size_t i = 0; i < v.size(); ++i) {
            const std::string aqui = caminho + "[" + std::to_string(i) + "]";
            unsigned char* e = bloco + i * f.tamanhoRegistro;
            if (classe) Registro(classe, classe->campos(), v[i], e, aqui);
            else Gravar(e, static_cast<std::uint32_t>(Inteiro(v[i], 0, 0xFFFFFFFFll, aqui)));
        }
        Gravar(reg + f.quantidade, static_cast<std::uint32_t>(v.size()));
        Gravar(reg + f.ponteiro, bloco);
    }

    static void Valor(const CampoInfo& c, const Json& v, unsigned char* p, const std::string& caminho) {
        switch (c.tipo) {
            case TipoCampo::U8: return Gravar(p, static_cast<std::uint8_t>(Inteiro(v, 0, 0xFF, caminho)));
            case TipoCampo::Char: return Gravar(p, static_cast<std::int8_t>(Inteiro(v, -128, 127, caminho)));
            case TipoCampo::U16: return Gravar(p, static_cast<std::uint16_t>(Inteiro(v, 0, 0xFFFF, caminho)));
            case TipoCampo::U32:
            case TipoCampo::Quantidade: return Gravar(p, static_cast<std::uint32_t>(Inteiro(v, 0, 0xFFFFFFFFll, caminho)));
            case TipoCampo::Moeda: return Gravar(p, Moeda(v, caminho));
            case TipoCampo::Competencia:
                return Gravar(p, static_cast<std::uint16_t>(LerDatado(
                                     v, "2018-04", caminho,
                                     [](const Json& x, const std::string& w) { return Inteiro(x, 0, 0xFFFF, w); },
                                     [](const std::string& t, std::int64_t& r) { return (r = formato::CompetenciaDeTexto(t)) != 0; })));
            case TipoCampo::Dia:
                return Gravar(p, static_cast<std::uint32_t>(LerDatado(
                                     v, "2018-04-09", caminho,
                                     [](const Json& x, const std::string& w) { return Inteiro(x, 0, 0xFFFFFFFFll, w); },
                                     [](const std::string& t, std::int64_t& r) { return (r = formato::DiaDeTexto(t)) != 0; })));
            case TipoCampo::Momento:
                return Gravar(p, LerDatado(
                                     v, "2018-04-09T10:30:15-03:00", caminho,
                                     [](const Json& x, const std::string& w) -> std::int64_t {
                                         if (!x.is_string()) Falha(w, "expected a hex string like \"0x00f574014047fbb7\"");
                                         return static_cast<std::int64_t>(LerHex64(x.get_ref<const std::string&>(), w));
                                     },
                                     [](const std::string& t, std::int64_t& r) { return formato::MomentoDeTexto(t, r); }));
            case TipoCampo::Texto: return Texto(c, v, p, caminho);
            case TipoCampo::DataDmc:
            case TipoCampo::Posicao:
            case TipoCampo::Lacuna: return LerHex(v, p, c.largura, caminho);
            case TipoCampo::Ponteiro:
            case TipoCampo::Registro: break;  // handled by Registro
        }
        Falha(caminho, "cannot be given a value");
    }

    static tagCY Moeda(const Json& v, const std::string& caminho) {
        if (!v.is_string()) Falha(caminho, std::string("expected a decimal string like \"12.3400\", got ") + v.type_name());
        try {
            return CYDeTexto(v.get_ref<const std::string&>());
        } catch (const std::invalid_argument& e) {
            Falha(caminho, e.what());
        }
    }

    static void Texto(const CampoInfo& c, const Json& v, unsigned char* p, const std::string& caminho) {
        const std::size_t maximo = c.largura - 1;
        if (v.is_object()) {
            for (const auto& [chave, _] : v.items())
                if (chave != "texto" && chave != "bytes")
                    Falha(caminho + "." + chave, "unknown key (a text has \"texto\" and \"bytes\")");
            const auto bytes = v.find("bytes"), texto = v.find("texto");
            if (bytes == v.end()) Falha(caminho, "the object form of a text needs \"bytes\"");
            LerHex(*bytes, p, c.largura, caminho + ".bytes");
            if (p[maximo] != 0) Falha(caminho + ".bytes", "the last byte of a text field must be zero");
            if (texto != v.end()) {
                std::string lido;
                formato::AnexarDe1252(lido, p, std::strlen(reinterpret_cast<const char*>(p)));
                if (!texto->is_string() || texto->get_ref<const std::string&>() != lido)
                    Falha(caminho, "\"texto\" and \"bytes\" disagree");
            }
            return;
        }
        if (!v.is_string()) Falha(caminho, std::string("expected a string, got ") + v.type_name());
        const auto& s = v.get_ref<const std::string&>();
        // One byte per character in the code page: the length is known before anything is converted.
        if (const std::size_t n = formato::Caracteres(s); n > maximo)
            Falha(caminho, "text of " + std::to_string(n) + " bytes does not fit (at most " + std::to_string(maximo) + ")");
        char32_t ruim = 0;
        if (!formato::Para1252(s, p, ruim)) {
            if (ruim == 0xFFFFFFFF) Falha(caminho, "text is not valid UTF-8");
            char b[64];
            std::snprintf(b, sizeof b, "character U+%04X has no code page 1252 byte", static_cast<unsigned>(ruim));
            Falha(caminho, b);
        }
        if (std::memchr(p, 0, formato::Caracteres(s))) Falha(caminho, "a text cannot hold a zero character");
    }

    Arvore& m_Arvore;
};

const InfoClasse& ClasseDoDocumento(const Json& documento, const InfoClasse* exigida) {
    const auto classe = documento.find("classe");
    if (classe == documento.end()) Falha("classe", "missing (a document has \"classe\" and \"registro\")");
    if (!classe->is_string()) Falha("classe", std::string("expected a class name, got ") + classe->type_name());
    const auto& nome = classe->get_ref<const std::string&>();
    const InfoClasse* info = ClassePorNome(nome);
    if (!info) Falha("classe", "unknown class \"" + nome.substr(0, 80) + "\"");
    if (exigida && std::strcmp(exigida->nome, info->nome) != 0)
        Falha("classe", "the document holds a " + nome + ", not a " + exigida->nome);
    return *info;
}

}  // namespace

void LerDocumento(std::string_view texto, const InfoClasse* exigida, Arvore& arvore) {
    const Json documento = Analisar(texto);
    if (!documento.is_object()) Falha("(document)", std::string("expected an object, got ") + documento.type_name());
    for (const auto& [chave, _] : documento.items())
        if (chave != "classe" && chave != "registro")
            Falha(chave, "unknown key (a document has \"classe\" and \"registro\")");
    const InfoClasse& info = ClasseDoDocumento(documento, exigida);
    const auto registro = documento.find("registro");
    if (registro == documento.end()) Falha("registro", "missing (a document has \"classe\" and \"registro\")");
    arvore.info = &info;
    arvore.raiz = arvore.Bloco(info.tamanhoRegistro);
    Montador(arvore).Registro(&info, info.campos(), *registro, arvore.raiz, "registro");
}

}  // namespace NXDadosGC::json
