// Cost indices: named sets of rates with their user-defined values, the definition of a
// user-defined index, the rule that picks an index set for a product and customer, and the
// relations that assign an index set to each of a list of products.
#ifndef NXLDADOSGC_GC_INDICECUSTOS_H
#define NXLDADOSGC_GC_INDICECUSTOS_H

#include "NXLDadosGC/gc/Chaves.h"  // CNXDadosGC_KeyProdutoServico
#include "NXLDadosGC/gc/DadosGC.h"

NX_SOBRE(_REG_GC_INDICE_CUSTOS_VALOR_PERSONALIZADOPS, "One user-defined value of an index set.")
struct NXLDADOSGC_API _REG_GC_INDICE_CUSTOS_VALOR_PERSONALIZADOPS {
    tagCY Valor;
    char Descricao[31];
    std::byte Lacuna39[1];
};
NX_LAYOUT(_REG_GC_INDICE_CUSTOS_VALOR_PERSONALIZADOPS, 40, (Valor, 0), (Descricao, 8), (Lacuna39, 39))

class NXLDADOSGC_API CNXDadosGC_IndiceCustosValorPersonalizado
    : public T_NXDadosRegistro<_REG_GC_INDICE_CUSTOS_VALOR_PERSONALIZADOPS> {
    NX_DADOS(CNXDadosGC_IndiceCustosValorPersonalizado)
    NX_CAMPO(Valor)
    NX_TEXTO(Descricao, 30)
};

NX_SOBRE(_REG_GC_INDICE_CUSTOSPS,
         "A set of cost indices: the rates kept beside cost and its user-defined values (ValorPersonalizado); the "
         "programs that fill it choose each value's unit.")
struct NXLDADOSGC_API _REG_GC_INDICE_CUSTOSPS {
    tagCY TaxaFinanceira;
    tagCY PrazoMedio;
    tagCY LucroLiquido;
    tagCY RepComissaoFaturamento;
    tagCY RepComissaoVencimento;
    tagCY VendComissaoFaturamento;
    tagCY VendComissaoVencimento;
    tagCY ICMS;
    tagCY PIS;
    tagCY COFINS;
    tagCY Frete;
    tagCY Marketing;
    tagCY Estrutura;
    tagCY ImpostoRenda;
    ULONG Posicao;
    NXQuantidade QuantidadeValorPersonalizado;
    char Codigo[11];
    char Descricao[51];
    std::byte Lacuna182[2];
    _REG_GC_INDICE_CUSTOS_VALOR_PERSONALIZADOPS* pValorPersonalizado;
    std::byte Lacuna192[8];
};
NX_LAYOUT(_REG_GC_INDICE_CUSTOSPS, 200,
          (TaxaFinanceira, 0, "financial rate"),
          (PrazoMedio, 8, "average term"),
          (LucroLiquido, 16, "net profit"),
          (RepComissaoFaturamento, 24, "representatives' commission on invoicing"),
          (RepComissaoVencimento, 32, "representatives' commission on due date"),
          (VendComissaoFaturamento, 40, "salespeople's commission on invoicing"),
          (VendComissaoVencimento, 48, "salespeople's commission on due date"),
          (ICMS, 56), (PIS, 64), (COFINS, 72),
          (Frete, 80, "freight"),
          (Marketing, 88),
          (Estrutura, 96, "structure"),
          (ImpostoRenda, 104, "income tax"),
          (Posicao, 112), (QuantidadeValorPersonalizado, 116), (Codigo, 120), (Descricao, 131), (Lacuna182, 182),
          (pValorPersonalizado, 184), (Lacuna192, 192))

class NXLDADOSGC_API CNXDadosGC_IndiceCustos : public T_NXDadosRegistroComLista<_REG_GC_INDICE_CUSTOSPS> {
    NX_DADOS_COM_FILHOS(CNXDadosGC_IndiceCustos)
    NX_CAMPO(TaxaFinanceira)
    NX_CAMPO(PrazoMedio)
    NX_CAMPO(LucroLiquido)
    NX_CAMPO(RepComissaoFaturamento)
    NX_CAMPO(RepComissaoVencimento)
    NX_CAMPO(VendComissaoFaturamento)
    NX_CAMPO(VendComissaoVencimento)
    NX_CAMPO(ICMS)
    NX_CAMPO(PIS)
    NX_CAMPO(COFINS)
    NX_CAMPO(Frete)
    NX_CAMPO(Marketing)
    NX_CAMPO(Estrutura)
    NX_CAMPO(ImpostoRenda)
    NX_CAMPO(Posicao)
    NX_TEXTO(Codigo, 10)
    NX_TEXTO(Descricao, 50)
    NX_LISTA(CNXDadosGC_IndiceCustosValorPersonalizado, ValorPersonalizado)
    NX_FILHOS(NX_FILHO_LISTA(ValorPersonalizado))
};

NX_SOBRE(_REG_GC_INDICE_CUSTOS_PERSONALIZADOPS, "The definition of a user-defined cost index.")
struct NXLDADOSGC_API _REG_GC_INDICE_CUSTOS_PERSONALIZADOPS {
    ULONG Posicao;
    char Descricao[31];
    std::byte Lacuna35[5];
};
NX_LAYOUT(_REG_GC_INDICE_CUSTOS_PERSONALIZADOPS, 40,
          (Posicao, 0, "the index's position"),
          (Descricao, 4), (Lacuna35, 35))

class NXLDADOSGC_API CNXDadosGC_IndiceCustosPersonalizado
    : public T_NXDadosRegistro<_REG_GC_INDICE_CUSTOS_PERSONALIZADOPS> {
    NX_DADOS(CNXDadosGC_IndiceCustosPersonalizado)
    NX_CAMPO(Posicao)
    NX_TEXTO(Descricao, 30)
};

NX_SOBRE(_REG_GC_IDENTIFICACAO_INDICE_CUSTOSPS,
         "The rule that says which index set applies to a product or service (its member key), customer, customer "
         "categories, representative, branch and fiscal situation.")
struct NXLDADOSGC_API _REG_GC_IDENTIFICACAO_INDICE_CUSTOSPS {
    _REG_GC_KEY_PRODUTO_SERVICOPS KeyProdutoServico;
    ULONG Posicao;
    ULONG PonteiroIndiceCustos;
    ULONG PonteiroCliente;
    ULONG CliPonteiroCategoria1;
    ULONG CliPonteiroCategoria2;
    ULONG CliPonteiroCategoria3;
    ULONG PonteiroRepresentante;
    WORD PonteiroFilial;
    BYTE Inativo;
    BYTE TipoProducao;
    BYTE PossuiSubstTributaria;
    BYTE PossuiPIS;
    BYTE PossuiCOFINS;
    BYTE TipoFiltroCliente;
    BYTE CliTipoPessoa;
    BYTE CliRegiaoFiscal;
    BYTE CliDestinoOperacao;
    BYTE CliContribuinteICMS;
    BYTE FretePorConta;
    char Codigo[11];
    char Descricao[51];
    std::byte Lacuna127[1];
};
NX_LAYOUT(_REG_GC_IDENTIFICACAO_INDICE_CUSTOSPS, 128,
          (KeyProdutoServico, 0), (Posicao, 24),
          (PonteiroIndiceCustos, 28, "the index set that applies (CNXDadosGC_IndiceCustos)"),
          (PonteiroCliente, 32),
          (CliPonteiroCategoria1, 36, "customer category 1"),
          (CliPonteiroCategoria2, 40, "customer category 2"),
          (CliPonteiroCategoria3, 44, "customer category 3"),
          (PonteiroRepresentante, 48), (PonteiroFilial, 52), (Inativo, 54),
          (TipoProducao, 55, "kind of production"),
          (PossuiSubstTributaria, 56, "flag: tax substitution applies"),
          (PossuiPIS, 57, "flag: PIS applies"),
          (PossuiCOFINS, 58, "flag: COFINS applies"),
          (TipoFiltroCliente, 59, "how the customer is selected"),
          (CliTipoPessoa, 60, "the customer's kind of person"),
          (CliRegiaoFiscal, 61, "the customer's fiscal region"),
          (CliDestinoOperacao, 62, "destination of the operation"),
          (CliContribuinteICMS, 63, "whether the customer pays ICMS"),
          (FretePorConta, 64, "who pays the freight"),
          (Codigo, 65), (Descricao, 76), (Lacuna127, 127))

class NXLDADOSGC_API CNXDadosGC_IdentificacaoIndiceCustos
    : public T_NXDadosRegistroComLista<_REG_GC_IDENTIFICACAO_INDICE_CUSTOSPS> {
    NX_DADOS_COM_FILHOS(CNXDadosGC_IdentificacaoIndiceCustos)
    NX_CAMPO(Posicao)
    NX_CAMPO(PonteiroIndiceCustos)
    NX_CAMPO(PonteiroCliente)
    NX_CAMPO(CliPonteiroCategoria1)
    NX_CAMPO(CliPonteiroCategoria2)
    NX_CAMPO(CliPonteiroCategoria3)
    NX_CAMPO(PonteiroRepresentante)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(Inativo)
    NX_CAMPO(TipoProducao)
    NX_CAMPO(PossuiSubstTributaria)
    NX_CAMPO(PossuiPIS)
    NX_CAMPO(PossuiCOFINS)
    NX_CAMPO(TipoFiltroCliente)
    NX_CAMPO(CliTipoPessoa)
    NX_CAMPO(CliRegiaoFiscal)
    NX_CAMPO(CliDestinoOperacao)
    NX_CAMPO(CliContribuinteICMS)
    NX_CAMPO(FretePorConta)
    NX_TEXTO(Codigo, 10)
    NX_TEXTO(Descricao, 50)
    NX_CHAVE(CNXDadosGC_KeyProdutoServico, KeyProdutoServico)
    NX_FILHOS(NX_FILHO_MEMBRO(KeyProdutoServico))
};

NX_SOBRE(_REG_GC_RELACAO_INDICE_PRODUTO_ITEMPS,
         "One product of an index-to-product relation and the index set assigned to it.")
struct NXLDADOSGC_API _REG_GC_RELACAO_INDICE_PRODUTO_ITEMPS {
    _REG_POSICAO_PRODUTOPS PosicaoProduto;
    ULONG PonteiroIndiceCusto;
    std::byte Lacuna20[4];
};
NX_LAYOUT(_REG_GC_RELACAO_INDICE_PRODUTO_ITEMPS, 24,
          (PosicaoProduto, 0, "the product"),
          (PonteiroIndiceCusto, 16, "the index set (CNXDadosGC_IndiceCustos)"),
          (Lacuna20, 20))

class NXLDADOSGC_API CNXDadosGC_RelacaoIndiceProdutoItem
    : public T_NXDadosRegistro<_REG_GC_RELACAO_INDICE_PRODUTO_ITEMPS> {
    NX_DADOS(CNXDadosGC_RelacaoIndiceProdutoItem)
    NX_CAMPO(PosicaoProduto)
    NX_CAMPO(PonteiroIndiceCusto)
};

NX_SOBRE(_REG_GC_RELACAO_INDICE_PRODUTOPS,
         "A named relation that assigns an index set to each of a list of products (Item).")
struct NXLDADOSGC_API _REG_GC_RELACAO_INDICE_PRODUTOPS {
    ULONG Posicao;
    NXQuantidade QuantidadeItem;
    char Codigo[11];
    char Descricao[51];
    BYTE Excluido;
    std::byte Lacuna71[1];
    _REG_GC_RELACAO_INDICE_PRODUTO_ITEMPS* pItem;
    std::byte Lacuna80[8];
};
NX_LAYOUT(_REG_GC_RELACAO_INDICE_PRODUTOPS, 88, (Posicao, 0), (QuantidadeItem, 4), (Codigo, 8), (Descricao, 19),
          (Excluido, 70), (Lacuna71, 71), (pItem, 72), (Lacuna80, 80))

class NXLDADOSGC_API CNXDadosGC_RelacaoIndiceProduto
    : public T_NXDadosRegistroComLista<_REG_GC_RELACAO_INDICE_PRODUTOPS> {
    NX_DADOS_COM_FILHOS(CNXDadosGC_RelacaoIndiceProduto)
    NX_CAMPO(Posicao)
    NX_TEXTO(Codigo, 10)
    NX_TEXTO(Descricao, 50)
    NX_CAMPO(Excluido)
    NX_LISTA(CNXDadosGC_RelacaoIndiceProdutoItem, Item)
    NX_FILHOS(NX_FILHO_LISTA(Item))
};

NX_SOBRE(_REG_GC_FILTRO_RELACAO_INDICE_PRODUTOPS, "The query filter of index-to-product relations.")
struct NXLDADOSGC_API _REG_GC_FILTRO_RELACAO_INDICE_PRODUTOPS {
    ULONG PonteiroRelacaoIndiceProduto;
    char Codigo[11];
    std::byte Lacuna15[1];
};
NX_LAYOUT(_REG_GC_FILTRO_RELACAO_INDICE_PRODUTOPS, 16,
          (PonteiroRelacaoIndiceProduto, 0, "a relation (CNXDadosGC_RelacaoIndiceProduto)"),
          (Codigo, 4), (Lacuna15, 15))

class NXLDADOSGC_API CNXDadosGC_FiltroRelacaoIndiceProduto
    : public T_NXDadosRegistro<_REG_GC_FILTRO_RELACAO_INDICE_PRODUTOPS> {
    NX_DADOS(CNXDadosGC_FiltroRelacaoIndiceProduto)
    NX_CAMPO(PonteiroRelacaoIndiceProduto)
    NX_TEXTO(Codigo, 10)
};

#endif
