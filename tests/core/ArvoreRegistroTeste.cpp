// The owner of a written record tree frees it with the allocator that wrote it, once, whoever
// ends up holding it; a transfer that runs out of memory frees what it wrote before the
// exception leaves.
#include <gtest/gtest.h>

#include <utility>

#include "ClassesTeste.h"
#include "NXLDadosGC/core/ArvoreRegistro.h"
#include "support/Alocacoes.h"

namespace {

using NXDadosGC::Alocacao;
using NXDadosGC::ArvoreRegistro;
using NXTeste::VigiaAlocacoes;

// Each case runs for both transfers, through the factory that names it.
class ArvoreRegistroTeste : public testing::TestWithParam<Alocacao> {
protected:
    ArvoreRegistro<CTeste_Dono> Escrever() const {
        return GetParam() == Alocacao::CopiarPara ? NXDadosGC::Escrever(dono) : NXDadosGC::EscreverPS(dono);
    }

    VigiaAlocacoes vigia;
    const CTeste_Dono dono = NXTeste::DonoCompleto();
};

// Moving passes the tree on and only its last holder frees it; an owner assigned over frees its
// own tree first. Entregar hands the tree out, Adotar takes it back in. The guard fails the test
// unless every block is freed by the allocator it came from (each allocator has its own pair of
// counters). (What the tree holds is the transfer's.)
TEST_P(ArvoreRegistroTeste, MoverEEntregarPassamAArvoreAdiante) {
    const long long antes = VigiaAlocacoes::Vivos();
    ArvoreRegistro<CTeste_Dono> a = Escrever();
    EXPECT_EQ(a.GetAlocacao(), GetParam());
    EXPECT_EQ(vigia.AlocacoesTarefa() > 0, GetParam() == Alocacao::CopiarParaPS);
    const long long porArvore = VigiaAlocacoes::Vivos() - antes;
    ArvoreRegistro<CTeste_Dono> b(std::move(a));
    EXPECT_EQ(a->pGrupo, nullptr);
    ArvoreRegistro<CTeste_Dono> c = Escrever();
    c = std::move(b);
    EXPECT_EQ(VigiaAlocacoes::Vivos() - antes, porArvore);

    _REG_TESTE_DONOPS entregue = c.Entregar();
    EXPECT_EQ(c->pGrupo, nullptr);
    EXPECT_EQ(entregue.QuantidadeLinha, 3);
    const auto adotada = ArvoreRegistro<CTeste_Dono>::Adotar(entregue, GetParam());
    EXPECT_EQ(entregue.pGrupo, nullptr);
    EXPECT_EQ(adotada->QuantidadeLinha, 3);
}

TEST_P(ArvoreRegistroTeste, FalhaDeMemoriaLiberaOQueFoiEscrito) {
    const long long antes = VigiaAlocacoes::Vivos();
    const int alocacoes = NXTeste::ContarFalhas([&] { const auto arvore = Escrever(); }, [&](int n) {
        EXPECT_EQ(VigiaAlocacoes::Vivos(), antes) << "after allocation " << n << " failed";
    });
    EXPECT_GT(alocacoes, 1);
}

INSTANTIATE_TEST_SUITE_P(, ArvoreRegistroTeste, testing::Values(Alocacao::CopiarPara, Alocacao::CopiarParaPS),
                         [](const auto& info) {
                             return info.param == Alocacao::CopiarPara ? "CopiarPara" : "CopiarParaPS";
                         });

}  // namespace
