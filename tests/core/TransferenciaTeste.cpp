// The flat records an owner of children writes and reads: where each child lands, what empty
// children look like, and what CopiarDe makes of inconsistent pairs.
#include <gtest/gtest.h>

#include <cstring>

#include "ClassesTeste.h"
#include "support/Alocacoes.h"

namespace {

using namespace NXTeste;

// The block holds the list's records one after another; an empty list travels as (0, null).
template <class REG, class C>
void EsperaBloco(const REG* bloco, NXQuantidade n, const T_Lista<C>& lista) {
    ASSERT_EQ(static_cast<INT_PTR>(n), lista.GetQuantidade());
    if (lista.GetQuantidade() == 0) {
        EXPECT_EQ(bloco, nullptr);
    }
    for (INT_PTR i = 0; i < lista.GetQuantidade(); ++i)
        EXPECT_EQ(std::memcmp(&bloco[i], &lista.GetConstRef(i).GetReg(), sizeof(REG)), 0) << "element " << i;
}

TEST(Transferencia, OndeCadaFilhoFicaNoRegistro) {
    VigiaAlocacoes vigia;
    const CTeste_Dono d = DonoCompleto();
    const _REG_TESTE_CHAVEPS semChave{};
    EXPECT_EQ(std::memcmp(&d.GetReg().Chave, &semChave, sizeof semChave), 0) << "a live object keeps its key in the member only";
    for (Alocador alocador : {Alocador::Heap, Alocador::Tarefa}) {
        SCOPED_TRACE(alocador == Alocador::Heap ? "CopiarPara" : "CopiarParaPS");
        _REG_TESTE_DONOPS r;
        if (alocador == Alocador::Heap) d.CopiarPara(&r);
        else d.CopiarParaPS(&r);

        EXPECT_EQ(std::memcmp(&r.Chave, &d.GetChave().GetReg(), sizeof r.Chave), 0);
        EXPECT_EQ(r.Total.int64, -123456789);
        EXPECT_EQ(r.Situacao, 7);
        EsperaBloco(r.pLinha, r.QuantidadeLinha, d.GetListaLinha());
        ASSERT_EQ(static_cast<ULONG>(r.QuantidadeGrupo), 2u);
        for (INT_PTR g = 0; g < 2; ++g) {  // the second group's nested list is empty
            EXPECT_EQ(r.pGrupo[g].Numero, d.GetGrupo(g).GetNumero());
            EsperaBloco(r.pGrupo[g].pLinha, r.pGrupo[g].QuantidadeLinha, d.GetGrupo(g).GetListaLinha());
        }
        ASSERT_NE(r.pExtra, nullptr);
        EXPECT_EQ(std::memcmp(r.pExtra, &d.GetExtra()->GetReg(), sizeof *r.pExtra), 0);
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
