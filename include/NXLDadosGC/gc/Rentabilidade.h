// Profitability, contribution margin and price formation, and the product/service class that
// filters and parameters elsewhere list.
#ifndef NXLDADOSGC_GC_RENTABILIDADE_H
#define NXLDADOSGC_GC_RENTABILIDADE_H

#include "NXLDadosGC/gc/Chaves.h"  // CNXDadosGC_KeyProdutoServico, CNXDadosGC_KeyRentabilidade
#include "NXLDadosGC/gc/DadosGC.h"

NX_SOBRE(_REG_GC_PRODUTO_SERVICO_CLASSEPS,
         "A product or service, or a class of them, chosen by filters and parameters (its member key).")
struct NXLDADOSGC_API _REG_GC_PRODUTO_SERVICO_CLASSEPS {
    _REG_GC_KEY_PRODUTO_SERVICOPS KeyProdutoServicoClasse;
    BYTE ConsiderarVariacoesGrades;
    std::byte Lacuna25[7];
};
NX_LAYOUT(_REG_GC_PRODUTO_SERVICO_CLASSEPS, 32,
          (KeyProdutoServicoClasse, 0),
          (ConsiderarVariacoesGrades, 24, "flag: include the product's grid variations"),
          (Lacuna25, 25))

class NXLDADOSGC_API CNXDadosGC_ProdutoServicoClasse
    : public T_NXDadosRegistroComLista<_REG_GC_PRODUTO_SERVICO_CLASSEPS> {
    NX_DADOS_COM_FILHOS(CNXDadosGC_ProdutoServicoClasse)
    NX_CAMPO(ConsiderarVariacoesGrades)
    NX_CHAVE(CNXDadosGC_KeyProdutoServico, KeyProdutoServicoClasse)
    NX_FILHOS(NX_FILHO_MEMBRO(KeyProdutoServicoClasse))
};

NX_SOBRE(_REG_GC_RENTABILIDADEPS,
         "One line of a profitability analysis, identified by its member key: unit and total costs, expenses and "
         "prices, and the resulting profitability and profit margins.")
struct NXLDADOSGC_API _REG_GC_RENTABILIDADEPS {
    _REG_GC_KEY_RENTABILIDADEPS KeyRentabilidade;
    tagCY Quantidade;
    tagCY CustoUnitarioV8;
    tagCY DespesaUnitariaV8;
    tagCY DespesaUnitariaEfetivaV8;
    tagCY PrecoUnitarioSugeridoV8;
    tagCY PrecoUnitarioAplicadoV8;
    tagCY TotalCustos;
    tagCY TotalDespesas;
    tagCY TotalDespesasEfetiva;
    tagCY TotalSugerido;
    tagCY TotalAplicado;
    tagCY Rentabilidade;
    tagCY Lucratividade;
    tagCY LucratividadeEfetiva;
    tagCY PercRentabilidadeV8;
    tagCY PercLucratividadeV8;
    tagCY PercLucratividadeEfetivaV8;
    BYTE TipoAgrupamento;
    BYTE ModuloOrigem;
    std::byte Lacuna162[14];
};
NX_LAYOUT(_REG_GC_RENTABILIDADEPS, 176,
          (KeyRentabilidade, 0),
          (Quantidade, 24, "quantity"),
          (CustoUnitarioV8, 32, "unit cost"),
          (DespesaUnitariaV8, 40, "unit expense"),
          (DespesaUnitariaEfetivaV8, 48, "effective unit expense"),
          (PrecoUnitarioSugeridoV8, 56, "suggested unit price"),
          (PrecoUnitarioAplicadoV8, 64, "unit price applied"),
          (TotalCustos, 72), (TotalDespesas, 80), (TotalDespesasEfetiva, 88),
          (TotalSugerido, 96, "total at the suggested price"),
          (TotalAplicado, 104, "total at the price applied"),
          (Rentabilidade, 112),
          (Lucratividade, 120, "profit margin"),
          (LucratividadeEfetiva, 128, "effective profit margin"),
          (PercRentabilidadeV8, 136, "profitability, a percentage"),
          (PercLucratividadeV8, 144, "profit margin, a percentage"),
          (PercLucratividadeEfetivaV8, 152, "effective profit margin, a percentage"),
          (TipoAgrupamento, 160, "how the lines are grouped"),
          (ModuloOrigem, 161, "the module the figures came from"),
          (Lacuna162, 162))

class NXLDADOSGC_API CNXDadosGC_Rentabilidade : public T_NXDadosRegistroComLista<_REG_GC_RENTABILIDADEPS> {
    NX_DADOS_COM_FILHOS(CNXDadosGC_Rentabilidade)
    NX_CAMPO(Quantidade)
    NX_CAMPO(CustoUnitarioV8)
    NX_CAMPO(DespesaUnitariaV8)
    NX_CAMPO(DespesaUnitariaEfetivaV8)
    NX_CAMPO(PrecoUnitarioSugeridoV8)
    NX_CAMPO(PrecoUnitarioAplicadoV8)
    NX_CAMPO(TotalCustos)
    NX_CAMPO(TotalDespesas)
    NX_CAMPO(TotalDespesasEfetiva)
    NX_CAMPO(TotalSugerido)
    NX_CAMPO(TotalAplicado)
    NX_CAMPO(Rentabilidade)
    NX_CAMPO(Lucratividade)
    NX_CAMPO(LucratividadeEfetiva)
    NX_CAMPO(PercRentabilidadeV8)
    NX_CAMPO(PercLucratividadeV8)
    NX_CAMPO(PercLucratividadeEfetivaV8)
    NX_CAMPO(TipoAgrupamento)
    NX_CAMPO(ModuloOrigem)
    NX_CHAVE(CNXDadosGC_KeyRentabilidade, KeyRentabilidade)
    NX_FILHOS(NX_FILHO_MEMBRO(KeyRentabilidade))
};

NX_SOBRE(_REG_GC_RENTABILIDADE_PRODUTO_SERVICOPS,
         "The profitability of one product or service (its member key) in a branch and month, against a market price "
         "and term.")
struct NXLDADOSGC_API _REG_GC_RENTABILIDADE_PRODUTO_SERVICOPS {
    _REG_GC_KEY_PRODUTO_SERVICOPS KeyProdutoServico;
    tagCY Quantidade;
    tagCY CustoPadraoV8;
    tagCY TotalDespesasV8;
    tagCY ValorIPIV8;
    tagCY LucroLiquidoV8;
    tagCY PrecoSugeridoV8;
    tagCY PrecoMercadoV8;
    tagCY VPPrecoMercadoV8;
    tagCY RentabilidadeUnitariaV8;
    tagCY PercRentabilidadeV8;
    ULONG PonteiroIndice;
    REG_NXMA MaCompetencia;
    WORD PonteiroFilial;
    WORD PrazoMercado;
    BYTE ConsiderarIPI;
    BYTE SituacaoRentabilidade;
    std::byte Lacuna116[4];
};
NX_LAYOUT(_REG_GC_RENTABILIDADE_PRODUTO_SERVICOPS, 120,
          (KeyProdutoServico, 0),
          (Quantidade, 24, "quantity"),
          (CustoPadraoV8, 32, "standard cost"),
          (TotalDespesasV8, 40, "total expenses"),
          (ValorIPIV8, 48, "IPI tax amount"),
          (LucroLiquidoV8, 56, "net profit"),
          (PrecoSugeridoV8, 64, "suggested price"),
          (PrecoMercadoV8, 72, "market price"),
          (VPPrecoMercadoV8, 80, "present value of the market price"),
          (RentabilidadeUnitariaV8, 88, "unit profitability"),
          (PercRentabilidadeV8, 96, "profitability, a percentage"),
          (PonteiroIndice, 104, "the index set (CNXDadosGC_IndiceCustos)"),
          (MaCompetencia, 108), (PonteiroFilial, 110),
          (PrazoMercado, 112, "market term"),
          (ConsiderarIPI, 114, "flag: include IPI"),
          (SituacaoRentabilidade, 115, "state of the profitability"),
          (Lacuna116, 116))

class NXLDADOSGC_API CNXDadosGC_RentabilidadeProdutoServico
    : public T_NXDadosRegistroComLista<_REG_GC_RENTABILIDADE_PRODUTO_SERVICOPS> {
    NX_DADOS_COM_FILHOS(CNXDadosGC_RentabilidadeProdutoServico)
    NX_CAMPO(Quantidade)
    NX_CAMPO(CustoPadraoV8)
    NX_CAMPO(TotalDespesasV8)
    NX_CAMPO(ValorIPIV8)
    NX_CAMPO(LucroLiquidoV8)
    NX_CAMPO(PrecoSugeridoV8)
    NX_CAMPO(PrecoMercadoV8)
    NX_CAMPO(VPPrecoMercadoV8)
    NX_CAMPO(RentabilidadeUnitariaV8)
    NX_CAMPO(PercRentabilidadeV8)
    NX_CAMPO(PonteiroIndice)
    NX_CAMPO(MaCompetencia)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(PrazoMercado)
    NX_CAMPO(ConsiderarIPI)
    NX_CAMPO(SituacaoRentabilidade)
    NX_CHAVE(CNXDadosGC_KeyProdutoServico, KeyProdutoServico)
    NX_FILHOS(NX_FILHO_MEMBRO(KeyProdutoServico))
};

NX_SOBRE(_REG_GC_FILTRO_RENTABILIDADEPS,
         "The query filter of profitability: a range of days and of invoice numbers, an index set, a representative, "
         "a state, customer categories, customers (PonteiroCliente) and products and services (ProdutoServico).")
struct NXLDADOSGC_API _REG_GC_FILTRO_RENTABILIDADEPS {
    REG_NXDMA DmaInicial;
    REG_NXDMA DmaFinal;
    ULONG NrNFInicial;
    ULONG NrNFFinal;
    ULONG PonteiroIndice;
    ULONG PonteiroRepresentante;
    ULONG PonteiroUF;
    ULONG PonteiroCategoria1;
    ULONG PonteiroCategoria2;
    ULONG PonteiroCategoria3;
    NXQuantidade QuantidadePonteiroCliente;
    NXQuantidade QuantidadeProdutoServico;
    WORD PonteiroFilial;
    BYTE TipoAgrupamento;
    BYTE TipoPessoa;
    BYTE SomenteTotais;
    std::byte Lacuna53[3];
    ULONG* pPonteiroCliente;
    _REG_GC_PRODUTO_SERVICO_CLASSEPS* pProdutoServico;
};
NX_LAYOUT(_REG_GC_FILTRO_RENTABILIDADEPS, 72,
          (DmaInicial, 0), (DmaFinal, 4),
          (NrNFInicial, 8, "first invoice number"),
          (NrNFFinal, 12, "last invoice number"),
          (PonteiroIndice, 16, "the index set (CNXDadosGC_IndiceCustos)"),
          (PonteiroRepresentante, 20),
          (PonteiroUF, 24, "the state"),
          (PonteiroCategoria1, 28, "customer category 1"),
          (PonteiroCategoria2, 32, "customer category 2"),
          (PonteiroCategoria3, 36, "customer category 3"),
          (QuantidadePonteiroCliente, 40), (QuantidadeProdutoServico, 44), (PonteiroFilial, 48),
          (TipoAgrupamento, 50, "how the lines are grouped"),
          (TipoPessoa, 51, "kind of person"),
          (SomenteTotais, 52, "flag: totals only"),
          (Lacuna53, 53),
          (pPonteiroCliente, 56, "the customers selected"),
          (pProdutoServico, 64))

class NXLDADOSGC_API CNXDadosGC_FiltroRentabilidade
    : public T_NXDadosRegistroComLista<_REG_GC_FILTRO_RENTABILIDADEPS> {
    NX_DADOS_COM_FILHOS(CNXDadosGC_FiltroRentabilidade)
    NX_CAMPO(DmaInicial)
    NX_CAMPO(DmaFinal)
    NX_CAMPO(NrNFInicial)
    NX_CAMPO(NrNFFinal)
    NX_CAMPO(PonteiroIndice)
    NX_CAMPO(PonteiroRepresentante)
    NX_CAMPO(PonteiroUF)
    NX_CAMPO(PonteiroCategoria1)
    NX_CAMPO(PonteiroCategoria2)
    NX_CAMPO(PonteiroCategoria3)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(TipoAgrupamento)
    NX_CAMPO(TipoPessoa)
    NX_CAMPO(SomenteTotais)
    NX_FAIXA(Dma)
    NX_FAIXA(NrNF)
    NX_LISTA(ULONG, PonteiroCliente)
    NX_LISTA(CNXDadosGC_ProdutoServicoClasse, ProdutoServico)
    NX_FILHOS(NX_FILHO_LISTA(PonteiroCliente), NX_FILHO_LISTA(ProdutoServico))
};

NX_SOBRE(_REG_GC_MARGEM_CONTRIBUICAO_PROD_SERV_DATAPS,
         "The sales of one product or service of a contribution margin on one day.")
struct NXLDADOSGC_API _REG_GC_MARGEM_CONTRIBUICAO_PROD_SERV_DATAPS {
    tagCY QuantidadeVendida;
    tagCY TotalVendido;
    REG_NXDMA Dma;
    std::byte Lacuna20[4];
};
NX_LAYOUT(_REG_GC_MARGEM_CONTRIBUICAO_PROD_SERV_DATAPS, 24,
          (QuantidadeVendida, 0, "quantity sold"),
          (TotalVendido, 8, "total sold"),
          (Dma, 16, "the day"),
          (Lacuna20, 20))

class NXLDADOSGC_API CNXDadosGC_MargemContribuicaoProdServData
    : public T_NXDadosRegistro<_REG_GC_MARGEM_CONTRIBUICAO_PROD_SERV_DATAPS> {
    NX_DADOS(CNXDadosGC_MargemContribuicaoProdServData)
    NX_CAMPO(QuantidadeVendida)
    NX_CAMPO(TotalVendido)
    NX_CAMPO(Dma)
};

NX_SOBRE(_REG_GC_MARGEM_CONTRIBUICAO_PROD_SERVPS,
         "One product or service of a contribution margin (its member key), with its sales by day (Data).")
struct NXLDADOSGC_API _REG_GC_MARGEM_CONTRIBUICAO_PROD_SERVPS {
    _REG_GC_KEY_PRODUTO_SERVICOPS KeyProdutoServico;
    tagCY PrecoUnitarioVendidoV8;
    tagCY CustoVariavelUnitarioV8;
    tagCY ContribuicaoUnitariaV8;
    tagCY ContribuicaoTotal;
    tagCY QuantidadeVendida;
    tagCY TotalVendido;
    tagCY PercentualContribuicaoUnitaria;
    NXQuantidade QuantidadeData;
    std::byte Lacuna84[4];
    _REG_GC_MARGEM_CONTRIBUICAO_PROD_SERV_DATAPS* pData;
    std::byte Lacuna96[8];
};
NX_LAYOUT(_REG_GC_MARGEM_CONTRIBUICAO_PROD_SERVPS, 104,
          (KeyProdutoServico, 0),
          (PrecoUnitarioVendidoV8, 24, "unit price sold at"),
          (CustoVariavelUnitarioV8, 32, "variable unit cost"),
          (ContribuicaoUnitariaV8, 40, "unit contribution"),
          (ContribuicaoTotal, 48, "total contribution"),
          (QuantidadeVendida, 56, "quantity sold"),
          (TotalVendido, 64, "total sold"),
          (PercentualContribuicaoUnitaria, 72, "unit contribution, a percentage"),
          (QuantidadeData, 80), (Lacuna84, 84), (pData, 88), (Lacuna96, 96))

class NXLDADOSGC_API CNXDadosGC_MargemContribuicaoProdServ
    : public T_NXDadosRegistroComLista<_REG_GC_MARGEM_CONTRIBUICAO_PROD_SERVPS> {
    NX_DADOS_COM_FILHOS(CNXDadosGC_MargemContribuicaoProdServ)
    NX_CAMPO(PrecoUnitarioVendidoV8)
    NX_CAMPO(CustoVariavelUnitarioV8)
    NX_CAMPO(ContribuicaoUnitariaV8)
    NX_CAMPO(ContribuicaoTotal)
    NX_CAMPO(QuantidadeVendida)
    NX_CAMPO(TotalVendido)
    NX_CAMPO(PercentualContribuicaoUnitaria)
    NX_LISTA(CNXDadosGC_MargemContribuicaoProdServData, Data)
    NX_CHAVE(CNXDadosGC_KeyProdutoServico, KeyProdutoServico)
    // The key before the sales, in every hook.
    NX_FILHOS(NX_FILHO_MEMBRO(KeyProdutoServico), NX_FILHO_LISTA(Data))
};

NX_SOBRE(_REG_GC_MARGEM_CONTRIBUICAO_PE_DETALHEPS,
         "One dated line of the break-even (PE) analysis of a contribution margin.")
struct NXLDADOSGC_API _REG_GC_MARGEM_CONTRIBUICAO_PE_DETALHEPS {
    tagCY GastoFixo;
    tagCY CustoVariavel;
    tagCY Receita;
    tagCY CustoVariavelAcumulado;
    tagCY GastoAcumulado;
    tagCY ReceitaAcumulada;
    tagCY SaldoPE;
    REG_NXDMA Dma;
    std::byte Lacuna60[4];
};
NX_LAYOUT(_REG_GC_MARGEM_CONTRIBUICAO_PE_DETALHEPS, 64,
          (GastoFixo, 0, "fixed spending"),
          (CustoVariavel, 8, "variable cost"),
          (Receita, 16, "revenue"),
          (CustoVariavelAcumulado, 24, "variable cost so far"),
          (GastoAcumulado, 32, "spending so far"),
          (ReceitaAcumulada, 40, "revenue so far"),
          (SaldoPE, 48, "break-even balance"),
          (Dma, 56, "the day"),
          (Lacuna60, 60))

class NXLDADOSGC_API CNXDadosGC_MargemContribuicaoPEDetalhe
    : public T_NXDadosRegistro<_REG_GC_MARGEM_CONTRIBUICAO_PE_DETALHEPS> {
    NX_DADOS(CNXDadosGC_MargemContribuicaoPEDetalhe)
    NX_CAMPO(GastoFixo)
    NX_CAMPO(CustoVariavel)
    NX_CAMPO(Receita)
    NX_CAMPO(CustoVariavelAcumulado)
    NX_CAMPO(GastoAcumulado)
    NX_CAMPO(ReceitaAcumulada)
    NX_CAMPO(SaldoPE)
    NX_CAMPO(Dma)
};

NX_SOBRE(_REG_GC_MARGEM_CONTRIBUICAOPS,
         "The contribution margin of a branch and month: its totals, its products and services (ProdutoServico) and "
         "its dated break-even lines (DetalhePE).")
struct NXLDADOSGC_API _REG_GC_MARGEM_CONTRIBUICAOPS {
    tagCY TotalCustoFixo;
    tagCY TotalDespesaFixa;
    tagCY TotalVendido;
    tagCY TotalContribuicao;
    tagCY PrejuizoLucroBruto;
    NXQuantidade QuantidadeProdutoServico;
    NXQuantidade QuantidadeDetalhePE;
    REG_NXMA MaCompetencia;
    WORD PonteiroFilial;
    std::byte Lacuna52[4];
    _REG_GC_MARGEM_CONTRIBUICAO_PROD_SERVPS* pProdutoServico;
    _REG_GC_MARGEM_CONTRIBUICAO_PE_DETALHEPS* pDetalhePE;
};
NX_LAYOUT(_REG_GC_MARGEM_CONTRIBUICAOPS, 72,
          (TotalCustoFixo, 0, "total fixed cost"),
          (TotalDespesaFixa, 8, "total fixed expense"),
          (TotalVendido, 16, "total sold"),
          (TotalContribuicao, 24, "total contribution"),
          (PrejuizoLucroBruto, 32, "gross profit, or loss when negative"),
          (QuantidadeProdutoServico, 40), (QuantidadeDetalhePE, 44), (MaCompetencia, 48), (PonteiroFilial, 50),
          (Lacuna52, 52), (pProdutoServico, 56), (pDetalhePE, 64))

class NXLDADOSGC_API CNXDadosGC_MargemContribuicao
    : public T_NXDadosRegistroComLista<_REG_GC_MARGEM_CONTRIBUICAOPS> {
    NX_DADOS_COM_FILHOS(CNXDadosGC_MargemContribuicao)
    NX_CAMPO(TotalCustoFixo)
    NX_CAMPO(TotalDespesaFixa)
    NX_CAMPO(TotalVendido)
    NX_CAMPO(TotalContribuicao)
    NX_CAMPO(PrejuizoLucroBruto)
    NX_CAMPO(MaCompetencia)
    NX_CAMPO(PonteiroFilial)
    NX_LISTA(CNXDadosGC_MargemContribuicaoProdServ, ProdutoServico)
    NX_LISTA(CNXDadosGC_MargemContribuicaoPEDetalhe, DetalhePE)
    NX_FILHOS(NX_FILHO_LISTA(ProdutoServico), NX_FILHO_LISTA(DetalhePE))
};

NX_SOBRE(_REG_GC_PARAMETROS_MARGEM_CONTRIBUICAOPS,
         "The parameters of a contribution-margin analysis: a branch and month.")
struct NXLDADOSGC_API _REG_GC_PARAMETROS_MARGEM_CONTRIBUICAOPS {
    REG_NXMA MaCompetencia;
    WORD PonteiroFilial;
    std::byte Lacuna4[4];
};
NX_LAYOUT(_REG_GC_PARAMETROS_MARGEM_CONTRIBUICAOPS, 8, (MaCompetencia, 0), (PonteiroFilial, 2), (Lacuna4, 4))

class NXLDADOSGC_API CNXDadosGC_ParametrosMargemContribuicao
    : public T_NXDadosRegistro<_REG_GC_PARAMETROS_MARGEM_CONTRIBUICAOPS> {
    NX_DADOS(CNXDadosGC_ParametrosMargemContribuicao)
    NX_CAMPO(MaCompetencia)
    NX_CAMPO(PonteiroFilial)
};

NX_SOBRE(_REG_GC_FORMACAO_PRECOPS,
         "The cash and term selling prices formed for one product or service (its member key).")
struct NXLDADOSGC_API _REG_GC_FORMACAO_PRECOPS {
    _REG_GC_KEY_PRODUTO_SERVICOPS KeyProdutoServico;
    tagCY CustoPadraoV8;
    tagCY LucroLiquidoV8;
    tagCY TotalDespesasV8;
    tagCY PrecoVendaVistaV8;
    tagCY PrecoVendaPrazoV8;
    tagCY TaxaFinanceira;
    tagCY PrazoMedio;
    tagCY PercDespesasSemLucro;
    tagCY PercDespesasComLucro;
};
NX_LAYOUT(_REG_GC_FORMACAO_PRECOPS, 96,
          (KeyProdutoServico, 0),
          (CustoPadraoV8, 24, "standard cost"),
          (LucroLiquidoV8, 32, "net profit"),
          (TotalDespesasV8, 40, "total expenses"),
          (PrecoVendaVistaV8, 48, "cash selling price"),
          (PrecoVendaPrazoV8, 56, "term selling price"),
          (TaxaFinanceira, 64, "financial rate"),
          (PrazoMedio, 72, "average term"),
          (PercDespesasSemLucro, 80, "expenses without profit, a percentage"),
          (PercDespesasComLucro, 88, "expenses with profit, a percentage"))

class NXLDADOSGC_API CNXDadosGC_FormacaoPreco : public T_NXDadosRegistroComLista<_REG_GC_FORMACAO_PRECOPS> {
    NX_DADOS_COM_FILHOS(CNXDadosGC_FormacaoPreco)
    NX_CAMPO(CustoPadraoV8)
    NX_CAMPO(LucroLiquidoV8)
    NX_CAMPO(TotalDespesasV8)
    NX_CAMPO(PrecoVendaVistaV8)
    NX_CAMPO(PrecoVendaPrazoV8)
    NX_CAMPO(TaxaFinanceira)
    NX_CAMPO(PrazoMedio)
    NX_CAMPO(PercDespesasSemLucro)
    NX_CAMPO(PercDespesasComLucro)
    NX_CHAVE(CNXDadosGC_KeyProdutoServico, KeyProdutoServico)
    NX_FILHOS(NX_FILHO_MEMBRO(KeyProdutoServico))
};

NX_SOBRE(_REG_GC_PARAMETROS_FORMACAO_PRECO_VENDAPS,
         "The parameters of a selling-price formation: an index set, an index-to-product relation, a branch and "
         "month, and the product and service classes to price (ProdutoServicoClasse).")
struct NXLDADOSGC_API _REG_GC_PARAMETROS_FORMACAO_PRECO_VENDAPS {
    ULONG PonteiroIndiceCustos;
    ULONG PonteiroRelacaoIndicesProdutos;
    NXQuantidade QuantidadeProdutoServicoClasse;
    REG_NXMA MaCompetencia;
    WORD PonteiroFilial;
    _REG_GC_PRODUTO_SERVICO_CLASSEPS* pProdutoServicoClasse;
    std::byte Lacuna24[8];
};
NX_LAYOUT(_REG_GC_PARAMETROS_FORMACAO_PRECO_VENDAPS, 32,
          (PonteiroIndiceCustos, 0, "the index set (CNXDadosGC_IndiceCustos)"),
          (PonteiroRelacaoIndicesProdutos, 4, "the index-to-product relation (CNXDadosGC_RelacaoIndiceProduto)"),
          (QuantidadeProdutoServicoClasse, 8), (MaCompetencia, 12), (PonteiroFilial, 14), (pProdutoServicoClasse, 16),
          (Lacuna24, 24))

class NXLDADOSGC_API CNXDadosGC_ParametrosFormacaoPrecoVenda
    : public T_NXDadosRegistroComLista<_REG_GC_PARAMETROS_FORMACAO_PRECO_VENDAPS> {
    NX_DADOS_COM_FILHOS(CNXDadosGC_ParametrosFormacaoPrecoVenda)
    NX_CAMPO(PonteiroIndiceCustos)
    NX_CAMPO(PonteiroRelacaoIndicesProdutos)
    NX_CAMPO(MaCompetencia)
    NX_CAMPO(PonteiroFilial)
    NX_LISTA(CNXDadosGC_ProdutoServicoClasse, ProdutoServicoClasse)
    NX_FILHOS(NX_FILHO_LISTA(ProdutoServicoClasse))
};

#endif
