// Account classification and allocation matrix: how a ledger account is classified, and the
// three-level matrix that spreads a branch's month over cost centres (accounts -> cost centres,
// support cost centres -> productive cost centres), with their filters and the parameters of
// an invalidation. The library stores the matrix; it checks no totals.
#ifndef NXLDADOSGC_GC_MATRIZRATEIO_H
#define NXLDADOSGC_GC_MATRIZRATEIO_H

#include "NXLDadosGC/gc/DadosGC.h"

NX_SOBRE(_REG_GC_CLASSIFICACAO_CONTAPS,
         "The classification of one ledger account: whether what it records is a cost or an expense, fixed or "
         "variable.")
struct NXLDADOSGC_API _REG_GC_CLASSIFICACAO_CONTAPS {
    REG_NXDMAHMSUTC DmaHmsGravacao;
    ULONG Posicao;
    ULONG PonteiroContaContabil;
    ULONG PonteiroUsuarioGravacao;
    BYTE TipoCustoDespesa;
    BYTE TipoFixoVariavel;
    BYTE Excluido;
    std::byte Lacuna23[1];
};
NX_LAYOUT(_REG_GC_CLASSIFICACAO_CONTAPS, 24,
          (DmaHmsGravacao, 0), (Posicao, 8),
          (PonteiroContaContabil, 12, "the ledger account classified"),
          (PonteiroUsuarioGravacao, 16),
          (TipoCustoDespesa, 20, "cost or expense"),
          (TipoFixoVariavel, 21, "fixed or variable"),
          (Excluido, 22), (Lacuna23, 23))

class NXLDADOSGC_API CNXDadosGC_ClassificacaoConta : public T_NXDadosRegistro<_REG_GC_CLASSIFICACAO_CONTAPS> {
    NX_DADOS(CNXDadosGC_ClassificacaoConta)
    NX_CAMPO(DmaHmsGravacao)
    NX_CAMPO(Posicao)
    NX_CAMPO(PonteiroContaContabil)
    NX_CAMPO(PonteiroUsuarioGravacao)
    NX_CAMPO(TipoCustoDespesa)
    NX_CAMPO(TipoFixoVariavel)
    NX_CAMPO(Excluido)
};

NX_SOBRE(_REG_GC_FILTRO_CLASSIFICACAO_CONTAPS, "The query filter of account classifications.")
struct NXLDADOSGC_API _REG_GC_FILTRO_CLASSIFICACAO_CONTAPS {
    ULONG PonteiroClassificacaoContas;
    ULONG PonteiroContaContabil;
    BYTE FiltroTipoCustoDespesa;
    BYTE FiltroTipoFixoVariavel;
    std::byte Lacuna10[6];
};
NX_LAYOUT(_REG_GC_FILTRO_CLASSIFICACAO_CONTAPS, 16,
          (PonteiroClassificacaoContas, 0, "a classification (CNXDadosGC_ClassificacaoConta)"),
          (PonteiroContaContabil, 4),
          (FiltroTipoCustoDespesa, 8, "selects cost or expense"),
          (FiltroTipoFixoVariavel, 9, "selects fixed or variable"),
          (Lacuna10, 10))

class NXLDADOSGC_API CNXDadosGC_FiltroClassificacaoConta
    : public T_NXDadosRegistro<_REG_GC_FILTRO_CLASSIFICACAO_CONTAPS> {
    NX_DADOS(CNXDadosGC_FiltroClassificacaoConta)
    NX_CAMPO(PonteiroClassificacaoContas)
    NX_CAMPO(PonteiroContaContabil)
    NX_CAMPO(FiltroTipoCustoDespesa)
    NX_CAMPO(FiltroTipoFixoVariavel)
};

NX_SOBRE(_REG_GC_MATRIZ_RATEIO_CENTRO_CUSTOSPS,
         "The share of one account of an allocation matrix allocated to one cost centre.")
struct NXLDADOSGC_API _REG_GC_MATRIZ_RATEIO_CENTRO_CUSTOSPS {
    tagCY ValorRateio;
    ULONG PonteiroCentroCustos;
    BYTE CaracteristicaCentroCustos;
    std::byte Lacuna13[3];
};
NX_LAYOUT(_REG_GC_MATRIZ_RATEIO_CENTRO_CUSTOSPS, 16,
          (ValorRateio, 0, "the amount allocated to the cost centre"),
          (PonteiroCentroCustos, 8),
          (CaracteristicaCentroCustos, 12, "the cost centre's characteristic, whatever level it stands in",
           "0 = support; 1 = productive; 2 = administrative"),
          (Lacuna13, 13))

class NXLDADOSGC_API CNXDadosGC_MatrizRateioCentroCustos
    : public T_NXDadosRegistro<_REG_GC_MATRIZ_RATEIO_CENTRO_CUSTOSPS> {
    NX_DADOS(CNXDadosGC_MatrizRateioCentroCustos)
    NX_CAMPO(ValorRateio)
    NX_CAMPO(PonteiroCentroCustos)
    NX_CAMPO(CaracteristicaCentroCustos)
};

NX_SOBRE(_REG_GC_MATRIZ_RATEIO_CONTAPS,
         "One account of an allocation matrix: the amount posted to it in the month and its allocation over cost "
         "centres (CentroCustos).")
struct NXLDADOSGC_API _REG_GC_MATRIZ_RATEIO_CONTAPS {
    tagCY TotalRateio;
    tagCY ValorLancado;
    NXQuantidade QuantidadeCentroCustos;
    ULONG PonteiroContaContabil;
    ULONG PonteiroContaGerencial;
    std::byte Lacuna28[4];
    _REG_GC_MATRIZ_RATEIO_CENTRO_CUSTOSPS* pCentroCustos;
    std::byte Lacuna40[8];
};
NX_LAYOUT(_REG_GC_MATRIZ_RATEIO_CONTAPS, 48,
          (TotalRateio, 0, "the total allocated"),
          (ValorLancado, 8, "the amount posted to the account in the month"),
          (QuantidadeCentroCustos, 16), (PonteiroContaContabil, 20), (PonteiroContaGerencial, 24), (Lacuna28, 28),
          (pCentroCustos, 32), (Lacuna40, 40))

class NXLDADOSGC_API CNXDadosGC_MatrizRateioConta : public T_NXDadosRegistroComLista<_REG_GC_MATRIZ_RATEIO_CONTAPS> {
    NX_DADOS_COM_FILHOS(CNXDadosGC_MatrizRateioConta)
    NX_CAMPO(TotalRateio)
    NX_CAMPO(ValorLancado)
    NX_CAMPO(PonteiroContaContabil)
    NX_CAMPO(PonteiroContaGerencial)
    NX_LISTA(CNXDadosGC_MatrizRateioCentroCustos, CentroCustos)
    NX_FILHOS(NX_FILHO_LISTA(CentroCustos))
};

NX_SOBRE(_REG_GC_MATRIZ_RATEIO_CENTRO_CUSTOS_PRODUTIVOPS,
         "The share of one support cost centre passed to one productive cost centre, split into fixed and variable "
         "cost.")
struct NXLDADOSGC_API _REG_GC_MATRIZ_RATEIO_CENTRO_CUSTOS_PRODUTIVOPS {
    tagCY ValorRateio;
    tagCY CustoFixo;
    tagCY CustoVariavel;
    ULONG PonteiroCentroCustos;
    BYTE CaracteristicaCentroCustos;
    std::byte Lacuna29[3];
};
NX_LAYOUT(_REG_GC_MATRIZ_RATEIO_CENTRO_CUSTOS_PRODUTIVOPS, 32,
          (ValorRateio, 0, "the amount passed on"),
          (CustoFixo, 8, "fixed part of ValorRateio"),
          (CustoVariavel, 16, "variable part of ValorRateio; the parts need not add up"),
          (PonteiroCentroCustos, 24, "the productive cost centre"),
          (CaracteristicaCentroCustos, 28, "the cost centre's characteristic, whatever level it stands in",
           "0 = support; 1 = productive; 2 = administrative"),
          (Lacuna29, 29))

class NXLDADOSGC_API CNXDadosGC_MatrizRateioCentroCustosProdutivo
    : public T_NXDadosRegistro<_REG_GC_MATRIZ_RATEIO_CENTRO_CUSTOS_PRODUTIVOPS> {
    NX_DADOS(CNXDadosGC_MatrizRateioCentroCustosProdutivo)
    NX_CAMPO(ValorRateio)
    NX_CAMPO(CustoFixo)
    NX_CAMPO(CustoVariavel)
    NX_CAMPO(PonteiroCentroCustos)
    NX_CAMPO(CaracteristicaCentroCustos)
};

NX_SOBRE(_REG_GC_MATRIZ_RATEIO_CENTRO_CUSTOS_APOIOPS,
         "One support cost centre of an allocation matrix and how its amount passes to productive cost centres "
         "(CentroCustosProdutivo).")
struct NXLDADOSGC_API _REG_GC_MATRIZ_RATEIO_CENTRO_CUSTOS_APOIOPS {
    tagCY TotalRateio;
    tagCY ValorLancado;
    ULONG PonteiroCentroCustos;
    NXQuantidade QuantidadeCentroCustosProdutivo;
    BYTE CaracteristicaCentroCustos;
    std::byte Lacuna25[7];
    _REG_GC_MATRIZ_RATEIO_CENTRO_CUSTOS_PRODUTIVOPS* pCentroCustosProdutivo;
    std::byte Lacuna40[8];
};
NX_LAYOUT(_REG_GC_MATRIZ_RATEIO_CENTRO_CUSTOS_APOIOPS, 48,
          (TotalRateio, 0, "the total it passes on"),
          (ValorLancado, 8, "the amount it holds"),
          (PonteiroCentroCustos, 16, "the support cost centre"),
          (QuantidadeCentroCustosProdutivo, 20),
          (CaracteristicaCentroCustos, 24, "the cost centre's characteristic, whatever level it stands in",
           "0 = support; 1 = productive; 2 = administrative"),
          (Lacuna25, 25), (pCentroCustosProdutivo, 32), (Lacuna40, 40))

class NXLDADOSGC_API CNXDadosGC_MatrizRateioCentroCustosApoio
    : public T_NXDadosRegistroComLista<_REG_GC_MATRIZ_RATEIO_CENTRO_CUSTOS_APOIOPS> {
    NX_DADOS_COM_FILHOS(CNXDadosGC_MatrizRateioCentroCustosApoio)
    NX_CAMPO(TotalRateio)
    NX_CAMPO(ValorLancado)
    NX_CAMPO(PonteiroCentroCustos)
    NX_CAMPO(CaracteristicaCentroCustos)
    NX_LISTA(CNXDadosGC_MatrizRateioCentroCustosProdutivo, CentroCustosProdutivo)
    NX_FILHOS(NX_FILHO_LISTA(CentroCustosProdutivo))
};

NX_SOBRE(_REG_GC_MATRIZ_RATEIOPS,
         "The allocation matrix of one branch and month: how the accounts' amounts spread over cost centres (Conta) "
         "and how support cost centres pass theirs on to productive ones (CentroCustosApoio).")
struct NXLDADOSGC_API _REG_GC_MATRIZ_RATEIOPS {
    REG_NXDMAHMSUTC DmaHmsGravacao;
    NXQuantidade QuantidadeConta;
    NXQuantidade QuantidadeCentroCustosApoio;
    ULONG PonteiroUsuarioGravacao;
    REG_NXMA MaCompetencia;
    WORD PonteiroFilial;
    BYTE Excluido;
    std::byte Lacuna25[7];
    _REG_GC_MATRIZ_RATEIO_CONTAPS* pConta;
    _REG_GC_MATRIZ_RATEIO_CENTRO_CUSTOS_APOIOPS* pCentroCustosApoio;
};
NX_LAYOUT(_REG_GC_MATRIZ_RATEIOPS, 48, (DmaHmsGravacao, 0), (QuantidadeConta, 8), (QuantidadeCentroCustosApoio, 12),
          (PonteiroUsuarioGravacao, 16), (MaCompetencia, 20), (PonteiroFilial, 22), (Excluido, 24), (Lacuna25, 25),
          (pConta, 32), (pCentroCustosApoio, 40))

// Its hooks take the support cost centres before the accounts.
class NXLDADOSGC_API CNXDadosGC_MatrizRateio : public T_NXDadosRegistroComLista<_REG_GC_MATRIZ_RATEIOPS> {
    NX_DADOS_COM_FILHOS(CNXDadosGC_MatrizRateio)
    NX_CAMPO(DmaHmsGravacao)
    NX_CAMPO(PonteiroUsuarioGravacao)
    NX_CAMPO(MaCompetencia)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(Excluido)
    NX_LISTA(CNXDadosGC_MatrizRateioConta, Conta)
    NX_LISTA(CNXDadosGC_MatrizRateioCentroCustosApoio, CentroCustosApoio)
    NX_FILHOS(NX_FILHO_LISTA(CentroCustosApoio), NX_FILHO_LISTA(Conta))
};

NX_SOBRE(_REG_GC_FILTRO_MATRIZ_RATEIOPS, "The query filter of allocation matrices: a branch and month.")
struct NXLDADOSGC_API _REG_GC_FILTRO_MATRIZ_RATEIOPS {
    REG_NXMA MaCompetencia;
    WORD PonteiroFilial;
    std::byte Lacuna4[4];
};
NX_LAYOUT(_REG_GC_FILTRO_MATRIZ_RATEIOPS, 8, (MaCompetencia, 0), (PonteiroFilial, 2), (Lacuna4, 4))

class NXLDADOSGC_API CNXDadosGC_FiltroMatrizRateio : public T_NXDadosRegistro<_REG_GC_FILTRO_MATRIZ_RATEIOPS> {
    NX_DADOS(CNXDadosGC_FiltroMatrizRateio)
    NX_CAMPO(MaCompetencia)
    NX_CAMPO(PonteiroFilial)
};

NX_SOBRE(_REG_GC_FILTRO_MATRIZ_RATEIO_RELACIONAMENTOPS,
         "The query filter of the matrix relations of one cost centre; the servers decide what else it selects.")
struct NXLDADOSGC_API _REG_GC_FILTRO_MATRIZ_RATEIO_RELACIONAMENTOPS {
    ULONG PonteiroCentroCustos;
    std::byte Lacuna4[4];
};
NX_LAYOUT(_REG_GC_FILTRO_MATRIZ_RATEIO_RELACIONAMENTOPS, 8, (PonteiroCentroCustos, 0), (Lacuna4, 4))

class NXLDADOSGC_API CNXDadosGC_FiltroMatrizRateioRelacionamento
    : public T_NXDadosRegistro<_REG_GC_FILTRO_MATRIZ_RATEIO_RELACIONAMENTOPS> {
    NX_DADOS(CNXDadosGC_FiltroMatrizRateioRelacionamento)
    NX_CAMPO(PonteiroCentroCustos)
};

NX_SOBRE(_REG_GC_PARAMETROS_INVALIDAR_MATRIZ_RATEIOPS,
         "The parameters of an invalidation of the allocation matrix of a branch and month.")
struct NXLDADOSGC_API _REG_GC_PARAMETROS_INVALIDAR_MATRIZ_RATEIOPS {
    REG_NXMA MaCompetencia;
    WORD PonteiroFilial;
    BYTE EfetivarAlteracao;
    std::byte Lacuna5[3];
};
NX_LAYOUT(_REG_GC_PARAMETROS_INVALIDAR_MATRIZ_RATEIOPS, 8,
          (MaCompetencia, 0), (PonteiroFilial, 2),
          (EfetivarAlteracao, 4, "non-zero: make the invalidation effective"),
          (Lacuna5, 5))

class NXLDADOSGC_API CNXDadosGC_ParametrosInvalidarMatrizRateio
    : public T_NXDadosRegistro<_REG_GC_PARAMETROS_INVALIDAR_MATRIZ_RATEIOPS> {
    NX_DADOS(CNXDadosGC_ParametrosInvalidarMatrizRateio)
    NX_CAMPO(MaCompetencia)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(EfetivarAlteracao)
};

#endif
