// Postings: the blocks their lists write, records read back, key views, range setters, the
// total of hours, class mismatches, bad indices and failed allocations.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "gc/RegistrosTeste.h"

namespace {

using NXDadosGC::InfoClasse;
using NXDadosGC::detail::InfoDe;
using namespace teste_registros;

CNXDadosGC_LancamentoDespesasConta Linha(long long total, ULONG conta) {
    CNXDadosGC_LancamentoDespesasConta linha;
    linha.SetTotalConta(Cy(total)).SetPonteiroConta(conta);
    return linha;
}

CNXDadosGC_LancamentoDespesas DespesaComTresLinhas() {
    CNXDadosGC_LancamentoDespesas despesa;
    despesa.SetChave(41).SetMaCompetencia(REG_NXMA(2100)).SetPonteiroFilial(3).SetOrigem(2);
    despesa.AdicionaConta(Linha(10'000, 101));
    despesa.AdicionaConta(Linha(-25'000, 202));
    despesa.AdicionaConta(Linha(3, 303));
    return despesa;
}

TEST(Lancamentos, DespesaComTresLinhasPorCopiarParaPSEDeVolta) {
    const auto despesa = DespesaComTresLinhas();
    const long long tarefaAntes = AfxContadoresAlocacao().alocacoesTarefa;

    _REG_GC_CUSTO_DESPESA_PEPS reg;
    std::memset(&reg, 0xCD, sizeof reg);
    despesa.CopiarParaPS(&reg);

    EXPECT_EQ(AfxContadoresAlocacao().alocacoesTarefa - tarefaAntes, 1) << "one block for the three lines";
    EXPECT_EQ(Ler<ULONG>(&reg, 16), 41u);
    EXPECT_EQ(Ler<ULONG>(&reg, 20), 3u) << "count at 20";
    const auto* bloco = Ler<const unsigned char*>(&reg, 48);
    ASSERT_NE(bloco, nullptr) << "pointer at 48";
    const long long totais[] = {10'000, -25'000, 3};
    const ULONG contas[] = {101, 202, 303};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const unsigned char* linha = bloco + 16 * i;
        EXPECT_EQ(Ler<long long>(linha, 0), totais[i]);
        EXPECT_EQ(Ler<ULONG>(linha, 8), contas[i]);
        EXPECT_EQ(Ler<ULONG>(linha, 12), 0u) << "gap of the line";
    }
    for (std::size_t i = 37; i < 48; ++i) EXPECT_EQ(reinterpret_cast<unsigned char*>(&reg)[i], 0) << i;
    for (std::size_t i = 56; i < 64; ++i) EXPECT_EQ(reinterpret_cast<unsigned char*>(&reg)[i], 0) << i;

    const std::string enviado = Bytes(reg);
    CNXDadosGC_LancamentoDespesas lida;
    lida.CopiarDe(&reg);
    EXPECT_EQ(Bytes(reg), enviado) << "CopiarDe only reads";
    EXPECT_TRUE(lida == despesa);
    ASSERT_EQ(lida.GetQuantidadeConta(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(lida.GetConta(i) == despesa.GetConta(i));
    EXPECT_EQ(static_cast<ULONG>(lida.GetReg().QuantidadeConta), 0u);
    EXPECT_EQ(lida.GetReg().pConta, nullptr);

    CoTaskMemFree(reg.pConta);
}

TEST(Lancamentos, DespesaSemLinhasEscreveZeroENulo) {
    CNXDadosGC_LancamentoDespesas despesa;
    despesa.SetOrigem(1);
    _REG_GC_CUSTO_DESPESA_PEPS reg;
    std::memset(&reg, 0xCD, sizeof reg);
    despesa.CopiarPara(&reg);
    EXPECT_EQ(Ler<ULONG>(&reg, 20), 0u);
    EXPECT_EQ(reg.pConta, nullptr);
    CNXDadosGC_LancamentoDespesas lida;
    lida.CopiarDe(&reg);
    EXPECT_EQ(lida.GetQuantidadeConta(), 0);
    EXPECT_TRUE(lida == despesa);
}

// A pair that is not both set reads as an empty list, and the object's own pair is (0, null).
TEST(Lancamentos, ParIncompletoDaListaVazia) {
    _REG_GC_CUSTO_DESPESA_PE_CONTAPS linhas[2] = {};
    struct Caso {
        const char* nome;
        ULONG quantidade;
        _REG_GC_CUSTO_DESPESA_PE_CONTAPS* ponteiro;
    } casos[] = {{"null pointer, count 5", 5, nullptr}, {"pointer, count 0", 0, linhas}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        _REG_GC_CUSTO_DESPESA_PEPS reg{};
        reg.Chave = 9;
        reg.QuantidadeConta = static_cast<NXQuantidade>(caso.quantidade);
        reg.pConta = caso.ponteiro;
        auto despesa = DespesaComTresLinhas();
        despesa.CopiarDe(&reg);
        EXPECT_EQ(despesa.GetQuantidadeConta(), 0);
        EXPECT_EQ(despesa.GetChave(), 9u);
        EXPECT_EQ(static_cast<ULONG>(despesa.GetReg().QuantidadeConta), 0u);
        EXPECT_EQ(despesa.GetReg().pConta, nullptr);
        EXPECT_EQ(static_cast<ULONG>(reg.QuantidadeConta), caso.quantidade) << "the source is not touched";
    }
}

TEST(Lancamentos, OrdemDasLinhasConta) {
    auto a = DespesaComTresLinhas();
    auto b = DespesaComTresLinhas();
    EXPECT_TRUE(a == b);
    b.TrocaConta(0, 2);
    EXPECT_FALSE(a == b);
    EXPECT_FALSE(a.Igual(&b));
    b.TrocaConta(2, 0);
    EXPECT_TRUE(a == b);
}

// The list record's bytes 16..23 have no accessor; they reach the object only through CopiarDe
// and must travel back out unchanged, beside a block of postings at a stride of 56 bytes.
TEST(Lancamentos, ListaDeHorasPassoDe56EBytesSemAcessor) {
    constexpr int kN = 3;
    std::vector<_REG_GC_LANCAMENTO_HORAPS> origem(kN);
    for (int i = 0; i < kN; ++i) {
        const auto bytes = Padrao(sizeof(_REG_GC_LANCAMENTO_HORAPS), 11u * (i + 1));
        std::memcpy(&origem[i], bytes.data(), bytes.size());
    }
    _REG_GC_LISTA_LANCAMENTO_HORAPS reg{};
    const auto cauda = Padrao(8, 200);
    std::memcpy(reinterpret_cast<char*>(&reg) + 16, cauda.data(), 8);
    reg.QuantidadeLancamento = static_cast<NXQuantidade>(kN);
    reg.MaCompetencia = REG_NXMA(2077);
    reg.PonteiroFilial = 12;
    reg.pLancamento = origem.data();

    CNXDadosGC_ListaLanctoHoras lista;
    lista.CopiarDe(&reg);
    ASSERT_EQ(lista.GetQuantidadeLancamento(), kN);
    EXPECT_EQ(std::memcmp(reinterpret_cast<const char*>(&lista.GetReg()) + 16, cauda.data(), 8), 0);

    _REG_GC_LISTA_LANCAMENTO_HORAPS saida;
    std::memset(&saida, 0xEE, sizeof saida);
    lista.CopiarPara(&saida);
    EXPECT_EQ(Ler<ULONG>(&saida, 0), static_cast<ULONG>(kN));
    EXPECT_EQ(Ler<WORD>(&saida, 4), 2077);
    EXPECT_EQ(Ler<WORD>(&saida, 6), 12);
    EXPECT_EQ(std::memcmp(reinterpret_cast<const char*>(&saida) + 16, cauda.data(), 8), 0) << "bytes 16..23";
    const auto* bloco = Ler<const unsigned char*>(&saida, 8);
    ASSERT_NE(bloco, nullptr);
    for (int i = 0; i < kN; ++i)
        EXPECT_EQ(std::memcmp(bloco + 56 * i, &origem[i], 56), 0) << "posting " << i << " at byte " << 56 * i;

    CNXDadosGC_ListaLanctoHoras volta;
    volta.CopiarDe(&saida);
    EXPECT_TRUE(volta == lista);
    delete[] saida.pLancamento;
}

TEST(Lancamentos, ProdutoClassesLevamSuaChaveNaCabecaDaPosicao) {
    CNXDadosGC_CopiarLanctosCustosTerceirizacao copia;
    copia.SetPercAjusteProjecao(Cy(12'500)).SetTipoProjecao(1);
    for (int i = 0; i < 2; ++i) {
        CNXDadosGC_ProdutoServicoClasse classe;
        _REG_POSICAO_PRODUTOPS posicao{};
        for (int b = 0; b < 16; ++b) posicao.m_Bytes[b] = static_cast<unsigned char>(0x40 + 16 * i + b);
        classe.GetKeyProdutoServicoClasse().SetPosicaoProdutoServico(posicao).SetTipoProdutoServico(
            static_cast<BYTE>(7 + i));
        classe.SetConsiderarVariacoesGrades(static_cast<BYTE>(1 + i));
        copia.AdicionaProdutoClasse(classe);
    }
    _REG_GC_COPIAR_LANCTOS_CUSTOS_TERCEIRIZACAOPS reg;
    copia.CopiarParaPS(&reg);
    EXPECT_EQ(Ler<ULONG>(&reg, 8), 2u);
    const auto* bloco = Ler<const unsigned char*>(&reg, 24);
    ASSERT_NE(bloco, nullptr);
    for (int i = 0; i < 2; ++i) {
        const unsigned char* slot = bloco + 32 * i;
        EXPECT_EQ(slot[0], 0x40 + 16 * i);
        EXPECT_EQ(slot[15], 0x40 + 16 * i + 15);
        EXPECT_EQ(slot[16], 7 + i) << "key's TipoProdutoServico";
        EXPECT_EQ(slot[24], 1 + i) << "ConsiderarVariacoesGrades";
    }
    CNXDadosGC_CopiarLanctosCustosTerceirizacao volta;
    volta.CopiarDe(&reg);
    EXPECT_TRUE(volta == copia);
    CoTaskMemFree(reg.pProdutoClasse);
}

// ---- Key views and member keys --------------------------------------------------------------

TEST(Lancamentos, VisaoDeChaveDoLancamentoTerceirizacao) {
    const auto cheio = Padrao(sizeof(_REG_GC_LANCTO_TERCEIRIZACAOPS), 3);
    CNXDadosGC_LancamentoTerceirizacao lancamento;
    lancamento.CopiarDe(reinterpret_cast<const _REG_GC_LANCTO_TERCEIRIZACAOPS*>(cheio.data()));

    const auto chave = ChaveProduto(90, 0xF1);
    lancamento.SetKeyProdutoServico(chave);
    std::vector<unsigned char> esperado = cheio;
    std::memcpy(esperado.data(), &chave.GetReg().PosicaoProdutoServico, 16);
    esperado[60] = 0xF1;
    EXPECT_EQ(std::memcmp(&lancamento.GetReg(), esperado.data(), esperado.size()), 0)
        << "only bytes 0..15 and 60 change";

    EXPECT_TRUE(lancamento.GetKeyProdutoServico() == chave) << "the key's own gap stays zero";
}

TEST(Lancamentos, ChaveMembroDoFiltroTerceirizacao) {
    auto bytes = Padrao(sizeof(_REG_GC_FILTRO_LANCTO_TERCEIRIZACAOPS), 17);
    const auto chave = ChaveProduto(60, 4);
    std::memcpy(bytes.data(), &chave.GetReg(), 24);

    CNXDadosGC_FiltroLancamentoTerceirizacao filtro;
    filtro.CopiarDe(reinterpret_cast<const _REG_GC_FILTRO_LANCTO_TERCEIRIZACAOPS*>(bytes.data()));
    EXPECT_TRUE(filtro.GetKeyProdutoServico() == chave);
    const std::string zeros(24, '\0');
    EXPECT_EQ(Bytes(filtro.GetReg()).substr(0, 24), zeros) << "the key lives only in the member";
    EXPECT_EQ(Bytes(filtro.GetReg()).substr(24), std::string(bytes.begin() + 24, bytes.end()));
    EXPECT_EQ(filtro.GetNaoVerificarFilialAtiva(), static_cast<char>(bytes[49]));

    _REG_GC_FILTRO_LANCTO_TERCEIRIZACAOPS saida;
    filtro.CopiarPara(&saida);
    EXPECT_EQ(Bytes(saida), std::string(bytes.begin(), bytes.end())) << "the key goes back to bytes 0..23";

    filtro.GetKeyProdutoServico().SetTipoProdutoServico(9);
    filtro.CopiarPara(&saida);
    EXPECT_EQ(saida.KeyProdutoServico.TipoProdutoServico, 9) << "changed in place through the reference";
}

// ---- Range setters ----------------------------------------------------------------------------

constexpr ULONG kChave = 0x0A0B0C0D;
constexpr WORD kMa = 0x1E2F;

const CasoFaixa kFaixas[] = {
    {"Despesas SetChave", &InfoDe<CNXDadosGC_FiltroLancamentoDespesas>,
     Em<CNXDadosGC_FiltroLancamentoDespesas>([](auto& f) { f.SetChave(kChave); }), 0, 4, 4, kChave},
    {"Despesas SetMaCompetencia", &InfoDe<CNXDadosGC_FiltroLancamentoDespesas>,
     Em<CNXDadosGC_FiltroLancamentoDespesas>([](auto& f) { f.SetMaCompetencia(REG_NXMA(kMa)); }), 12, 14, 2, kMa},
    {"Despesas SetMaTree", &InfoDe<CNXDadosGC_FiltroLancamentoDespesas>,
     Em<CNXDadosGC_FiltroLancamentoDespesas>([](auto& f) { f.SetMaTree(REG_NXMA(kMa)); }), 16, 18, 2, kMa},
    {"GGF SetChave", &InfoDe<CNXDadosGC_FiltroLancamentoGGF>,
     Em<CNXDadosGC_FiltroLancamentoGGF>([](auto& f) { f.SetChave(kChave); }), 0, 4, 4, kChave},
    {"GGF SetMaCompetencia", &InfoDe<CNXDadosGC_FiltroLancamentoGGF>,
     Em<CNXDadosGC_FiltroLancamentoGGF>([](auto& f) { f.SetMaCompetencia(REG_NXMA(kMa)); }), 16, 18, 2, kMa},
    {"GGF SetMaTree", &InfoDe<CNXDadosGC_FiltroLancamentoGGF>,
     Em<CNXDadosGC_FiltroLancamentoGGF>([](auto& f) { f.SetMaTree(REG_NXMA(kMa)); }), 20, 22, 2, kMa},
    {"Horas SetChave", &InfoDe<CNXDadosGC_FiltroLancamentoHoras>,
     Em<CNXDadosGC_FiltroLancamentoHoras>([](auto& f) { f.SetChave(kChave); }), 0, 4, 4, kChave},
    {"Horas SetMaCompetencia", &InfoDe<CNXDadosGC_FiltroLancamentoHoras>,
     Em<CNXDadosGC_FiltroLancamentoHoras>([](auto& f) { f.SetMaCompetencia(REG_NXMA(kMa)); }), 12, 14, 2, kMa},
    {"Horas SetMaTree", &InfoDe<CNXDadosGC_FiltroLancamentoHoras>,
     Em<CNXDadosGC_FiltroLancamentoHoras>([](auto& f) { f.SetMaTree(REG_NXMA(kMa)); }), 16, 18, 2, kMa},
    {"Terceirizacao SetChave", &InfoDe<CNXDadosGC_FiltroLancamentoTerceirizacao>,
     Em<CNXDadosGC_FiltroLancamentoTerceirizacao>([](auto& f) { f.SetChave(kChave); }), 24, 28, 4, kChave},
    {"Terceirizacao SetMaCompetencia", &InfoDe<CNXDadosGC_FiltroLancamentoTerceirizacao>,
     Em<CNXDadosGC_FiltroLancamentoTerceirizacao>([](auto& f) { f.SetMaCompetencia(REG_NXMA(kMa)); }), 36, 38, 2,
     kMa},
    {"Terceirizacao SetMaTree", &InfoDe<CNXDadosGC_FiltroLancamentoTerceirizacao>,
     Em<CNXDadosGC_FiltroLancamentoTerceirizacao>([](auto& f) { f.SetMaTree(REG_NXMA(kMa)); }), 40, 42, 2, kMa},
};

TEST(Lancamentos, SetoresDeFaixaGravamAsDuasPontas) {
    for (const auto& caso : kFaixas) VerificarFaixa(caso);
}

// ---- Total of hours ---------------------------------------------------------------------------

TEST(Lancamentos, TotalDeHorasDoLancamento) {
    for (const auto& caso : kCasosHoras) {
        SCOPED_TRACE(caso.producao);
        CNXDadosGC_LancamentoHoras lancamento;
        lancamento.SetQuantHorasProducao(Cy(caso.producao)).SetQuantHorasOciosas(Cy(caso.ociosas));
        const std::string antes = Bytes(lancamento.GetReg());
        EXPECT_EQ(lancamento.GetQuantHorasTotal().int64, caso.total);
        EXPECT_EQ(Bytes(lancamento.GetReg()), antes) << "nothing is stored";
    }
}

// ---- Class mismatch ---------------------------------------------------------------------------

// Pairs of classes with records of the same size: a copy or comparison that ignored the class
// would see records it could take for its own.
const std::pair<const InfoClasse* (*)(), const InfoClasse* (*)()> kParesMesmoTamanho[] = {
    {&InfoDe<CNXDadosGC_LancamentoDespesas>, &InfoDe<CNXDadosGC_LancamentoGGF>},
    {&InfoDe<CNXDadosGC_ListaLanctoHoras>, &InfoDe<CNXDadosGC_FiltroLancamentoHoras>},
    {&InfoDe<CNXDadosGC_CopiarLanctosCustosTerceirizacao>, &InfoDe<CNXDadosGC_FiltroCustoComercial>},
    {&InfoDe<CNXDadosGC_FiltroLancamentoTerceirizacao>, &InfoDe<CNXDadosGC_LancamentoHoras>},
};

TEST(Lancamentos, ClasseDiferenteNaoCopiaNemIguala) {
    for (const auto& [a, b] : kParesMesmoTamanho) {
        ASSERT_EQ(a()->tamanhoRegistro, b()->tamanhoRegistro);
        VerificarClassesDiferentes(*a(), *b());
    }
}

// ---- Bad indices ------------------------------------------------------------------------------

TEST(Lancamentos, IndicesInvalidosDasListas) {
    const auto despesa = DespesaComTresLinhas();
    VerificarIndices(despesa, NX_TESTE_INDICES(CNXDadosGC_LancamentoDespesas, Conta), 3);

    CNXDadosGC_ListaLanctoHoras lista;
    CNXDadosGC_LancamentoHoras horas;
    lista.AdicionaLancamento(horas.SetChave(1));
    lista.AdicionaLancamento(horas.SetChave(2));
    VerificarIndices(lista, NX_TESTE_INDICES(CNXDadosGC_ListaLanctoHoras, Lancamento), 2);

    CNXDadosGC_CopiarLanctosCustosTerceirizacao copia;
    CNXDadosGC_ProdutoServicoClasse classe;
    copia.AdicionaProdutoClasse(classe.SetConsiderarVariacoesGrades(1));
    copia.AdicionaProdutoClasse(classe.SetConsiderarVariacoesGrades(2));
    VerificarIndices(copia, NX_TESTE_INDICES(CNXDadosGC_CopiarLanctosCustosTerceirizacao, ProdutoClasse), 2);
}

// ---- Failed allocation ------------------------------------------------------------------------

TEST(Lancamentos, FalhaDeAlocacaoAoEscreverAsLinhas) {
    const auto despesa = DespesaComTresLinhas();
    for (bool ps : {false, true}) {
        SCOPED_TRACE(ps ? "CopiarParaPS" : "CopiarPara");
        const NXContadoresAlocacao antes = AfxContadoresAlocacao();
        _REG_GC_CUSTO_DESPESA_PEPS reg;
        std::memset(&reg, 0xCD, sizeof reg);
        AfxContadoresAlocacao().falharNaAlocacao = 1;
        bool lancou = false;
        try {
            if (ps) despesa.CopiarParaPS(&reg);
            else despesa.CopiarPara(&reg);
        } catch (CMemoryException* e) {
            e->Delete();
            lancou = true;
        }
        AfxContadoresAlocacao().falharNaAlocacao = 0;
        EXPECT_TRUE(lancou);
        EXPECT_EQ(Ler<ULONG>(&reg, 16), 41u) << "the record's own fields are written first";
        EXPECT_EQ(Ler<ULONG>(&reg, 20), 0u) << "the pair stays (0, null): freeable";
        EXPECT_EQ(reg.pConta, nullptr);
        EXPECT_EQ(AfxContadoresAlocacao().alocacoes, antes.alocacoes) << "nothing allocated, nothing leaked";
        EXPECT_EQ(AfxContadoresAlocacao().liberacoes, antes.liberacoes);
    }
    // The object is intact and a later transfer succeeds.
    _REG_GC_CUSTO_DESPESA_PEPS reg;
    despesa.CopiarParaPS(&reg);
    EXPECT_EQ(Ler<ULONG>(&reg, 20), 3u);
    CoTaskMemFree(reg.pConta);
}

TEST(Lancamentos, FalhaDeAlocacaoAoLerAListaDeHoras) {
    std::vector<_REG_GC_LANCAMENTO_HORAPS> origem(4);
    for (int i = 0; i < 4; ++i) origem[i].Chave = static_cast<ULONG>(i + 1);
    _REG_GC_LISTA_LANCAMENTO_HORAPS reg{};
    reg.QuantidadeLancamento = static_cast<NXQuantidade>(4);
    reg.MaCompetencia = REG_NXMA(2000);
    reg.pLancamento = origem.data();

    const NXContadoresAlocacao antes = AfxContadoresAlocacao();
    {
        CNXDadosGC_ListaLanctoHoras lista;
        AfxContadoresAlocacao().falharNaAlocacao = 1;
        bool lancou = false;
        try {
            lista.CopiarDe(&reg);
        } catch (CMemoryException* e) {
            e->Delete();
            lancou = true;
        }
        AfxContadoresAlocacao().falharNaAlocacao = 0;
        EXPECT_TRUE(lancou);
        EXPECT_TRUE(lista.EstaVazio()) << "a failed read leaves the object cleared";
        EXPECT_EQ(lista.GetReg().pLancamento, nullptr);
        lista.CopiarDe(&reg);
        EXPECT_EQ(lista.GetQuantidadeLancamento(), 4);
        EXPECT_EQ(lista.GetLancamento(3).GetChave(), 4u);
    }
    const NXContadoresAlocacao& depois = AfxContadoresAlocacao();
    EXPECT_EQ(depois.alocacoes - antes.alocacoes, depois.liberacoes - antes.liberacoes) << "nothing leaked";
}

}  // namespace
