// Every field accessor of the account classification and the allocation matrix, against the
// record layout.
#include <gtest/gtest.h>

#include "support/Acessores.h"

namespace {

const teste::CasoCampo kCampos[] = {
    NX_TESTE_CAMPOS(CNXDadosGC_ClassificacaoConta, DmaHmsGravacao, Posicao, PonteiroContaContabil,
                    PonteiroUsuarioGravacao, TipoCustoDespesa, TipoFixoVariavel, Excluido)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroClassificacaoConta, PonteiroClassificacaoContas, PonteiroContaContabil,
                    FiltroTipoCustoDespesa, FiltroTipoFixoVariavel)

    NX_TESTE_CAMPOS(CNXDadosGC_MatrizRateio, DmaHmsGravacao, PonteiroUsuarioGravacao, MaCompetencia,
                    PonteiroFilial, Excluido)
    NX_TESTE_CAMPOS(CNXDadosGC_MatrizRateioConta, TotalRateio, ValorLancado, PonteiroContaContabil,
                    PonteiroContaGerencial)
    NX_TESTE_CAMPOS(CNXDadosGC_MatrizRateioCentroCustos, ValorRateio, PonteiroCentroCustos,
                    CaracteristicaCentroCustos)
    NX_TESTE_CAMPOS(CNXDadosGC_MatrizRateioCentroCustosApoio, TotalRateio, ValorLancado, PonteiroCentroCustos,
                    CaracteristicaCentroCustos)
    NX_TESTE_CAMPOS(CNXDadosGC_MatrizRateioCentroCustosProdutivo, ValorRateio, CustoFixo, CustoVariavel,
                    PonteiroCentroCustos, CaracteristicaCentroCustos)

    NX_TESTE_CAMPOS(CNXDadosGC_FiltroMatrizRateio, MaCompetencia, PonteiroFilial)
    NX_TESTE_CAMPO(CNXDadosGC_FiltroMatrizRateioRelacionamento, PonteiroCentroCustos),
    NX_TESTE_CAMPOS(CNXDadosGC_ParametrosInvalidarMatrizRateio, MaCompetencia, PonteiroFilial,
                    EfetivarAlteracao)
};
const teste::Tabela kTabela(kCampos);


}  // namespace
