// Every field accessor of the cost indices, against the record layout.
#include <gtest/gtest.h>

#include "support/Acessores.h"

namespace {

const teste::CasoCampo kCampos[] = {
    NX_TESTE_CAMPO(CNXDadosGC_IndiceCustos, TaxaFinanceira),
    NX_TESTE_CAMPO(CNXDadosGC_IndiceCustos, PrazoMedio),
    NX_TESTE_CAMPO(CNXDadosGC_IndiceCustos, LucroLiquido),
    NX_TESTE_CAMPO(CNXDadosGC_IndiceCustos, RepComissaoFaturamento),
    NX_TESTE_CAMPO(CNXDadosGC_IndiceCustos, RepComissaoVencimento),
    NX_TESTE_CAMPO(CNXDadosGC_IndiceCustos, VendComissaoFaturamento),
    NX_TESTE_CAMPO(CNXDadosGC_IndiceCustos, VendComissaoVencimento),
    NX_TESTE_CAMPO(CNXDadosGC_IndiceCustos, ICMS),
    NX_TESTE_CAMPO(CNXDadosGC_IndiceCustos, PIS),
    NX_TESTE_CAMPO(CNXDadosGC_IndiceCustos, COFINS),
    NX_TESTE_CAMPO(CNXDadosGC_IndiceCustos, Frete),
    NX_TESTE_CAMPO(CNXDadosGC_IndiceCustos, Marketing),
    NX_TESTE_CAMPO(CNXDadosGC_IndiceCustos, Estrutura),
    NX_TESTE_CAMPO(CNXDadosGC_IndiceCustos, ImpostoRenda),
    NX_TESTE_CAMPO(CNXDadosGC_IndiceCustos, Posicao),
    NX_TESTE_TEXTO(CNXDadosGC_IndiceCustos, Codigo),
    NX_TESTE_TEXTO(CNXDadosGC_IndiceCustos, Descricao),
    NX_TESTE_CAMPO(CNXDadosGC_IndiceCustosValorPersonalizado, Valor),
    NX_TESTE_TEXTO(CNXDadosGC_IndiceCustosValorPersonalizado, Descricao),
    NX_TESTE_CAMPO(CNXDadosGC_IndiceCustosPersonalizado, Posicao),
    NX_TESTE_TEXTO(CNXDadosGC_IndiceCustosPersonalizado, Descricao),
    NX_TESTE_CAMPO(CNXDadosGC_IdentificacaoIndiceCustos, Posicao),
    NX_TESTE_CAMPO(CNXDadosGC_IdentificacaoIndiceCustos, PonteiroIndiceCustos),
    NX_TESTE_CAMPO(CNXDadosGC_IdentificacaoIndiceCustos, PonteiroCliente),
    NX_TESTE_CAMPO(CNXDadosGC_IdentificacaoIndiceCustos, CliPonteiroCategoria1),
    NX_TESTE_CAMPO(CNXDadosGC_IdentificacaoIndiceCustos, CliPonteiroCategoria2),
    NX_TESTE_CAMPO(CNXDadosGC_IdentificacaoIndiceCustos, CliPonteiroCategoria3),
    NX_TESTE_CAMPO(CNXDadosGC_IdentificacaoIndiceCustos, PonteiroRepresentante),
    NX_TESTE_CAMPO(CNXDadosGC_IdentificacaoIndiceCustos, PonteiroFilial),
    NX_TESTE_CAMPO(CNXDadosGC_IdentificacaoIndiceCustos, Inativo),
    NX_TESTE_CAMPO(CNXDadosGC_IdentificacaoIndiceCustos, TipoProducao),
    NX_TESTE_CAMPO(CNXDadosGC_IdentificacaoIndiceCustos, PossuiSubstTributaria),
    NX_TESTE_CAMPO(CNXDadosGC_IdentificacaoIndiceCustos, PossuiPIS),
    NX_TESTE_CAMPO(CNXDadosGC_IdentificacaoIndiceCustos, PossuiCOFINS),
    NX_TESTE_CAMPO(CNXDadosGC_IdentificacaoIndiceCustos, TipoFiltroCliente),
    NX_TESTE_CAMPO(CNXDadosGC_IdentificacaoIndiceCustos, CliTipoPessoa),
    NX_TESTE_CAMPO(CNXDadosGC_IdentificacaoIndiceCustos, CliRegiaoFiscal),
    NX_TESTE_CAMPO(CNXDadosGC_IdentificacaoIndiceCustos, CliDestinoOperacao),
    NX_TESTE_CAMPO(CNXDadosGC_IdentificacaoIndiceCustos, CliContribuinteICMS),
    NX_TESTE_CAMPO(CNXDadosGC_IdentificacaoIndiceCustos, FretePorConta),
    NX_TESTE_TEXTO(CNXDadosGC_IdentificacaoIndiceCustos, Codigo),
    NX_TESTE_TEXTO(CNXDadosGC_IdentificacaoIndiceCustos, Descricao),
    NX_TESTE_CAMPO(CNXDadosGC_RelacaoIndiceProduto, Posicao),
    NX_TESTE_TEXTO(CNXDadosGC_RelacaoIndiceProduto, Codigo),
    NX_TESTE_TEXTO(CNXDadosGC_RelacaoIndiceProduto, Descricao),
    NX_TESTE_CAMPO(CNXDadosGC_RelacaoIndiceProduto, Excluido),
    NX_TESTE_CAMPO(CNXDadosGC_RelacaoIndiceProdutoItem, PosicaoProduto),
    NX_TESTE_CAMPO(CNXDadosGC_RelacaoIndiceProdutoItem, PonteiroIndiceCusto),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroRelacaoIndiceProduto, PonteiroRelacaoIndiceProduto),
    NX_TESTE_TEXTO(CNXDadosGC_FiltroRelacaoIndiceProduto, Codigo),
};
const teste::Tabela kTabela(kCampos);

}  // namespace
