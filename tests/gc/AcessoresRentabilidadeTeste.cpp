// Every field accessor of profitability, contribution margin and price formation, against the
// record layout. (The product/service class's own field is checked with the keys.)
#include <gtest/gtest.h>

#include "support/Acessores.h"

namespace {

const teste::CasoCampo kCampos[] = {
    NX_TESTE_CAMPO(CNXDadosGC_Rentabilidade, Quantidade),
    NX_TESTE_CAMPO(CNXDadosGC_Rentabilidade, CustoUnitarioV8),
    NX_TESTE_CAMPO(CNXDadosGC_Rentabilidade, DespesaUnitariaV8),
    NX_TESTE_CAMPO(CNXDadosGC_Rentabilidade, DespesaUnitariaEfetivaV8),
    NX_TESTE_CAMPO(CNXDadosGC_Rentabilidade, PrecoUnitarioSugeridoV8),
    NX_TESTE_CAMPO(CNXDadosGC_Rentabilidade, PrecoUnitarioAplicadoV8),
    NX_TESTE_CAMPO(CNXDadosGC_Rentabilidade, TotalCustos),
    NX_TESTE_CAMPO(CNXDadosGC_Rentabilidade, TotalDespesas),
    NX_TESTE_CAMPO(CNXDadosGC_Rentabilidade, TotalDespesasEfetiva),
    NX_TESTE_CAMPO(CNXDadosGC_Rentabilidade, TotalSugerido),
    NX_TESTE_CAMPO(CNXDadosGC_Rentabilidade, TotalAplicado),
    NX_TESTE_CAMPO(CNXDadosGC_Rentabilidade, Rentabilidade),
    NX_TESTE_CAMPO(CNXDadosGC_Rentabilidade, Lucratividade),
    NX_TESTE_CAMPO(CNXDadosGC_Rentabilidade, LucratividadeEfetiva),
    NX_TESTE_CAMPO(CNXDadosGC_Rentabilidade, PercRentabilidadeV8),
    NX_TESTE_CAMPO(CNXDadosGC_Rentabilidade, PercLucratividadeV8),
    NX_TESTE_CAMPO(CNXDadosGC_Rentabilidade, PercLucratividadeEfetivaV8),
    NX_TESTE_CAMPO(CNXDadosGC_Rentabilidade, TipoAgrupamento),
    NX_TESTE_CAMPO(CNXDadosGC_Rentabilidade, ModuloOrigem),

    NX_TESTE_CAMPO(CNXDadosGC_RentabilidadeProdutoServico, Quantidade),
    NX_TESTE_CAMPO(CNXDadosGC_RentabilidadeProdutoServico, CustoPadraoV8),
    NX_TESTE_CAMPO(CNXDadosGC_RentabilidadeProdutoServico, TotalDespesasV8),
    NX_TESTE_CAMPO(CNXDadosGC_RentabilidadeProdutoServico, ValorIPIV8),
    NX_TESTE_CAMPO(CNXDadosGC_RentabilidadeProdutoServico, LucroLiquidoV8),
    NX_TESTE_CAMPO(CNXDadosGC_RentabilidadeProdutoServico, PrecoSugeridoV8),
    NX_TESTE_CAMPO(CNXDadosGC_RentabilidadeProdutoServico, PrecoMercadoV8),
    NX_TESTE_CAMPO(CNXDadosGC_RentabilidadeProdutoServico, VPPrecoMercadoV8),
    NX_TESTE_CAMPO(CNXDadosGC_RentabilidadeProdutoServico, RentabilidadeUnitariaV8),
    NX_TESTE_CAMPO(CNXDadosGC_RentabilidadeProdutoServico, PercRentabilidadeV8),
    NX_TESTE_CAMPO(CNXDadosGC_RentabilidadeProdutoServico, PonteiroIndice),
    NX_TESTE_CAMPO(CNXDadosGC_RentabilidadeProdutoServico, MaCompetencia),
    NX_TESTE_CAMPO(CNXDadosGC_RentabilidadeProdutoServico, PonteiroFilial),
    NX_TESTE_CAMPO(CNXDadosGC_RentabilidadeProdutoServico, PrazoMercado),
    NX_TESTE_CAMPO(CNXDadosGC_RentabilidadeProdutoServico, ConsiderarIPI),
    NX_TESTE_CAMPO(CNXDadosGC_RentabilidadeProdutoServico, SituacaoRentabilidade),

    NX_TESTE_CAMPO(CNXDadosGC_FiltroRentabilidade, DmaInicial),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroRentabilidade, DmaFinal),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroRentabilidade, NrNFInicial),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroRentabilidade, NrNFFinal),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroRentabilidade, PonteiroIndice),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroRentabilidade, PonteiroRepresentante),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroRentabilidade, PonteiroUF),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroRentabilidade, PonteiroCategoria1),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroRentabilidade, PonteiroCategoria2),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroRentabilidade, PonteiroCategoria3),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroRentabilidade, PonteiroFilial),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroRentabilidade, TipoAgrupamento),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroRentabilidade, TipoPessoa),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroRentabilidade, SomenteTotais),

    NX_TESTE_CAMPO(CNXDadosGC_MargemContribuicao, TotalCustoFixo),
    NX_TESTE_CAMPO(CNXDadosGC_MargemContribuicao, TotalDespesaFixa),
    NX_TESTE_CAMPO(CNXDadosGC_MargemContribuicao, TotalVendido),
    NX_TESTE_CAMPO(CNXDadosGC_MargemContribuicao, TotalContribuicao),
    NX_TESTE_CAMPO(CNXDadosGC_MargemContribuicao, PrejuizoLucroBruto),
    NX_TESTE_CAMPO(CNXDadosGC_MargemContribuicao, MaCompetencia),
    NX_TESTE_CAMPO(CNXDadosGC_MargemContribuicao, PonteiroFilial),
    NX_TESTE_CAMPO(CNXDadosGC_MargemContribuicaoProdServ, PrecoUnitarioVendidoV8),
    NX_TESTE_CAMPO(CNXDadosGC_MargemContribuicaoProdServ, CustoVariavelUnitarioV8),
    NX_TESTE_CAMPO(CNXDadosGC_MargemContribuicaoProdServ, ContribuicaoUnitariaV8),
    NX_TESTE_CAMPO(CNXDadosGC_MargemContribuicaoProdServ, ContribuicaoTotal),
    NX_TESTE_CAMPO(CNXDadosGC_MargemContribuicaoProdServ, QuantidadeVendida),
    NX_TESTE_CAMPO(CNXDadosGC_MargemContribuicaoProdServ, TotalVendido),
    NX_TESTE_CAMPO(CNXDadosGC_MargemContribuicaoProdServ, PercentualContribuicaoUnitaria),
    NX_TESTE_CAMPO(CNXDadosGC_MargemContribuicaoProdServData, QuantidadeVendida),
    NX_TESTE_CAMPO(CNXDadosGC_MargemContribuicaoProdServData, TotalVendido),
    NX_TESTE_CAMPO(CNXDadosGC_MargemContribuicaoProdServData, Dma),
    NX_TESTE_CAMPO(CNXDadosGC_MargemContribuicaoPEDetalhe, GastoFixo),
    NX_TESTE_CAMPO(CNXDadosGC_MargemContribuicaoPEDetalhe, CustoVariavel),
    NX_TESTE_CAMPO(CNXDadosGC_MargemContribuicaoPEDetalhe, Receita),
    NX_TESTE_CAMPO(CNXDadosGC_MargemContribuicaoPEDetalhe, CustoVariavelAcumulado),
    NX_TESTE_CAMPO(CNXDadosGC_MargemContribuicaoPEDetalhe, GastoAcumulado),
    NX_TESTE_CAMPO(CNXDadosGC_MargemContribuicaoPEDetalhe, ReceitaAcumulada),
    NX_TESTE_CAMPO(CNXDadosGC_MargemContribuicaoPEDetalhe, SaldoPE),
    NX_TESTE_CAMPO(CNXDadosGC_MargemContribuicaoPEDetalhe, Dma),
    NX_TESTE_CAMPO(CNXDadosGC_ParametrosMargemContribuicao, MaCompetencia),
    NX_TESTE_CAMPO(CNXDadosGC_ParametrosMargemContribuicao, PonteiroFilial),

    NX_TESTE_CAMPO(CNXDadosGC_FormacaoPreco, CustoPadraoV8),
    NX_TESTE_CAMPO(CNXDadosGC_FormacaoPreco, LucroLiquidoV8),
    NX_TESTE_CAMPO(CNXDadosGC_FormacaoPreco, TotalDespesasV8),
    NX_TESTE_CAMPO(CNXDadosGC_FormacaoPreco, PrecoVendaVistaV8),
    NX_TESTE_CAMPO(CNXDadosGC_FormacaoPreco, PrecoVendaPrazoV8),
    NX_TESTE_CAMPO(CNXDadosGC_FormacaoPreco, TaxaFinanceira),
    NX_TESTE_CAMPO(CNXDadosGC_FormacaoPreco, PrazoMedio),
    NX_TESTE_CAMPO(CNXDadosGC_FormacaoPreco, PercDespesasSemLucro),
    NX_TESTE_CAMPO(CNXDadosGC_FormacaoPreco, PercDespesasComLucro),
    NX_TESTE_CAMPO(CNXDadosGC_ParametrosFormacaoPrecoVenda, PonteiroIndiceCustos),
    NX_TESTE_CAMPO(CNXDadosGC_ParametrosFormacaoPrecoVenda, PonteiroRelacaoIndicesProdutos),
    NX_TESTE_CAMPO(CNXDadosGC_ParametrosFormacaoPrecoVenda, MaCompetencia),
    NX_TESTE_CAMPO(CNXDadosGC_ParametrosFormacaoPrecoVenda, PonteiroFilial),
};
const teste::Tabela kTabela(kCampos);

TEST(AcessoresRentabilidade, CadaCampoNoSeuDeslocamento) {
    for (const auto& caso : kCampos) teste::VerificarCampo(caso);
}


}  // namespace
