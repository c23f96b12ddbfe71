// Every field accessor of the postings, their filters and their load and copy parameters, against the record layout.
#include <gtest/gtest.h>

#include "support/Acessores.h"

namespace {

const teste::CasoCampo kCampos[] = {
    NX_TESTE_CAMPOS(CNXDadosGC_LancamentoDespesasConta, TotalConta, PonteiroConta)
    NX_TESTE_CAMPOS(CNXDadosGC_LancamentoDespesas, DmaHmsEmissao, DmaHmsGravacao, Chave,
                    PonteiroUsuarioEmissao, PonteiroUsuarioGravacao, MaCompetencia, PonteiroFilial, Origem)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroLancamentoDespesas, ChaveInicial, ChaveFinal, PonteiroConta,
                    MaCompetenciaInicial, MaCompetenciaFinal, MaTreeInicial, MaTreeFinal, PonteiroFilial,
                    FiltroOrigem, NaoVerificarFilialAtiva)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroCargaLanctoDespesas, PercProjecao, MaOrigem, MaDestinoInicial,
                    MaDestinoFinal, PonteiroFilial, TipoProjecao)
    NX_TESTE_CAMPOS(CNXDadosGC_LancamentoGGF, DmaHmsEmissao, DmaHmsGravacao, Valor, Chave,
                    PonteiroContaContabil, PonteiroContaGerencial, PonteiroUsuarioEmissao,
                    PonteiroUsuarioGravacao, MaCompetencia, PonteiroFilial, Origem, Excluido)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroLancamentoGGF, ChaveInicial, ChaveFinal, PonteiroContaContabil,
                    PonteiroContaGerencial, MaCompetenciaInicial, MaCompetenciaFinal, MaTreeInicial,
                    MaTreeFinal, PonteiroFilial, FiltroOrigem, NaoVerificarFilialAtiva)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroCargaLanctoGGFPadrao, PonteiroCustoPadrao, MaCompetencia)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroCargaLanctoGGFReal, MaCompetencia, PonteiroFilial)
    NX_TESTE_CAMPOS(CNXDadosGC_LancamentoHoras, DmaHmsEmissao, DmaHmsGravacao, QuantHorasProducao,
                    QuantHorasOciosas, Chave, PonteiroCentroCustos, PonteiroUsuarioEmissao,
                    PonteiroUsuarioGravacao, MaCompetencia, PonteiroFilial, Origem, Excluido)
    NX_TESTE_CAMPOS(CNXDadosGC_ListaLanctoHoras, MaCompetencia, PonteiroFilial)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroLancamentoHoras, ChaveInicial, ChaveFinal, PonteiroCentroCustos,
                    MaCompetenciaInicial, MaCompetenciaFinal, MaTreeInicial, MaTreeFinal, PonteiroFilial,
                    FiltroOrigem, NaoVerificarFilialAtiva)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroCargaLanctosHoras, MaCompetencia, PonteiroFilial)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroCopiaPeriodoLanctoHoras, MaOrigem, MaDestino, PonteiroFilialOrigem)
    NX_TESTE_CAMPOS(CNXDadosGC_LancamentoTerceirizacao, PosicaoProdutoServico, DmaHmsEmissao, DmaHmsGravacao,
                    CustoTerceirizacao, Chave, PonteiroUsuarioEmissao, PonteiroUsuarioGravacao,
                    PonteiroProcesso_DEPRECATED, MaCompetencia, PonteiroFilial, TipoProdutoServico, Origem)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroLancamentoTerceirizacao, ChaveInicial, ChaveFinal,
                    PonteiroProcesso_DEPRECATED, MaCompetenciaInicial, MaCompetenciaFinal, MaTreeInicial,
                    MaTreeFinal, PonteiroFilial, FiltroTipoProdutoServico, FiltroOrigem,
                    FiltrarProdutoServicoExato, NaoVerificarFilialAtiva)
    NX_TESTE_CAMPOS(CNXDadosGC_CopiarLanctosCustosTerceirizacao, PercAjusteProjecao, MaCompetenciaOrigem,
                    MaCompetenciaDestino, PonteiroFilial, TipoProjecao)
};
const teste::Tabela kTabela(kCampos);

}  // namespace
