// Profitability, contribution margin and price formation, and the product/service class that
// filters and parameters elsewhere list.
#ifndef NXLDADOSGC_GC_RENTABILIDADE_H
#define NXLDADOSGC_GC_RENTABILIDADE_H

#include "NXLDadosGC/gc/Chaves.h"  // CNXDadosGC_KeyProdutoServico, CNXDadosGC_KeyRentabilidade
#include "NXLDadosGC/gc/DadosGC.h"

struct _REG_GC_PRODUTO_SERVICO_CLASSEPS {
    _REG_GC_KEY_PRODUTO_SERVICOPS KeyProdutoServicoClasse;
    BYTE ConsiderarVariacoesGrades;
    std::byte Lacuna25[7];
};
NX_LAYOUT(_REG_GC_PRODUTO_SERVICO_CLASSEPS, 32, (KeyProdutoServicoClasse, 0), (ConsiderarVariacoesGrades, 24),
          (Lacuna25, 25))

class NXLDADOSGC_API CNXDadosGC_ProdutoServicoClasse
    : public T_NXDadosRegistroComLista<_REG_GC_PRODUTO_SERVICO_CLASSEPS> {
    NX_DADOS_COM_FILHOS(CNXDadosGC_ProdutoServicoClasse)
    NX_CAMPO(ConsiderarVariacoesGrades)
    NX_CHAVE(CNXDadosGC_KeyProdutoServico, KeyProdutoServicoClasse)
    NX_FILHOS(NX_FILHO_MEMBRO(KeyProdutoServicoClasse))
};

struct _REG_GC_RENTABILIDADEPS {
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
NX_LAYOUT(_REG_GC_RENTABILIDADEPS, 176, (KeyRentabilidade, 0), (Quantidade, 24), (CustoUnitarioV8, 32),
          (DespesaUnitariaV8, 40), (DespesaUnitariaEfetivaV8, 48), (PrecoUnitarioSugeridoV8, 56),
          (PrecoUnitarioAplicadoV8, 64), (TotalCustos, 72), (TotalDespesas, 80), (TotalDespesasEfetiva, 88),
          (TotalSugerido, 96), (TotalAplicado, 104), (Rentabilidade, 112), (Lucratividade, 120),
          (LucratividadeEfetiva, 128), (PercRentabilidadeV8, 136), (PercLucratividadeV8, 144),
          (PercLucratividadeEfetivaV8, 152), (TipoAgrupamento, 160), (ModuloOrigem, 161), (Lacuna162, 162))

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

struct _REG_GC_RENTABILIDADE_PRODUTO_SERVICOPS {
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
NX_LAYOUT(_REG_GC_RENTABILIDADE_PRODUTO_SERVICOPS, 120, (KeyProdutoServico, 0), (Quantidade, 24),
          (CustoPadraoV8, 32), (TotalDespesasV8, 40), (ValorIPIV8, 48), (LucroLiquidoV8, 56), (PrecoSugeridoV8, 64),
          (PrecoMercadoV8, 72), (VPPrecoMercadoV8, 80), (RentabilidadeUnitariaV8, 88), (PercRentabilidadeV8, 96),
          (PonteiroIndice, 104), (MaCompetencia, 108), (PonteiroFilial, 110), (PrazoMercado, 112),
          (ConsiderarIPI, 114), (SituacaoRentabilidade, 115), (Lacuna116, 116))

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

// PonteiroCliente travels as a block of 32-bit customer references.
struct _REG_GC_FILTRO_RENTABILIDADEPS {
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
NX_LAYOUT(_REG_GC_FILTRO_RENTABILIDADEPS, 72, (DmaInicial, 0), (DmaFinal, 4), (NrNFInicial, 8), (NrNFFinal, 12),
          (PonteiroIndice, 16), (PonteiroRepresentante, 20), (PonteiroUF, 24), (PonteiroCategoria1, 28),
          (PonteiroCategoria2, 32), (PonteiroCategoria3, 36), (QuantidadePonteiroCliente, 40),
          (QuantidadeProdutoServico, 44), (PonteiroFilial, 48), (TipoAgrupamento, 50), (TipoPessoa, 51),
          (SomenteTotais, 52), (Lacuna53, 53), (pPonteiroCliente, 56), (pProdutoServico, 64))

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

struct _REG_GC_MARGEM_CONTRIBUICAO_PROD_SERV_DATAPS {
    tagCY QuantidadeVendida;
    tagCY TotalVendido;
    REG_NXDMA Dma;
    std::byte Lacuna20[4];
};
NX_LAYOUT(_REG_GC_MARGEM_CONTRIBUICAO_PROD_SERV_DATAPS, 24, (QuantidadeVendida, 0), (TotalVendido, 8), (Dma, 16),
          (Lacuna20, 20))

class NXLDADOSGC_API CNXDadosGC_MargemContribuicaoProdServData
    : public T_NXDadosRegistro<_REG_GC_MARGEM_CONTRIBUICAO_PROD_SERV_DATAPS> {
    NX_DADOS(CNXDadosGC_MargemContribuicaoProdServData)
    NX_CAMPO(QuantidadeVendida)
    NX_CAMPO(TotalVendido)
    NX_CAMPO(Dma)
};

struct _REG_GC_MARGEM_CONTRIBUICAO_PROD_SERVPS {
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
NX_LAYOUT(_REG_GC_MARGEM_CONTRIBUICAO_PROD_SERVPS, 104, (KeyProdutoServico, 0), (PrecoUnitarioVendidoV8, 24),
          (CustoVariavelUnitarioV8, 32), (ContribuicaoUnitariaV8, 40), (ContribuicaoTotal, 48),
          (QuantidadeVendida, 56), (TotalVendido, 64), (PercentualContribuicaoUnitaria, 72), (QuantidadeData, 80),
          (Lacuna84, 84), (pData, 88), (Lacuna96, 96))

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

struct _REG_GC_MARGEM_CONTRIBUICAO_PE_DETALHEPS {
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
NX_LAYOUT(_REG_GC_MARGEM_CONTRIBUICAO_PE_DETALHEPS, 64, (GastoFixo, 0), (CustoVariavel, 8), (Receita, 16),
          (CustoVariavelAcumulado, 24), (GastoAcumulado, 32), (ReceitaAcumulada, 40), (SaldoPE, 48), (Dma, 56),
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

struct _REG_GC_MARGEM_CONTRIBUICAOPS {
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
NX_LAYOUT(_REG_GC_MARGEM_CONTRIBUICAOPS, 72, (TotalCustoFixo, 0), (TotalDespesaFixa, 8), (TotalVendido, 16),
          (TotalContribuicao, 24), (PrejuizoLucroBruto, 32), (QuantidadeProdutoServico, 40),
          (QuantidadeDetalhePE, 44), (MaCompetencia, 48), (PonteiroFilial, 50), (Lacuna52, 52),
          (pProdutoServico, 56), (pDetalhePE, 64))

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

struct _REG_GC_PARAMETROS_MARGEM_CONTRIBUICAOPS {
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

struct _REG_GC_FORMACAO_PRECOPS {
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
NX_LAYOUT(_REG_GC_FORMACAO_PRECOPS, 96, (KeyProdutoServico, 0), (CustoPadraoV8, 24), (LucroLiquidoV8, 32),
          (TotalDespesasV8, 40), (PrecoVendaVistaV8, 48), (PrecoVendaPrazoV8, 56), (TaxaFinanceira, 64),
          (PrazoMedio, 72), (PercDespesasSemLucro, 80), (PercDespesasComLucro, 88))

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

struct _REG_GC_PARAMETROS_FORMACAO_PRECO_VENDAPS {
    ULONG PonteiroIndiceCustos;
    ULONG PonteiroRelacaoIndicesProdutos;
    NXQuantidade QuantidadeProdutoServicoClasse;
    REG_NXMA MaCompetencia;
    WORD PonteiroFilial;
    _REG_GC_PRODUTO_SERVICO_CLASSEPS* pProdutoServicoClasse;
    std::byte Lacuna24[8];
};
NX_LAYOUT(_REG_GC_PARAMETROS_FORMACAO_PRECO_VENDAPS, 32, (PonteiroIndiceCustos, 0),
          (PonteiroRelacaoIndicesProdutos, 4), (QuantidadeProdutoServicoClasse, 8), (MaCompetencia, 12),
          (PonteiroFilial, 14), (pProdutoServicoClasse, 16), (Lacuna24, 24))

// PonteiroIndiceCustos and PonteiroRelacaoIndicesProdutos: an index set and an index-to-product
// relation.
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
