// Every field accessor of the period closing, master record and periods, against the record
// layout.
#include <gtest/gtest.h>

#include "support/Acessores.h"

namespace {

const teste::CasoCampo kCampos[] = {
    NX_TESTE_CAMPOS(CNXDadosGC_EncerramentoCustos, DmaHmsEncerramento, DmaHmsGravacao, Chave,
                    PonteiroUsuarioEncerramento, PonteiroUsuarioGravacao, MaCompetencia, PonteiroFilial,
                    ExistePeriodoAnterior, SituacaoPeriodoAnterior, Situacao, Bloqueado)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroEncerramentoCustos, MaCompetenciaInicial, MaCompetenciaFinal,
                    PonteiroFilial, FiltroBloqueio)
    NX_TESTE_CAMPOS(CNXDadosGC_ParametrosInvalidarEncerramentoCustos, MaCompetencia, PonteiroFilial,
                    EfetivarAlteracao)
    NX_TESTE_CAMPOS(CNXDadosGC_Mestre, VersaoSistema, QuantidadeTerminais, SecaoUso, CodigoCliente,
                    CodigoClienteEscritorio, PossuiCustoIndustrial, MaImplantacao, MaBloqueioCustos,
                    MaVisualizacao, UsaBloqueioVisualizacao, DigitosDataRelatorio, TipoCargaLanctoCustosReal,
                    TipoCargaLanctoHoraPadrao, UtilizaEficienciaRecurso, TipoCargaDespesas)
    NX_TESTE_CAMPOS(CNXDadosGC_InfoPeriodos, DmaMovimentacaoInferior, DmaMovimentacaoSuperior,
                    DmaIntegracaoInferior, DmaIntegracaoSuperior, MaBloqueio, MaBloqueioCustos,
                    MaBloqueioVisualizacao, MaBloqueioIntegracaoFilial, MaLUT, PonteiroFilial, TemLUT)
};
const teste::Tabela kTabela(kCampos);

}  // namespace
