// Every field accessor of the production cost and its detail lines, against the record layout.
#include <gtest/gtest.h>

#include "support/Acessores.h"

namespace {

const teste::CasoCampo kCampos[] = {
    NX_TESTE_CAMPOS(CNXDadosGC_CustoProducaoProcesso, QuantProcessada, QuantHorasProducao, CustoHoraFixo,
                    CustoHoraVariavel, CustoHora, CustoTotalHorasFixo, CustoTotalHorasVariavel,
                    CustoTotalHoras, CustoTotal, PonteiroProcesso, PonteiroCentroCustos, MaCompetencia)

    NX_TESTE_CAMPOS(CNXDadosGC_CustoProducaoProcessamento, QuantProcessada, QuantHorasProducao, CustoHoraFixo,
                    CustoHoraVariavel, CustoHora, CustoTotalHorasFixo, CustoTotalHorasVariavel,
                    CustoTotalHoras, CustoTotal, PonteiroProcesso, PonteiroCentroCustos, MaCompetencia)

    NX_TESTE_CAMPOS(CNXDadosGC_CustoProducaoInsumo, PosicaoProduto, QuantConsumida, CustoTotal, CustoMedioV8,
                    PonteiroTabPrecoCompra, MaCompetencia, TipoCalculoInsumo, PermiteAlterar)

    NX_TESTE_CAMPOS(CNXDadosGC_CustoProducaoBaixaInsumo, PosicaoProduto, DmaHmsMovimento, DmcMovimentoBaixa,
                    QuantConsumida, CustoUnitarioV8, CustoTotal, MaCompetencia)

    NX_TESTE_CAMPOS(CNXDadosGC_CustoProducaoEntrada, DmaHmsMovimento, DmcMovimentoEntrada, DmcOrdemProducao)

    NX_TESTE_CAMPOS(CNXDadosGC_CustoProducaoTerceirizacao, QuantApontada_DEPRECATED, CustoTotal,
                    CustoUnitarioV8_DEPRECATED, PonteiroProcesso_DEPRECATED,
                    PonteiroIndustrializador_DEPRECATED, PonteiroNotaFiscalSaida_DEPRECATED, MaCompetencia)

    NX_TESTE_CAMPOS(CNXDadosGC_CustoProducaoInventarioElaboracao, PosicaoProdutoServico, QuantEmElaboracao,
                    QuantProcessada, QuantHorasProducao, CustoTotal, CustoTotalHorasFixo,
                    CustoTotalHorasVariavel, CustoTotalHoras, CustoTotalInsumos, PonteiroProcesso,
                    PonteiroCentroCustos, MaCompetencia, PonteiroFilial, TipoProdutoServico)

    NX_TESTE_CAMPOS(CNXDadosGC_CustoProducaoResultado, QuantProduzida, QuantHorasProducao,
                    CustoTotalHorasFixo, CustoTotalHorasVariavel, CustoTotalHoras, CustoTotalInsumos,
                    CustoTotal, CustoUnitarioV8, PonteiroProcesso, MaCompetencia, EstoqueOrigemTerceiros)

    NX_TESTE_CAMPOS(CNXDadosGC_CustoProducaoVariacao, QuantProduzida, CustoTotalHorasFixo,
                    CustoTotalHorasVariavel, CustoTotalHoras, CustoTotalInsumos, CustoTotal, CustoUnitarioV8)

    NX_TESTE_CAMPOS(CNXDadosGC_CustoProducao, PosicaoProdutoServico, DmaHmsEmissao, DmaHmsGravacao,
                    TotalCustoTerceirizacoes, Chave, PonteiroProjeto_DEPRECATED,
                    PonteiroFluxoProcesso_DEPRECATED, PonteiroUsuarioEmissao, PonteiroUsuarioGravacao,
                    MaCompetencia, PonteiroFilial, TipoProdutoServico, TipoCusto, OrigemCustoProducao,
                    Situacao, EhCustoProducaoAtivo, Excluido)

    NX_TESTE_CAMPOS(CNXDadosGC_FiltroCustoProducao, ChaveInicial, ChaveFinal, PonteiroProjeto_DEPRECATED,
                    PonteiroFluxoProcesso_DEPRECATED, MaCompetenciaInicial, MaCompetenciaFinal, MaTreeInicial,
                    MaTreeFinal, PonteiroFilial, FiltroTipoProdutoServico, FiltroTipoCusto, FiltroOrigem,
                    FiltroSituacao, FiltroEstoqueOrigemResultados, FiltrarProdutoServicoExato,
                    NaoVerificarFilialAtiva, ApresentarTodosGravados)

    NX_TESTE_CAMPOS(CNXDadosGC_ParametrosCargaCustoProducao, PonteiroTabelaPrecoCompra, TipoCalculoInsumo)

    NX_TESTE_CAMPOS(CNXDadosGC_ParametrosInvalidarCustoProducao, MaCompetencia, PonteiroFilial,
                    FiltroTipoCustoProducao, EfetivarAlteracao)
};
const teste::Tabela kTabela(kCampos);

}  // namespace
