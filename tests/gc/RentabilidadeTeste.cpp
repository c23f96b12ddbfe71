// Profitability and contribution margin: customer references as a block of 32-bit values, a
// margin's product lines and their dated sales at their offsets and strides, and the order of
// its lines.
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

CNXDadosGC_KeyProdutoServico ChaveProduto(unsigned char semente) {
    _REG_POSICAO_PRODUTOPS posicao{};
    for (unsigned i = 0; i < sizeof posicao.m_Bytes; ++i) posicao.m_Bytes[i] = static_cast<unsigned char>(semente + i);
    CNXDadosGC_KeyProdutoServico chave;
    chave.SetPosicaoProdutoServico(posicao).SetTipoProdutoServico(static_cast<BYTE>(semente ^ 0x5A));
    return chave;
}

CNXDadosGC_MargemContribuicaoPEDetalhe LinhaPE(ULONG dia, LONGLONG saldo) {
    CNXDadosGC_MargemContribuicaoPEDetalhe pe;
    pe.SetDma(REG_NXDMA(dia)).SetSaldoPE(tagCY{saldo}).SetReceita(tagCY{saldo * 2});
    return pe;
}

// One product line with two dated sales and, when asked, two PE lines.
CNXDadosGC_MargemContribuicao Margem(bool comPE) {
    CNXDadosGC_MargemContribuicao mc;
    mc.SetMaCompetencia(REG_NXMA(2115)).SetPonteiroFilial(4).SetTotalVendido(tagCY{90000});
    CNXDadosGC_MargemContribuicaoProdServ produto;
    produto.SetKeyProdutoServico(ChaveProduto(0x30)).SetQuantidadeVendida(tagCY{30000}).SetTotalVendido(tagCY{90000});
    for (ULONG i = 0; i < 2; ++i) {
        CNXDadosGC_MargemContribuicaoProdServData venda;
        venda.SetQuantidadeVendida(tagCY{10000 * (i + 1)}).SetTotalVendido(tagCY{30000 * (i + 1)});
        produto.AdicionaData(venda.SetDma(REG_NXDMA(60000 + i)));
    }
    mc.AdicionaProdutoServico(produto);
    if (comPE) {
        mc.AdicionaDetalhePE(LinhaPE(60000, -5));
        mc.AdicionaDetalhePE(LinhaPE(60001, 7));
    }
    return mc;
}

// Count at 40, pointer at 56, one 32-bit value after another; the product classes' pair
// (44, 64) stays empty.
TEST(Rentabilidade, ClientesViajamComoValoresDe32Bits) {
    CNXDadosGC_FiltroRentabilidade f;
    f.SetPonteiroFilial(5);
    for (ULONG cliente : {7u, 9u, 12u}) f.AdicionaPonteiroCliente(cliente);
    _REG_GC_FILTRO_RENTABILIDADEPS r;
    std::memset(static_cast<void*>(&r), 0xAB, sizeof r);
    f.CopiarPara(&r);
    EXPECT_EQ(Ler<ULONG>(&r, 40), 3u);
    EXPECT_EQ(Ler<ULONG>(&r, 44), 0u);
    EXPECT_EQ(Bloco(&r, 64), nullptr);
    EXPECT_EQ(Ler<WORD>(&r, 48), 5);
    const unsigned char* clientes = Bloco(&r, 56);
    ASSERT_NE(clientes, nullptr);
    EXPECT_EQ(Ler<ULONG>(clientes, 0), 7u);
    EXPECT_EQ(Ler<ULONG>(clientes, 4), 9u);
    EXPECT_EQ(Ler<ULONG>(clientes, 8), 12u);

    CNXDadosGC_FiltroRentabilidade volta;
    volta.CopiarDe(&r);
    ASSERT_EQ(volta.GetQuantidadePonteiroCliente(), 3);
    EXPECT_EQ(volta.GetPonteiroCliente(2), 12u);
    NXDadosGC::LiberarCopiarPara<CNXDadosGC_FiltroRentabilidade>(r);
}

// Product lines at 56 (count at 40), 104 bytes each with the key at their head and dated sales
// (count at 80, pointer at 88) of 24 bytes each.
TEST(Rentabilidade, MargemComVendasDatadas) {
    const CNXDadosGC_MargemContribuicao mc = Margem(false);
    _REG_GC_MARGEM_CONTRIBUICAOPS r;
    std::memset(static_cast<void*>(&r), 0xAB, sizeof r);
    mc.CopiarParaPS(&r);
    EXPECT_EQ(Ler<ULONG>(&r, 40), 1u);
    EXPECT_EQ(Ler<ULONG>(&r, 44), 0u);
    EXPECT_EQ(Bloco(&r, 64), nullptr);
    EXPECT_EQ(Ler<WORD>(&r, 48), 2115);
    const unsigned char* produto = Bloco(&r, 56);
    ASSERT_NE(produto, nullptr);
    EXPECT_EQ(std::memcmp(produto, &ChaveProduto(0x30).GetReg(), 24), 0) << "the key at the head of the line";
    EXPECT_EQ(Ler<LONGLONG>(produto, 56), 30000);
    EXPECT_EQ(Ler<LONGLONG>(produto, 64), 90000);
    EXPECT_EQ(Ler<ULONG>(produto, 80), 2u);
    EXPECT_TRUE(Zeros(produto, 84, 88) && Zeros(produto, 96, 104));
    const unsigned char* vendas = Bloco(produto, 88);
    ASSERT_NE(vendas, nullptr);
    for (ULONG i = 0; i < 2; ++i) {
        const unsigned char* venda = vendas + 24 * i;
        EXPECT_EQ(Ler<LONGLONG>(venda, 0), 10000 * (i + 1));
        EXPECT_EQ(Ler<LONGLONG>(venda, 8), 30000 * (i + 1));
        EXPECT_EQ(Ler<ULONG>(venda, 16), 60000 + i);
        EXPECT_TRUE(Zeros(venda, 20, 24));
    }
    NXDadosGC::LiberarCopiarParaPS<CNXDadosGC_MargemContribuicao>(r);
}

TEST(Rentabilidade, OrdemDasLinhasConta) {
    using Mudanca = std::function<void(CNXDadosGC_MargemContribuicao&)>;
    const std::pair<const char*, Mudanca> kTrocas[] = {
        {"PE lines", [](auto& mc) { mc.TrocaDetalhePE(0, 1); }},
        {"dated sales", [](auto& mc) { mc.GetRefProdutoServico(0).TrocaData(0, 1); }},
    };
    const CNXDadosGC_MargemContribuicao base = Margem(true);
    for (const auto& [nome, trocar] : kTrocas) {
        SCOPED_TRACE(nome);
        CNXDadosGC_MargemContribuicao mc = Margem(true);
        trocar(mc);
        EXPECT_FALSE(mc == base);
        trocar(mc);
        EXPECT_TRUE(mc == base);
    }
}

}  // namespace
