// Period closing, master record and periods: the closing of a competence of a branch, its
// query filter and invalidation parameters, the module's master record, and the periods of a
// branch open for movement and integration.
#ifndef NXLDADOSGC_GC_PERIODOS_H
#define NXLDADOSGC_GC_PERIODOS_H

#include "NXLDadosGC/gc/Chaves.h"  // CNXDadosGC_KeyCompetencia
#include "NXLDadosGC/gc/DadosGC.h"

NX_SOBRE(_REG_GC_ENCERRAMENTO_CUSTOSPS,
         "The closing of one month of a branch: who closed it and when, its state, whether it is locked, and what is "
         "known of the month before.")
struct NXLDADOSGC_API _REG_GC_ENCERRAMENTO_CUSTOSPS {
    REG_NXDMAHMSUTC DmaHmsEncerramento;
    REG_NXDMAHMSUTC DmaHmsGravacao;
    ULONG Chave;
    ULONG PonteiroUsuarioEncerramento;
    ULONG PonteiroUsuarioGravacao;
    REG_NXMA MaCompetencia;
    WORD PonteiroFilial;
    BYTE ExistePeriodoAnterior;
    BYTE SituacaoPeriodoAnterior;
    BYTE Situacao;
    BYTE Bloqueado;
    std::byte Lacuna36[4];
};
NX_LAYOUT(_REG_GC_ENCERRAMENTO_CUSTOSPS, 40,
          (DmaHmsEncerramento, 0, "when the month was closed"),
          (DmaHmsGravacao, 8), (Chave, 16),
          (PonteiroUsuarioEncerramento, 20, "the user who closed it"),
          (PonteiroUsuarioGravacao, 24), (MaCompetencia, 28), (PonteiroFilial, 30),
          (ExistePeriodoAnterior, 32, "flag: the month before exists"),
          (SituacaoPeriodoAnterior, 33, "state of the month before"),
          (Situacao, 34, "state of the closing"),
          (Bloqueado, 35, "flag: locked"),
          (Lacuna36, 36))

class NXLDADOSGC_API CNXDadosGC_EncerramentoCustos : public T_NXDadosRegistro<_REG_GC_ENCERRAMENTO_CUSTOSPS> {
    NX_DADOS(CNXDadosGC_EncerramentoCustos)
    NX_CAMPO(DmaHmsEncerramento)
    NX_CAMPO(DmaHmsGravacao)
    NX_CAMPO(Chave)
    NX_CAMPO(PonteiroUsuarioEncerramento)
    NX_CAMPO(PonteiroUsuarioGravacao)
    NX_CAMPO(MaCompetencia)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(ExistePeriodoAnterior)
    NX_CAMPO(SituacaoPeriodoAnterior)
    NX_CAMPO(Situacao)
    NX_CAMPO(Bloqueado)
    NX_VISAO_CHAVE(KeyCompetencia, MaCompetencia, PonteiroFilial)
};

NX_SOBRE(_REG_GC_FILTRO_ENCERRAMENTO_CUSTOSPS, "The query filter of closings: a range of months of one branch.")
struct NXLDADOSGC_API _REG_GC_FILTRO_ENCERRAMENTO_CUSTOSPS {
    REG_NXMA MaCompetenciaInicial;
    REG_NXMA MaCompetenciaFinal;
    WORD PonteiroFilial;
    BYTE FiltroBloqueio;
    std::byte Lacuna7[1];
};
NX_LAYOUT(_REG_GC_FILTRO_ENCERRAMENTO_CUSTOSPS, 8,
          (MaCompetenciaInicial, 0), (MaCompetenciaFinal, 2), (PonteiroFilial, 4),
          (FiltroBloqueio, 6, "selects by lock"),
          (Lacuna7, 7))

class NXLDADOSGC_API CNXDadosGC_FiltroEncerramentoCustos
    : public T_NXDadosRegistro<_REG_GC_FILTRO_ENCERRAMENTO_CUSTOSPS> {
    NX_DADOS(CNXDadosGC_FiltroEncerramentoCustos)
    NX_CAMPO(MaCompetenciaInicial)
    NX_CAMPO(MaCompetenciaFinal)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(FiltroBloqueio)
    NX_FAIXA(MaCompetencia)
};

NX_SOBRE(_REG_GC_PARAMETROS_INVALIDAR_ENCERRAMENTO_CUSTOSPS,
         "The parameters of an invalidation of the closing of a month of a branch.")
struct NXLDADOSGC_API _REG_GC_PARAMETROS_INVALIDAR_ENCERRAMENTO_CUSTOSPS {
    REG_NXMA MaCompetencia;
    WORD PonteiroFilial;
    BYTE EfetivarAlteracao;
    std::byte Lacuna5[3];
};
NX_LAYOUT(_REG_GC_PARAMETROS_INVALIDAR_ENCERRAMENTO_CUSTOSPS, 8,
          (MaCompetencia, 0), (PonteiroFilial, 2),
          (EfetivarAlteracao, 4, "non-zero: make the invalidation effective"),
          (Lacuna5, 5))

class NXLDADOSGC_API CNXDadosGC_ParametrosInvalidarEncerramentoCustos
    : public T_NXDadosRegistro<_REG_GC_PARAMETROS_INVALIDAR_ENCERRAMENTO_CUSTOSPS> {
    NX_DADOS(CNXDadosGC_ParametrosInvalidarEncerramentoCustos)
    NX_CAMPO(MaCompetencia)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(EfetivarAlteracao)
};

NX_SOBRE(_REG_GC_MESTREPS,
         "The master record of the module: system version, installation figures, the months of implantation, cost "
         "lock and visualisation, and its working options. It is 8-byte aligned; its last 8 bytes have no accessor.")
struct alignas(8) _REG_GC_MESTREPS {
    WORD VersaoSistema;
    WORD QuantidadeTerminais;
    WORD SecaoUso;
    WORD CodigoCliente;
    WORD CodigoClienteEscritorio;
    BYTE PossuiCustoIndustrial;
    std::byte Lacuna11[1];
    REG_NXMA MaImplantacao;
    REG_NXMA MaBloqueioCustos;
    REG_NXMA MaVisualizacao;
    BYTE UsaBloqueioVisualizacao;
    BYTE DigitosDataRelatorio;
    BYTE TipoCargaLanctoCustosReal;
    BYTE TipoCargaLanctoHoraPadrao;
    BYTE UtilizaEficienciaRecurso;
    BYTE TipoCargaDespesas;
    std::byte Lacuna24[8];
};
NX_LAYOUT(_REG_GC_MESTREPS, 32,
          (VersaoSistema, 0, "system version"),
          (QuantidadeTerminais, 2, "number of terminals"),
          (SecaoUso, 4, "usage section"),
          (CodigoCliente, 6, "the installation's customer code"),
          (CodigoClienteEscritorio, 8, "the office's customer code"),
          (PossuiCustoIndustrial, 10, "flag: industrial cost is in use"),
          (Lacuna11, 11),
          (MaImplantacao, 12, "the month of implantation"),
          (MaBloqueioCustos, 14, "the cost lock month"),
          (MaVisualizacao, 16, "the visualisation month"),
          (UsaBloqueioVisualizacao, 18, "flag: the visualisation lock is in use"),
          (DigitosDataRelatorio, 19, "digits of the dates in reports"),
          (TipoCargaLanctoCustosReal, 20, "how actual cost postings are loaded"),
          (TipoCargaLanctoHoraPadrao, 21, "how standard hour postings are loaded"),
          (UtilizaEficienciaRecurso, 22, "flag: resource efficiency is in use"),
          (TipoCargaDespesas, 23, "how expenses are loaded"),
          (Lacuna24, 24))
static_assert(alignof(_REG_GC_MESTREPS) == 8);

class NXLDADOSGC_API CNXDadosGC_Mestre : public T_NXDadosRegistro<_REG_GC_MESTREPS> {
    NX_DADOS(CNXDadosGC_Mestre)
    NX_CAMPO(VersaoSistema)
    NX_CAMPO(QuantidadeTerminais)
    NX_CAMPO(SecaoUso)
    NX_CAMPO(CodigoCliente)
    NX_CAMPO(CodigoClienteEscritorio)
    NX_CAMPO(PossuiCustoIndustrial)
    NX_CAMPO(MaImplantacao)
    NX_CAMPO(MaBloqueioCustos)
    NX_CAMPO(MaVisualizacao)
    NX_CAMPO(UsaBloqueioVisualizacao)
    NX_CAMPO(DigitosDataRelatorio)
    NX_CAMPO(TipoCargaLanctoCustosReal)
    NX_CAMPO(TipoCargaLanctoHoraPadrao)
    NX_CAMPO(UtilizaEficienciaRecurso)
    NX_CAMPO(TipoCargaDespesas)
};

NX_SOBRE(_REG_GC_INFO_PERIODOSPS,
         "The periods of a branch open for movement and for integration, as day ranges, and its lock months.")
struct NXLDADOSGC_API _REG_GC_INFO_PERIODOSPS {
    REG_NXDMA DmaMovimentacaoInferior;
    REG_NXDMA DmaMovimentacaoSuperior;
    REG_NXDMA DmaIntegracaoInferior;
    REG_NXDMA DmaIntegracaoSuperior;
    REG_NXMA MaBloqueio;
    REG_NXMA MaBloqueioCustos;
    REG_NXMA MaBloqueioVisualizacao;
    REG_NXMA MaBloqueioIntegracaoFilial;
    REG_NXMA MaLUT;
    WORD PonteiroFilial;
    BYTE TemLUT;
    std::byte Lacuna29[3];
};
NX_LAYOUT(_REG_GC_INFO_PERIODOSPS, 32,
          (DmaMovimentacaoInferior, 0, "first day open for movement"),
          (DmaMovimentacaoSuperior, 4, "last day open for movement"),
          (DmaIntegracaoInferior, 8, "first day open for integration"),
          (DmaIntegracaoSuperior, 12, "last day open for integration"),
          (MaBloqueio, 16, "the lock month"),
          (MaBloqueioCustos, 18, "the cost lock month"),
          (MaBloqueioVisualizacao, 20, "the visualisation lock month"),
          (MaBloqueioIntegracaoFilial, 22, "the branch's integration lock month"),
          (MaLUT, 24), (PonteiroFilial, 26), (TemLUT, 28), (Lacuna29, 29))

class NXLDADOSGC_API CNXDadosGC_InfoPeriodos : public T_NXDadosRegistro<_REG_GC_INFO_PERIODOSPS> {
    NX_DADOS(CNXDadosGC_InfoPeriodos)
    NX_CAMPO(DmaMovimentacaoInferior)
    NX_CAMPO(DmaMovimentacaoSuperior)
    NX_CAMPO(DmaIntegracaoInferior)
    NX_CAMPO(DmaIntegracaoSuperior)
    NX_CAMPO(MaBloqueio)
    NX_CAMPO(MaBloqueioCustos)
    NX_CAMPO(MaBloqueioVisualizacao)
    NX_CAMPO(MaBloqueioIntegracaoFilial)
    NX_CAMPO(MaLUT)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(TemLUT)

    // The competence of the month holding the like-named day; 0 when that field holds no date.
    REG_NXMA GetMaMovimentacaoInferior() const { return MaDeDma(GetReg().DmaMovimentacaoInferior); }
    REG_NXMA GetMaMovimentacaoSuperior() const { return MaDeDma(GetReg().DmaMovimentacaoSuperior); }
    REG_NXMA GetMaIntegracaoInferior() const { return MaDeDma(GetReg().DmaIntegracaoInferior); }
    REG_NXMA GetMaIntegracaoSuperior() const { return MaDeDma(GetReg().DmaIntegracaoSuperior); }
};

#endif
