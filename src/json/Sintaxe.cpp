// The reference parser (nlohmann's), which says what is wrong with a document that is not well
// formed, in the words and with the paths documents have always been refused with.
#include <set>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "Interno.h"
#include "NXLDadosGC/json/Json.h"  // ErroJson

namespace NXDadosGC::json {
namespace {

[[noreturn]] void Falha(const std::string& caminho, const std::string& motivo) { throw ErroJson(caminho, motivo); }

// Reads a document without keeping it, only to refuse what is not well formed: a syntax error
// (with the parser's own words, line and column), a key given twice in one object, nesting deeper
// than kProfundidadeMaxima, each with the path where it happened.
class Sintaxe : public nlohmann::json_sax<nlohmann::json> {
public:
    bool null() override { return Colocar(); }
    bool boolean(bool) override { return Colocar(); }
    bool number_integer(number_integer_t) override { return Colocar(); }
    bool number_unsigned(number_unsigned_t) override { return Colocar(); }
    bool number_float(number_float_t, const string_t&) override { return Colocar(); }
    bool string(string_t&) override { return Colocar(); }
    bool binary(binary_t&) override { return Colocar(); }
    bool start_object(std::size_t) override { return Entrar(false); }
    bool start_array(std::size_t) override { return Entrar(true); }
    bool end_object() override { return Sair(); }
    bool end_array() override { return Sair(); }

    bool key(string_t& chave) override {
        Nivel& n = m_Pilha.back();
        n.chave = chave;
        if (!n.chaves.insert(chave).second) Falha(Caminho(), "duplicate key");
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
        bool vetor;
        std::string chave;           // the last key read, for an object
        std::size_t indice = 0;      // elements so far, for an array
        std::set<std::string> chaves;  // the keys read, for an object
    };

    // A value takes its place: the next element of an array.
    void Lugar() {
        if (!m_Pilha.empty() && m_Pilha.back().vetor) ++m_Pilha.back().indice;
    }
    bool Colocar() {
        Lugar();
        return true;
    }
    bool Entrar(bool vetor) {
        if (m_Pilha.size() == kProfundidadeMaxima)
            Falha(Caminho(), "nested deeper than " + std::to_string(kProfundidadeMaxima) + " levels");
        Lugar();
        m_Pilha.push_back({vetor, {}, 0, {}});
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
            if (n.vetor) {
                c += "[" + std::to_string(i + 1 < m_Pilha.size() ? n.indice - 1 : n.indice) + "]";
            } else {
                if (!c.empty()) c += '.';
                c += n.chave;
            }
        }
        return c.empty() ? "(document)" : c;
    }

    std::vector<Nivel> m_Pilha;
};

}  // namespace

void VerificarSintaxe(std::string_view texto, bool sozinho) {
    Sintaxe s;
    nlohmann::json::sax_parse(texto.begin(), texto.end(), &s, nlohmann::json::input_format_t::json, sozinho);
}

}  // namespace NXDadosGC::json
