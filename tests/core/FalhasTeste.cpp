// Running out of memory at every allocation of each operation in turn: list operations leave
// the list as it was, and CopiarDe, Copiar and assignment leave the object empty. Nothing leaks
// in any case. (Transfers that fail are checked for every library class in gc/InjecaoFalhas.)
#include <gtest/gtest.h>

#include <functional>
#include <utility>

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

// CopiarDe and Copiar give up with an empty object; the record they read stays untouched.
TEST(Falhas, CopiarDeECopiarDeixamVazio) {
    VigiaAlocacoes vigia;
    const CTeste_Dono fonte = DonoCompleto();
    _REG_TESTE_DONOPS r;
    fonte.CopiarPara(&r);
    const auto foto = Foto(r);
    const std::pair<const char*, std::function<void(CTeste_Dono&)>> kOps[]{
        {"CopiarDe", [&](CTeste_Dono& d) { d.CopiarDe(&r); }},
        {"Copiar", [&](CTeste_Dono& d) { d.Copiar(&fonte); }},
        {"operator=", [&](CTeste_Dono& d) { d = fonte; }},
    };
    for (const auto& [nome, op] : kOps) {
        SCOPED_TRACE(nome);
        CTeste_Dono d;
        d.AdicionaLinha(Linha(1, 1));
        d.SetSituacao(9);
        const int falhas = ContarFalhas([&] { op(d); }, [&](int n) {
            EXPECT_TRUE(d.EstaVazio()) << "allocation " << n;
            EXPECT_EQ(Foto(r), foto) << "allocation " << n;
            d.SetSituacao(9);  // not empty before the next try
        });
        EXPECT_EQ(falhas, kBlocosDonoCompleto);  // one storage block per list and holder
        EXPECT_TRUE(d == fonte);
    }
    Liberar<CTeste_Dono>(r, Alocador::Heap);
}

}  // namespace
