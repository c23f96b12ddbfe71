// The reader: a document parsed into a tree of values (refusing duplicate keys and deep nesting
// while it parses), then checked against the class's description while its record tree is
// built, every value at its place with its JSON path. What each key of an object may be is what
// the walk (motor/Travessia.h) meets in the record; how each value is read back is its kind's
// (types/TextoCampo.h).
#include <cstring>  // std::memcpy, std::strcmp, std::strlen
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "Formato.h"
#include "Interno.h"
#include "NXLDadosGC/json/Json.h"         // ErroJson
#include "NXLDadosGC/motor/Classes.h"     // ClassePorNome
#include "NXLDadosGC/motor/Travessia.h"   // Percorrer, VisitanteRegistro
#include "NXLDadosGC/types/TextoCampo.h"  // LeituraDe

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

// What a key of a record's object may name: a field, or a list or holder by its own name.
struct Membro {
    const CampoInfo* campo;
    TipoParada tipo;
    std::string_view filho;        // Filho: the name of the list or holder
    const InfoFilho* infoFilho;    // Quantidade, Filho: the list or holder
    const InfoClasse* classe;      // Registro: the member key's class, or null
};

// The fields of one record, as the walk meets them, without entering any.
class Membros : public VisitanteRegistro {
public:
    std::vector<Membro> membros;

    bool Campo(const Parada& p) override {
        membros.push_back({&p.campo, p.tipo, p.tipo == TipoParada::Filho ? p.nome : "",
                           p.filho, p.classe});
        return false;
    }
};

class Montador {
public:
    explicit Montador(Arvore& arvore) : m_Arvore(arvore) {}

    // Fills the zeroed record `reg` from object j.
    void Registro(const InfoClasse* info, TabelaCampos campos, const Json& j, unsigned char* reg, const std::string& caminho) {
        if (!j.is_object()) Falha(caminho, std::string("expected an object, got ") + j.type_name());
        Membros m;
        Percorrer(info, campos, nullptr, m);
        for (const auto& [chave, valor] : j.items()) {
            const std::string aqui = caminho + "." + chave;
            // A list or holder by its own name first, then a field by its name.
            const Membro* achado = nullptr;
            for (const Membro& x : m.membros)
                if (x.tipo == TipoParada::Filho && x.filho == chave) achado = &x;
            if (achado) {
                Filho(*achado->infoFilho, valor, reg, aqui);
                continue;
            }
            for (const Membro& x : m.membros)
                if (chave == x.campo->nome) achado = &x;
            if (!achado) Falha(aqui, std::string("unknown field of ") + (info ? info->nome : "this record"));
            const CampoInfo& c = *achado->campo;
            unsigned char* p = reg + c.deslocamento;
            switch (achado->tipo) {
                case TipoParada::Quantidade:
                    Falha(aqui, "is the count of list \"" + NomeDoFilho(*info, *achado->infoFilho) + "\"; give the list itself");
                case TipoParada::Filho:
                case TipoParada::Ponteiro: Falha(aqui, "is a pointer field with no child behind it");
                case TipoParada::Registro:
                    Registro(achado->classe, achado->classe ? achado->classe->campos() : c.sub(), valor, p, aqui);
                    break;
                case TipoParada::Valor: Valor(c, valor, p, aqui); break;
            }
        }
    }

private:
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

    // A value by its kind's shape.
    static void Valor(const CampoInfo& c, const Json& v, unsigned char* p, const std::string& caminho) {
        const LeituraDoCampo& l = LeituraDe(c.tipo);
        switch (l.forma) {
            case FormaValor::Inteiro: return l.gravar(Inteiro(v, l.minimo, l.maximo, caminho), p);
            case FormaValor::Decimal:
                if (!v.is_string())
                    Falha(caminho, std::string("expected a decimal string like \"") + l.exemplo + "\", got " + v.type_name());
                return l.gravar(DeTexto(l, v.get_ref<const std::string&>(), caminho), p);
            case FormaValor::Datado: {
                auto bruto = [&l](const Json& x, const std::string& w) -> std::int64_t {
                    if (!l.brutoEmTexto) return Inteiro(x, l.minimo, l.maximo, w);
                    if (!x.is_string()) Falha(w, std::string("expected a hex string like \"") + l.exemploBruto + "\"");
                    return DeTexto(l, x.get_ref<const std::string&>(), w);
                };
                return l.gravar(LerDatado(v, l.exemplo, caminho, bruto, l.deData), p);
            }
            case FormaValor::Texto: return Texto(c, v, p, caminho);
            case FormaValor::Bytes: return LerHex(v, p, c.largura, caminho);
            case FormaValor::Endereco: break;  // a pointer: the walk has said what it is
        }
        Falha(caminho, "cannot be given a value");
    }

    static std::int64_t DeTexto(const LeituraDoCampo& l, const std::string& s, const std::string& caminho) {
        try {
            return l.deTexto(s);
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
                formato::AnexarTextoUtf8(lido, p, std::strlen(reinterpret_cast<const char*>(p)));
                if (!texto->is_string() || texto->get_ref<const std::string&>() != lido)
                    Falha(caminho, "\"texto\" and \"bytes\" disagree");
            }
            return;
        }
        if (!v.is_string()) Falha(caminho, std::string("expected a string, got ") + v.type_name());
        if (const std::string porque = formato::GravarTextoUtf8(v.get_ref<const std::string&>(), p, maximo); !porque.empty())
            Falha(caminho, porque);
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
