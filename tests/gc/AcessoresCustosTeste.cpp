// Every field accessor of the standard, commercial and hourly costs, their filters and loads, against the record layout.
#include <gtest/gtest.h>

#include "support/Acessores.h"

namespace {

const teste::CasoCampo kCampos[] = {
    NX_TESTE_CAMPOS(CNXDadosGC_CustoPadraoConta, CustoPadrao, PonteiroContaContabil, PonteiroContaGerencial)
    NX_TESTE_CAMPOS(CNXDadosGC_CustoPadrao, Posicao, PonteiroFilial, Inativo)
    NX_TESTE_TEXTOS(CNXDadosGC_CustoPadrao, Codigo, Descricao)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroCustoPadrao, Posicao, PonteiroContaContabil, PonteiroContaGerencial,
                    PonteiroFilial, AtivoInativo)
    NX_TESTE_CAMPOS(CNXDadosGC_CustoComercial, PosicaoProdutoServico, DmaHmsGravacao, CustoUnitarioV8, Chave,
                    PonteiroUsuarioGravacao, MaCompetencia, PonteiroFilial, TipoProdutoServico,
                    OrigemCustoComercial, Excluido)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroCustoComercial, MaCompetenciaInicial, MaCompetenciaFinal,
                    MaCompetenciaTreeInicial, MaCompetenciaTreeFinal, PonteiroFilial,
                    FiltrarProdutoServicoExato, NaoVerificarFilialAtiva)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroCargaCustoComercial, PonteiroTabelaPrecoCompra, MaCompetencia,
                    PonteiroFilial, TipoCalculoInsumo)
    NX_TESTE_CAMPOS(CNXDadosGC_CustoHora, QuantHorasProducao, QuantHorasOciosas, ValorGGFTotal,
                    ValorGGFFixoTotal, ValorGGFVariavelTotal, CustoProducaoHora, CustoOciosoHora,
                    CustoProducaoMinuto, CustoOciosoMinuto, CustoProducaoHoraFixo, CustoOciosoHoraFixo,
                    CustoProducaoHoraVariavel, PonteiroCentroCustos)
};
const teste::Tabela kTabela(kCampos);

}  // namespace
