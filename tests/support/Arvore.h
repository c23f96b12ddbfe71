// Flat record trees built from the class descriptions: random trees for round trips (alone or
// with an object read from them), a deep comparison that ignores addresses, a byte snapshot of a
// whole tree; and the fixture of suites run once for each class.
#ifndef NXLDADOSGC_TESTES_ARVORE_H
#define NXLDADOSGC_TESTES_ARVORE_H

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "NXLDadosGC/motor/Classes.h"

namespace teste {

// An 8-byte-aligned, zeroed record of a class's type.
struct Registro {
    explicit Registro(const NXDadosGC::InfoClasse& info) : palavras((info.tamanhoRegistro + 7) / 8) {}
    void* dados() { return palavras.data(); }
    const void* dados() const { return palavras.data(); }
    std::vector<std::uint64_t> palavras;
};

struct OpcoesArvore {
    int maxElementos = 3;      // per list
    int profundidade = 4;      // nested levels that may hold children
    bool inconsistentes = false;  // also make (count, null) and (pointer, 0) pairs
    bool completa = false;  // down to `profundidade`, every list has 1..maxElementos elements and every holder one
};

// A record of `info`'s type filled with random bytes (texts keep a zero in their last byte),
// whose children are blocks from CoTaskMemAlloc: release with info.liberarCopiarParaPS.
// With `inconsistentes`, some pairs are (count, null) or (block, 0); those blocks are
// recorded in `orfaos` and must be freed with CoTaskMemFree by the caller.
void PreencherAleatorio(const NXDadosGC::InfoClasse& info, void* registro, std::mt19937& rng,
                        const OpcoesArvore& opcoes = {}, std::vector<void*>* orfaos = nullptr);

// A random tree of `info`'s type and an object read from it; the tree is released with the
// sample (orphans stay the caller's).
struct Amostra {
    Amostra(const NXDadosGC::InfoClasse& info, std::mt19937& rng, const OpcoesArvore& opcoes = {},
            std::vector<void*>* orfaos = nullptr);
    ~Amostra();
    Amostra(const Amostra&) = delete;
    Amostra& operator=(const Amostra&) = delete;

    const NXDadosGC::InfoClasse& info;
    Registro registro;
    std::unique_ptr<TNXBaseParaDados> objeto;
};

// Equal trees: every field byte equal except child pointers, which are compared by what they
// hold (equal counts and equal child trees, null with null). A pair that reads as an empty
// list (null pointer or zero count) equals (0, null).
bool ArvoresIguais(const NXDadosGC::InfoClasse& info, const void* a, const void* b, std::string* diferenca = nullptr);

// The blocks a tree owns: every non-null list or holder pointer, recursively (what the release
// helpers free).
int Blocos(const NXDadosGC::InfoClasse& info, const void* registro);

// Every byte of the tree, depth first, child blocks included (addresses as they are).
std::string Instantaneo(const NXDadosGC::InfoClasse& info, const void* registro);

// A suite run once for each class it is given (TodasAsClasses: the library-wide list), each run
// named after its class, with a generator seeded by that name.
class PorClasse : public testing::TestWithParam<const NXDadosGC::InfoClasse*> {
protected:
    std::unique_ptr<TNXBaseParaDados> Novo() const { return std::unique_ptr<TNXBaseParaDados>(info.criar()); }

    const NXDadosGC::InfoClasse& info = *GetParam();
    std::mt19937 rng{static_cast<std::mt19937::result_type>(std::hash<std::string>{}(info.nome))};
};
inline auto TodasAsClasses() { return testing::ValuesIn(NXDadosGC::Classes().begin(), NXDadosGC::Classes().end()); }
inline std::string NomeDaClasse(const testing::TestParamInfo<const NXDadosGC::InfoClasse*>& p) { return p.param->nome; }

}  // namespace teste

#endif
