// Standard, commercial and hourly costs: text fields, the blocks their lists write, the
// commercial cost's key views, the filter's member key and ranges, the total of hours, class
// mismatches, bad indices and failed allocations.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "gc/RegistrosTeste.h"

namespace {

using NXDadosGC::InfoClasse;
using NXDadosGC::detail::InfoDe;
using namespace teste_registros;

CNXDadosGC_CustoPadraoConta LinhaPadrao(long long valor, ULONG contabil, ULONG gerencial) {
    CNXDadosGC_CustoPadraoConta linha;
    linha.SetCustoPadrao(Cy(valor)).SetPonteiroContaContabil(contabil).SetPonteiroContaGerencial(gerencial);
    return linha;
}

CNXDadosGC_CustoPadrao PadraoComDuasLinhas() {
    CNXDadosGC_CustoPadrao custo;
    custo.SetPosicao(8).SetPonteiroFilial(2).SetCodigo(CString("CP-01")).SetDescricao(CString("Padrao"));
    custo.AdicionaConta(LinhaPadrao(5'000, 11, 12));
    custo.AdicionaConta(LinhaPadrao(-7'000, 21, 22));
    return custo;
}

// A text longer than its field is cut to N bytes; byte N stays zero; a shorter text stored
// later leaves no byte of the longer one behind.
TEST(Custos, TextosDoCustoPadrao) {
    struct Caso {
        const char* campo;
        std::size_t deslocamento, n;
        void (*definir)(CNXDadosGC_CustoPadrao&, const CString&);
        CString (*ler)(const CNXDadosGC_CustoPadrao&);
    } casos[] = {
        {"Codigo", 11, 10, [](CNXDadosGC_CustoPadrao& c, const CString& t) { c.SetCodigo(t); },
         [](const CNXDadosGC_CustoPadrao& c) { return c.GetCodigo(); }},
        {"Descricao", 22, 50, [](CNXDadosGC_CustoPadrao& c, const CString& t) { c.SetDescricao(t); },
         [](const CNXDadosGC_CustoPadrao& c) { return c.GetDescricao(); }},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.campo);
        std::string longo;
        for (std::size_t i = 0; i < caso.n + 2; ++i) longo += static_cast<char>('a' + i % 26);
        CNXDadosGC_CustoPadrao custo;
        caso.definir(custo, CString(longo.c_str()));
        const auto* reg = reinterpret_cast<const char*>(&custo.GetReg());
        EXPECT_EQ(std::string(reg + caso.deslocamento, caso.n), longo.substr(0, caso.n));
        EXPECT_EQ(reg[caso.deslocamento + caso.n], 0) << "terminator";
        EXPECT_EQ(std::string(caso.ler(custo).Visao()), longo.substr(0, caso.n));

        caso.definir(custo, CString("xy"));
        EXPECT_EQ(std::string(caso.ler(custo).Visao()), "xy");
        for (std::size_t i = 2; i <= caso.n; ++i) EXPECT_EQ(reg[caso.deslocamento + i], 0) << i;
        caso.definir(custo, CString());
        EXPECT_TRUE(custo.EstaVazio()) << "an empty text clears the field";
    }
}

TEST(Custos, CustoPadraoComDuasLinhasIdaEVolta) {
    const auto custo = PadraoComDuasLinhas();
    _REG_GC_CUSTO_PADRAOPS reg;
    std::memset(&reg, 0xCD, sizeof reg);
    custo.CopiarPara(&reg);
    EXPECT_EQ(Ler<ULONG>(&reg, 4), 2u) << "count at 4";
    const auto* bloco = Ler<const unsigned char*>(&reg, 80);
    ASSERT_NE(bloco, nullptr) << "pointer at 80";
    EXPECT_EQ(Ler<long long>(bloco, 0), 5'000);
    EXPECT_EQ(Ler<ULONG>(bloco, 8), 11u);
    EXPECT_EQ(Ler<ULONG>(bloco, 12), 12u);
    EXPECT_EQ(Ler<long long>(bloco, 16), -7'000) << "second line at byte 16";
    EXPECT_EQ(Ler<ULONG>(bloco, 24), 21u);
    EXPECT_EQ(Ler<ULONG>(bloco, 28), 22u);
    for (std::size_t i = 88; i < 96; ++i) EXPECT_EQ(reinterpret_cast<unsigned char*>(&reg)[i], 0) << i;

    CNXDadosGC_CustoPadrao lido;
    lido.CopiarDe(&reg);
    EXPECT_TRUE(lido == custo);
    EXPECT_EQ(std::string(lido.GetCodigo().Visao()), "CP-01");
    EXPECT_EQ(static_cast<ULONG>(lido.GetReg().QuantidadeConta), 0u);
    EXPECT_EQ(lido.GetReg().pConta, nullptr);
    delete[] reg.pConta;

    auto trocado = custo;
    trocado.TrocaConta(0, 1);
    EXPECT_FALSE(trocado == custo) << "order matters";

    CNXDadosGC_CustoPadrao inativo;
    inativo.SetInativo(1);
    EXPECT_FALSE(inativo.EstaVazio());
}

TEST(Custos, ProdutoClassesDaCargaDeCustoComercial) {
    CNXDadosGC_FiltroCargaCustoComercial carga;
    carga.SetPonteiroTabelaPrecoCompra(77).SetTipoCalculoInsumo(2);
    for (int i = 0; i < 3; ++i) {
        CNXDadosGC_ProdutoServicoClasse classe;
        classe.SetKeyProdutoServicoClasse(ChaveProduto(10u * i + 1, static_cast<BYTE>(i + 1)));
        carga.AdicionaProdutoClasse(classe);
    }
    _REG_GC_FILTRO_CARGA_CUSTO_COMERCIALPS reg;
    carga.CopiarParaPS(&reg);
    EXPECT_EQ(Ler<ULONG>(&reg, 0), 77u);
    EXPECT_EQ(Ler<ULONG>(&reg, 4), 3u) << "count at 4";
    const auto* bloco = Ler<const unsigned char*>(&reg, 16);
    ASSERT_NE(bloco, nullptr) << "pointer at 16";
    for (int i = 0; i < 3; ++i) {
        const auto chave = ChaveProduto(10u * i + 1, static_cast<BYTE>(i + 1));
        EXPECT_EQ(std::memcmp(bloco + 32 * i, &chave.GetReg(), 24), 0) << "key at the head of slot " << i;
    }
    CNXDadosGC_FiltroCargaCustoComercial volta;
    volta.CopiarDe(&reg);
    EXPECT_TRUE(volta == carga);
    CoTaskMemFree(reg.pProdutoClasse);
}

// ---- Key views of the commercial cost ---------------------------------------------------------

CNXDadosGC_CustoComercial ComercialCheio() {
    const auto cheio = Padrao(sizeof(_REG_GC_CUSTO_COMERCIALPS), 9);
    CNXDadosGC_CustoComercial custo;
    custo.CopiarDe(reinterpret_cast<const _REG_GC_CUSTO_COMERCIALPS*>(cheio.data()));
    return custo;
}

// Each setter writes exactly its key's fields, at their offsets in the record.
TEST(Custos, SetoresDasVisoesDeChaveDoCustoComercial) {
    const auto produto = ChaveProduto(130, 0xE1);
    CNXDadosGC_KeyCompetencia competencia;
    competencia.SetMaCompetencia(REG_NXMA(0x3141)).SetPonteiroFilial(0x5926);
    CNXDadosGC_KeyCustoProdutoServico custoChave;
    custoChave.SetPosicaoProdutoServico(produto.GetPosicaoProdutoServico())
        .SetMaCompetencia(REG_NXMA(0x2718))
        .SetPonteiroFilial(0x2818)
        .SetTipoProdutoServico(0xE2)
        .SetTipoCusto(3)
        .SetPonteiroProcesso(0x0BADF00D);

    const auto posicao = produto.GetPosicaoProdutoServico();
    struct Caso {
        const char* nome;
        std::function<void(CNXDadosGC_CustoComercial&)> aplicar;
        std::vector<std::pair<std::size_t, std::string>> escritas;
    } casos[] = {
        {"SetKeyProdutoServico", [&](auto& c) { c.SetKeyProdutoServico(produto); },
         {{0, Bytes(posicao)}, {44, "\xE1"}}},
        {"SetKeyCompetencia", [&](auto& c) { c.SetKeyCompetencia(competencia); }, {{40, "\x41\x31\x26\x59"}}},
        {"SetKeyCustoProdutoServico (TipoCusto 3)", [&](auto& c) { c.SetKeyCustoProdutoServico(custoChave); },
         {{0, Bytes(posicao)}, {40, "\x18\x27\x18\x28"}, {44, "\xE2"}}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        auto custo = ComercialCheio();
        std::string esperado = Bytes(custo.GetReg());
        for (const auto& [deslocamento, bytes] : caso.escritas) esperado.replace(deslocamento, bytes.size(), bytes);
        caso.aplicar(custo);
        EXPECT_EQ(Bytes(custo.GetReg()), esperado);
    }
}

// Each getter reads exactly its key's fields; the rest of the key (TipoCusto, PonteiroProcesso,
// gaps) is zero. Setting back what a getter returned changes nothing.
TEST(Custos, GettersDasVisoesDeChaveDoCustoComercial) {
    auto custo = ComercialCheio();
    const std::string reg = Bytes(custo.GetReg());

    std::string produto(24, '\0');
    produto.replace(0, 16, reg.substr(0, 16));
    produto[16] = reg[44];
    EXPECT_EQ(Bytes(custo.GetKeyProdutoServico().GetReg()), produto);

    std::string competencia(8, '\0');
    competencia.replace(0, 4, reg.substr(40, 4));
    EXPECT_EQ(Bytes(custo.GetKeyCompetencia().GetReg()), competencia);

    std::string custoChave(32, '\0');
    custoChave.replace(0, 16, reg.substr(0, 16));
    custoChave.replace(20, 4, reg.substr(40, 4));
    custoChave[24] = reg[44];
    const auto chave = custo.GetKeyCustoProdutoServico();
    EXPECT_EQ(Bytes(chave.GetReg()), custoChave);
    EXPECT_EQ(chave.GetTipoCusto(), 0);
    EXPECT_EQ(chave.GetPonteiroProcesso(), 0u);

    custo.SetKeyProdutoServico(custo.GetKeyProdutoServico());
    custo.SetKeyCompetencia(custo.GetKeyCompetencia());
    custo.SetKeyCustoProdutoServico(custo.GetKeyCustoProdutoServico());
    EXPECT_EQ(Bytes(custo.GetReg()), reg);
}

// ---- The commercial-cost filter ---------------------------------------------------------------

TEST(Custos, ChaveMembroDoFiltroCustoComercial) {
    auto bytes = Padrao(sizeof(_REG_GC_FILTRO_CUSTO_COMERCIALPS), 23);
    const auto chave = ChaveProduto(70, 5);
    std::memcpy(bytes.data(), &chave.GetReg(), 24);

    CNXDadosGC_FiltroCustoComercial filtro;
    filtro.CopiarDe(reinterpret_cast<const _REG_GC_FILTRO_CUSTO_COMERCIALPS*>(bytes.data()));
    EXPECT_TRUE(filtro.GetKeyProdutoServico() == chave);
    EXPECT_EQ(Bytes(filtro.GetReg()).substr(0, 24), std::string(24, '\0')) << "the key lives only in the member";

    _REG_GC_FILTRO_CUSTO_COMERCIALPS saida;
    filtro.CopiarParaPS(&saida);
    EXPECT_EQ(Bytes(saida), std::string(bytes.begin(), bytes.end()));

    CNXDadosGC_FiltroCustoComercial outro;
    outro.SetKeyProdutoServico(chave).SetPonteiroFilial(1);
    EXPECT_TRUE(outro.GetKeyProdutoServico() == chave);
    EXPECT_EQ(Bytes(outro.GetReg()).substr(0, 24), std::string(24, '\0'));
}

constexpr WORD kMa = 0x1E2F;
const CasoFaixa kFaixas[] = {
    {"SetMaCompetencia", &InfoDe<CNXDadosGC_FiltroCustoComercial>,
     Em<CNXDadosGC_FiltroCustoComercial>([](auto& f) { f.SetMaCompetencia(REG_NXMA(kMa)); }), 24, 26, 2, kMa},
    {"SetMaCompetenciaTree", &InfoDe<CNXDadosGC_FiltroCustoComercial>,
     Em<CNXDadosGC_FiltroCustoComercial>([](auto& f) { f.SetMaCompetenciaTree(REG_NXMA(kMa)); }), 28, 30, 2, kMa},
};

TEST(Custos, SetoresDeFaixaGravamAsDuasPontas) {
    for (const auto& caso : kFaixas) VerificarFaixa(caso);
}

// ---- Hourly cost ------------------------------------------------------------------------------

TEST(Custos, TotalDeHorasDoCustoHora) {
    for (const auto& caso : kCasosHoras) {
        SCOPED_TRACE(caso.producao);
        CNXDadosGC_CustoHora custo;
        custo.SetQuantHorasProducao(Cy(caso.producao)).SetQuantHorasOciosas(Cy(caso.ociosas)).SetValorGGFTotal(Cy(1));
        const std::string antes = Bytes(custo.GetReg());
        EXPECT_EQ(custo.GetQuantHorasTotal().int64, caso.total);
        EXPECT_EQ(Bytes(custo.GetReg()), antes) << "nothing is stored";
    }
}

// ---- Class mismatch, bad indices, failed allocation --------------------------------------------

TEST(Custos, ClasseDiferenteNaoCopiaNemIguala) {
    const std::pair<const InfoClasse* (*)(), const InfoClasse* (*)()> pares[] = {
        {&InfoDe<CNXDadosGC_CustoPadrao>, &InfoDe<CNXDadosGC_CustoHora>},
        {&InfoDe<CNXDadosGC_CustoHora>, &InfoDe<CNXDadosGC_CentroCustos>},  // both 104 bytes
        {&InfoDe<CNXDadosGC_FiltroCustoComercial>, &InfoDe<CNXDadosGC_FiltroLancamentoTerceirizacao>},
        {&InfoDe<CNXDadosGC_FiltroCargaCustoComercial>, &InfoDe<CNXDadosGC_FiltroLancamentoGGF>},  // 32 bytes
        {&InfoDe<CNXDadosGC_CustoComercial>, &InfoDe<CNXDadosGC_KeyProcessoCustoProducao>},  // 48 bytes
        {&InfoDe<CNXDadosGC_CustoPadraoConta>, &InfoDe<CNXDadosGC_FiltroCustoPadrao>},  // 16 bytes
    };
    for (const auto& [a, b] : pares) VerificarClassesDiferentes(*a(), *b());
}

TEST(Custos, IndicesInvalidosDasListas) {
    VerificarIndices(PadraoComDuasLinhas(), NX_TESTE_INDICES(CNXDadosGC_CustoPadrao, Conta), 2);

    CNXDadosGC_FiltroCargaCustoComercial carga;
    CNXDadosGC_ProdutoServicoClasse classe;
    carga.AdicionaProdutoClasse(classe.SetConsiderarVariacoesGrades(1));
    VerificarIndices(carga, NX_TESTE_INDICES(CNXDadosGC_FiltroCargaCustoComercial, ProdutoClasse), 1);
}

TEST(Custos, FalhaDeAlocacaoAoEscreverAsLinhas) {
    const auto custo = PadraoComDuasLinhas();
    for (bool ps : {false, true}) {
        SCOPED_TRACE(ps ? "CopiarParaPS" : "CopiarPara");
        const NXContadoresAlocacao antes = AfxContadoresAlocacao();
        _REG_GC_CUSTO_PADRAOPS reg;
        std::memset(&reg, 0xCD, sizeof reg);
        AfxContadoresAlocacao().falharNaAlocacao = 1;
        bool lancou = false;
        try {
            if (ps) custo.CopiarParaPS(&reg);
            else custo.CopiarPara(&reg);
        } catch (CMemoryException* e) {
            e->Delete();
            lancou = true;
        }
        AfxContadoresAlocacao().falharNaAlocacao = 0;
        EXPECT_TRUE(lancou);
        EXPECT_EQ(Ler<ULONG>(&reg, 0), 8u) << "the record's own fields are written first";
        EXPECT_EQ(Ler<ULONG>(&reg, 4), 0u) << "the pair stays (0, null): freeable";
        EXPECT_EQ(reg.pConta, nullptr);
        EXPECT_EQ(AfxContadoresAlocacao().alocacoes, antes.alocacoes) << "nothing allocated, nothing leaked";
    }
}

}  // namespace
