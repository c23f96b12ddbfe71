// Every field with accessors has a row here naming its class, its record member and both of
// its accessors, so a field whose Get/Set is missing or misnamed does not compile; and every
// such field of every class in the library-wide list has a row. (What an accessor does is the
// same code for every field, checked by the tests that use it.)
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "NXLDadosGC/NXLDadosGC.h"

namespace {

struct Linha {
    const char* classe;
    const char* campo;
};

// Names the three members as types: a row for a member that does not exist does not compile.
template <class Membro, class Get, class Set>
constexpr Linha Existem(const char* classe, const char* campo) {
    return {classe, campo};
}

// NX_TESTE_CAMPOS(Classe, Campo...): a row for each field named, followed by a comma.
#define NX_TESTE_CAMPOS(Classe, ...) NX_INTERNAL_FOR_EACH(NX_INTERNAL_TESTE_CAMPO, Classe, __VA_ARGS__)
#define NX_INTERNAL_TESTE_CAMPO(Classe, Campo)                                 \
    Existem<decltype(&Classe::Registro::Campo), decltype(&Classe::Get##Campo), \
            decltype(&Classe::Set##Campo)>(#Classe, #Campo),

const Linha kLinhas[] = {
    // Keys and cost centres
    NX_TESTE_CAMPOS(CNXDadosGC_KeyCompetencia, MaCompetencia, PonteiroFilial)
    NX_TESTE_CAMPOS(CNXDadosGC_KeyProdutoServico, PosicaoProdutoServico, TipoProdutoServico)
    NX_TESTE_CAMPOS(CNXDadosGC_KeyProdutoServicoCompetencia, PosicaoProdutoServico, MaCompetencia, PonteiroFilial,
        TipoProdutoServico)
    NX_TESTE_CAMPOS(CNXDadosGC_KeyContaCustos, PonteiroContaContabil, PonteiroContaGerencial)
    NX_TESTE_CAMPOS(CNXDadosGC_KeyCentroCustosCompetencia, PonteiroCentroCustos, MaCompetencia, PonteiroFilial)
    NX_TESTE_CAMPOS(CNXDadosGC_KeyCustoProdutoServico, PosicaoProdutoServico, PonteiroProcesso, MaCompetencia,
        PonteiroFilial, TipoProdutoServico, TipoCusto)
    NX_TESTE_CAMPOS(CNXDadosGC_KeyAlocacaoGGF, PonteiroContaContabil, PonteiroCentroCustos, MaCompetencia,
        PonteiroFilial)
    NX_TESTE_CAMPOS(CNXDadosGC_KeyRentabilidade, PosicaoProdutoServico, PonteiroAgrupamento, TipoProdutoServico)
    NX_TESTE_CAMPOS(CNXDadosGC_KeyIdentificacaoIndiceCustos, PosicaoProduto, Dma, PonteiroIndiceCustos,
        PonteiroCliente, PonteiroRepresentante, PonteiroUF, PonteiroFilial, TipoProdutoServico)
    NX_TESTE_CAMPOS(CNXDadosGC_KeyProcessoCustoProducao, PonteiroProcesso, PonteiroCentroCustos, MaCompetencia)
    NX_TESTE_CAMPOS(CNXDadosGC_KeyInsumoCustoProducao, PosicaoInsumo, MaCompetencia)
    NX_TESTE_CAMPOS(CNXDadosGC_CentroCustos, PercentualEficiencia, Posicao, PonteiroFilial, CaracteristicaCC,
        Inativo, Codigo, Descricao)
    NX_TESTE_CAMPOS(CNXDadosGC_CentroCustosConta, ValorRateio, PonteiroContaContabil, PonteiroContaGerencial,
        ValorDiferenciado)
    NX_TESTE_CAMPOS(CNXDadosGC_CentroCustosProdutivo, ValorRateio, PonteiroCentroCustos, ValorDiferenciado)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroCentroCustos, Posicao, PonteiroContaContabil, PonteiroContaGerencial,
        PonteiroFilial, FlagCaracteristicaApoio, FlagCaracteristicaProducao, FlagCaracteristicaAdministrativo,
        AtivoInativo)
    NX_TESTE_CAMPOS(CNXDadosGC_HorasCentroCustos, QuantHorasProducao, QuantHorasOciosas)
    NX_TESTE_CAMPOS(CNXDadosGC_ProdutoServicoClasse, ConsiderarVariacoesGrades)
    // Production cost
    NX_TESTE_CAMPOS(CNXDadosGC_CustoProducaoProcesso, QuantProcessada, QuantHorasProducao, CustoHoraFixo,
        CustoHoraVariavel, CustoHora, CustoTotalHorasFixo, CustoTotalHorasVariavel, CustoTotalHoras, CustoTotal,
        PonteiroProcesso, PonteiroCentroCustos, MaCompetencia)
    NX_TESTE_CAMPOS(CNXDadosGC_CustoProducaoProcessamento, QuantProcessada, QuantHorasProducao, CustoHoraFixo,
        CustoHoraVariavel, CustoHora, CustoTotalHorasFixo, CustoTotalHorasVariavel, CustoTotalHoras, CustoTotal,
        PonteiroProcesso, PonteiroCentroCustos, MaCompetencia)
    NX_TESTE_CAMPOS(CNXDadosGC_CustoProducaoInsumo, PosicaoProduto, QuantConsumida, CustoTotal, CustoMedioV8,
        PonteiroTabPrecoCompra, MaCompetencia, TipoCalculoInsumo, PermiteAlterar)
    NX_TESTE_CAMPOS(CNXDadosGC_CustoProducaoBaixaInsumo, PosicaoProduto, DmaHmsMovimento, DmcMovimentoBaixa,
        QuantConsumida, CustoUnitarioV8, CustoTotal, MaCompetencia)
    NX_TESTE_CAMPOS(CNXDadosGC_CustoProducaoEntrada, DmaHmsMovimento, DmcMovimentoEntrada, DmcOrdemProducao)
    NX_TESTE_CAMPOS(CNXDadosGC_CustoProducaoTerceirizacao, QuantApontada_DEPRECATED, CustoTotal,
        CustoUnitarioV8_DEPRECATED, PonteiroProcesso_DEPRECATED, PonteiroIndustrializador_DEPRECATED,
        PonteiroNotaFiscalSaida_DEPRECATED, MaCompetencia)
    NX_TESTE_CAMPOS(CNXDadosGC_CustoProducaoInventarioElaboracao, PosicaoProdutoServico, QuantEmElaboracao,
        QuantProcessada, QuantHorasProducao, CustoTotal, CustoTotalHorasFixo, CustoTotalHorasVariavel,
        CustoTotalHoras, CustoTotalInsumos, PonteiroProcesso, PonteiroCentroCustos, MaCompetencia, PonteiroFilial,
        TipoProdutoServico)
    NX_TESTE_CAMPOS(CNXDadosGC_CustoProducaoResultado, QuantProduzida, QuantHorasProducao, CustoTotalHorasFixo,
        CustoTotalHorasVariavel, CustoTotalHoras, CustoTotalInsumos, CustoTotal, CustoUnitarioV8, PonteiroProcesso,
        MaCompetencia, EstoqueOrigemTerceiros)
    NX_TESTE_CAMPOS(CNXDadosGC_CustoProducaoVariacao, QuantProduzida, CustoTotalHorasFixo, CustoTotalHorasVariavel,
        CustoTotalHoras, CustoTotalInsumos, CustoTotal, CustoUnitarioV8)
    NX_TESTE_CAMPOS(CNXDadosGC_CustoProducao, PosicaoProdutoServico, DmaHmsEmissao, DmaHmsGravacao,
        TotalCustoTerceirizacoes, Chave, PonteiroProjeto_DEPRECATED, PonteiroFluxoProcesso_DEPRECATED,
        PonteiroUsuarioEmissao, PonteiroUsuarioGravacao, MaCompetencia, PonteiroFilial, TipoProdutoServico,
        TipoCusto, OrigemCustoProducao, Situacao, EhCustoProducaoAtivo, Excluido)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroCustoProducao, ChaveInicial, ChaveFinal, PonteiroProjeto_DEPRECATED,
        PonteiroFluxoProcesso_DEPRECATED, MaCompetenciaInicial, MaCompetenciaFinal, MaTreeInicial, MaTreeFinal,
        PonteiroFilial, FiltroTipoProdutoServico, FiltroTipoCusto, FiltroOrigem, FiltroSituacao,
        FiltroEstoqueOrigemResultados, FiltrarProdutoServicoExato, NaoVerificarFilialAtiva, ApresentarTodosGravados)
    NX_TESTE_CAMPOS(CNXDadosGC_ParametrosCargaCustoProducao, PonteiroTabelaPrecoCompra, TipoCalculoInsumo)
    NX_TESTE_CAMPOS(CNXDadosGC_ParametrosInvalidarCustoProducao, MaCompetencia, PonteiroFilial,
        FiltroTipoCustoProducao, EfetivarAlteracao)
    // Standard, commercial and hourly costs
    NX_TESTE_CAMPOS(CNXDadosGC_CustoPadraoConta, CustoPadrao, PonteiroContaContabil, PonteiroContaGerencial)
    NX_TESTE_CAMPOS(CNXDadosGC_CustoPadrao, Posicao, PonteiroFilial, Inativo, Codigo, Descricao)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroCustoPadrao, Posicao, PonteiroContaContabil, PonteiroContaGerencial,
        PonteiroFilial, AtivoInativo)
    NX_TESTE_CAMPOS(CNXDadosGC_CustoComercial, PosicaoProdutoServico, DmaHmsGravacao, CustoUnitarioV8, Chave,
        PonteiroUsuarioGravacao, MaCompetencia, PonteiroFilial, TipoProdutoServico, OrigemCustoComercial, Excluido)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroCustoComercial, MaCompetenciaInicial, MaCompetenciaFinal,
        MaCompetenciaTreeInicial, MaCompetenciaTreeFinal, PonteiroFilial, FiltrarProdutoServicoExato,
        NaoVerificarFilialAtiva)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroCargaCustoComercial, PonteiroTabelaPrecoCompra, MaCompetencia, PonteiroFilial,
        TipoCalculoInsumo)
    NX_TESTE_CAMPOS(CNXDadosGC_CustoHora, QuantHorasProducao, QuantHorasOciosas, ValorGGFTotal, ValorGGFFixoTotal,
        ValorGGFVariavelTotal, CustoProducaoHora, CustoOciosoHora, CustoProducaoMinuto, CustoOciosoMinuto,
        CustoProducaoHoraFixo, CustoOciosoHoraFixo, CustoProducaoHoraVariavel, PonteiroCentroCustos)
    // Cost indices
    NX_TESTE_CAMPOS(CNXDadosGC_IndiceCustos, TaxaFinanceira, PrazoMedio, LucroLiquido, RepComissaoFaturamento,
        RepComissaoVencimento, VendComissaoFaturamento, VendComissaoVencimento, ICMS, PIS, COFINS, Frete, Marketing,
        Estrutura, ImpostoRenda, Posicao, Codigo, Descricao)
    NX_TESTE_CAMPOS(CNXDadosGC_IndiceCustosValorPersonalizado, Valor, Descricao)
    NX_TESTE_CAMPOS(CNXDadosGC_IndiceCustosPersonalizado, Posicao, Descricao)
    NX_TESTE_CAMPOS(CNXDadosGC_IdentificacaoIndiceCustos, Posicao, PonteiroIndiceCustos, PonteiroCliente,
        CliPonteiroCategoria1, CliPonteiroCategoria2, CliPonteiroCategoria3, PonteiroRepresentante, PonteiroFilial,
        Inativo, TipoProducao, PossuiSubstTributaria, PossuiPIS, PossuiCOFINS, TipoFiltroCliente, CliTipoPessoa,
        CliRegiaoFiscal, CliDestinoOperacao, CliContribuinteICMS, FretePorConta, Codigo, Descricao)
    NX_TESTE_CAMPOS(CNXDadosGC_RelacaoIndiceProduto, Posicao, Codigo, Descricao, Excluido)
    NX_TESTE_CAMPOS(CNXDadosGC_RelacaoIndiceProdutoItem, PosicaoProduto, PonteiroIndiceCusto)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroRelacaoIndiceProduto, PonteiroRelacaoIndiceProduto, Codigo)
    // Postings
    NX_TESTE_CAMPOS(CNXDadosGC_LancamentoDespesasConta, TotalConta, PonteiroConta)
    NX_TESTE_CAMPOS(CNXDadosGC_LancamentoDespesas, DmaHmsEmissao, DmaHmsGravacao, Chave, PonteiroUsuarioEmissao,
        PonteiroUsuarioGravacao, MaCompetencia, PonteiroFilial, Origem)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroLancamentoDespesas, ChaveInicial, ChaveFinal, PonteiroConta,
        MaCompetenciaInicial, MaCompetenciaFinal, MaTreeInicial, MaTreeFinal, PonteiroFilial, FiltroOrigem,
        NaoVerificarFilialAtiva)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroCargaLanctoDespesas, PercProjecao, MaOrigem, MaDestinoInicial, MaDestinoFinal,
        PonteiroFilial, TipoProjecao)
    NX_TESTE_CAMPOS(CNXDadosGC_LancamentoGGF, DmaHmsEmissao, DmaHmsGravacao, Valor, Chave, PonteiroContaContabil,
        PonteiroContaGerencial, PonteiroUsuarioEmissao, PonteiroUsuarioGravacao, MaCompetencia, PonteiroFilial,
        Origem, Excluido)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroLancamentoGGF, ChaveInicial, ChaveFinal, PonteiroContaContabil,
        PonteiroContaGerencial, MaCompetenciaInicial, MaCompetenciaFinal, MaTreeInicial, MaTreeFinal,
        PonteiroFilial, FiltroOrigem, NaoVerificarFilialAtiva)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroCargaLanctoGGFPadrao, PonteiroCustoPadrao, MaCompetencia)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroCargaLanctoGGFReal, MaCompetencia, PonteiroFilial)
    NX_TESTE_CAMPOS(CNXDadosGC_LancamentoHoras, DmaHmsEmissao, DmaHmsGravacao, QuantHorasProducao,
        QuantHorasOciosas, Chave, PonteiroCentroCustos, PonteiroUsuarioEmissao, PonteiroUsuarioGravacao,
        MaCompetencia, PonteiroFilial, Origem, Excluido)
    NX_TESTE_CAMPOS(CNXDadosGC_ListaLanctoHoras, MaCompetencia, PonteiroFilial)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroLancamentoHoras, ChaveInicial, ChaveFinal, PonteiroCentroCustos,
        MaCompetenciaInicial, MaCompetenciaFinal, MaTreeInicial, MaTreeFinal, PonteiroFilial, FiltroOrigem,
        NaoVerificarFilialAtiva)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroCargaLanctosHoras, MaCompetencia, PonteiroFilial)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroCopiaPeriodoLanctoHoras, MaOrigem, MaDestino, PonteiroFilialOrigem)
    NX_TESTE_CAMPOS(CNXDadosGC_LancamentoTerceirizacao, PosicaoProdutoServico, DmaHmsEmissao, DmaHmsGravacao,
        CustoTerceirizacao, Chave, PonteiroUsuarioEmissao, PonteiroUsuarioGravacao, PonteiroProcesso_DEPRECATED,
        MaCompetencia, PonteiroFilial, TipoProdutoServico, Origem)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroLancamentoTerceirizacao, ChaveInicial, ChaveFinal, PonteiroProcesso_DEPRECATED,
        MaCompetenciaInicial, MaCompetenciaFinal, MaTreeInicial, MaTreeFinal, PonteiroFilial,
        FiltroTipoProdutoServico, FiltroOrigem, FiltrarProdutoServicoExato, NaoVerificarFilialAtiva)
    NX_TESTE_CAMPOS(CNXDadosGC_CopiarLanctosCustosTerceirizacao, PercAjusteProjecao, MaCompetenciaOrigem,
        MaCompetenciaDestino, PonteiroFilial, TipoProjecao)
    // Account classification and allocation matrix
    NX_TESTE_CAMPOS(CNXDadosGC_ClassificacaoConta, DmaHmsGravacao, Posicao, PonteiroContaContabil,
        PonteiroUsuarioGravacao, TipoCustoDespesa, TipoFixoVariavel, Excluido)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroClassificacaoConta, PonteiroClassificacaoContas, PonteiroContaContabil,
        FiltroTipoCustoDespesa, FiltroTipoFixoVariavel)
    NX_TESTE_CAMPOS(CNXDadosGC_MatrizRateio, DmaHmsGravacao, PonteiroUsuarioGravacao, MaCompetencia, PonteiroFilial,
        Excluido)
    NX_TESTE_CAMPOS(CNXDadosGC_MatrizRateioConta, TotalRateio, ValorLancado, PonteiroContaContabil,
        PonteiroContaGerencial)
    NX_TESTE_CAMPOS(CNXDadosGC_MatrizRateioCentroCustos, ValorRateio, PonteiroCentroCustos,
        CaracteristicaCentroCustos)
    NX_TESTE_CAMPOS(CNXDadosGC_MatrizRateioCentroCustosApoio, TotalRateio, ValorLancado, PonteiroCentroCustos,
        CaracteristicaCentroCustos)
    NX_TESTE_CAMPOS(CNXDadosGC_MatrizRateioCentroCustosProdutivo, ValorRateio, CustoFixo, CustoVariavel,
        PonteiroCentroCustos, CaracteristicaCentroCustos)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroMatrizRateio, MaCompetencia, PonteiroFilial)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroMatrizRateioRelacionamento, PonteiroCentroCustos)
    NX_TESTE_CAMPOS(CNXDadosGC_ParametrosInvalidarMatrizRateio, MaCompetencia, PonteiroFilial, EfetivarAlteracao)
    // Period closing, master record, periods
    NX_TESTE_CAMPOS(CNXDadosGC_EncerramentoCustos, DmaHmsEncerramento, DmaHmsGravacao, Chave,
        PonteiroUsuarioEncerramento, PonteiroUsuarioGravacao, MaCompetencia, PonteiroFilial, ExistePeriodoAnterior,
        SituacaoPeriodoAnterior, Situacao, Bloqueado)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroEncerramentoCustos, MaCompetenciaInicial, MaCompetenciaFinal, PonteiroFilial,
        FiltroBloqueio)
    NX_TESTE_CAMPOS(CNXDadosGC_ParametrosInvalidarEncerramentoCustos, MaCompetencia, PonteiroFilial,
        EfetivarAlteracao)
    NX_TESTE_CAMPOS(CNXDadosGC_Mestre, VersaoSistema, QuantidadeTerminais, SecaoUso, CodigoCliente,
        CodigoClienteEscritorio, PossuiCustoIndustrial, MaImplantacao, MaBloqueioCustos, MaVisualizacao,
        UsaBloqueioVisualizacao, DigitosDataRelatorio, TipoCargaLanctoCustosReal, TipoCargaLanctoHoraPadrao,
        UtilizaEficienciaRecurso, TipoCargaDespesas)
    NX_TESTE_CAMPOS(CNXDadosGC_InfoPeriodos, DmaMovimentacaoInferior, DmaMovimentacaoSuperior,
        DmaIntegracaoInferior, DmaIntegracaoSuperior, MaBloqueio, MaBloqueioCustos, MaBloqueioVisualizacao,
        MaBloqueioIntegracaoFilial, MaLUT, PonteiroFilial, TemLUT)
    // Profitability, contribution margin, price formation
    NX_TESTE_CAMPOS(CNXDadosGC_Rentabilidade, Quantidade, CustoUnitarioV8, DespesaUnitariaV8,
        DespesaUnitariaEfetivaV8, PrecoUnitarioSugeridoV8, PrecoUnitarioAplicadoV8, TotalCustos, TotalDespesas,
        TotalDespesasEfetiva, TotalSugerido, TotalAplicado, Rentabilidade, Lucratividade, LucratividadeEfetiva,
        PercRentabilidadeV8, PercLucratividadeV8, PercLucratividadeEfetivaV8, TipoAgrupamento, ModuloOrigem)
    NX_TESTE_CAMPOS(CNXDadosGC_RentabilidadeProdutoServico, Quantidade, CustoPadraoV8, TotalDespesasV8, ValorIPIV8,
        LucroLiquidoV8, PrecoSugeridoV8, PrecoMercadoV8, VPPrecoMercadoV8, RentabilidadeUnitariaV8,
        PercRentabilidadeV8, PonteiroIndice, MaCompetencia, PonteiroFilial, PrazoMercado, ConsiderarIPI,
        SituacaoRentabilidade)
    NX_TESTE_CAMPOS(CNXDadosGC_FiltroRentabilidade, DmaInicial, DmaFinal, NrNFInicial, NrNFFinal, PonteiroIndice,
        PonteiroRepresentante, PonteiroUF, PonteiroCategoria1, PonteiroCategoria2, PonteiroCategoria3,
        PonteiroFilial, TipoAgrupamento, TipoPessoa, SomenteTotais)
    NX_TESTE_CAMPOS(CNXDadosGC_MargemContribuicao, TotalCustoFixo, TotalDespesaFixa, TotalVendido,
        TotalContribuicao, PrejuizoLucroBruto, MaCompetencia, PonteiroFilial)
    NX_TESTE_CAMPOS(CNXDadosGC_MargemContribuicaoProdServ, PrecoUnitarioVendidoV8, CustoVariavelUnitarioV8,
        ContribuicaoUnitariaV8, ContribuicaoTotal, QuantidadeVendida, TotalVendido, PercentualContribuicaoUnitaria)
    NX_TESTE_CAMPOS(CNXDadosGC_MargemContribuicaoProdServData, QuantidadeVendida, TotalVendido, Dma)
    NX_TESTE_CAMPOS(CNXDadosGC_MargemContribuicaoPEDetalhe, GastoFixo, CustoVariavel, Receita,
        CustoVariavelAcumulado, GastoAcumulado, ReceitaAcumulada, SaldoPE, Dma)
    NX_TESTE_CAMPOS(CNXDadosGC_ParametrosMargemContribuicao, MaCompetencia, PonteiroFilial)
    NX_TESTE_CAMPOS(CNXDadosGC_FormacaoPreco, CustoPadraoV8, LucroLiquidoV8, TotalDespesasV8, PrecoVendaVistaV8,
        PrecoVendaPrazoV8, TaxaFinanceira, PrazoMedio, PercDespesasSemLucro, PercDespesasComLucro)
    NX_TESTE_CAMPOS(CNXDadosGC_ParametrosFormacaoPrecoVenda, PonteiroIndiceCustos, PonteiroRelacaoIndicesProdutos,
        MaCompetencia, PonteiroFilial)
};

// A field has accessors unless it is a gap, a (count, pointer) pair, a holder pointer or a
// member key's area.
TEST(Acessores, NenhumCampoSemLinha) {
    using NXDadosGC::TipoCampo;
    std::set<std::string> linhas;
    for (const Linha& l : kLinhas) linhas.insert(std::string(l.classe) + "::" + l.campo);
    for (const NXDadosGC::InfoClasse* info : NXDadosGC::Classes()) {
        for (const auto& campo : info->campos()) {
            if (campo.tipo == TipoCampo::Lacuna || campo.tipo == TipoCampo::Quantidade ||
                campo.tipo == TipoCampo::Ponteiro || campo.tipo == TipoCampo::Registro)
                continue;
            const std::string nome = std::string(info->nome) + "::" + campo.nome;
            EXPECT_EQ(linhas.count(nome), 1u) << nome;
        }
    }
}

}  // namespace
