// Running out of memory at every allocation of a list operation in turn: the list stays as it
// was and nothing leaks. (Failed transfers, CopiarDe and Copiar are checked for every library
// class in gc/InjecaoFalhas.)
#include <gtest/gtest.h>

#include <functional>

#include "ArvoreTeste.h"
#include "support/Alocacoes.h"

namespace {

using namespace NXTeste;

// Operations on a list that must leave it exactly as it was when an allocation fails, whether it
// is the list's storage or a nested list inside the element being copied.
TEST(Falhas, OperacoesDeListaNaoMudamNada) {
    const CTeste_Grupo grande = Grupo(7, 3);
    T_Lista<CTeste_Grupo> tres;
    for (ULONG i = 1; i <= 3; ++i) tres.Adiciona(Grupo(i, static_cast<int>(i)));
    const struct {
        const char* nome;
        int grupos;  // elements in the list before the operation (100 = full at step 100)
        std::function<void(CTeste_Dono&)> op;
        int alocacoes;
    } kCases[]{
        {"Adiciona, first element", 0, [&](CTeste_Dono& d) { d.AdicionaGrupo(grande); }, 2},
        {"Adiciona, storage full", 100, [&](CTeste_Dono& d) { d.AdicionaGrupo(grande); }, 2},
        {"Adiciona, own element", 100, [&](CTeste_Dono& d) { d.AdicionaGrupo(d.GetGrupo(1)); }, 2},
        {"SetLista", 2, [&](CTeste_Dono& d) { d.SetListaGrupo(tres); }, 1 + 3},
        {"SetValorUnico", 2, [&](CTeste_Dono& d) { d.SetValorUnicoGrupo(grande); }, 2},
        {"Set", 2, [&](CTeste_Dono& d) { d.SetGrupo(0, grande); }, 1},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.nome);
        VigiaAlocacoes vigia;
        CTeste_Dono d;
        for (int i = 0; i < c.grupos; ++i) d.AdicionaGrupo(Grupo(static_cast<ULONG>(i), 1 + i % 2));
        const CTeste_Dono antes = d;
        const int falhas = ContarFalhas([&] { c.op(d); }, [&](int n) {
            EXPECT_TRUE(d == antes) << "allocation " << n;  // (its room may have grown)
        });
        EXPECT_EQ(falhas, c.alocacoes);
        EXPECT_TRUE(d != antes);
    }
}

}  // namespace
