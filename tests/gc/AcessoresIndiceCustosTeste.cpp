// Every field accessor of the cost indices, against the record layout.
#include <gtest/gtest.h>

#include "support/Acessores.h"

namespace {

const teste::CasoCampo kCampos[] = {
    NX_TESTE_CAMPOS(CNXDadosGC_IndiceCustos, TaxaFinanceira, PrazoMedio, LucroLiquido, RepComissaoFaturamento,
                    RepComissaoVencimento, VendComissaoFaturamento, VendComissaoVencimento, ICMS, PIS, COFINS,
                    Frete, Marketing, Estrutura, ImpostoRenda, Posicao)
    NX_TESTE_TEXTOS(CNXDadosGC_IndiceCustos, Codigo, Descricao)
    NX_TESTE_CAMPO(CNXDadosGC_IndiceCustosValorPersonalizado, Valor),
    NX_TESTE_TEXTO(CNXDadosGC_IndiceCustosValorPersonalizado, Descricao),
    NX_TESTE_CAMPO(CNXDadosGC_IndiceCustosPersonalizado, Posicao),
    NX_TESTE_TEXTO(CNXDadosGC_IndiceCustosPersonalizado, Descricao),
    NX_TESTE_CAMPOS(CNXDadosGC_IdentificacaoIndiceCustos, Posicao, PonteiroIndiceCustos, PonteiroCliente,
                    CliPonteiroCategoria1, CliPonteiroCategoria2, CliPonteiroCategoria3,
                    PonteiroRepresentante, PonteiroFilial, Inativo, TipoProducao, PossuiSubstTributaria,
                    PossuiPIS, PossuiCOFINS, TipoFiltroCliente, CliTipoPessoa, CliRegiaoFiscal,
                    CliDestinoOperacao, CliContribuinteICMS, FretePorConta)
    NX_TESTE_TEXTOS(CNXDadosGC_IdentificacaoIndiceCustos, Codigo, Descricao)
    NX_TESTE_CAMPO(CNXDadosGC_RelacaoIndiceProduto, Posicao),
    NX_TESTE_TEXTOS(CNXDadosGC_RelacaoIndiceProduto, Codigo, Descricao)
    NX_TESTE_CAMPO(CNXDadosGC_RelacaoIndiceProduto, Excluido),
    NX_TESTE_CAMPOS(CNXDadosGC_RelacaoIndiceProdutoItem, PosicaoProduto, PonteiroIndiceCusto)
    NX_TESTE_CAMPO(CNXDadosGC_FiltroRelacaoIndiceProduto, PonteiroRelacaoIndiceProduto),
    NX_TESTE_TEXTO(CNXDadosGC_FiltroRelacaoIndiceProduto, Codigo),
};
const teste::Tabela kTabela(kCampos);

}  // namespace
