// Every field accessor of the period closing, master record and periods, against the record
// layout.
#include <gtest/gtest.h>

#include "support/Acessores.h"

namespace {

const teste::CasoCampo kCampos[] = {
    NX_TESTE_CAMPO(CNXDadosGC_EncerramentoCustos, DmaHmsEncerramento),
    NX_TESTE_CAMPO(CNXDadosGC_EncerramentoCustos, DmaHmsGravacao),
    NX_TESTE_CAMPO(CNXDadosGC_EncerramentoCustos, Chave),
    NX_TESTE_CAMPO(CNXDadosGC_EncerramentoCustos, PonteiroUsuarioEncerramento),
    NX_TESTE_CAMPO(CNXDadosGC_EncerramentoCustos, PonteiroUsuarioGravacao),
    NX_TESTE_CAMPO(CNXDadosGC_EncerramentoCustos, MaCompetencia),
    NX_TESTE_CAMPO(CNXDadosGC_EncerramentoCustos, PonteiroFilial),
    NX_TESTE_CAMPO(CNXDadosGC_EncerramentoCustos, ExistePeriodoAnterior),
    NX_TESTE_CAMPO(CNXDadosGC_EncerramentoCustos, SituacaoPeriodoAnterior),
    NX_TESTE_CAMPO(CNXDadosGC_EncerramentoCustos, Situacao),
    NX_TESTE_CAMPO(CNXDadosGC_EncerramentoCustos, Bloqueado),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroEncerramentoCustos, MaCompetenciaInicial),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroEncerramentoCustos, MaCompetenciaFinal),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroEncerramentoCustos, PonteiroFilial),
    NX_TESTE_CAMPO(CNXDadosGC_FiltroEncerramentoCustos, FiltroBloqueio),
    NX_TESTE_CAMPO(CNXDadosGC_ParametrosInvalidarEncerramentoCustos, MaCompetencia),
    NX_TESTE_CAMPO(CNXDadosGC_ParametrosInvalidarEncerramentoCustos, PonteiroFilial),
    NX_TESTE_CAMPO(CNXDadosGC_ParametrosInvalidarEncerramentoCustos, EfetivarAlteracao),
    NX_TESTE_CAMPO(CNXDadosGC_Mestre, VersaoSistema),
    NX_TESTE_CAMPO(CNXDadosGC_Mestre, QuantidadeTerminais),
    NX_TESTE_CAMPO(CNXDadosGC_Mestre, SecaoUso),
    NX_TESTE_CAMPO(CNXDadosGC_Mestre, CodigoCliente),
    NX_TESTE_CAMPO(CNXDadosGC_Mestre, CodigoClienteEscritorio),
    NX_TESTE_CAMPO(CNXDadosGC_Mestre, PossuiCustoIndustrial),
    NX_TESTE_CAMPO(CNXDadosGC_Mestre, MaImplantacao),
    NX_TESTE_CAMPO(CNXDadosGC_Mestre, MaBloqueioCustos),
    NX_TESTE_CAMPO(CNXDadosGC_Mestre, MaVisualizacao),
    NX_TESTE_CAMPO(CNXDadosGC_Mestre, UsaBloqueioVisualizacao),
    NX_TESTE_CAMPO(CNXDadosGC_Mestre, DigitosDataRelatorio),
    NX_TESTE_CAMPO(CNXDadosGC_Mestre, TipoCargaLanctoCustosReal),
    NX_TESTE_CAMPO(CNXDadosGC_Mestre, TipoCargaLanctoHoraPadrao),
    NX_TESTE_CAMPO(CNXDadosGC_Mestre, UtilizaEficienciaRecurso),
    NX_TESTE_CAMPO(CNXDadosGC_Mestre, TipoCargaDespesas),
    NX_TESTE_CAMPO(CNXDadosGC_InfoPeriodos, DmaMovimentacaoInferior),
    NX_TESTE_CAMPO(CNXDadosGC_InfoPeriodos, DmaMovimentacaoSuperior),
    NX_TESTE_CAMPO(CNXDadosGC_InfoPeriodos, DmaIntegracaoInferior),
    NX_TESTE_CAMPO(CNXDadosGC_InfoPeriodos, DmaIntegracaoSuperior),
    NX_TESTE_CAMPO(CNXDadosGC_InfoPeriodos, MaBloqueio),
    NX_TESTE_CAMPO(CNXDadosGC_InfoPeriodos, MaBloqueioCustos),
    NX_TESTE_CAMPO(CNXDadosGC_InfoPeriodos, MaBloqueioVisualizacao),
    NX_TESTE_CAMPO(CNXDadosGC_InfoPeriodos, MaBloqueioIntegracaoFilial),
    NX_TESTE_CAMPO(CNXDadosGC_InfoPeriodos, MaLUT),
    NX_TESTE_CAMPO(CNXDadosGC_InfoPeriodos, PonteiroFilial),
    NX_TESTE_CAMPO(CNXDadosGC_InfoPeriodos, TemLUT),
};
const teste::Tabela kTabela(kCampos);

}  // namespace
