// Cost references: the standard cost with its amounts per account, the commercial (unit) cost of
// a product or service, the hourly cost rates of a cost centre, and their filters and loads.
#ifndef NXLDADOSGC_GC_CUSTOS_H
#define NXLDADOSGC_GC_CUSTOS_H

#include "NXLDadosGC/gc/Chaves.h"         // CNXDadosGC_KeyProdutoServico, KeyCompetencia, KeyCustoProdutoServico
#include "NXLDadosGC/gc/DadosGC.h"
#include "NXLDadosGC/gc/Rentabilidade.h"  // CNXDadosGC_ProdutoServicoClasse

// ---- Standard cost ------------------------------------------------------------------------------

NX_SOBRE(_REG_GC_CUSTO_PADRAO_CONTAPS, "The standard amount of one account pair within a standard cost.")
struct NXLDADOSGC_API _REG_GC_CUSTO_PADRAO_CONTAPS {
    tagCY CustoPadrao;
    ULONG PonteiroContaContabil;
    ULONG PonteiroContaGerencial;
};
NX_LAYOUT(_REG_GC_CUSTO_PADRAO_CONTAPS, 16,
          (CustoPadrao, 0, "the standard amount"),
          (PonteiroContaContabil, 8), (PonteiroContaGerencial, 12))

class NXLDADOSGC_API CNXDadosGC_CustoPadraoConta : public T_NXDadosRegistro<_REG_GC_CUSTO_PADRAO_CONTAPS> {
    NX_DADOS(CNXDadosGC_CustoPadraoConta)
    NX_CAMPO(CustoPadrao)
    NX_CAMPO(PonteiroContaContabil)
    NX_CAMPO(PonteiroContaGerencial)
};

NX_SOBRE(_REG_GC_CUSTO_PADRAOPS,
         "A standard cost: a coded, named set of standard amounts per account (Conta) for one branch.")
struct NXLDADOSGC_API _REG_GC_CUSTO_PADRAOPS {
    ULONG Posicao;
    NXQuantidade QuantidadeConta;
    WORD PonteiroFilial;
    BYTE Inativo;
    char Codigo[11];
    char Descricao[51];
    std::byte Lacuna73[7];
    _REG_GC_CUSTO_PADRAO_CONTAPS* pConta;
    std::byte Lacuna88[8];
};
NX_LAYOUT(_REG_GC_CUSTO_PADRAOPS, 96, (Posicao, 0), (QuantidadeConta, 4), (PonteiroFilial, 8), (Inativo, 10),
          (Codigo, 11), (Descricao, 22), (Lacuna73, 73), (pConta, 80), (Lacuna88, 88))

class NXLDADOSGC_API CNXDadosGC_CustoPadrao : public T_NXDadosRegistroComLista<_REG_GC_CUSTO_PADRAOPS> {
    NX_DADOS_COM_FILHOS(CNXDadosGC_CustoPadrao)
    NX_CAMPO(Posicao)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(Inativo)
    NX_TEXTO(Codigo, 10)
    NX_TEXTO(Descricao, 50)
    NX_LISTA(CNXDadosGC_CustoPadraoConta, Conta)
    NX_FILHOS(NX_FILHO_LISTA(Conta))
};

NX_SOBRE(_REG_GC_FILTRO_CUSTO_PADRAOPS, "The query filter of standard costs.")
struct NXLDADOSGC_API _REG_GC_FILTRO_CUSTO_PADRAOPS {
    ULONG Posicao;
    ULONG PonteiroContaContabil;
    ULONG PonteiroContaGerencial;
    WORD PonteiroFilial;
    BYTE AtivoInativo;
    std::byte Lacuna15[1];
};
NX_LAYOUT(_REG_GC_FILTRO_CUSTO_PADRAOPS, 16,
          (Posicao, 0, "a standard cost"),
          (PonteiroContaContabil, 4), (PonteiroContaGerencial, 8), (PonteiroFilial, 12),
          (AtivoInativo, 14, "selects by the inactive state"),
          (Lacuna15, 15))

class NXLDADOSGC_API CNXDadosGC_FiltroCustoPadrao : public T_NXDadosRegistro<_REG_GC_FILTRO_CUSTO_PADRAOPS> {
    NX_DADOS(CNXDadosGC_FiltroCustoPadrao)
    NX_CAMPO(Posicao)
    NX_CAMPO(PonteiroContaContabil)
    NX_CAMPO(PonteiroContaGerencial)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(AtivoInativo)
};

// ---- Commercial cost ----------------------------------------------------------------------------

NX_SOBRE(_REG_GC_CUSTO_COMERCIALPS, "The commercial (unit) cost of one product or service in one branch and month.")
struct NXLDADOSGC_API _REG_GC_CUSTO_COMERCIALPS {
    _REG_POSICAO_PRODUTOPS PosicaoProdutoServico;
    REG_NXDMAHMSUTC DmaHmsGravacao;
    tagCY CustoUnitarioV8;
    ULONG Chave;
    ULONG PonteiroUsuarioGravacao;
    REG_NXMA MaCompetencia;
    WORD PonteiroFilial;
    BYTE TipoProdutoServico;
    BYTE OrigemCustoComercial;
    BYTE Excluido;
    std::byte Lacuna47[1];
};
NX_LAYOUT(_REG_GC_CUSTO_COMERCIALPS, 48,
          (PosicaoProdutoServico, 0), (DmaHmsGravacao, 16),
          (CustoUnitarioV8, 24, "the unit cost"),
          (Chave, 32), (PonteiroUsuarioGravacao, 36), (MaCompetencia, 40), (PonteiroFilial, 42),
          (TipoProdutoServico, 44, "kind of product or service"),
          (OrigemCustoComercial, 45, "where the cost came from"),
          (Excluido, 46), (Lacuna47, 47))

// The key views read and write only the key's fields the record has: a cost key's TipoCusto and
// PonteiroProcesso are left zero by GetKeyCustoProdutoServico and ignored by its setter.
class NXLDADOSGC_API CNXDadosGC_CustoComercial : public T_NXDadosRegistro<_REG_GC_CUSTO_COMERCIALPS> {
    NX_DADOS(CNXDadosGC_CustoComercial)
    NX_CAMPO(PosicaoProdutoServico)
    NX_CAMPO(DmaHmsGravacao)
    NX_CAMPO(CustoUnitarioV8)
    NX_CAMPO(Chave)
    NX_CAMPO(PonteiroUsuarioGravacao)
    NX_CAMPO(MaCompetencia)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(TipoProdutoServico)
    NX_CAMPO(OrigemCustoComercial)
    NX_CAMPO(Excluido)
    NX_VISAO_CHAVE(KeyProdutoServico, PosicaoProdutoServico, TipoProdutoServico)
    NX_VISAO_CHAVE(KeyCompetencia, MaCompetencia, PonteiroFilial)
    NX_VISAO_CHAVE(KeyCustoProdutoServico, PosicaoProdutoServico, MaCompetencia, PonteiroFilial, TipoProdutoServico)
};

NX_SOBRE(_REG_GC_FILTRO_CUSTO_COMERCIALPS,
         "The query filter of commercial costs; its member key is the product or service.")
struct NXLDADOSGC_API _REG_GC_FILTRO_CUSTO_COMERCIALPS {
    _REG_GC_KEY_PRODUTO_SERVICOPS KeyProdutoServico;
    REG_NXMA MaCompetenciaInicial;
    REG_NXMA MaCompetenciaFinal;
    REG_NXMA MaCompetenciaTreeInicial;
    REG_NXMA MaCompetenciaTreeFinal;
    WORD PonteiroFilial;
    BYTE FiltrarProdutoServicoExato;
    BYTE NaoVerificarFilialAtiva;
    std::byte Lacuna36[4];
};
NX_LAYOUT(_REG_GC_FILTRO_CUSTO_COMERCIALPS, 40,
          (KeyProdutoServico, 0), (MaCompetenciaInicial, 24), (MaCompetenciaFinal, 26), (MaCompetenciaTreeInicial, 28),
          (MaCompetenciaTreeFinal, 30), (PonteiroFilial, 32),
          (FiltrarProdutoServicoExato, 34, "non-zero: that exact product or service only"),
          (NaoVerificarFilialAtiva, 35, "non-zero: do not check that the branch is active"),
          (Lacuna36, 36))

class NXLDADOSGC_API CNXDadosGC_FiltroCustoComercial
    : public T_NXDadosRegistroComLista<_REG_GC_FILTRO_CUSTO_COMERCIALPS> {
    NX_DADOS_COM_FILHOS(CNXDadosGC_FiltroCustoComercial)
    NX_CAMPO(MaCompetenciaInicial)
    NX_CAMPO(MaCompetenciaFinal)
    NX_CAMPO(MaCompetenciaTreeInicial)
    NX_CAMPO(MaCompetenciaTreeFinal)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(FiltrarProdutoServicoExato)
    NX_CAMPO(NaoVerificarFilialAtiva)
    NX_FAIXA(MaCompetencia)
    NX_FAIXA(MaCompetenciaTree)
    NX_CHAVE(CNXDadosGC_KeyProdutoServico, KeyProdutoServico)
    NX_FILHOS(NX_FILHO_MEMBRO(KeyProdutoServico))
};

NX_SOBRE(_REG_GC_FILTRO_CARGA_CUSTO_COMERCIALPS,
         "The parameters of a load of commercial costs for a set of product and service classes (ProdutoClasse).")
struct NXLDADOSGC_API _REG_GC_FILTRO_CARGA_CUSTO_COMERCIALPS {
    ULONG PonteiroTabelaPrecoCompra;
    NXQuantidade QuantidadeProdutoClasse;
    REG_NXMA MaCompetencia;
    WORD PonteiroFilial;
    BYTE TipoCalculoInsumo;
    std::byte Lacuna13[3];
    _REG_GC_PRODUTO_SERVICO_CLASSEPS* pProdutoClasse;
    std::byte Lacuna24[8];
};
NX_LAYOUT(_REG_GC_FILTRO_CARGA_CUSTO_COMERCIALPS, 32,
          (PonteiroTabelaPrecoCompra, 0, "the purchase price table"),
          (QuantidadeProdutoClasse, 4), (MaCompetencia, 8), (PonteiroFilial, 10),
          (TipoCalculoInsumo, 12, "how inputs are calculated"),
          (Lacuna13, 13), (pProdutoClasse, 16), (Lacuna24, 24))

class NXLDADOSGC_API CNXDadosGC_FiltroCargaCustoComercial
    : public T_NXDadosRegistroComLista<_REG_GC_FILTRO_CARGA_CUSTO_COMERCIALPS> {
    NX_DADOS_COM_FILHOS(CNXDadosGC_FiltroCargaCustoComercial)
    NX_CAMPO(PonteiroTabelaPrecoCompra)
    NX_CAMPO(MaCompetencia)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(TipoCalculoInsumo)
    NX_LISTA(CNXDadosGC_ProdutoServicoClasse, ProdutoClasse)
    NX_FILHOS(NX_FILHO_LISTA(ProdutoClasse))
};

// ---- Hourly cost --------------------------------------------------------------------------------

NX_SOBRE(_REG_GC_CUSTO_HORAPS,
         "The hours of one cost centre and its cost rates per hour and per minute; the rates are stored as given, not "
         "derived here.")
struct NXLDADOSGC_API _REG_GC_CUSTO_HORAPS {
    tagCY QuantHorasProducao;
    tagCY QuantHorasOciosas;
    tagCY ValorGGFTotal;
    tagCY ValorGGFFixoTotal;
    tagCY ValorGGFVariavelTotal;
    tagCY CustoProducaoHora;
    tagCY CustoOciosoHora;
    tagCY CustoProducaoMinuto;
    tagCY CustoOciosoMinuto;
    tagCY CustoProducaoHoraFixo;
    tagCY CustoOciosoHoraFixo;
    tagCY CustoProducaoHoraVariavel;
    ULONG PonteiroCentroCustos;
    std::byte Lacuna100[4];
};
NX_LAYOUT(_REG_GC_CUSTO_HORAPS, 104,
          (QuantHorasProducao, 0, "productive hours"),
          (QuantHorasOciosas, 8, "idle hours"),
          (ValorGGFTotal, 16, "total overhead (GGF) amount"),
          (ValorGGFFixoTotal, 24, "fixed part of ValorGGFTotal"),
          (ValorGGFVariavelTotal, 32, "variable part of ValorGGFTotal"),
          (CustoProducaoHora, 40, "cost per productive hour"),
          (CustoOciosoHora, 48, "cost per idle hour"),
          (CustoProducaoMinuto, 56, "cost per productive minute"),
          (CustoOciosoMinuto, 64, "cost per idle minute"),
          (CustoProducaoHoraFixo, 72, "fixed cost per productive hour"),
          (CustoOciosoHoraFixo, 80, "fixed cost per idle hour"),
          (CustoProducaoHoraVariavel, 88, "variable cost per productive hour (there is no variable idle rate)"),
          (PonteiroCentroCustos, 96), (Lacuna100, 100))

class NXLDADOSGC_API CNXDadosGC_CustoHora : public T_NXDadosRegistro<_REG_GC_CUSTO_HORAPS> {
    NX_DADOS(CNXDadosGC_CustoHora)
    NX_CAMPO(QuantHorasProducao)
    NX_CAMPO(QuantHorasOciosas)
    NX_CAMPO(ValorGGFTotal)
    NX_CAMPO(ValorGGFFixoTotal)
    NX_CAMPO(ValorGGFVariavelTotal)
    NX_CAMPO(CustoProducaoHora)
    NX_CAMPO(CustoOciosoHora)
    NX_CAMPO(CustoProducaoMinuto)
    NX_CAMPO(CustoOciosoMinuto)
    NX_CAMPO(CustoProducaoHoraFixo)
    NX_CAMPO(CustoOciosoHoraFixo)
    NX_CAMPO(CustoProducaoHoraVariavel)
    NX_CAMPO(PonteiroCentroCustos)

    // QuantHorasProducao + QuantHorasOciosas, added with Soma; nothing is stored.
    tagCY GetQuantHorasTotal() const { return Soma(GetQuantHorasProducao(), GetQuantHorasOciosas()); }
};

#endif
