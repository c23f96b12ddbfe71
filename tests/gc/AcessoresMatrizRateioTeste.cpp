// Every field accessor of the account classification and the allocation matrix, against the
// record layout.
#include <gtest/gtest.h>

#include "support/Acessores.h"

namespace {

const teste::CasoCampo kCampos[] = {
    NX_TESTE_CAMPO(CNXDadosGC_ClassificacaoConta, DmaHmsGravacao),
    NX_TESTE_CAMPO(CNXDadosGC_ClassificacaoConta, Posicao),
    NX_TESTE_CAMPO(CNXDadosGC_ClassificacaoConta, PonteiroContaContabil),
    NX_TESTE_CAMPO(CNXDadosGC_ClassificacaoConta, PonteiroUsuarioGravacao),
    NX_TESTE_CAMPO(CNXDadosGC_ClassificacaoConta, TipoCustoDespesa),
    NX_TESTE_CAMPO(CNXDadosGC_ClassificacaoConta, TipoFixoVariavel),
    NX_TESTE_CAMPO(CNXDadosGC_ClassificacaoConta, Excluido),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroClassificacaoConta, PonteiroClassificacaoContas),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroClassificacaoConta, PonteiroContaContabil),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroClassificacaoConta, FiltroTipoCustoDespesa),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroClassificacaoConta, FiltroTipoFixoVariavel),

    NX_TESTE_CAMPO(CNXDadosGC_MatrizRateio, DmaHmsGravacao),
    NX_TESTE_CAMPO(CNXDadosGC_MatrizRateio, PonteiroUsuarioGravacao),
    NX_TESTE_CAMPO(CNXDadosGC_MatrizRateio, MaCompetencia),
    NX_TESTE_CAMPO(CNXDadosGC_MatrizRateio, PonteiroFilial),
    NX_TESTE_CAMPO(CNXDadosGC_MatrizRateio, Excluido),
    NX_TESTE_CAMPO(CNXDadosGC_MatrizRateioConta, TotalRateio),
    NX_TESTE_CAMPO(CNXDadosGC_MatrizRateioConta, ValorLancado),
    NX_TESTE_CAMPO(CNXDadosGC_MatrizRateioConta, PonteiroContaContabil),
    NX_TESTE_CAMPO(CNXDadosGC_MatrizRateioConta, PonteiroContaGerencial),
    NX_TESTE_CAMPO(CNXDadosGC_MatrizRateioCentroCustos, ValorRateio),
    NX_TESTE_CAMPO(CNXDadosGC_MatrizRateioCentroCustos, PonteiroCentroCustos),
    NX_TESTE_CAMPO(CNXDadosGC_MatrizRateioCentroCustos, CaracteristicaCentroCustos),
    NX_TESTE_CAMPO(CNXDadosGC_MatrizRateioCentroCustosApoio, TotalRateio),
    NX_TESTE_CAMPO(CNXDadosGC_MatrizRateioCentroCustosApoio, ValorLancado),
    NX_TESTE_CAMPO(CNXDadosGC_MatrizRateioCentroCustosApoio, PonteiroCentroCustos),
    NX_TESTE_CAMPO(CNXDadosGC_MatrizRateioCentroCustosApoio, CaracteristicaCentroCustos),
    NX_TESTE_CAMPO(CNXDadosGC_MatrizRateioCentroCustosProdutivo, ValorRateio),
    NX_TESTE_CAMPO(CNXDadosGC_MatrizRateioCentroCustosProdutivo, CustoFixo),
    NX_TESTE_CAMPO(CNXDadosGC_MatrizRateioCentroCustosProdutivo, CustoVariavel),
    NX_TESTE_CAMPO(CNXDadosGC_MatrizRateioCentroCustosProdutivo, PonteiroCentroCustos),
    NX_TESTE_CAMPO(CNXDadosGC_MatrizRateioCentroCustosProdutivo, CaracteristicaCentroCustos),

    NX_TESTE_CAMPO(CNXDadosGC_FiltroMatrizRateio, MaCompetencia),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroMatrizRateio, PonteiroFilial),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroMatrizRateioRelacionamento, PonteiroCentroCustos),
    NX_TESTE_CAMPO(CNXDadosGC_ParametrosInvalidarMatrizRateio, MaCompetencia),
    NX_TESTE_CAMPO(CNXDadosGC_ParametrosInvalidarMatrizRateio, PonteiroFilial),
    NX_TESTE_CAMPO(CNXDadosGC_ParametrosInvalidarMatrizRateio, EfetivarAlteracao),
};
const teste::Tabela kTabela(kCampos);


}  // namespace
