// Every field accessor of profitability, contribution margin and price formation, against the
// record layout. (The product/service class's own field is checked with the keys.)
#include <gtest/gtest.h>

#include "support/Acessores.h"

namespace {

const teste::CasoCampo kCampos[] = {
    NX_TESTE_CAMPOS(CNXDadosGC_Rentabilidade, Quantidade, CustoUnitarioV8, DespesaUnitariaV8,
                    DespesaUnitariaEfetivaV8, PrecoUnitarioSugeridoV8, PrecoUnitarioAplicadoV8, TotalCustos,
                    TotalDespesas, TotalDespesasEfetiva, TotalSugerido, TotalAplicado, Rentabilidade,
                    Lucratividade, LucratividadeEfetiva, PercRentabilidadeV8, PercLucratividadeV8,
                    PercLucratividadeEfetivaV8, TipoAgrupamento, ModuloOrigem)

    NX_TESTE_CAMPOS(CNXDadosGC_RentabilidadeProdutoServico, Quantidade, CustoPadraoV8, TotalDespesasV8,
                    ValorIPIV8, LucroLiquidoV8, PrecoSugeridoV8, PrecoMercadoV8, VPPrecoMercadoV8,
                    RentabilidadeUnitariaV8, PercRentabilidadeV8, PonteiroIndice, MaCompetencia,
                    PonteiroFilial, PrazoMercado, ConsiderarIPI, SituacaoRentabilidade)

    NX_TESTE_CAMPOS(CNXDadosGC_FiltroRentabilidade, DmaInicial, DmaFinal, NrNFInicial, NrNFFinal,
                    PonteiroIndice, PonteiroRepresentante, PonteiroUF, PonteiroCategoria1, PonteiroCategoria2,
                    PonteiroCategoria3, PonteiroFilial, TipoAgrupamento, TipoPessoa, SomenteTotais)

    NX_TESTE_CAMPOS(CNXDadosGC_MargemContribuicao, TotalCustoFixo, TotalDespesaFixa, TotalVendido,
                    TotalContribuicao, PrejuizoLucroBruto, MaCompetencia, PonteiroFilial)
    NX_TESTE_CAMPOS(CNXDadosGC_MargemContribuicaoProdServ, PrecoUnitarioVendidoV8, CustoVariavelUnitarioV8,
                    ContribuicaoUnitariaV8, ContribuicaoTotal, QuantidadeVendida, TotalVendido,
                    PercentualContribuicaoUnitaria)
    NX_TESTE_CAMPOS(CNXDadosGC_MargemContribuicaoProdServData, QuantidadeVendida, TotalVendido, Dma)
    NX_TESTE_CAMPOS(CNXDadosGC_MargemContribuicaoPEDetalhe, GastoFixo, CustoVariavel, Receita,
                    CustoVariavelAcumulado, GastoAcumulado, ReceitaAcumulada, SaldoPE, Dma)
    NX_TESTE_CAMPOS(CNXDadosGC_ParametrosMargemContribuicao, MaCompetencia, PonteiroFilial)

    NX_TESTE_CAMPOS(CNXDadosGC_FormacaoPreco, CustoPadraoV8, LucroLiquidoV8, TotalDespesasV8,
                    PrecoVendaVistaV8, PrecoVendaPrazoV8, TaxaFinanceira, PrazoMedio, PercDespesasSemLucro,
                    PercDespesasComLucro)
    NX_TESTE_CAMPOS(CNXDadosGC_ParametrosFormacaoPrecoVenda, PonteiroIndiceCustos,
                    PonteiroRelacaoIndicesProdutos, MaCompetencia, PonteiroFilial)
};
const teste::Tabela kTabela(kCampos);


}  // namespace
