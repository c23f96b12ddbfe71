// Every field accessor of the keys and cost centres, against the record layout.
#include <gtest/gtest.h>

#include "support/Acessores.h"

namespace {

const teste::CasoCampo kCampos[] = {
    NX_TESTE_CAMPOS(CNXDadosGC_KeyCompetencia, MaCompetencia, PonteiroFilial)
    NX_TESTE_CAMPOS(CNXDadosGC_KeyProdutoServico, PosicaoProdutoServico, TipoProdutoServico)
    NX_TESTE_CAMPOS(CNXDadosGC_KeyProdutoServicoCompetencia, PosicaoProdutoServico, MaCompetencia,
                    PonteiroFilial, TipoProdutoServico)
    NX_TESTE_CAMPOS(CNXDadosGC_KeyContaCustos, PonteiroContaContabil, PonteiroContaGerencial)
    NX_TESTE_CAMPOS(CNXDadosGC_KeyCentroCustosCompetencia, PonteiroCentroCustos, MaCompetencia,
                    PonteiroFilial)
    NX_TESTE_CAMPOS(CNXDadosGC_KeyCustoProdutoServico, PosicaoProdutoServico, PonteiroProcesso, MaCompetencia,
                    PonteiroFilial, TipoProdutoServico, TipoCusto)
    NX_TESTE_CAMPOS(CNXDadosGC_KeyAlocacaoGGF, PonteiroContaContabil, PonteiroCentroCustos, MaCompetencia,
                    PonteiroFilial)
    NX_TESTE_CAMPOS(CNXDadosGC_KeyRentabilidade, PosicaoProdutoServico, PonteiroAgrupamento,
                    TipoProdutoServico)
    NX_TESTE_CAMPOS(CNXDadosGC_KeyIdentificacaoIndiceCustos, PosicaoProduto, Dma, PonteiroIndiceCustos,
                    PonteiroCliente, PonteiroRepresentante, PonteiroUF, PonteiroFilial, TipoProdutoServico)
    NX_TESTE_CAMPOS(CNXDadosGC_KeyProcessoCustoProducao, PonteiroProcesso, PonteiroCentroCustos,
                    MaCompetencia)
    NX_TESTE_CAMPOS(CNXDadosGC_KeyInsumoCustoProducao, PosicaoInsumo, MaCompetencia)

    NX_TESTE_CAMPOS(CNXDadosGC_CentroCustos, PercentualEficiencia, Posicao, PonteiroFilial, CaracteristicaCC,
                    Inativo)
    NX_TESTE_TEXTOS(CNXDadosGC_CentroCustos, Codigo, Descricao)
    NX_TESTE_CAMPOS(CNXDadosGC_CentroCustosConta, ValorRateio, PonteiroContaContabil, PonteiroContaGerencial,
                    ValorDiferenciado)
    NX_TESTE_CAMPOS(CNXDadosGC_CentroCustosProdutivo, ValorRateio, PonteiroCentroCustos, ValorDiferenciado)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroCentroCustos, Posicao, PonteiroContaContabil, PonteiroContaGerencial,
                    PonteiroFilial, FlagCaracteristicaApoio, FlagCaracteristicaProducao,
                    FlagCaracteristicaAdministrativo, AtivoInativo)
    NX_TESTE_CAMPOS(CNXDadosGC_HorasCentroCustos, QuantHorasProducao, QuantHorasOciosas)
    NX_TESTE_CAMPO(CNXDadosGC_ProdutoServicoClasse, ConsiderarVariacoesGrades),
};
const teste::Tabela kTabela(kCampos);

}  // namespace
