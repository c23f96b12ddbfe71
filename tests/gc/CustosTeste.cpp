// Standard and commercial costs: where the blocks of their lists land in the records CopiarPara
// and CopiarParaPS write, at which strides, and the order of the lines.
#include <gtest/gtest.h>

#include <cstring>

#include "NXLDadosGC/NXLDadosGC.h"
#include "support/Bytes.h"

namespace {

using teste::Ler;

CNXDadosGC_CustoPadrao PadraoComDuasLinhas() {
    CNXDadosGC_CustoPadrao custo;
    custo.SetPosicao(8).SetPonteiroFilial(2).SetCodigo(CString("CP-01"));
    CNXDadosGC_CustoPadraoConta linha;
    custo.AdicionaConta(linha.SetCustoPadrao(tagCY{5'000}).SetPonteiroContaContabil(11).SetPonteiroContaGerencial(12));
    custo.AdicionaConta(linha.SetCustoPadrao(tagCY{-7'000}).SetPonteiroContaContabil(21).SetPonteiroContaGerencial(22));
    return custo;
}

// Count at 4, pointer at 80, 16-byte lines.
TEST(Custos, LinhasDoCustoPadraoNumBlocoDePasso16) {
    const auto custo = PadraoComDuasLinhas();
    _REG_GC_CUSTO_PADRAOPS reg;
    std::memset(&reg, 0xCD, sizeof reg);
    custo.CopiarPara(&reg);
    EXPECT_EQ(Ler<ULONG>(&reg, 4), 2u);
    for (std::size_t i = 88; i < 96; ++i) EXPECT_EQ(reinterpret_cast<unsigned char*>(&reg)[i], 0) << i;
    const auto* bloco = Ler<const unsigned char*>(&reg, 80);
    ASSERT_NE(bloco, nullptr);
    EXPECT_EQ(Ler<long long>(bloco, 0), 5'000);
    EXPECT_EQ(Ler<ULONG>(bloco, 8), 11u);
    EXPECT_EQ(Ler<ULONG>(bloco, 12), 12u);
    EXPECT_EQ(Ler<long long>(bloco, 16), -7'000);
    EXPECT_EQ(Ler<ULONG>(bloco, 24), 21u);
    EXPECT_EQ(Ler<ULONG>(bloco, 28), 22u);
    NXDadosGC::LiberarCopiarPara<CNXDadosGC_CustoPadrao>(reg);

    auto trocado = custo;
    trocado.TrocaConta(0, 1);
    EXPECT_FALSE(trocado == custo) << "order matters";
}

// Count at 4, pointer at 16, 32-byte slots with the member key at their head.
TEST(Custos, ProdutoClassesDaCargaDeCustoComercial) {
    CNXDadosGC_FiltroCargaCustoComercial carga;
    carga.SetPonteiroTabelaPrecoCompra(77).SetTipoCalculoInsumo(2);
    _REG_GC_KEY_PRODUTO_SERVICOPS chaves[3];
    for (int i = 0; i < 3; ++i) {
        auto* b = reinterpret_cast<unsigned char*>(&chaves[i]);
        for (std::size_t k = 0; k < 17; ++k) b[k] = static_cast<unsigned char>(10 * i + k + 1);
        std::memset(b + 17, 0, sizeof chaves[i] - 17);
        CNXDadosGC_KeyProdutoServico chave;
        chave.CopiarDe(&chaves[i]);
        CNXDadosGC_ProdutoServicoClasse classe;
        carga.AdicionaProdutoClasse(classe.SetKeyProdutoServicoClasse(chave));
    }
    _REG_GC_FILTRO_CARGA_CUSTO_COMERCIALPS reg;
    carga.CopiarParaPS(&reg);
    EXPECT_EQ(Ler<ULONG>(&reg, 0), 77u);
    EXPECT_EQ(Ler<ULONG>(&reg, 4), 3u);
    const auto* bloco = Ler<const unsigned char*>(&reg, 16);
    ASSERT_NE(bloco, nullptr);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(std::memcmp(bloco + 32 * i, &chaves[i], 24), 0) << "key at the head of slot " << i;
    NXDadosGC::LiberarCopiarParaPS<CNXDadosGC_FiltroCargaCustoComercial>(reg);
}

}  // namespace
