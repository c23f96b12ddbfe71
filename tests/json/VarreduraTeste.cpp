// The look at a large text before it is parsed, 64 bytes at a time, against its rule read one
// byte at a time: random texts of quotes, backslashes, brackets, separators and letters, at every length
// around the blocks, each with its backslashes rare or common; at every width this processor has.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>

#include "Varredura.h"

namespace {

constexpr std::size_t npos = std::string_view::npos;

struct Resultado {
    std::size_t fundo = npos, fim = npos, separadores = 0;
    bool operator==(const Resultado&) const = default;
};

// The rule: outside strings a bracket opens or closes a level, and it, a comma or a colon counts
// as a separator; a string runs from a quote to the next quote not escaped by a backslash; a
// string left open ends the look.
Resultado Regra(std::string_view t, std::size_t limite) {
    Resultado r;
    std::size_t nivel = 0, inicio = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const char c = t[i];
        if (c == '"') {
            for (++i; i < t.size() && t[i] != '"'; ++i)
                if (t[i] == '\\') ++i;
            if (i >= t.size()) return r;
            continue;
        }
        if (c == '[' || c == '{' || c == ']' || c == '}' || c == ',' || c == ':') ++r.separadores;
        if (c == '[' || c == '{') {
            if (nivel == 0) inicio = i;
            if (++nivel > limite) {
                r.fundo = inicio;
                return r;
            }
        } else if ((c == ']' || c == '}') && nivel > 0 && --nivel == 0 && r.fim == npos) {
            r.fim = i + 1;
        }
    }
    return r;
}

class Varredura : public testing::TestWithParam<NXDadosGC::json::LarguraVarredura> {};

TEST_P(Varredura, IgualARegra) {
    if (!NXDadosGC::json::LarguraDisponivel(GetParam())) GTEST_SKIP() << "not on this processor";
    const auto conferir = [](const std::string& t, std::size_t limite) {
        Resultado r;
        r.fundo = NXDadosGC::json::DocumentoFundoDemais(t, limite, &r.fim, &r.separadores, GetParam());
        const Resultado esperado = Regra(t, limite);
        ASSERT_EQ(r.fundo, esperado.fundo) << t << " (limit " << limite << ")";
        // Where the first document ends and the separators count only while the look runs on.
        if (r.fundo == npos) {
            ASSERT_EQ(r.fim, esperado.fim) << t;
            ASSERT_EQ(r.separadores, esperado.separadores) << t;
        }
    };
    // An escape on each side of a block's end, the block after it without a backslash.
    for (std::size_t k = 0; k < 140; ++k)
        for (const char* escapes : {"\\\"", "\\\\\""})
            conferir("[\"" + std::string(k, 'a') + escapes + "\"]" + std::string(64, '}'), 64);
    std::mt19937 rng(20261207);
    for (int caso = 0; caso < 20000; ++caso) {
        const std::size_t n = rng() % 320;
        const unsigned barras = rng() % 3 == 0 ? 0 : rng() % 3 == 0 ? 40 : 4;  // per 256
        std::string t(n, ' ');
        for (char& c : t) {
            const unsigned x = rng() % 256;
            c = x < barras ? '\\' : "\"[]{}a,:  [{]}\"a"[x % 15];
        }
        conferir(t, rng() % 2 ? 3 + rng() % 8 : 64);
    }
}

INSTANTIATE_TEST_SUITE_P(Larguras, Varredura,
                         testing::Values(NXDadosGC::json::LarguraVarredura::Bytes16,
                                         NXDadosGC::json::LarguraVarredura::Bytes32,
                                         NXDadosGC::json::LarguraVarredura::Bytes64));

}  // namespace
