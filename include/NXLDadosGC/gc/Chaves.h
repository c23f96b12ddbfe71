// Keys: the small records that identify what costs are recorded for. Flat keys repeat a
// smaller key's fields and offer it as a key view; composite keys embed smaller keys whole and
// hold them as member keys. Keys compare by equality only and are empty when all zero.
#ifndef NXLDADOSGC_GC_CHAVES_H
#define NXLDADOSGC_GC_CHAVES_H

#include "NXLDadosGC/gc/DadosGC.h"

NX_SOBRE(_REG_GC_KEY_COMPETENCIAPS, "The key of an accounting month in a branch.")
struct NXLDADOSGC_API _REG_GC_KEY_COMPETENCIAPS {
    REG_NXMA MaCompetencia;
    WORD PonteiroFilial;
    std::byte Lacuna4[4];
};
NX_LAYOUT(_REG_GC_KEY_COMPETENCIAPS, 8, (MaCompetencia, 0), (PonteiroFilial, 2), (Lacuna4, 4))

class NXLDADOSGC_API CNXDadosGC_KeyCompetencia : public T_NXDadosRegistro<_REG_GC_KEY_COMPETENCIAPS> {
    NX_DADOS(CNXDadosGC_KeyCompetencia)
    NX_CAMPO(MaCompetencia)
    NX_CAMPO(PonteiroFilial)
};

NX_SOBRE(_REG_GC_KEY_PRODUTO_SERVICOPS, "The key of a product or service: its locator in the catalogue and its kind.")
struct NXLDADOSGC_API _REG_GC_KEY_PRODUTO_SERVICOPS {
    _REG_POSICAO_PRODUTOPS PosicaoProdutoServico;
    BYTE TipoProdutoServico;
    std::byte Lacuna17[7];
};
NX_LAYOUT(_REG_GC_KEY_PRODUTO_SERVICOPS, 24,
          (PosicaoProdutoServico, 0),
          (TipoProdutoServico, 16, "kind of product or service"),
          (Lacuna17, 17))

class NXLDADOSGC_API CNXDadosGC_KeyProdutoServico : public T_NXDadosRegistro<_REG_GC_KEY_PRODUTO_SERVICOPS> {
    NX_DADOS(CNXDadosGC_KeyProdutoServico)
    NX_CAMPO(PosicaoProdutoServico)
    NX_CAMPO(TipoProdutoServico)
};

NX_SOBRE(_REG_GC_KEY_PRODUTO_SERVICO_COMPETENCIAPS, "The key of a product or service in one branch and month.")
struct NXLDADOSGC_API _REG_GC_KEY_PRODUTO_SERVICO_COMPETENCIAPS {
    _REG_POSICAO_PRODUTOPS PosicaoProdutoServico;
    REG_NXMA MaCompetencia;
    WORD PonteiroFilial;
    BYTE TipoProdutoServico;
    std::byte Lacuna21[3];
};
NX_LAYOUT(_REG_GC_KEY_PRODUTO_SERVICO_COMPETENCIAPS, 24,
          (PosicaoProdutoServico, 0), (MaCompetencia, 16), (PonteiroFilial, 18),
          (TipoProdutoServico, 20, "kind of product or service"),
          (Lacuna21, 21))

class NXLDADOSGC_API CNXDadosGC_KeyProdutoServicoCompetencia
    : public T_NXDadosRegistro<_REG_GC_KEY_PRODUTO_SERVICO_COMPETENCIAPS> {
    NX_DADOS(CNXDadosGC_KeyProdutoServicoCompetencia)
    NX_CAMPO(PosicaoProdutoServico)
    NX_CAMPO(MaCompetencia)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(TipoProdutoServico)
    NX_VISAO_CHAVE(KeyCompetencia, MaCompetencia, PonteiroFilial)
    NX_VISAO_CHAVE(KeyProdutoServico, PosicaoProdutoServico, TipoProdutoServico)
};

NX_SOBRE(_REG_GC_KEY_CONTA_CUSTOSPS, "The key of an account pair: a ledger account and a management account.")
struct NXLDADOSGC_API _REG_GC_KEY_CONTA_CUSTOSPS {
    ULONG PonteiroContaContabil;
    ULONG PonteiroContaGerencial;
};
NX_LAYOUT(_REG_GC_KEY_CONTA_CUSTOSPS, 8, (PonteiroContaContabil, 0), (PonteiroContaGerencial, 4))

class NXLDADOSGC_API CNXDadosGC_KeyContaCustos : public T_NXDadosRegistro<_REG_GC_KEY_CONTA_CUSTOSPS> {
    NX_DADOS(CNXDadosGC_KeyContaCustos)
    NX_CAMPO(PonteiroContaContabil)
    NX_CAMPO(PonteiroContaGerencial)
};

NX_SOBRE(_REG_GC_KEY_CENTRO_CUSTOS_COMPETENCIAPS, "The key of a cost centre in one branch and month.")
struct NXLDADOSGC_API _REG_GC_KEY_CENTRO_CUSTOS_COMPETENCIAPS {
    ULONG PonteiroCentroCustos;
    REG_NXMA MaCompetencia;
    WORD PonteiroFilial;
};
NX_LAYOUT(_REG_GC_KEY_CENTRO_CUSTOS_COMPETENCIAPS, 8, (PonteiroCentroCustos, 0), (MaCompetencia, 4),
          (PonteiroFilial, 6))

class NXLDADOSGC_API CNXDadosGC_KeyCentroCustosCompetencia
    : public T_NXDadosRegistro<_REG_GC_KEY_CENTRO_CUSTOS_COMPETENCIAPS> {
    NX_DADOS(CNXDadosGC_KeyCentroCustosCompetencia)
    NX_CAMPO(PonteiroCentroCustos)
    NX_CAMPO(MaCompetencia)
    NX_CAMPO(PonteiroFilial)
    NX_VISAO_CHAVE(KeyCompetencia, MaCompetencia, PonteiroFilial)
};

NX_SOBRE(_REG_GC_KEY_CUSTO_PRODUTO_SERVICOPS,
         "The key of the cost of a product or service in one branch and month, by process and kind of cost.")
struct NXLDADOSGC_API _REG_GC_KEY_CUSTO_PRODUTO_SERVICOPS {
    _REG_POSICAO_PRODUTOPS PosicaoProdutoServico;
    ULONG PonteiroProcesso;
    REG_NXMA MaCompetencia;
    WORD PonteiroFilial;
    BYTE TipoProdutoServico;
    BYTE TipoCusto;
    std::byte Lacuna26[6];
};
NX_LAYOUT(_REG_GC_KEY_CUSTO_PRODUTO_SERVICOPS, 32,
          (PosicaoProdutoServico, 0), (PonteiroProcesso, 16), (MaCompetencia, 20), (PonteiroFilial, 22),
          (TipoProdutoServico, 24, "kind of product or service"),
          (TipoCusto, 25, "kind of cost"),
          (Lacuna26, 26))

class NXLDADOSGC_API CNXDadosGC_KeyCustoProdutoServico
    : public T_NXDadosRegistro<_REG_GC_KEY_CUSTO_PRODUTO_SERVICOPS> {
    NX_DADOS(CNXDadosGC_KeyCustoProdutoServico)
    NX_CAMPO(PosicaoProdutoServico)
    NX_CAMPO(PonteiroProcesso)
    NX_CAMPO(MaCompetencia)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(TipoProdutoServico)
    NX_CAMPO(TipoCusto)
    NX_VISAO_CHAVE(KeyCompetencia, MaCompetencia, PonteiroFilial)
    NX_VISAO_CHAVE(KeyProdutoServico, PosicaoProdutoServico, TipoProdutoServico)
};

NX_SOBRE(_REG_GC_KEY_ALOCACAO_GGFPS,
         "The key of an overhead (GGF) allocation: a ledger account and a cost centre in one branch and month.")
struct NXLDADOSGC_API _REG_GC_KEY_ALOCACAO_GGFPS {
    ULONG PonteiroContaContabil;
    ULONG PonteiroCentroCustos;
    REG_NXMA MaCompetencia;
    WORD PonteiroFilial;
    std::byte Lacuna12[4];
};
NX_LAYOUT(_REG_GC_KEY_ALOCACAO_GGFPS, 16, (PonteiroContaContabil, 0), (PonteiroCentroCustos, 4),
          (MaCompetencia, 8), (PonteiroFilial, 10), (Lacuna12, 12))

class NXLDADOSGC_API CNXDadosGC_KeyAlocacaoGGF : public T_NXDadosRegistro<_REG_GC_KEY_ALOCACAO_GGFPS> {
    NX_DADOS(CNXDadosGC_KeyAlocacaoGGF)
    NX_CAMPO(PonteiroContaContabil)
    NX_CAMPO(PonteiroCentroCustos)
    NX_CAMPO(MaCompetencia)
    NX_CAMPO(PonteiroFilial)
    NX_VISAO_CHAVE(KeyCentroCustosCompetencia, PonteiroCentroCustos, MaCompetencia, PonteiroFilial)
    NX_VISAO_CHAVE(KeyCompetencia, MaCompetencia, PonteiroFilial)
};

NX_SOBRE(_REG_GC_KEY_RENTABILIDADEPS, "The key of a profitability line: a product or service within a grouping.")
struct NXLDADOSGC_API _REG_GC_KEY_RENTABILIDADEPS {
    _REG_POSICAO_PRODUTOPS PosicaoProdutoServico;
    ULONG PonteiroAgrupamento;
    BYTE TipoProdutoServico;
    std::byte Lacuna21[3];
};
NX_LAYOUT(_REG_GC_KEY_RENTABILIDADEPS, 24,
          (PosicaoProdutoServico, 0),
          (PonteiroAgrupamento, 16, "the grouping"),
          (TipoProdutoServico, 20, "kind of product or service"),
          (Lacuna21, 21))

class NXLDADOSGC_API CNXDadosGC_KeyRentabilidade : public T_NXDadosRegistro<_REG_GC_KEY_RENTABILIDADEPS> {
    NX_DADOS(CNXDadosGC_KeyRentabilidade)
    NX_CAMPO(PosicaoProdutoServico)
    NX_CAMPO(PonteiroAgrupamento)
    NX_CAMPO(TipoProdutoServico)
    NX_VISAO_CHAVE(KeyProdutoServico, PosicaoProdutoServico, TipoProdutoServico)
};

NX_SOBRE(_REG_GC_KEY_IDENTIFICACAO_INDICE_CUSTOSPS,
         "The key of a cost-index identification: a product, customer, representative, state and branch on a day.")
struct NXLDADOSGC_API _REG_GC_KEY_IDENTIFICACAO_INDICE_CUSTOSPS {
    _REG_POSICAO_PRODUTOPS PosicaoProduto;
    REG_NXDMA Dma;
    ULONG PonteiroIndiceCustos;
    ULONG PonteiroCliente;
    ULONG PonteiroRepresentante;
    ULONG PonteiroUF;
    WORD PonteiroFilial;
    BYTE TipoProdutoServico;
    std::byte Lacuna39[1];
};
NX_LAYOUT(_REG_GC_KEY_IDENTIFICACAO_INDICE_CUSTOSPS, 40,
          (PosicaoProduto, 0, "the product"),
          (Dma, 16, "the day"),
          (PonteiroIndiceCustos, 20, "the index set (CNXDadosGC_IndiceCustos)"),
          (PonteiroCliente, 24), (PonteiroRepresentante, 28),
          (PonteiroUF, 32, "the state"),
          (PonteiroFilial, 36),
          (TipoProdutoServico, 38, "kind of product or service"),
          (Lacuna39, 39))

class NXLDADOSGC_API CNXDadosGC_KeyIdentificacaoIndiceCustos
    : public T_NXDadosRegistro<_REG_GC_KEY_IDENTIFICACAO_INDICE_CUSTOSPS> {
    NX_DADOS(CNXDadosGC_KeyIdentificacaoIndiceCustos)
    NX_CAMPO(PosicaoProduto)
    NX_CAMPO(Dma)
    NX_CAMPO(PonteiroIndiceCustos)
    NX_CAMPO(PonteiroCliente)
    NX_CAMPO(PonteiroRepresentante)
    NX_CAMPO(PonteiroUF)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(TipoProdutoServico)
    NX_VISAO_CHAVE_MAPA(KeyProdutoServico, (PosicaoProdutoServico, PosicaoProduto),
                        (TipoProdutoServico, TipoProdutoServico))
};

// Composite keys: the record embeds smaller keys whole; the object holds them as members and
// keeps its own embedded areas zero.

NX_SOBRE(_REG_GC_KEY_CUSTO_PRODUCAOPS,
         "The key of a production cost: its month and branch and its product or service, each a member key.")
struct NXLDADOSGC_API _REG_GC_KEY_CUSTO_PRODUCAOPS {
    _REG_GC_KEY_COMPETENCIAPS KeyCompetencia;
    _REG_GC_KEY_PRODUTO_SERVICOPS KeyProdutoServico;
};
NX_LAYOUT(_REG_GC_KEY_CUSTO_PRODUCAOPS, 32, (KeyCompetencia, 0), (KeyProdutoServico, 8))

class NXLDADOSGC_API CNXDadosGC_KeyCustoProducao : public T_NXDadosRegistroComLista<_REG_GC_KEY_CUSTO_PRODUCAOPS> {
    NX_DADOS_COM_FILHOS(CNXDadosGC_KeyCustoProducao)
    NX_CHAVE(CNXDadosGC_KeyCompetencia, KeyCompetencia)
    NX_CHAVE(CNXDadosGC_KeyProdutoServico, KeyProdutoServico)
    NX_FILHOS(NX_FILHO_MEMBRO(KeyCompetencia), NX_FILHO_MEMBRO(KeyProdutoServico))
};

NX_SOBRE(_REG_GC_KEY_PROCESSO_CUSTO_PRODUCAOPS, "The key of one process of a production cost.")
struct NXLDADOSGC_API _REG_GC_KEY_PROCESSO_CUSTO_PRODUCAOPS {
    _REG_GC_KEY_CUSTO_PRODUCAOPS KeyCustoProducao;
    ULONG PonteiroProcesso;
    ULONG PonteiroCentroCustos;
    REG_NXMA MaCompetencia;
    std::byte Lacuna42[6];
};
NX_LAYOUT(_REG_GC_KEY_PROCESSO_CUSTO_PRODUCAOPS, 48,
          (KeyCustoProducao, 0), (PonteiroProcesso, 32), (PonteiroCentroCustos, 36),
          (MaCompetencia, 40, "the process's own month, apart from the one in KeyCustoProducao"),
          (Lacuna42, 42))

class NXLDADOSGC_API CNXDadosGC_KeyProcessoCustoProducao
    : public T_NXDadosRegistroComLista<_REG_GC_KEY_PROCESSO_CUSTO_PRODUCAOPS> {
    NX_DADOS_COM_FILHOS(CNXDadosGC_KeyProcessoCustoProducao)
    NX_CAMPO(PonteiroProcesso)
    NX_CAMPO(PonteiroCentroCustos)
    NX_CAMPO(MaCompetencia)
    NX_CHAVE(CNXDadosGC_KeyCustoProducao, KeyCustoProducao)
    NX_FILHOS(NX_FILHO_MEMBRO(KeyCustoProducao))
};

NX_SOBRE(_REG_GC_KEY_INSUMO_CUSTO_PRODUCAOPS, "The key of one input of a production cost.")
struct NXLDADOSGC_API _REG_GC_KEY_INSUMO_CUSTO_PRODUCAOPS {
    _REG_GC_KEY_CUSTO_PRODUCAOPS KeyCustoProducao;
    _REG_POSICAO_PRODUTOPS PosicaoInsumo;
    REG_NXMA MaCompetencia;
    std::byte Lacuna50[6];
};
NX_LAYOUT(_REG_GC_KEY_INSUMO_CUSTO_PRODUCAOPS, 56,
          (KeyCustoProducao, 0),
          (PosicaoInsumo, 32, "the input"),
          (MaCompetencia, 48, "the input's own month, apart from the one in KeyCustoProducao"),
          (Lacuna50, 50))

class NXLDADOSGC_API CNXDadosGC_KeyInsumoCustoProducao
    : public T_NXDadosRegistroComLista<_REG_GC_KEY_INSUMO_CUSTO_PRODUCAOPS> {
    NX_DADOS_COM_FILHOS(CNXDadosGC_KeyInsumoCustoProducao)
    NX_CAMPO(PosicaoInsumo)
    NX_CAMPO(MaCompetencia)
    NX_CHAVE(CNXDadosGC_KeyCustoProducao, KeyCustoProducao)
    NX_FILHOS(NX_FILHO_MEMBRO(KeyCustoProducao))
};

#endif
