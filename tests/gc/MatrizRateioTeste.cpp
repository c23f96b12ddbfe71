// The allocation matrix as one flat record tree: nested blocks at their offsets and strides
// (48-byte accounts, 16-byte cost centres, 32-byte productive centres), and differences at any
// level, order included.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <utility>

#include "NXLDadosGC/NXLDadosGC.h"
#include "support/Bytes.h"

namespace {

using teste::Ler;
using teste::Bloco;
using teste::Zeros;

tagCY Cy(LONGLONG v) { return tagCY{v}; }

// Two accounts (the first with three cost centres, the second with none) and one support
// cost centre with two productive cost centres.
CNXDadosGC_MatrizRateio Exemplo() {
    CNXDadosGC_MatrizRateio m;
    m.SetMaCompetencia(REG_NXMA(2115)).SetPonteiroFilial(7).SetPonteiroUsuarioGravacao(42);

    CNXDadosGC_MatrizRateioConta conta;
    conta.SetPonteiroContaContabil(101).SetPonteiroContaGerencial(201).SetValorLancado(Cy(3000003));
    for (ULONG i = 0; i < 3; ++i) {
        CNXDadosGC_MatrizRateioCentroCustos cc;
        cc.SetValorRateio(Cy(1000000 + i)).SetPonteiroCentroCustos(11 + i).SetCaracteristicaCentroCustos(1);
        conta.AdicionaCentroCustos(cc);
    }
    m.AdicionaConta(conta);
    CNXDadosGC_MatrizRateioConta semCentros;
    semCentros.SetPonteiroContaContabil(102);
    m.AdicionaConta(semCentros);

    CNXDadosGC_MatrizRateioCentroCustosApoio apoio;
    apoio.SetPonteiroCentroCustos(50).SetValorLancado(Cy(500001)).SetCaracteristicaCentroCustos(0);
    for (ULONG i = 0; i < 2; ++i) {
        CNXDadosGC_MatrizRateioCentroCustosProdutivo p;
        p.SetValorRateio(Cy(250000)).SetCustoFixo(Cy(100000)).SetCustoVariavel(Cy(150000 + i));
        p.SetPonteiroCentroCustos(61 + i).SetCaracteristicaCentroCustos(1);
        apoio.AdicionaCentroCustosProdutivo(p);
    }
    m.AdicionaCentroCustosApoio(apoio);
    return m;
}

TEST(MatrizRateio, ArvoreDeTresNiveisNosSeusDeslocamentos) {
    const CNXDadosGC_MatrizRateio m = Exemplo();
    for (const bool ps : {false, true}) {
        SCOPED_TRACE(ps ? "CopiarParaPS" : "CopiarPara");
        const long long alocacoes = AfxContadoresAlocacao().alocacoes;
        _REG_GC_MATRIZ_RATEIOPS r;
        std::memset(static_cast<void*>(&r), 0xAB, sizeof r);
        ps ? m.CopiarParaPS(&r) : m.CopiarPara(&r);
        // accounts, the first account's centres, support centres, the support centre's centres
        EXPECT_EQ(AfxContadoresAlocacao().alocacoes - alocacoes, 4);

        EXPECT_EQ(Ler<ULONG>(&r, 8), 2u);
        EXPECT_EQ(Ler<ULONG>(&r, 12), 1u);
        EXPECT_EQ(Ler<ULONG>(&r, 16), 42u);
        EXPECT_EQ(Ler<WORD>(&r, 20), 2115);
        EXPECT_EQ(Ler<WORD>(&r, 22), 7);
        EXPECT_TRUE(Zeros(&r, 24, 32));

        const unsigned char* contas = Bloco(&r, 32);
        ASSERT_NE(contas, nullptr);
        EXPECT_EQ(Ler<LONGLONG>(contas, 8), 3000003);
        EXPECT_EQ(Ler<ULONG>(contas, 16), 3u);
        EXPECT_EQ(Ler<ULONG>(contas, 20), 101u);
        EXPECT_EQ(Ler<ULONG>(contas, 24), 201u);
        EXPECT_TRUE(Zeros(contas, 28, 32) && Zeros(contas, 40, 48));
        const unsigned char* centros = Bloco(contas, 32);
        ASSERT_NE(centros, nullptr);
        for (ULONG i = 0; i < 3; ++i) {
            const unsigned char* cc = centros + 16 * i;
            EXPECT_EQ(Ler<LONGLONG>(cc, 0), 1000000 + i);
            EXPECT_EQ(Ler<ULONG>(cc, 8), 11 + i);
            EXPECT_EQ(cc[12], 1);
            EXPECT_TRUE(Zeros(cc, 13, 16));
        }
        const unsigned char* segunda = contas + 48;
        EXPECT_EQ(Ler<ULONG>(segunda, 20), 102u);
        EXPECT_EQ(Ler<ULONG>(segunda, 16), 0u);
        EXPECT_EQ(Bloco(segunda, 32), nullptr);

        const unsigned char* apoios = Bloco(&r, 40);
        ASSERT_NE(apoios, nullptr);
        EXPECT_EQ(Ler<LONGLONG>(apoios, 8), 500001);
        EXPECT_EQ(Ler<ULONG>(apoios, 16), 50u);
        EXPECT_EQ(Ler<ULONG>(apoios, 20), 2u);
        EXPECT_TRUE(Zeros(apoios, 24, 32) && Zeros(apoios, 40, 48));
        const unsigned char* produtivos = Bloco(apoios, 32);
        ASSERT_NE(produtivos, nullptr);
        for (ULONG i = 0; i < 2; ++i) {
            const unsigned char* p = produtivos + 32 * i;
            EXPECT_EQ(Ler<LONGLONG>(p, 8), 100000);
            EXPECT_EQ(Ler<LONGLONG>(p, 16), 150000 + i);
            EXPECT_EQ(Ler<ULONG>(p, 24), 61 + i);
            EXPECT_EQ(p[28], 1);
        }

        if (ps) NXDadosGC::LiberarCopiarParaPS<CNXDadosGC_MatrizRateio>(r);
        else NXDadosGC::LiberarCopiarPara<CNXDadosGC_MatrizRateio>(r);
    }
}

TEST(MatrizRateio, UmaDiferencaEmQualquerNivelTornaDesiguais) {
    using Mudanca = std::function<void(CNXDadosGC_MatrizRateio&)>;
    const std::pair<const char*, Mudanca> kMudancas[] = {
        {"CustoVariavel of a productive centre",
         [](auto& m) { m.GetRefCentroCustosApoio(0).GetRefCentroCustosProdutivo(1).SetCustoVariavel(Cy(150002)); }},
        {"CaracteristicaCentroCustos of an account's centre",
         [](auto& m) { m.GetRefConta(0).GetRefCentroCustos(2).SetCaracteristicaCentroCustos(2); }},
        {"accounts exchanged", [](auto& m) { m.TrocaConta(0, 1); }},
        {"productive centres exchanged",
         [](auto& m) { m.GetRefCentroCustosApoio(0).TrocaCentroCustosProdutivo(0, 1); }},
        {"an account's centre removed", [](auto& m) { m.GetRefConta(0).DeletarCentroCustos(0); }},
        {"an empty centre added", [](auto& m) { m.GetRefConta(1).AdicionaCentroCustos(CNXDadosGC_MatrizRateioCentroCustos()); }},
        {"an empty support centre added",
         [](auto& m) { m.AdicionaCentroCustosApoio(CNXDadosGC_MatrizRateioCentroCustosApoio()); }},
    };
    const CNXDadosGC_MatrizRateio base = Exemplo();
    ASSERT_TRUE(Exemplo() == base);
    for (const auto& [nome, mudar] : kMudancas) {
        SCOPED_TRACE(nome);
        CNXDadosGC_MatrizRateio outra = Exemplo();
        mudar(outra);
        EXPECT_FALSE(outra == base);
        EXPECT_FALSE(base.Igual(&outra));
    }
}

}  // namespace
