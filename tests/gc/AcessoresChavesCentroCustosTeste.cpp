// Every field accessor of the keys and cost centres, against the record layout.
#include <gtest/gtest.h>

#include "support/Acessores.h"

namespace {

const teste::CasoCampo kCampos[] = {
    NX_TESTE_CAMPO(CNXDadosGC_KeyCompetencia, MaCompetencia),
    NX_TESTE_CAMPO(CNXDadosGC_KeyCompetencia, PonteiroFilial),
    NX_TESTE_CAMPO(CNXDadosGC_KeyProdutoServico, PosicaoProdutoServico),
    NX_TESTE_CAMPO(CNXDadosGC_KeyProdutoServico, TipoProdutoServico),
    NX_TESTE_CAMPO(CNXDadosGC_KeyProdutoServicoCompetencia, PosicaoProdutoServico),
    NX_TESTE_CAMPO(CNXDadosGC_KeyProdutoServicoCompetencia, MaCompetencia),
    NX_TESTE_CAMPO(CNXDadosGC_KeyProdutoServicoCompetencia, PonteiroFilial),
    NX_TESTE_CAMPO(CNXDadosGC_KeyProdutoServicoCompetencia, TipoProdutoServico),
    NX_TESTE_CAMPO(CNXDadosGC_KeyContaCustos, PonteiroContaContabil),
    NX_TESTE_CAMPO(CNXDadosGC_KeyContaCustos, PonteiroContaGerencial),
    NX_TESTE_CAMPO(CNXDadosGC_KeyCentroCustosCompetencia, PonteiroCentroCustos),
    NX_TESTE_CAMPO(CNXDadosGC_KeyCentroCustosCompetencia, MaCompetencia),
    NX_TESTE_CAMPO(CNXDadosGC_KeyCentroCustosCompetencia, PonteiroFilial),
    NX_TESTE_CAMPO(CNXDadosGC_KeyCustoProdutoServico, PosicaoProdutoServico),
    NX_TESTE_CAMPO(CNXDadosGC_KeyCustoProdutoServico, PonteiroProcesso),
    NX_TESTE_CAMPO(CNXDadosGC_KeyCustoProdutoServico, MaCompetencia),
    NX_TESTE_CAMPO(CNXDadosGC_KeyCustoProdutoServico, PonteiroFilial),
    NX_TESTE_CAMPO(CNXDadosGC_KeyCustoProdutoServico, TipoProdutoServico),
    NX_TESTE_CAMPO(CNXDadosGC_KeyCustoProdutoServico, TipoCusto),
    NX_TESTE_CAMPO(CNXDadosGC_KeyAlocacaoGGF, PonteiroContaContabil),
    NX_TESTE_CAMPO(CNXDadosGC_KeyAlocacaoGGF, PonteiroCentroCustos),
    NX_TESTE_CAMPO(CNXDadosGC_KeyAlocacaoGGF, MaCompetencia),
    NX_TESTE_CAMPO(CNXDadosGC_KeyAlocacaoGGF, PonteiroFilial),
    NX_TESTE_CAMPO(CNXDadosGC_KeyRentabilidade, PosicaoProdutoServico),
    NX_TESTE_CAMPO(CNXDadosGC_KeyRentabilidade, PonteiroAgrupamento),
    NX_TESTE_CAMPO(CNXDadosGC_KeyRentabilidade, TipoProdutoServico),
    NX_TESTE_CAMPO(CNXDadosGC_KeyIdentificacaoIndiceCustos, PosicaoProduto),
    NX_TESTE_CAMPO(CNXDadosGC_KeyIdentificacaoIndiceCustos, Dma),
    NX_TESTE_CAMPO(CNXDadosGC_KeyIdentificacaoIndiceCustos, PonteiroIndiceCustos),
    NX_TESTE_CAMPO(CNXDadosGC_KeyIdentificacaoIndiceCustos, PonteiroCliente),
    NX_TESTE_CAMPO(CNXDadosGC_KeyIdentificacaoIndiceCustos, PonteiroRepresentante),
    NX_TESTE_CAMPO(CNXDadosGC_KeyIdentificacaoIndiceCustos, PonteiroUF),
    NX_TESTE_CAMPO(CNXDadosGC_KeyIdentificacaoIndiceCustos, PonteiroFilial),
    NX_TESTE_CAMPO(CNXDadosGC_KeyIdentificacaoIndiceCustos, TipoProdutoServico),
    NX_TESTE_CAMPO(CNXDadosGC_KeyProcessoCustoProducao, PonteiroProcesso),
    NX_TESTE_CAMPO(CNXDadosGC_KeyProcessoCustoProducao, PonteiroCentroCustos),
    NX_TESTE_CAMPO(CNXDadosGC_KeyProcessoCustoProducao, MaCompetencia),
    NX_TESTE_CAMPO(CNXDadosGC_KeyInsumoCustoProducao, PosicaoInsumo),
    NX_TESTE_CAMPO(CNXDadosGC_KeyInsumoCustoProducao, MaCompetencia),

    NX_TESTE_CAMPO(CNXDadosGC_CentroCustos, PercentualEficiencia),
    NX_TESTE_CAMPO(CNXDadosGC_CentroCustos, Posicao),
    NX_TESTE_CAMPO(CNXDadosGC_CentroCustos, PonteiroFilial),
    NX_TESTE_CAMPO(CNXDadosGC_CentroCustos, CaracteristicaCC),
    NX_TESTE_CAMPO(CNXDadosGC_CentroCustos, Inativo),
    NX_TESTE_TEXTO(CNXDadosGC_CentroCustos, Codigo),
    NX_TESTE_TEXTO(CNXDadosGC_CentroCustos, Descricao),
    NX_TESTE_CAMPO(CNXDadosGC_CentroCustosConta, ValorRateio),
    NX_TESTE_CAMPO(CNXDadosGC_CentroCustosConta, PonteiroContaContabil),
    NX_TESTE_CAMPO(CNXDadosGC_CentroCustosConta, PonteiroContaGerencial),
    NX_TESTE_CAMPO(CNXDadosGC_CentroCustosConta, ValorDiferenciado),
    NX_TESTE_CAMPO(CNXDadosGC_CentroCustosProdutivo, ValorRateio),
    NX_TESTE_CAMPO(CNXDadosGC_CentroCustosProdutivo, PonteiroCentroCustos),
    NX_TESTE_CAMPO(CNXDadosGC_CentroCustosProdutivo, ValorDiferenciado),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroCentroCustos, Posicao),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroCentroCustos, PonteiroContaContabil),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroCentroCustos, PonteiroContaGerencial),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroCentroCustos, PonteiroFilial),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroCentroCustos, FlagCaracteristicaApoio),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroCentroCustos, FlagCaracteristicaProducao),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroCentroCustos, FlagCaracteristicaAdministrativo),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroCentroCustos, AtivoInativo),
    NX_TESTE_CAMPO(CNXDadosGC_HorasCentroCustos, QuantHorasProducao),
    NX_TESTE_CAMPO(CNXDadosGC_HorasCentroCustos, QuantHorasOciosas),
    NX_TESTE_CAMPO(CNXDadosGC_ProdutoServicoClasse, ConsiderarVariacoesGrades),
};
const teste::Tabela kTabela(kCampos);

TEST(AcessoresChavesCentroCustos, CadaCampoNoSeuDeslocamento) {
    for (const auto& caso : kCampos) teste::VerificarCampo(caso);
}

}  // namespace
