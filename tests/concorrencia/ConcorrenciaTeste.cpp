// Several threads at once: first each on objects of its own (lists, texts under a double-byte
// code page, allocation failures), then all reading shared constant objects, records and packed
// buffers into objects of their own (every operation of every class). Each thread checks its
// results against what one thread computed beforehand. Built with ThreadSanitizer (preset tsan), any memory the library
// touches from two threads without synchronisation is reported and fails the test.
#include <gtest/gtest.h>

#include <cstddef>
#include <latch>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "NXLDadosGC/NXLDadosGC.h"
#include "NXLDadosGC/platform/Multibyte.h"
#include "support/Alocacoes.h"
#include "support/Arvore.h"

namespace {

using NXDadosGC::InfoClasse;
using NXTeste::VigiaAlocacoes;
using Objeto = std::unique_ptr<TNXBaseParaDados>;
using Bytes = std::vector<std::byte>;

constexpr int kThreads = 4;

// Runs f(0) .. f(kThreads - 1), each in its own thread, all released at once; waits for all.
template <class F>
void EmParalelo(F f) {
    std::latch largada(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            largada.arrive_and_wait();
            f(t);
        });
    for (std::thread& t : threads) t.join();
}

// Both transfers out (each tree equal to the source record, then released), a copy, the
// comparisons, the packed form both ways and emptiness, from an object only read.
void LerTudo(const teste::Amostra& a) {
    const InfoClasse& info = a.info;
    const TNXBaseParaDados& o = *a.objeto;
    for (bool ps : {false, true}) {
        teste::Registro r(info);
        (ps ? info.copiarParaPS : info.copiarPara)(o, r.dados());
        std::string diferenca;
        EXPECT_TRUE(teste::ArvoresIguais(info, a.registro.dados(), r.dados(), &diferenca)) << info.nome << diferenca;
        (ps ? info.liberarCopiarParaPS : info.liberarCopiarPara)(r.dados());
    }
    Objeto copia(info.criar());
    copia->Copiar(&o);
    EXPECT_TRUE(copia->Igual(&o) && o.Igual(copia.get())) << info.nome;
    const Bytes pacote = NXDadosGC::Empacotar(o);
    EXPECT_TRUE(NXDadosGC::Desempacotar(pacote)->Igual(&o)) << info.nome;
    EXPECT_EQ(o.EstaVazio(), Objeto(info.criar())->Igual(&o)) << info.nome;
}

// Texts are stored under the code page set before the threads start: a two-byte character
// that does not fit is dropped whole.
class PaginaDupla : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(_setmbcp(932), 0); }
    void TearDown() override { _setmbcp(1252); }
};

TEST_F(PaginaDupla, ListasTextosEFalhasDeAlocacaoEmCadaThread) {
    EmParalelo([](int t) {
        VigiaAlocacoes vigia;
        CNXDadosGC_CentroCustos centro;
        centro.SetCodigo("ABCDEFGHI\x82\xA0").SetDescricao(FormataTexto("centro %d \x82\xA0", t));
        for (ULONG i = 0; i < 50; ++i) {
            centro.AdicionaConta(CNXDadosGC_CentroCustosConta().SetPonteiroContaContabil(i));
            centro.AdicionaProdutivo(CNXDadosGC_CentroCustosProdutivo().SetPonteiroCentroCustos(static_cast<ULONG>(t)));
        }
        centro.DeletarConta(0);                         // 1 .. 49
        centro.TrocaConta(0, 48);                       // 49, 2 .. 48, 1
        centro.GetRefConta(1).SetPonteiroContaContabil(99);
        centro.SetConta(2, centro.GetConta(0));         // 49, 99, 49, 4 .. 48, 1
        centro.SetListaProdutivo(CNXDadosGC_CentroCustos(centro).GetListaProdutivo());
        EXPECT_TRUE(NXTeste::Lanca<CInvalidArgException>([&] { centro.GetConta(49); }));
        EXPECT_EQ(centro.GetCodigo(), "ABCDEFGHI");
        EXPECT_EQ(centro.GetDescricao(), FormataTexto("centro %d \x82\xA0", t));
        ASSERT_EQ(centro.GetQuantidadeConta(), 49);
        auto conta = [&](INT_PTR i) { return centro.GetConta(i).GetPonteiroContaContabil(); };
        EXPECT_EQ((std::vector<ULONG>{conta(0), conta(1), conta(2), conta(3), conta(48)}),
                  (std::vector<ULONG>{49, 99, 49, 4, 1}));
        ASSERT_EQ(centro.GetQuantidadeProdutivo(), 50);
        EXPECT_EQ(centro.GetProdutivo(49).GetPonteiroCentroCustos(), static_cast<ULONG>(t));

        CNXDadosGC_CustoProducaoResultado resultado;
        resultado.IncluiEntrada()->SetDmaHmsMovimento(REG_NXDMAHMSUTC(t));
        CNXDadosGC_CustoProducaoResultado copia = resultado;
        resultado.RemoveEntrada();
        EXPECT_FALSE(resultado.PossuiEntrada());
        EXPECT_EQ(copia.GetEntrada()->GetDmaHmsMovimento().Valor(), t);

        // Each thread's countdown fails its own allocations only: two blocks per transfer out,
        // two list storages per transfer in, whatever the other threads allocate meanwhile.
        _REG_GC_CENTRO_CUSTOSPS reg{};
        EXPECT_EQ(NXTeste::ContarFalhas([&] { centro.CopiarParaPS(&reg); },
                                        [&](int) { NXDadosGC::LiberarCopiarParaPS<CNXDadosGC_CentroCustos>(reg); }),
                  2);
        CNXDadosGC_CentroCustos volta;
        EXPECT_EQ(NXTeste::ContarFalhas([&] { volta.CopiarDe(&reg); }, [&](int) { EXPECT_TRUE(volta.EstaVazio()); }), 2);
        EXPECT_TRUE(volta == centro);
        NXDadosGC::LiberarCopiarParaPS<CNXDadosGC_CentroCustos>(reg);
    });
}

// What may be shared: a constant object (every const operation reads it only), a record tree
// (CopiarDe reads it only) and a packed buffer, each used by every thread at once; what each
// thread reads from them goes into objects of its own, which it then empties.
TEST(Concorrencia, ObjetosRegistrosEPacotesConstantesCompartilhados) {
    std::mt19937 rng(7);
    std::vector<std::unique_ptr<const teste::Amostra>> amostras;
    std::vector<Bytes> pacotes;
    for (const InfoClasse* info : NXDadosGC::Classes()) {
        amostras.push_back(std::make_unique<const teste::Amostra>(*info, rng));
        pacotes.push_back(NXDadosGC::Empacotar(*amostras.back()->objeto));
    }
    CNXDadosGC_CentroCustos centroMutavel;
    centroMutavel.SetCodigo("C1").SetDescricao("Centro");
    for (ULONG i = 0; i < 3; ++i) centroMutavel.AdicionaConta(CNXDadosGC_CentroCustosConta().SetPonteiroContaContabil(i));
    CNXDadosGC_CustoProducaoResultado resultadoMutavel;
    resultadoMutavel.IncluiEntrada();
    const CNXDadosGC_CentroCustos& centro = centroMutavel;
    const CNXDadosGC_CustoProducaoResultado& resultado = resultadoMutavel;
    EmParalelo([&](int) {
        VigiaAlocacoes vigia;
        for (std::size_t i = 0; i < amostras.size(); ++i) {
            const teste::Amostra& a = *amostras[i];
            LerTudo(a);
            Objeto lido(a.info.criar());
            a.info.copiarDe(*lido, a.registro.dados());
            EXPECT_TRUE(lido->Igual(a.objeto.get())) << a.info.nome;
            NXDadosGC::DesempacotarEm(*lido, pacotes[i]);
            EXPECT_TRUE(NXDadosGC::Desempacotar(pacotes[i])->Igual(lido.get())) << a.info.nome;
            lido->Limpar();
            EXPECT_TRUE(lido->EstaVazio()) << a.info.nome;
            EXPECT_EQ(NXDadosGC::ClassePorNome(a.info.nome), &a.info);
            EXPECT_EQ(NXDadosGC::Verificar(pacotes[i]).Blocos(), 1 + static_cast<std::size_t>(teste::Blocos(
                                                                        a.info, a.registro.dados())));
        }
        CNXDadosGC_CentroCustos copia(centro);
        EXPECT_TRUE(copia == centro && !(centro != copia));
        copia.CopiarDe(&NXDadosGC::EscreverPS(centro).GetReg());
        EXPECT_TRUE(copia == centro);
        EXPECT_EQ(centro.GetCodigoDescricao(), "C1 - Centro");
        EXPECT_EQ(centro.GetQuantidadeConta(), 3);
        EXPECT_EQ(centro.GetConta(2).GetPonteiroContaContabil(), centro.GetConstRefConta(2).GetPonteiroContaContabil());
        EXPECT_EQ(centro.GetPtrConta(1), &centro.GetListaConta().GetConstRef(1));
        EXPECT_EQ(centro.GetReg().Codigo[0], 'C');
        EXPECT_TRUE(resultado.PossuiEntrada() && resultado.GetEntrada()->EstaVazio());
        EXPECT_EQ(CRuntimeClass::FromName("CNXDadosGC_CentroCustos"), centro.GetRuntimeClass());
        EXPECT_TRUE(centro.IsKindOf(RUNTIME_CLASS(TNXBaseParaDados)));
    });
}

}  // namespace
