// The allocation matrix as one flat record tree: nested blocks at their offsets and strides,
// pairs read back as the record says, deep and order differences, support cost centres
// handled before accounts, bad indices and failed allocations.
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "NXLDadosGC/NXLDadosGC.h"
#include "gc/Transferencia.h"

namespace {

using teste::Alocador;
using teste::Bloco;
using teste::Ler;

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

// Releases every block of a (possibly half-written) matrix tree, children first.
void LiberarMatriz(_REG_GC_MATRIZ_RATEIOPS& r, Alocador a) {
    if (r.pConta)
        for (ULONG i = 0; i < static_cast<ULONG>(r.QuantidadeConta); ++i) teste::Liberar(r.pConta[i].pCentroCustos, a);
    teste::Liberar(r.pConta, a);
    if (r.pCentroCustosApoio)
        for (ULONG i = 0; i < static_cast<ULONG>(r.QuantidadeCentroCustosApoio); ++i)
            teste::Liberar(r.pCentroCustosApoio[i].pCentroCustosProdutivo, a);
    teste::Liberar(r.pCentroCustosApoio, a);
}

TEST(MatrizRateio, ArvoreDeTresNiveisNosSeusDeslocamentos) {
    const CNXDadosGC_MatrizRateio m = Exemplo();
    for (Alocador a : {Alocador::Heap, Alocador::Tarefa}) {
        SCOPED_TRACE(teste::Nome(a));
        const teste::Balanco balanco;
        _REG_GC_MATRIZ_RATEIOPS r;
        std::memset(static_cast<void*>(&r), 0xAB, sizeof r);
        teste::Transferir(m, &r, a);
        // accounts, support centres, the first account's centres, the support centre's centres
        EXPECT_EQ(balanco.Alocacoes(), 4);
        EXPECT_EQ(balanco.AlocacoesTarefa(), a == Alocador::Tarefa ? 4 : 0);

        EXPECT_EQ(Ler<ULONG>(&r, 8), 2u);
        EXPECT_EQ(Ler<ULONG>(&r, 12), 1u);
        EXPECT_EQ(Ler<ULONG>(&r, 16), 42u);
        EXPECT_EQ(Ler<WORD>(&r, 20), 2115);
        EXPECT_EQ(Ler<WORD>(&r, 22), 7);
        EXPECT_TRUE(teste::Zeros(&r, 24, 32));

        const unsigned char* contas = Bloco(&r, 32);
        ASSERT_NE(contas, nullptr);
        EXPECT_EQ(Ler<LONGLONG>(contas, 8), 3000003);
        EXPECT_EQ(Ler<ULONG>(contas, 16), 3u);
        EXPECT_EQ(Ler<ULONG>(contas, 20), 101u);
        EXPECT_EQ(Ler<ULONG>(contas, 24), 201u);
        EXPECT_TRUE(teste::Zeros(contas, 28, 32) && teste::Zeros(contas, 40, 48));
        const unsigned char* centros = Bloco(contas, 32);
        ASSERT_NE(centros, nullptr);
        for (ULONG i = 0; i < 3; ++i) {
            const unsigned char* cc = centros + 16 * i;
            EXPECT_EQ(Ler<LONGLONG>(cc, 0), 1000000 + i);
            EXPECT_EQ(Ler<ULONG>(cc, 8), 11 + i);
            EXPECT_EQ(cc[12], 1);
            EXPECT_TRUE(teste::Zeros(cc, 13, 16));
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
        EXPECT_TRUE(teste::Zeros(apoios, 24, 32) && teste::Zeros(apoios, 40, 48));
        const unsigned char* produtivos = Bloco(apoios, 32);
        ASSERT_NE(produtivos, nullptr);
        for (ULONG i = 0; i < 2; ++i) {
            const unsigned char* p = produtivos + 32 * i;
            EXPECT_EQ(Ler<LONGLONG>(p, 8), 100000);
            EXPECT_EQ(Ler<LONGLONG>(p, 16), 150000 + i);
            EXPECT_EQ(Ler<ULONG>(p, 24), 61 + i);
            EXPECT_EQ(p[28], 1);
        }

        {
            CNXDadosGC_MatrizRateio volta;
            volta.CopiarDe(&r);
            EXPECT_TRUE(volta == m);
            EXPECT_EQ(volta.GetConstRefCentroCustosApoio(0).GetCentroCustosProdutivo(1).GetPonteiroCentroCustos(), 62u);
            EXPECT_EQ(Bloco(&r, 32), contas) << "CopiarDe only reads the record";
            const auto& proprio = volta.GetReg();
            EXPECT_TRUE(proprio.pConta == nullptr && proprio.pCentroCustosApoio == nullptr);
            EXPECT_EQ(static_cast<ULONG>(proprio.QuantidadeConta) + static_cast<ULONG>(proprio.QuantidadeCentroCustosApoio), 0u);
        }
        LiberarMatriz(r, a);
        EXPECT_EQ(balanco.Pendentes(), 0);
    }
}

// The Conta pair is inconsistent (a count without an array, or an array without a count); the
// CentroCustosApoio pair is sound and must be read as it says.
TEST(MatrizRateio, ParIncoerenteDaUmaListaVaziaSemTocarAOutra) {
    _REG_GC_MATRIZ_RATEIO_CENTRO_CUSTOS_PRODUTIVOPS produtivo[1]{};
    produtivo[0].PonteiroCentroCustos = 61;
    produtivo[0].CustoVariavel = Cy(9);
    _REG_GC_MATRIZ_RATEIO_CENTRO_CUSTOS_APOIOPS apoios[2]{};
    apoios[0].PonteiroCentroCustos = 50;
    apoios[0].QuantidadeCentroCustosProdutivo = NXQuantidade{1};
    apoios[0].pCentroCustosProdutivo = produtivo;
    apoios[1].PonteiroCentroCustos = 51;
    _REG_GC_MATRIZ_RATEIO_CONTAPS contas[1]{};
    contas[0].PonteiroContaContabil = 101;

    const std::pair<ULONG, _REG_GC_MATRIZ_RATEIO_CONTAPS*> kParesConta[] = {{4, nullptr}, {0, contas}};
    for (const auto& [quantidade, ponteiro] : kParesConta) {
        SCOPED_TRACE(quantidade);
        _REG_GC_MATRIZ_RATEIOPS r{};
        r.PonteiroFilial = 3;
        r.QuantidadeConta = NXQuantidade{quantidade};
        r.pConta = ponteiro;
        r.QuantidadeCentroCustosApoio = NXQuantidade{2};
        r.pCentroCustosApoio = apoios;
        const _REG_GC_MATRIZ_RATEIOPS original = r;

        CNXDadosGC_MatrizRateio m = Exemplo();  // its old lines must go
        m.CopiarDe(&r);
        EXPECT_EQ(m.GetQuantidadeConta(), 0);
        ASSERT_EQ(m.GetQuantidadeCentroCustosApoio(), 2);
        EXPECT_EQ(m.GetCentroCustosApoio(1).GetPonteiroCentroCustos(), 51u);
        EXPECT_EQ(m.GetCentroCustosApoio(1).GetQuantidadeCentroCustosProdutivo(), 0);
        const auto& apoio = m.GetCentroCustosApoio(0);
        ASSERT_EQ(apoio.GetQuantidadeCentroCustosProdutivo(), 1);
        EXPECT_EQ(apoio.GetCentroCustosProdutivo(0).GetCustoVariavel(), Cy(9));
        EXPECT_EQ(m.GetPonteiroFilial(), 3);
        const auto& proprio = m.GetReg();
        EXPECT_TRUE(proprio.pConta == nullptr && proprio.pCentroCustosApoio == nullptr);
        EXPECT_EQ(static_cast<ULONG>(proprio.QuantidadeConta) + static_cast<ULONG>(proprio.QuantidadeCentroCustosApoio), 0u);
        EXPECT_EQ(std::memcmp(&r, &original, sizeof r), 0) << "the caller's record is only read";
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
        CNXDadosGC_MatrizRateio copia;
        copia = outra;
        EXPECT_TRUE(copia == outra) << "Copiar brings the whole tree";
    }

    CNXDadosGC_MatrizRateio m;
    EXPECT_TRUE(m.EstaVazio());
    m.AdicionaConta(CNXDadosGC_MatrizRateioConta());
    EXPECT_FALSE(m.EstaVazio());
}

TEST(MatrizRateio, IndiceInvalidoNaoMudaNada) {
    using Acesso = std::function<void(CNXDadosGC_MatrizRateio&)>;
    const std::pair<const char*, Acesso> kAcessos[] = {
        {"GetConta(-1)", [](auto& m) { (void)m.GetConta(-1); }},
        {"GetConta(2)", [](auto& m) { (void)m.GetConta(2); }},
        {"GetPtrCentroCustosApoio(1)", [](auto& m) { (void)m.GetPtrCentroCustosApoio(1); }},
        {"TrocaConta(0, 5)", [](auto& m) { m.TrocaConta(0, 5); }},
        {"DeletarCentroCustosApoio(-1)", [](auto& m) { m.DeletarCentroCustosApoio(-1); }},
        {"SetConta(2, ...)", [](auto& m) { m.SetConta(2, CNXDadosGC_MatrizRateioConta()); }},
        {"first account: DeletarCentroCustos(3)", [](auto& m) { m.GetRefConta(0).DeletarCentroCustos(3); }},
        {"second account: GetRefCentroCustos(0)", [](auto& m) { (void)m.GetRefConta(1).GetRefCentroCustos(0); }},
        {"support centre: SetCentroCustosProdutivo(2, ...)",
         [](auto& m) {
             m.GetRefCentroCustosApoio(0).SetCentroCustosProdutivo(2, CNXDadosGC_MatrizRateioCentroCustosProdutivo());
         }},
        {"support centre: TrocaCentroCustosProdutivo(1, 2)",
         [](auto& m) { m.GetRefCentroCustosApoio(0).TrocaCentroCustosProdutivo(1, 2); }},
    };
    const CNXDadosGC_MatrizRateio base = Exemplo();
    for (const auto& [nome, acessar] : kAcessos) {
        SCOPED_TRACE(nome);
        CNXDadosGC_MatrizRateio m = Exemplo();
        EXPECT_TRUE(teste::IndiceInvalido([&] { acessar(m); }));
        EXPECT_TRUE(m == base);
    }
}

// The hooks take CentroCustosApoio before Conta, so the support centres' blocks come first:
// 1 support array, 2 its productive array, 3 account array, 4 the first account's centres.
TEST(MatrizRateio, FalhaDeAlocacaoDeixaUmaArvoreLiberavel) {
    const CNXDadosGC_MatrizRateio m = Exemplo();
    for (Alocador a : {Alocador::Heap, Alocador::Tarefa}) {
        for (int n = 1; n <= 5; ++n) {
            SCOPED_TRACE(std::string(teste::Nome(a)) + ", allocation " + std::to_string(n));
            const teste::Balanco balanco;
            _REG_GC_MATRIZ_RATEIOPS r;
            std::memset(static_cast<void*>(&r), 0xAB, sizeof r);
            const bool falhou = teste::FalhaNaAlocacao(n, [&] { teste::Transferir(m, &r, a); });
            EXPECT_EQ(falhou, n <= 4);
            EXPECT_EQ(Ler<WORD>(&r, 22), 7) << "the record itself is written first";
            const unsigned char* apoios = Bloco(&r, 40);
            const unsigned char* contas = Bloco(&r, 32);
            EXPECT_EQ(apoios != nullptr, n >= 2);
            EXPECT_EQ(apoios != nullptr && Bloco(apoios, 32) != nullptr, n >= 3);
            EXPECT_EQ(contas != nullptr, n >= 4);
            EXPECT_EQ(contas != nullptr && Bloco(contas, 32) != nullptr, n >= 5);
            if (!apoios) {
                EXPECT_EQ(Ler<ULONG>(&r, 12), 0u);
            }
            if (!contas) {
                EXPECT_EQ(Ler<ULONG>(&r, 8), 0u);
            }
            LiberarMatriz(r, a);
            EXPECT_EQ(balanco.Pendentes(), 0);
        }
    }
}

}  // namespace
