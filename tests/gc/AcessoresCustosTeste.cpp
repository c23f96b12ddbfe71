// Every field accessor of the standard, commercial and hourly costs, their filters and loads, against the record layout.
#include <gtest/gtest.h>

#include "support/Acessores.h"

namespace {

const teste::CasoCampo kCampos[] = {
    NX_TESTE_CAMPO(CNXDadosGC_CustoPadraoConta, CustoPadrao),
    NX_TESTE_CAMPO(CNXDadosGC_CustoPadraoConta, PonteiroContaContabil),
    NX_TESTE_CAMPO(CNXDadosGC_CustoPadraoConta, PonteiroContaGerencial),
    NX_TESTE_CAMPO(CNXDadosGC_CustoPadrao, Posicao),
    NX_TESTE_CAMPO(CNXDadosGC_CustoPadrao, PonteiroFilial),
    NX_TESTE_CAMPO(CNXDadosGC_CustoPadrao, Inativo),
    NX_TESTE_TEXTO(CNXDadosGC_CustoPadrao, Codigo),
    NX_TESTE_TEXTO(CNXDadosGC_CustoPadrao, Descricao),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroCustoPadrao, Posicao),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroCustoPadrao, PonteiroContaContabil),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroCustoPadrao, PonteiroContaGerencial),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroCustoPadrao, PonteiroFilial),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroCustoPadrao, AtivoInativo),
    NX_TESTE_CAMPO(CNXDadosGC_CustoComercial, PosicaoProdutoServico),
    NX_TESTE_CAMPO(CNXDadosGC_CustoComercial, DmaHmsGravacao),
    NX_TESTE_CAMPO(CNXDadosGC_CustoComercial, CustoUnitarioV8),
    NX_TESTE_CAMPO(CNXDadosGC_CustoComercial, Chave),
    NX_TESTE_CAMPO(CNXDadosGC_CustoComercial, PonteiroUsuarioGravacao),
    NX_TESTE_CAMPO(CNXDadosGC_CustoComercial, MaCompetencia),
    NX_TESTE_CAMPO(CNXDadosGC_CustoComercial, PonteiroFilial),
    NX_TESTE_CAMPO(CNXDadosGC_CustoComercial, TipoProdutoServico),
    NX_TESTE_CAMPO(CNXDadosGC_CustoComercial, OrigemCustoComercial),
    NX_TESTE_CAMPO(CNXDadosGC_CustoComercial, Excluido),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroCustoComercial, MaCompetenciaInicial),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroCustoComercial, MaCompetenciaFinal),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroCustoComercial, MaCompetenciaTreeInicial),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroCustoComercial, MaCompetenciaTreeFinal),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroCustoComercial, PonteiroFilial),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroCustoComercial, FiltrarProdutoServicoExato),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroCustoComercial, NaoVerificarFilialAtiva),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroCargaCustoComercial, PonteiroTabelaPrecoCompra),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroCargaCustoComercial, MaCompetencia),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroCargaCustoComercial, PonteiroFilial),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroCargaCustoComercial, TipoCalculoInsumo),
    NX_TESTE_CAMPO(CNXDadosGC_CustoHora, QuantHorasProducao),
    NX_TESTE_CAMPO(CNXDadosGC_CustoHora, QuantHorasOciosas),
    NX_TESTE_CAMPO(CNXDadosGC_CustoHora, ValorGGFTotal),
    NX_TESTE_CAMPO(CNXDadosGC_CustoHora, ValorGGFFixoTotal),
    NX_TESTE_CAMPO(CNXDadosGC_CustoHora, ValorGGFVariavelTotal),
    NX_TESTE_CAMPO(CNXDadosGC_CustoHora, CustoProducaoHora),
    NX_TESTE_CAMPO(CNXDadosGC_CustoHora, CustoOciosoHora),
    NX_TESTE_CAMPO(CNXDadosGC_CustoHora, CustoProducaoMinuto),
    NX_TESTE_CAMPO(CNXDadosGC_CustoHora, CustoOciosoMinuto),
    NX_TESTE_CAMPO(CNXDadosGC_CustoHora, CustoProducaoHoraFixo),
    NX_TESTE_CAMPO(CNXDadosGC_CustoHora, CustoOciosoHoraFixo),
    NX_TESTE_CAMPO(CNXDadosGC_CustoHora, CustoProducaoHoraVariavel),
    NX_TESTE_CAMPO(CNXDadosGC_CustoHora, PonteiroCentroCustos),
};
const teste::Tabela kTabela(kCampos);

}  // namespace
