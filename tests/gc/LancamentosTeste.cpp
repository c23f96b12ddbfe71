// Postings: where the blocks of their lists land in the records CopiarPara and CopiarParaPS
// write, at which strides, and the order of their lines.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "NXLDadosGC/NXLDadosGC.h"
#include "support/Bytes.h"

namespace {

using teste::Ler;
using teste::Zeros;

CNXDadosGC_LancamentoDespesas DespesaComTresLinhas() {
    CNXDadosGC_LancamentoDespesas despesa;
    despesa.SetChave(41).SetMaCompetencia(REG_NXMA(2100)).SetPonteiroFilial(3).SetOrigem(2);
    const long long totais[] = {10'000, -25'000, 3};
    for (int i = 0; i < 3; ++i) {
        CNXDadosGC_LancamentoDespesasConta linha;
        linha.SetTotalConta(tagCY{totais[i]}).SetPonteiroConta(static_cast<ULONG>(101 * (i + 1)));
        despesa.AdicionaConta(linha);
    }
    return despesa;
}

// Count at 20, pointer at 48, one block of 16-byte lines.
TEST(Lancamentos, LinhasDaDespesaNumBlocoDePasso16) {
    const auto despesa = DespesaComTresLinhas();
    const long long tarefaAntes = AfxContadoresAlocacao().alocacoesTarefa;
    _REG_GC_CUSTO_DESPESA_PEPS reg;
    std::memset(&reg, 0xCD, sizeof reg);
    despesa.CopiarParaPS(&reg);

    EXPECT_EQ(AfxContadoresAlocacao().alocacoesTarefa - tarefaAntes, 1) << "one block for the three lines";
    EXPECT_EQ(Ler<ULONG>(&reg, 16), 41u);
    EXPECT_EQ(Ler<ULONG>(&reg, 20), 3u);
    EXPECT_TRUE(Zeros(&reg, 37, 48) && Zeros(&reg, 56, 64));
    const auto* bloco = Ler<const unsigned char*>(&reg, 48);
    ASSERT_NE(bloco, nullptr);
    const long long totais[] = {10'000, -25'000, 3};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const unsigned char* linha = bloco + 16 * i;
        EXPECT_EQ(Ler<long long>(linha, 0), totais[i]);
        EXPECT_EQ(Ler<ULONG>(linha, 8), 101u * (i + 1));
        EXPECT_EQ(Ler<ULONG>(linha, 12), 0u) << "gap of the line";
    }
    NXDadosGC::LiberarCopiarParaPS<CNXDadosGC_LancamentoDespesas>(reg);
}

TEST(Lancamentos, OrdemDasLinhasConta) {
    const auto a = DespesaComTresLinhas();
    auto b = DespesaComTresLinhas();
    b.TrocaConta(0, 2);
    EXPECT_FALSE(a == b);
    b.TrocaConta(2, 0);
    EXPECT_TRUE(a == b);
}

// A list of hour postings: count at 0, pointer at 8, postings at a stride of 56 bytes.
TEST(Lancamentos, ListaDeHorasPassoDe56) {
    constexpr int kN = 3;
    std::vector<_REG_GC_LANCAMENTO_HORAPS> origem(kN);
    for (int i = 0; i < kN; ++i) {
        auto* b = reinterpret_cast<unsigned char*>(&origem[i]);
        for (std::size_t k = 0; k < sizeof origem[i]; ++k) b[k] = static_cast<unsigned char>(1 + (11 * i + 37 * k) % 251);
    }
    _REG_GC_LISTA_LANCAMENTO_HORAPS reg{};
    reg.QuantidadeLancamento = static_cast<NXQuantidade>(kN);
    reg.MaCompetencia = REG_NXMA(2077);
    reg.PonteiroFilial = 12;
    reg.pLancamento = origem.data();
    CNXDadosGC_ListaLanctoHoras lista;
    lista.CopiarDe(&reg);

    _REG_GC_LISTA_LANCAMENTO_HORAPS saida;
    std::memset(&saida, 0xEE, sizeof saida);
    lista.CopiarPara(&saida);
    EXPECT_EQ(Ler<ULONG>(&saida, 0), static_cast<ULONG>(kN));
    EXPECT_EQ(Ler<WORD>(&saida, 4), 2077);
    EXPECT_EQ(Ler<WORD>(&saida, 6), 12);
    const auto* bloco = Ler<const unsigned char*>(&saida, 8);
    ASSERT_NE(bloco, nullptr);
    for (int i = 0; i < kN; ++i)
        EXPECT_EQ(std::memcmp(bloco + 56 * i, &origem[i], 56), 0) << "posting " << i << " at byte " << 56 * i;
    NXDadosGC::LiberarCopiarPara<CNXDadosGC_ListaLanctoHoras>(saida);
}

// Product classes of a copy: count at 8, pointer at 24, 32-byte slots with the member key at
// their head and ConsiderarVariacoesGrades at 24.
TEST(Lancamentos, ProdutoClassesLevamSuaChaveNaCabecaDaPosicao) {
    CNXDadosGC_CopiarLanctosCustosTerceirizacao copia;
    copia.SetPercAjusteProjecao(tagCY{12'500}).SetTipoProjecao(1);
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
    NXDadosGC::LiberarCopiarParaPS<CNXDadosGC_CopiarLanctosCustosTerceirizacao>(reg);
}

}  // namespace
