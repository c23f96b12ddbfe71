// Cost centres: the cost centre with its account and productive lines, its query filter, its
// hours in a branch and month, and the names of its characteristics.
#ifndef NXLDADOSGC_GC_CENTROCUSTOS_H
#define NXLDADOSGC_GC_CENTROCUSTOS_H

#include "NXLDadosGC/gc/Chaves.h"  // CNXDadosGC_KeyCentroCustosCompetencia
#include "NXLDadosGC/gc/DadosGC.h"

NX_SOBRE(_REG_GC_CENTRO_CUSTOS_CONTAPS,
         "One account of a cost centre: the ledger and management account pair its costs are booked to, with its "
         "allocation value.")
struct NXLDADOSGC_API _REG_GC_CENTRO_CUSTOS_CONTAPS {
    tagCY ValorRateio;
    ULONG PonteiroContaContabil;
    ULONG PonteiroContaGerencial;
    BYTE ValorDiferenciado;
    std::byte Lacuna17[7];
};
NX_LAYOUT(_REG_GC_CENTRO_CUSTOS_CONTAPS, 24,
          (ValorRateio, 0, "allocation value of the account"),
          (PonteiroContaContabil, 8), (PonteiroContaGerencial, 12),
          (ValorDiferenciado, 16, "a flag, not an amount"),
          (Lacuna17, 17))

class NXLDADOSGC_API CNXDadosGC_CentroCustosConta : public T_NXDadosRegistro<_REG_GC_CENTRO_CUSTOS_CONTAPS> {
    NX_DADOS(CNXDadosGC_CentroCustosConta)
    NX_CAMPO(ValorRateio)
    NX_CAMPO(PonteiroContaContabil)
    NX_CAMPO(PonteiroContaGerencial)
    NX_CAMPO(ValorDiferenciado)
};

NX_SOBRE(_REG_GC_CENTRO_CUSTOS_PRODUTIVOPS,
         "One productive cost centre that receives an allocation from a cost centre.")
struct NXLDADOSGC_API _REG_GC_CENTRO_CUSTOS_PRODUTIVOPS {
    tagCY ValorRateio;
    ULONG PonteiroCentroCustos;
    BYTE ValorDiferenciado;
    std::byte Lacuna13[3];
};
NX_LAYOUT(_REG_GC_CENTRO_CUSTOS_PRODUTIVOPS, 16,
          (ValorRateio, 0, "allocation value passed to it"),
          (PonteiroCentroCustos, 8, "the productive cost centre"),
          (ValorDiferenciado, 12, "a flag, not an amount"),
          (Lacuna13, 13))

class NXLDADOSGC_API CNXDadosGC_CentroCustosProdutivo
    : public T_NXDadosRegistro<_REG_GC_CENTRO_CUSTOS_PRODUTIVOPS> {
    NX_DADOS(CNXDadosGC_CentroCustosProdutivo)
    NX_CAMPO(ValorRateio)
    NX_CAMPO(PonteiroCentroCustos)
    NX_CAMPO(ValorDiferenciado)
};

NX_SOBRE(_REG_GC_CENTRO_CUSTOSPS,
         "A cost centre, the unit the module assigns costs to: its code, description, characteristic and branch, its "
         "accounts (Conta) and the productive cost centres it allocates to (Produtivo).")
struct NXLDADOSGC_API _REG_GC_CENTRO_CUSTOSPS {
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
NX_LAYOUT(_REG_GC_CENTRO_CUSTOSPS, 104,
          (PercentualEficiencia, 0, "efficiency, a percentage"),
          (Posicao, 8), (QuantidadeConta, 12), (QuantidadeProdutivo, 16), (PonteiroFilial, 20),
          (CaracteristicaCC, 22, "characteristic; GetCaracteristicaCC names it",
           "0 = support; 1 = productive; 2 = administrative"),
          (Inativo, 23), (Codigo, 24), (Descricao, 35), (Lacuna86, 86), (pConta, 88), (pProdutivo, 96))

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

NX_SOBRE(_REG_GC_FILTRO_CENTROS_CUSTOPS, "The query filter of cost centres.")
struct NXLDADOSGC_API _REG_GC_FILTRO_CENTROS_CUSTOPS {
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
NX_LAYOUT(_REG_GC_FILTRO_CENTROS_CUSTOPS, 24,
          (Posicao, 0), (PonteiroContaContabil, 4), (PonteiroContaGerencial, 8), (PonteiroFilial, 12),
          (FlagCaracteristicaApoio, 14, "include support cost centres"),
          (FlagCaracteristicaProducao, 15, "include productive cost centres"),
          (FlagCaracteristicaAdministrativo, 16, "include administrative cost centres"),
          (AtivoInativo, 17, "selects by the inactive state"),
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

NX_SOBRE(_REG_GC_HORAS_CENTRO_CUSTOSPS,
         "The productive and idle hours of one cost centre in one branch and month, identified by its member key.")
struct NXLDADOSGC_API _REG_GC_HORAS_CENTRO_CUSTOSPS {
    _REG_GC_KEY_CENTRO_CUSTOS_COMPETENCIAPS KeyCentroCustosCompetencia;
    tagCY QuantHorasProducao;
    tagCY QuantHorasOciosas;
};
NX_LAYOUT(_REG_GC_HORAS_CENTRO_CUSTOSPS, 24,
          (KeyCentroCustosCompetencia, 0),
          (QuantHorasProducao, 8, "productive hours"),
          (QuantHorasOciosas, 16, "idle hours"))

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
