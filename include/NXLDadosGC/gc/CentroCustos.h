// Cost centres: the cost centre with its account and productive lines, its query filter, its
// hours in a branch and month, and the names of its characteristics.
#ifndef NXLDADOSGC_GC_CENTROCUSTOS_H
#define NXLDADOSGC_GC_CENTROCUSTOS_H

#include "NXLDadosGC/gc/Chaves.h"  // CNXDadosGC_KeyCentroCustosCompetencia
#include "NXLDadosGC/gc/DadosGC.h"

struct _REG_GC_CENTRO_CUSTOS_CONTAPS {
    tagCY ValorRateio;
    ULONG PonteiroContaContabil;
    ULONG PonteiroContaGerencial;
    BYTE ValorDiferenciado;
    std::byte Lacuna17[7];
};
NX_LAYOUT(_REG_GC_CENTRO_CUSTOS_CONTAPS, 24, (ValorRateio, 0), (PonteiroContaContabil, 8),
          (PonteiroContaGerencial, 12), (ValorDiferenciado, 16), (Lacuna17, 17))

class NXLDADOSGC_API CNXDadosGC_CentroCustosConta : public T_NXDadosRegistro<_REG_GC_CENTRO_CUSTOS_CONTAPS> {
    NX_DADOS(CNXDadosGC_CentroCustosConta)
    NX_CAMPO(ValorRateio)
    NX_CAMPO(PonteiroContaContabil)
    NX_CAMPO(PonteiroContaGerencial)
    NX_CAMPO(ValorDiferenciado)
};

struct _REG_GC_CENTRO_CUSTOS_PRODUTIVOPS {
    tagCY ValorRateio;
    ULONG PonteiroCentroCustos;
    BYTE ValorDiferenciado;
    std::byte Lacuna13[3];
};
NX_LAYOUT(_REG_GC_CENTRO_CUSTOS_PRODUTIVOPS, 16, (ValorRateio, 0), (PonteiroCentroCustos, 8),
          (ValorDiferenciado, 12), (Lacuna13, 13))

class NXLDADOSGC_API CNXDadosGC_CentroCustosProdutivo
    : public T_NXDadosRegistro<_REG_GC_CENTRO_CUSTOS_PRODUTIVOPS> {
    NX_DADOS(CNXDadosGC_CentroCustosProdutivo)
    NX_CAMPO(ValorRateio)
    NX_CAMPO(PonteiroCentroCustos)
    NX_CAMPO(ValorDiferenciado)
};

// CaracteristicaCC: 0 support, 1 productive, 2 administrative (any byte is accepted).
struct _REG_GC_CENTRO_CUSTOSPS {
    tagCY PercentualEficiencia;
    ULONG Posicao;
    NXQuantidade QuantidadeConta;
    NXQuantidade QuantidadeProdutivo;
    WORD PonteiroFilial;
    BYTE CaracteristicaCC;
    BYTE Inativo;
    char Codigo[11];
    char Descricao[51];
    std::byte Lacuna86[2];
    _REG_GC_CENTRO_CUSTOS_CONTAPS* pConta;
    _REG_GC_CENTRO_CUSTOS_PRODUTIVOPS* pProdutivo;
};
NX_LAYOUT(_REG_GC_CENTRO_CUSTOSPS, 104, (PercentualEficiencia, 0), (Posicao, 8), (QuantidadeConta, 12),
          (QuantidadeProdutivo, 16), (PonteiroFilial, 20), (CaracteristicaCC, 22), (Inativo, 23), (Codigo, 24),
          (Descricao, 35), (Lacuna86, 86), (pConta, 88), (pProdutivo, 96))

class NXLDADOSGC_API CNXDadosGC_CentroCustos : public T_NXDadosRegistroComLista<_REG_GC_CENTRO_CUSTOSPS> {
    NX_DADOS_COM_FILHOS(CNXDadosGC_CentroCustos)
    NX_CAMPO(PercentualEficiencia)
    NX_CAMPO(Posicao)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(CaracteristicaCC)
    NX_CAMPO(Inativo)
    NX_TEXTO(Codigo, 10)
    NX_TEXTO(Descricao, 50)
    NX_LISTA(CNXDadosGC_CentroCustosConta, Conta)
    NX_LISTA(CNXDadosGC_CentroCustosProdutivo, Produtivo)
    NX_FILHOS(NX_FILHO_LISTA(Conta), NX_FILHO_LISTA(Produtivo))

    // "<code> - <description>", each as stored; " - " when both are empty.
    CString GetCodigoDescricao() const;
};

struct _REG_GC_FILTRO_CENTROS_CUSTOPS {
    ULONG Posicao;
    ULONG PonteiroContaContabil;
    ULONG PonteiroContaGerencial;
    WORD PonteiroFilial;
    BYTE FlagCaracteristicaApoio;
    BYTE FlagCaracteristicaProducao;
    BYTE FlagCaracteristicaAdministrativo;
    BYTE AtivoInativo;
    std::byte Lacuna18[6];
};
NX_LAYOUT(_REG_GC_FILTRO_CENTROS_CUSTOPS, 24, (Posicao, 0), (PonteiroContaContabil, 4),
          (PonteiroContaGerencial, 8), (PonteiroFilial, 12), (FlagCaracteristicaApoio, 14),
          (FlagCaracteristicaProducao, 15), (FlagCaracteristicaAdministrativo, 16), (AtivoInativo, 17),
          (Lacuna18, 18))

class NXLDADOSGC_API CNXDadosGC_FiltroCentroCustos : public T_NXDadosRegistro<_REG_GC_FILTRO_CENTROS_CUSTOPS> {
    NX_DADOS(CNXDadosGC_FiltroCentroCustos)
    NX_CAMPO(Posicao)
    NX_CAMPO(PonteiroContaContabil)
    NX_CAMPO(PonteiroContaGerencial)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(FlagCaracteristicaApoio)
    NX_CAMPO(FlagCaracteristicaProducao)
    NX_CAMPO(FlagCaracteristicaAdministrativo)
    NX_CAMPO(AtivoInativo)
};

struct _REG_GC_HORAS_CENTRO_CUSTOSPS {
    _REG_GC_KEY_CENTRO_CUSTOS_COMPETENCIAPS KeyCentroCustosCompetencia;
    tagCY QuantHorasProducao;
    tagCY QuantHorasOciosas;
};
NX_LAYOUT(_REG_GC_HORAS_CENTRO_CUSTOSPS, 24, (KeyCentroCustosCompetencia, 0), (QuantHorasProducao, 8),
          (QuantHorasOciosas, 16))

class NXLDADOSGC_API CNXDadosGC_HorasCentroCustos : public T_NXDadosRegistroComLista<_REG_GC_HORAS_CENTRO_CUSTOSPS> {
    NX_DADOS_COM_FILHOS(CNXDadosGC_HorasCentroCustos)
    NX_CAMPO(QuantHorasProducao)
    NX_CAMPO(QuantHorasOciosas)
    NX_CHAVE(CNXDadosGC_KeyCentroCustosCompetencia, KeyCentroCustosCompetencia)
    NX_FILHOS(NX_FILHO_MEMBRO(KeyCentroCustosCompetencia))

    // QuantHorasProducao + QuantHorasOciosas, added with Soma; nothing is stored.
    tagCY GetQuantHorasTotal() const { return Soma(GetQuantHorasProducao(), GetQuantHorasOciosas()); }
};

namespace NXDadosGC {
// The name of a cost-centre characteristic: "Apoio", "Produtivo", "Administrativo"; empty for
// any other code.
NXLDADOSGC_API CString GetCaracteristicaCC(unsigned char caracteristica);
}  // namespace NXDadosGC

#endif
