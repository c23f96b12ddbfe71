// The flat records an owner of children writes and reads: where each child lands, what empty
// children look like, and what CopiarDe makes of inconsistent pairs.
#include <gtest/gtest.h>

#include <cstring>

#include "ClassesTeste.h"
#include "support/Alocacoes.h"

namespace {

using namespace NXTeste;

// Record i of a block starts i record sizes after the block's pointer.
template <class REG>
bool RegistroNaPosicao(const REG* bloco, int i, const REG& esperado) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(bloco) + static_cast<std::size_t>(i) * sizeof(REG);
    return std::memcmp(bytes, &esperado, sizeof(REG)) == 0;
}
template <class REG>
bool Zerado(const REG& r) {
    static const REG zero{};
    return std::memcmp(&r, &zero, sizeof(REG)) == 0;
}

TEST(Transferencia, OndeCadaFilhoFicaNoRegistro) {
    VigiaAlocacoes vigia;
    const CTeste_Dono d = DonoCompleto();
    EXPECT_TRUE(Zerado(d.GetReg().Chave)) << "a live object keeps its key in the member only";
    for (Alocador alocador : {Alocador::Heap, Alocador::Tarefa}) {
        SCOPED_TRACE(alocador == Alocador::Heap ? "CopiarPara" : "CopiarParaPS");
        _REG_TESTE_DONOPS r;
        if (alocador == Alocador::Heap) d.CopiarPara(&r);
        else d.CopiarParaPS(&r);

        EXPECT_TRUE(RegistroNaPosicao(&r.Chave, 0, d.GetChave().GetReg()));
        EXPECT_EQ(r.Total.int64, -123456789);
        EXPECT_EQ(r.Situacao, 7);
        ASSERT_EQ(static_cast<ULONG>(r.QuantidadeLinha), 3u);
        for (int i = 0; i < 3; ++i) EXPECT_TRUE(RegistroNaPosicao(r.pLinha, i, d.GetLinha(i).GetReg())) << i;

        ASSERT_EQ(static_cast<ULONG>(r.QuantidadeGrupo), 2u);
        const _REG_TESTE_GRUPOPS& g0 = r.pGrupo[0];
        const _REG_TESTE_GRUPOPS& g1 = r.pGrupo[1];
        EXPECT_EQ(g0.Numero, 1u);
        ASSERT_EQ(static_cast<ULONG>(g0.QuantidadeLinha), 2u);
        for (int i = 0; i < 2; ++i)
            EXPECT_TRUE(RegistroNaPosicao(g0.pLinha, i, d.GetGrupo(0).GetLinha(i).GetReg())) << i;
        EXPECT_EQ(g1.Numero, 2u);
        EXPECT_EQ(static_cast<ULONG>(g1.QuantidadeLinha), 0u);  // an empty nested list: (0, null)
        EXPECT_EQ(g1.pLinha, nullptr);

        ASSERT_NE(r.pExtra, nullptr);
        EXPECT_TRUE(RegistroNaPosicao(r.pExtra, 0, d.GetExtra()->GetReg()));

        // The numbers travel as a plain block of 32-bit values.
        const ULONG numeros[] = {10u, 0xFFFFFFFFu, 0u};
        ASSERT_EQ(static_cast<ULONG>(r.QuantidadeNumero), 3u);
        EXPECT_EQ(std::memcmp(r.pNumero, numeros, sizeof numeros), 0);

        CTeste_Dono volta;
        volta.CopiarDe(&r);
        EXPECT_TRUE(volta == d);
        Liberar<CTeste_Dono>(r, alocador);
    }
}

TEST(Transferencia, FilhosVaziosViajamComoZeroENulo) {
    VigiaAlocacoes vigia;
    CTeste_Dono d;
    d.SetTotal(tagCY{5});
    _REG_TESTE_DONOPS r;
    for (Alocador alocador : {Alocador::Heap, Alocador::Tarefa}) {
        std::memset(static_cast<void*>(&r), 0xCD, sizeof r);  // pointers the destination held are overwritten
        if (alocador == Alocador::Heap) d.CopiarPara(&r);
        else d.CopiarParaPS(&r);
        _REG_TESTE_DONOPS esperado{};
        esperado.Total = tagCY{5};
        EXPECT_TRUE(std::memcmp(&r, &esperado, sizeof r) == 0);
    }
    EXPECT_EQ(vigia.Alocacoes(), 0);
}

// A count without a pointer, or a pointer without a count, reads as an empty list; in both cases
// the object's own pair ends (0, null).
TEST(Transferencia, ParesInconsistentesLidosComoListaVazia) {
    _REG_TESTE_LINHAPS linhas[2]{};
    _REG_TESTE_GRUPOPS grupos[2]{};
    ULONG numeros[2]{7, 8};
    const struct {
        const char* caso;
        NXQuantidade quantidade;
        bool comPonteiro;
    } kCases[]{{"count without pointer", NXQuantidade{2}, false}, {"pointer without count", NXQuantidade{0}, true}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.caso);
        _REG_TESTE_DONOPS r{};
        r.Situacao = 3;
        r.QuantidadeLinha = r.QuantidadeGrupo = r.QuantidadeNumero = c.quantidade;
        if (c.comPonteiro) {
            r.pLinha = linhas;
            r.pGrupo = grupos;
            r.pNumero = numeros;
        }
        const _REG_TESTE_DONOPS antes = r;
        CTeste_Dono d = DonoCompleto();  // what CopiarDe must drop
        d.CopiarDe(&r);
        CTeste_Dono esperado;
        esperado.SetSituacao(3);
        EXPECT_TRUE(d == esperado) << "no child, and the object's own pairs must read (0, null)";
        EXPECT_EQ(std::memcmp(&r, &antes, sizeof r), 0);
    }
}

}  // namespace
