// Postings: expense, overhead (GGF), hour and outsourcing postings of a branch and month, the
// list that carries a month's hour postings, the query filter of each kind of posting and the
// parameters of the loads and copies run on them.
#ifndef NXLDADOSGC_GC_LANCAMENTOS_H
#define NXLDADOSGC_GC_LANCAMENTOS_H

#include "NXLDadosGC/gc/Chaves.h"         // CNXDadosGC_KeyProdutoServico
#include "NXLDadosGC/gc/DadosGC.h"
#include "NXLDadosGC/gc/Rentabilidade.h"  // CNXDadosGC_ProdutoServicoClasse

// ---- Expenses ---------------------------------------------------------------------------------

NX_SOBRE(_REG_GC_CUSTO_DESPESA_PE_CONTAPS, "One account line of an expense posting.")
struct NXLDADOSGC_API _REG_GC_CUSTO_DESPESA_PE_CONTAPS {
    tagCY TotalConta;
    ULONG PonteiroConta;
    std::byte Lacuna12[4];
};
NX_LAYOUT(_REG_GC_CUSTO_DESPESA_PE_CONTAPS, 16,
          (TotalConta, 0, "the amount posted to the account"),
          (PonteiroConta, 8, "the account"),
          (Lacuna12, 12))

class NXLDADOSGC_API CNXDadosGC_LancamentoDespesasConta
    : public T_NXDadosRegistro<_REG_GC_CUSTO_DESPESA_PE_CONTAPS> {
    NX_DADOS(CNXDadosGC_LancamentoDespesasConta)
    NX_CAMPO(TotalConta)
    NX_CAMPO(PonteiroConta)
};

NX_SOBRE(_REG_GC_CUSTO_DESPESA_PEPS, "An expense posting of one branch and month, broken down by account (Conta).")
struct NXLDADOSGC_API _REG_GC_CUSTO_DESPESA_PEPS {
    REG_NXDMAHMSUTC DmaHmsEmissao;
    REG_NXDMAHMSUTC DmaHmsGravacao;
    ULONG Chave;
    NXQuantidade QuantidadeConta;
    ULONG PonteiroUsuarioEmissao;
    ULONG PonteiroUsuarioGravacao;
    REG_NXMA MaCompetencia;
    WORD PonteiroFilial;
    BYTE Origem;
    std::byte Lacuna37[11];
    _REG_GC_CUSTO_DESPESA_PE_CONTAPS* pConta;
    std::byte Lacuna56[8];
};
NX_LAYOUT(_REG_GC_CUSTO_DESPESA_PEPS, 64,
          (DmaHmsEmissao, 0), (DmaHmsGravacao, 8), (Chave, 16), (QuantidadeConta, 20), (PonteiroUsuarioEmissao, 24),
          (PonteiroUsuarioGravacao, 28), (MaCompetencia, 32), (PonteiroFilial, 34),
          (Origem, 36, "where the posting came from"),
          (Lacuna37, 37), (pConta, 48), (Lacuna56, 56))

class NXLDADOSGC_API CNXDadosGC_LancamentoDespesas : public T_NXDadosRegistroComLista<_REG_GC_CUSTO_DESPESA_PEPS> {
    NX_DADOS_COM_FILHOS(CNXDadosGC_LancamentoDespesas)
    NX_CAMPO(DmaHmsEmissao)
    NX_CAMPO(DmaHmsGravacao)
    NX_CAMPO(Chave)
    NX_CAMPO(PonteiroUsuarioEmissao)
    NX_CAMPO(PonteiroUsuarioGravacao)
    NX_CAMPO(MaCompetencia)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(Origem)
    NX_LISTA(CNXDadosGC_LancamentoDespesasConta, Conta)
    NX_FILHOS(NX_FILHO_LISTA(Conta))
};

NX_SOBRE(_REG_GC_FILTRO_CUSTO_DESPESA_PEPS, "The query filter of expense postings.")
struct NXLDADOSGC_API _REG_GC_FILTRO_CUSTO_DESPESA_PEPS {
    ULONG ChaveInicial;
    ULONG ChaveFinal;
    ULONG PonteiroConta;
    REG_NXMA MaCompetenciaInicial;
    REG_NXMA MaCompetenciaFinal;
    REG_NXMA MaTreeInicial;
    REG_NXMA MaTreeFinal;
    WORD PonteiroFilial;
    BYTE FiltroOrigem;
    BYTE NaoVerificarFilialAtiva;
};
NX_LAYOUT(_REG_GC_FILTRO_CUSTO_DESPESA_PEPS, 24,
          (ChaveInicial, 0), (ChaveFinal, 4),
          (PonteiroConta, 8, "selects an account"),
          (MaCompetenciaInicial, 12), (MaCompetenciaFinal, 14), (MaTreeInicial, 16), (MaTreeFinal, 18),
          (PonteiroFilial, 20),
          (FiltroOrigem, 22, "selects by origin"),
          (NaoVerificarFilialAtiva, 23, "non-zero: do not check that the branch is active"))

class NXLDADOSGC_API CNXDadosGC_FiltroLancamentoDespesas
    : public T_NXDadosRegistro<_REG_GC_FILTRO_CUSTO_DESPESA_PEPS> {
    NX_DADOS(CNXDadosGC_FiltroLancamentoDespesas)
    NX_CAMPO(ChaveInicial)
    NX_CAMPO(ChaveFinal)
    NX_CAMPO(PonteiroConta)
    NX_CAMPO(MaCompetenciaInicial)
    NX_CAMPO(MaCompetenciaFinal)
    NX_CAMPO(MaTreeInicial)
    NX_CAMPO(MaTreeFinal)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(FiltroOrigem)
    NX_CAMPO(NaoVerificarFilialAtiva)
    NX_FAIXA(Chave)
    NX_FAIXA(MaCompetencia)
    NX_FAIXA(MaTree)
};

NX_SOBRE(_REG_GC_CARGA_CUSTO_DESPESA_PEPS,
         "The parameters of a load that carries the expense postings of one month into a range of months, with a "
         "projection.")
struct NXLDADOSGC_API _REG_GC_CARGA_CUSTO_DESPESA_PEPS {
    tagCY PercProjecao;
    REG_NXMA MaOrigem;
    REG_NXMA MaDestinoInicial;
    REG_NXMA MaDestinoFinal;
    WORD PonteiroFilial;
    BYTE TipoProjecao;
    std::byte Lacuna17[15];
};
NX_LAYOUT(_REG_GC_CARGA_CUSTO_DESPESA_PEPS, 32,
          (PercProjecao, 0, "projection, a percentage"),
          (MaOrigem, 8, "the month loaded from"),
          (MaDestinoInicial, 10, "the first month loaded into"),
          (MaDestinoFinal, 12, "the last month loaded into"),
          (PonteiroFilial, 14),
          (TipoProjecao, 16, "kind of projection"),
          (Lacuna17, 17))

class NXLDADOSGC_API CNXDadosGC_FiltroCargaLanctoDespesas
    : public T_NXDadosRegistro<_REG_GC_CARGA_CUSTO_DESPESA_PEPS> {
    NX_DADOS(CNXDadosGC_FiltroCargaLanctoDespesas)
    NX_CAMPO(PercProjecao)
    NX_CAMPO(MaOrigem)
    NX_CAMPO(MaDestinoInicial)
    NX_CAMPO(MaDestinoFinal)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(TipoProjecao)
};

// ---- Overhead (GGF) -----------------------------------------------------------------------------

NX_SOBRE(_REG_GC_LANCAMENTOPS,
         "An overhead (GGF) posting: an amount booked to a ledger and a management account in one branch and month.")
struct NXLDADOSGC_API _REG_GC_LANCAMENTOPS {
    REG_NXDMAHMSUTC DmaHmsEmissao;
    REG_NXDMAHMSUTC DmaHmsGravacao;
    tagCY Valor;
    ULONG Chave;
    ULONG PonteiroContaContabil;
    ULONG PonteiroContaGerencial;
    ULONG PonteiroUsuarioEmissao;
    ULONG PonteiroUsuarioGravacao;
    REG_NXMA MaCompetencia;
    WORD PonteiroFilial;
    BYTE Origem;
    BYTE Excluido;
    std::byte Lacuna50[14];
};
NX_LAYOUT(_REG_GC_LANCAMENTOPS, 64,
          (DmaHmsEmissao, 0), (DmaHmsGravacao, 8),
          (Valor, 16, "the overhead amount"),
          (Chave, 24), (PonteiroContaContabil, 28), (PonteiroContaGerencial, 32), (PonteiroUsuarioEmissao, 36),
          (PonteiroUsuarioGravacao, 40), (MaCompetencia, 44), (PonteiroFilial, 46),
          (Origem, 48, "where the posting came from"),
          (Excluido, 49), (Lacuna50, 50))

class NXLDADOSGC_API CNXDadosGC_LancamentoGGF : public T_NXDadosRegistro<_REG_GC_LANCAMENTOPS> {
    NX_DADOS(CNXDadosGC_LancamentoGGF)
    NX_CAMPO(DmaHmsEmissao)
    NX_CAMPO(DmaHmsGravacao)
    NX_CAMPO(Valor)
    NX_CAMPO(Chave)
    NX_CAMPO(PonteiroContaContabil)
    NX_CAMPO(PonteiroContaGerencial)
    NX_CAMPO(PonteiroUsuarioEmissao)
    NX_CAMPO(PonteiroUsuarioGravacao)
    NX_CAMPO(MaCompetencia)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(Origem)
    NX_CAMPO(Excluido)
};

NX_SOBRE(_REG_GC_FILTRO_LANCAMENTOPS, "The query filter of overhead (GGF) postings.")
struct NXLDADOSGC_API _REG_GC_FILTRO_LANCAMENTOPS {
    ULONG ChaveInicial;
    ULONG ChaveFinal;
    ULONG PonteiroContaContabil;
    ULONG PonteiroContaGerencial;
    REG_NXMA MaCompetenciaInicial;
    REG_NXMA MaCompetenciaFinal;
    REG_NXMA MaTreeInicial;
    REG_NXMA MaTreeFinal;
    WORD PonteiroFilial;
    BYTE FiltroOrigem;
    BYTE NaoVerificarFilialAtiva;
    std::byte Lacuna28[4];
};
NX_LAYOUT(_REG_GC_FILTRO_LANCAMENTOPS, 32,
          (ChaveInicial, 0), (ChaveFinal, 4), (PonteiroContaContabil, 8), (PonteiroContaGerencial, 12),
          (MaCompetenciaInicial, 16), (MaCompetenciaFinal, 18), (MaTreeInicial, 20), (MaTreeFinal, 22),
          (PonteiroFilial, 24),
          (FiltroOrigem, 26, "selects by origin"),
          (NaoVerificarFilialAtiva, 27, "non-zero: do not check that the branch is active"),
          (Lacuna28, 28))

class NXLDADOSGC_API CNXDadosGC_FiltroLancamentoGGF : public T_NXDadosRegistro<_REG_GC_FILTRO_LANCAMENTOPS> {
    NX_DADOS(CNXDadosGC_FiltroLancamentoGGF)
    NX_CAMPO(ChaveInicial)
    NX_CAMPO(ChaveFinal)
    NX_CAMPO(PonteiroContaContabil)
    NX_CAMPO(PonteiroContaGerencial)
    NX_CAMPO(MaCompetenciaInicial)
    NX_CAMPO(MaCompetenciaFinal)
    NX_CAMPO(MaTreeInicial)
    NX_CAMPO(MaTreeFinal)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(FiltroOrigem)
    NX_CAMPO(NaoVerificarFilialAtiva)
    NX_FAIXA(Chave)
    NX_FAIXA(MaCompetencia)
    NX_FAIXA(MaTree)
};

NX_SOBRE(_REG_GC_FILTRO_CARGA_LANCTO_PADRAOPS, "The parameters of a load of overhead postings from a standard cost.")
struct NXLDADOSGC_API _REG_GC_FILTRO_CARGA_LANCTO_PADRAOPS {
    ULONG PonteiroCustoPadrao;
    REG_NXMA MaCompetencia;
    std::byte Lacuna6[2];
};
NX_LAYOUT(_REG_GC_FILTRO_CARGA_LANCTO_PADRAOPS, 8,
          (PonteiroCustoPadrao, 0, "the standard cost loaded from (CNXDadosGC_CustoPadrao)"),
          (MaCompetencia, 4), (Lacuna6, 6))

class NXLDADOSGC_API CNXDadosGC_FiltroCargaLanctoGGFPadrao
    : public T_NXDadosRegistro<_REG_GC_FILTRO_CARGA_LANCTO_PADRAOPS> {
    NX_DADOS(CNXDadosGC_FiltroCargaLanctoGGFPadrao)
    NX_CAMPO(PonteiroCustoPadrao)
    NX_CAMPO(MaCompetencia)
};

NX_SOBRE(_REG_GC_FILTRO_CARGA_LANCTO_REALPS,
         "The parameters of a load of the actual overhead postings of a branch and month.")
struct NXLDADOSGC_API _REG_GC_FILTRO_CARGA_LANCTO_REALPS {
    REG_NXMA MaCompetencia;
    WORD PonteiroFilial;
    std::byte Lacuna4[4];
};
NX_LAYOUT(_REG_GC_FILTRO_CARGA_LANCTO_REALPS, 8, (MaCompetencia, 0), (PonteiroFilial, 2), (Lacuna4, 4))

class NXLDADOSGC_API CNXDadosGC_FiltroCargaLanctoGGFReal
    : public T_NXDadosRegistro<_REG_GC_FILTRO_CARGA_LANCTO_REALPS> {
    NX_DADOS(CNXDadosGC_FiltroCargaLanctoGGFReal)
    NX_CAMPO(MaCompetencia)
    NX_CAMPO(PonteiroFilial)
};

// ---- Hours --------------------------------------------------------------------------------------

NX_SOBRE(_REG_GC_LANCAMENTO_HORAPS,
         "An hour posting: the productive and idle hours of one cost centre in one branch and month.")
struct NXLDADOSGC_API _REG_GC_LANCAMENTO_HORAPS {
    REG_NXDMAHMSUTC DmaHmsEmissao;
    REG_NXDMAHMSUTC DmaHmsGravacao;
    tagCY QuantHorasProducao;
    tagCY QuantHorasOciosas;
    ULONG Chave;
    ULONG PonteiroCentroCustos;
    ULONG PonteiroUsuarioEmissao;
    ULONG PonteiroUsuarioGravacao;
    REG_NXMA MaCompetencia;
    WORD PonteiroFilial;
    BYTE Origem;
    BYTE Excluido;
    std::byte Lacuna54[2];
};
NX_LAYOUT(_REG_GC_LANCAMENTO_HORAPS, 56,
          (DmaHmsEmissao, 0), (DmaHmsGravacao, 8),
          (QuantHorasProducao, 16, "productive hours"),
          (QuantHorasOciosas, 24, "idle hours"),
          (Chave, 32), (PonteiroCentroCustos, 36), (PonteiroUsuarioEmissao, 40), (PonteiroUsuarioGravacao, 44),
          (MaCompetencia, 48), (PonteiroFilial, 50),
          (Origem, 52, "where the posting came from"),
          (Excluido, 53), (Lacuna54, 54))

class NXLDADOSGC_API CNXDadosGC_LancamentoHoras : public T_NXDadosRegistro<_REG_GC_LANCAMENTO_HORAPS> {
    NX_DADOS(CNXDadosGC_LancamentoHoras)
    NX_CAMPO(DmaHmsEmissao)
    NX_CAMPO(DmaHmsGravacao)
    NX_CAMPO(QuantHorasProducao)
    NX_CAMPO(QuantHorasOciosas)
    NX_CAMPO(Chave)
    NX_CAMPO(PonteiroCentroCustos)
    NX_CAMPO(PonteiroUsuarioEmissao)
    NX_CAMPO(PonteiroUsuarioGravacao)
    NX_CAMPO(MaCompetencia)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(Origem)
    NX_CAMPO(Excluido)

    // QuantHorasProducao + QuantHorasOciosas, added with Soma; nothing is stored.
    tagCY GetQuantHorasTotal() const { return Soma(GetQuantHorasProducao(), GetQuantHorasOciosas()); }
};

NX_SOBRE(_REG_GC_LISTA_LANCAMENTO_HORAPS,
         "All hour postings of one branch and month in one record (Lancamento); the list does not check that its "
         "postings carry its month and branch.")
struct NXLDADOSGC_API _REG_GC_LISTA_LANCAMENTO_HORAPS {
    NXQuantidade QuantidadeLancamento;
    REG_NXMA MaCompetencia;
    WORD PonteiroFilial;
    _REG_GC_LANCAMENTO_HORAPS* pLancamento;
    std::byte Lacuna16[8];
};
NX_LAYOUT(_REG_GC_LISTA_LANCAMENTO_HORAPS, 24, (QuantidadeLancamento, 0), (MaCompetencia, 4), (PonteiroFilial, 6),
          (pLancamento, 8), (Lacuna16, 16))

class NXLDADOSGC_API CNXDadosGC_ListaLanctoHoras : public T_NXDadosRegistroComLista<_REG_GC_LISTA_LANCAMENTO_HORAPS> {
    NX_DADOS_COM_FILHOS(CNXDadosGC_ListaLanctoHoras)
    NX_CAMPO(MaCompetencia)
    NX_CAMPO(PonteiroFilial)
    NX_LISTA(CNXDadosGC_LancamentoHoras, Lancamento)
    NX_FILHOS(NX_FILHO_LISTA(Lancamento))
};

NX_SOBRE(_REG_GC_FILTRO_LANCAMENTO_HORAPS, "The query filter of hour postings.")
struct NXLDADOSGC_API _REG_GC_FILTRO_LANCAMENTO_HORAPS {
    ULONG ChaveInicial;
    ULONG ChaveFinal;
    ULONG PonteiroCentroCustos;
    REG_NXMA MaCompetenciaInicial;
    REG_NXMA MaCompetenciaFinal;
    REG_NXMA MaTreeInicial;
    REG_NXMA MaTreeFinal;
    WORD PonteiroFilial;
    BYTE FiltroOrigem;
    BYTE NaoVerificarFilialAtiva;
};
NX_LAYOUT(_REG_GC_FILTRO_LANCAMENTO_HORAPS, 24,
          (ChaveInicial, 0), (ChaveFinal, 4),
          (PonteiroCentroCustos, 8, "selects a cost centre"),
          (MaCompetenciaInicial, 12), (MaCompetenciaFinal, 14), (MaTreeInicial, 16), (MaTreeFinal, 18),
          (PonteiroFilial, 20),
          (FiltroOrigem, 22, "selects by origin"),
          (NaoVerificarFilialAtiva, 23, "non-zero: do not check that the branch is active"))

class NXLDADOSGC_API CNXDadosGC_FiltroLancamentoHoras : public T_NXDadosRegistro<_REG_GC_FILTRO_LANCAMENTO_HORAPS> {
    NX_DADOS(CNXDadosGC_FiltroLancamentoHoras)
    NX_CAMPO(ChaveInicial)
    NX_CAMPO(ChaveFinal)
    NX_CAMPO(PonteiroCentroCustos)
    NX_CAMPO(MaCompetenciaInicial)
    NX_CAMPO(MaCompetenciaFinal)
    NX_CAMPO(MaTreeInicial)
    NX_CAMPO(MaTreeFinal)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(FiltroOrigem)
    NX_CAMPO(NaoVerificarFilialAtiva)
    NX_FAIXA(Chave)
    NX_FAIXA(MaCompetencia)
    NX_FAIXA(MaTree)
};

NX_SOBRE(_REG_GC_FILTRO_CARGA_LANCTOS_HORASPS, "The parameters of a load of the hour postings of a branch and month.")
struct NXLDADOSGC_API _REG_GC_FILTRO_CARGA_LANCTOS_HORASPS {
    REG_NXMA MaCompetencia;
    WORD PonteiroFilial;
    std::byte Lacuna4[4];
};
NX_LAYOUT(_REG_GC_FILTRO_CARGA_LANCTOS_HORASPS, 8, (MaCompetencia, 0), (PonteiroFilial, 2), (Lacuna4, 4))

class NXLDADOSGC_API CNXDadosGC_FiltroCargaLanctosHoras
    : public T_NXDadosRegistro<_REG_GC_FILTRO_CARGA_LANCTOS_HORASPS> {
    NX_DADOS(CNXDadosGC_FiltroCargaLanctosHoras)
    NX_CAMPO(MaCompetencia)
    NX_CAMPO(PonteiroFilial)
};

NX_SOBRE(_REG_GC_FILTRO_COPIA_PERIODO_LANCTOPS, "The parameters of a copy of a month's hour postings to another month.")
struct NXLDADOSGC_API _REG_GC_FILTRO_COPIA_PERIODO_LANCTOPS {
    REG_NXMA MaOrigem;
    REG_NXMA MaDestino;
    WORD PonteiroFilialOrigem;
    std::byte Lacuna6[2];
};
NX_LAYOUT(_REG_GC_FILTRO_COPIA_PERIODO_LANCTOPS, 8,
          (MaOrigem, 0, "the month copied from"),
          (MaDestino, 2, "the month copied to"),
          (PonteiroFilialOrigem, 4, "the branch copied from"),
          (Lacuna6, 6))

class NXLDADOSGC_API CNXDadosGC_FiltroCopiaPeriodoLanctoHoras
    : public T_NXDadosRegistro<_REG_GC_FILTRO_COPIA_PERIODO_LANCTOPS> {
    NX_DADOS(CNXDadosGC_FiltroCopiaPeriodoLanctoHoras)
    NX_CAMPO(MaOrigem)
    NX_CAMPO(MaDestino)
    NX_CAMPO(PonteiroFilialOrigem)
};

// ---- Outsourcing --------------------------------------------------------------------------------

NX_SOBRE(_REG_GC_LANCTO_TERCEIRIZACAOPS,
         "An outsourcing posting: the outsourcing cost of one product or service in one branch and month.")
struct NXLDADOSGC_API _REG_GC_LANCTO_TERCEIRIZACAOPS {
    _REG_POSICAO_PRODUTOPS PosicaoProdutoServico;
    REG_NXDMAHMSUTC DmaHmsEmissao;
    REG_NXDMAHMSUTC DmaHmsGravacao;
    tagCY CustoTerceirizacao;
    ULONG Chave;
    ULONG PonteiroUsuarioEmissao;
    ULONG PonteiroUsuarioGravacao;
    ULONG PonteiroProcesso_DEPRECATED;
    REG_NXMA MaCompetencia;
    WORD PonteiroFilial;
    BYTE TipoProdutoServico;
    BYTE Origem;
    std::byte Lacuna62[10];
};
NX_LAYOUT(_REG_GC_LANCTO_TERCEIRIZACAOPS, 72,
          (PosicaoProdutoServico, 0), (DmaHmsEmissao, 16), (DmaHmsGravacao, 24),
          (CustoTerceirizacao, 32, "the outsourcing cost"),
          (Chave, 40), (PonteiroUsuarioEmissao, 44), (PonteiroUsuarioGravacao, 48), (PonteiroProcesso_DEPRECATED, 52),
          (MaCompetencia, 56), (PonteiroFilial, 58),
          (TipoProdutoServico, 60, "kind of product or service"),
          (Origem, 61, "where the posting came from"),
          (Lacuna62, 62))

class NXLDADOSGC_API CNXDadosGC_LancamentoTerceirizacao : public T_NXDadosRegistro<_REG_GC_LANCTO_TERCEIRIZACAOPS> {
    NX_DADOS(CNXDadosGC_LancamentoTerceirizacao)
    NX_CAMPO(PosicaoProdutoServico)
    NX_CAMPO(DmaHmsEmissao)
    NX_CAMPO(DmaHmsGravacao)
    NX_CAMPO(CustoTerceirizacao)
    NX_CAMPO(Chave)
    NX_CAMPO(PonteiroUsuarioEmissao)
    NX_CAMPO(PonteiroUsuarioGravacao)
    NX_CAMPO(PonteiroProcesso_DEPRECATED)
    NX_CAMPO(MaCompetencia)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(TipoProdutoServico)
    NX_CAMPO(Origem)
    NX_VISAO_CHAVE(KeyProdutoServico, PosicaoProdutoServico, TipoProdutoServico)
};

NX_SOBRE(_REG_GC_FILTRO_LANCTO_TERCEIRIZACAOPS,
         "The query filter of outsourcing postings; its member key is the product or service.")
struct NXLDADOSGC_API _REG_GC_FILTRO_LANCTO_TERCEIRIZACAOPS {
    _REG_GC_KEY_PRODUTO_SERVICOPS KeyProdutoServico;
    ULONG ChaveInicial;
    ULONG ChaveFinal;
    ULONG PonteiroProcesso_DEPRECATED;
    REG_NXMA MaCompetenciaInicial;
    REG_NXMA MaCompetenciaFinal;
    REG_NXMA MaTreeInicial;
    REG_NXMA MaTreeFinal;
    WORD PonteiroFilial;
    BYTE FiltroTipoProdutoServico;
    BYTE FiltroOrigem;
    BYTE FiltrarProdutoServicoExato;
    char NaoVerificarFilialAtiva;
    std::byte Lacuna50[6];
};
NX_LAYOUT(_REG_GC_FILTRO_LANCTO_TERCEIRIZACAOPS, 56,
          (KeyProdutoServico, 0), (ChaveInicial, 24), (ChaveFinal, 28), (PonteiroProcesso_DEPRECATED, 32),
          (MaCompetenciaInicial, 36), (MaCompetenciaFinal, 38), (MaTreeInicial, 40), (MaTreeFinal, 42),
          (PonteiroFilial, 44),
          (FiltroTipoProdutoServico, 46, "selects by kind of product or service"),
          (FiltroOrigem, 47, "selects by origin"),
          (FiltrarProdutoServicoExato, 48, "non-zero: that exact product or service only"),
          (NaoVerificarFilialAtiva, 49, "non-zero: do not check that the branch is active; a plain char here, unlike "
                                        "the other filters"),
          (Lacuna50, 50))

class NXLDADOSGC_API CNXDadosGC_FiltroLancamentoTerceirizacao
    : public T_NXDadosRegistroComLista<_REG_GC_FILTRO_LANCTO_TERCEIRIZACAOPS> {
    NX_DADOS_COM_FILHOS(CNXDadosGC_FiltroLancamentoTerceirizacao)
    NX_CAMPO(ChaveInicial)
    NX_CAMPO(ChaveFinal)
    NX_CAMPO(PonteiroProcesso_DEPRECATED)
    NX_CAMPO(MaCompetenciaInicial)
    NX_CAMPO(MaCompetenciaFinal)
    NX_CAMPO(MaTreeInicial)
    NX_CAMPO(MaTreeFinal)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(FiltroTipoProdutoServico)
    NX_CAMPO(FiltroOrigem)
    NX_CAMPO(FiltrarProdutoServicoExato)
    NX_CAMPO(NaoVerificarFilialAtiva)
    NX_FAIXA(Chave)
    NX_FAIXA(MaCompetencia)
    NX_FAIXA(MaTree)
    NX_CHAVE(CNXDadosGC_KeyProdutoServico, KeyProdutoServico)
    NX_FILHOS(NX_FILHO_MEMBRO(KeyProdutoServico))
};

NX_SOBRE(_REG_GC_COPIAR_LANCTOS_CUSTOS_TERCEIRIZACAOPS,
         "The parameters of a copy of outsourcing cost postings from one month to another, for a set of product and "
         "service classes (ProdutoClasse), with a projection adjustment.")
struct NXLDADOSGC_API _REG_GC_COPIAR_LANCTOS_CUSTOS_TERCEIRIZACAOPS {
    tagCY PercAjusteProjecao;
    NXQuantidade QuantidadeProdutoClasse;
    REG_NXMA MaCompetenciaOrigem;
    REG_NXMA MaCompetenciaDestino;
    WORD PonteiroFilial;
    BYTE TipoProjecao;
    std::byte Lacuna19[5];
    _REG_GC_PRODUTO_SERVICO_CLASSEPS* pProdutoClasse;
    std::byte Lacuna32[8];
};
NX_LAYOUT(_REG_GC_COPIAR_LANCTOS_CUSTOS_TERCEIRIZACAOPS, 40,
          (PercAjusteProjecao, 0, "projection adjustment, a percentage"),
          (QuantidadeProdutoClasse, 8),
          (MaCompetenciaOrigem, 12, "the month copied from"),
          (MaCompetenciaDestino, 14, "the month copied to"),
          (PonteiroFilial, 16),
          (TipoProjecao, 18, "kind of projection"),
          (Lacuna19, 19), (pProdutoClasse, 24), (Lacuna32, 32))

class NXLDADOSGC_API CNXDadosGC_CopiarLanctosCustosTerceirizacao
    : public T_NXDadosRegistroComLista<_REG_GC_COPIAR_LANCTOS_CUSTOS_TERCEIRIZACAOPS> {
    NX_DADOS_COM_FILHOS(CNXDadosGC_CopiarLanctosCustosTerceirizacao)
    NX_CAMPO(PercAjusteProjecao)
    NX_CAMPO(MaCompetenciaOrigem)
    NX_CAMPO(MaCompetenciaDestino)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(TipoProjecao)
    NX_LISTA(CNXDadosGC_ProdutoServicoClasse, ProdutoClasse)
    NX_FILHOS(NX_FILHO_LISTA(ProdutoClasse))
};

#endif
