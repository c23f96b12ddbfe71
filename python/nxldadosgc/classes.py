"""The record classes of every data class, generated from esquema.json by gerar_classes.py: do
not edit. Each attribute is bound to its field when the package is imported."""

from __future__ import annotations

from datetime import date, datetime
from decimal import Decimal
from typing import Iterable

from .esquema import Registro
from .lista import Lista
from .valores import Competencia

_FIXOS = ("self", "pagina")

__all__ = [
    "CNXDadosGC_CentroCustos",
    "CNXDadosGC_CentroCustosConta",
    "CNXDadosGC_CentroCustosProdutivo",
    "CNXDadosGC_ClassificacaoConta",
    "CNXDadosGC_CopiarLanctosCustosTerceirizacao",
    "CNXDadosGC_CustoComercial",
    "CNXDadosGC_CustoHora",
    "CNXDadosGC_CustoPadrao",
    "CNXDadosGC_CustoPadraoConta",
    "CNXDadosGC_CustoProducao",
    "CNXDadosGC_CustoProducaoBaixaInsumo",
    "CNXDadosGC_CustoProducaoEntrada",
    "CNXDadosGC_CustoProducaoInsumo",
    "CNXDadosGC_CustoProducaoInventarioElaboracao",
    "CNXDadosGC_CustoProducaoProcessamento",
    "CNXDadosGC_CustoProducaoProcesso",
    "CNXDadosGC_CustoProducaoResultado",
    "CNXDadosGC_CustoProducaoTerceirizacao",
    "CNXDadosGC_CustoProducaoVariacao",
    "CNXDadosGC_EncerramentoCustos",
    "CNXDadosGC_FiltroCargaCustoComercial",
    "CNXDadosGC_FiltroCargaLanctoDespesas",
    "CNXDadosGC_FiltroCargaLanctoGGFPadrao",
    "CNXDadosGC_FiltroCargaLanctoGGFReal",
    "CNXDadosGC_FiltroCargaLanctosHoras",
    "CNXDadosGC_FiltroCentroCustos",
    "CNXDadosGC_FiltroClassificacaoConta",
    "CNXDadosGC_FiltroCopiaPeriodoLanctoHoras",
    "CNXDadosGC_FiltroCustoComercial",
    "CNXDadosGC_FiltroCustoPadrao",
    "CNXDadosGC_FiltroCustoProducao",
    "CNXDadosGC_FiltroEncerramentoCustos",
    "CNXDadosGC_FiltroLancamentoDespesas",
    "CNXDadosGC_FiltroLancamentoGGF",
    "CNXDadosGC_FiltroLancamentoHoras",
    "CNXDadosGC_FiltroLancamentoTerceirizacao",
    "CNXDadosGC_FiltroMatrizRateio",
    "CNXDadosGC_FiltroMatrizRateioRelacionamento",
    "CNXDadosGC_FiltroRelacaoIndiceProduto",
    "CNXDadosGC_FiltroRentabilidade",
    "CNXDadosGC_FormacaoPreco",
    "CNXDadosGC_HorasCentroCustos",
    "CNXDadosGC_IdentificacaoIndiceCustos",
    "CNXDadosGC_IndiceCustos",
    "CNXDadosGC_IndiceCustosPersonalizado",
    "CNXDadosGC_IndiceCustosValorPersonalizado",
    "CNXDadosGC_InfoPeriodos",
    "CNXDadosGC_KeyAlocacaoGGF",
    "CNXDadosGC_KeyCentroCustosCompetencia",
    "CNXDadosGC_KeyCompetencia",
    "CNXDadosGC_KeyContaCustos",
    "CNXDadosGC_KeyCustoProducao",
    "CNXDadosGC_KeyCustoProdutoServico",
    "CNXDadosGC_KeyIdentificacaoIndiceCustos",
    "CNXDadosGC_KeyInsumoCustoProducao",
    "CNXDadosGC_KeyProcessoCustoProducao",
    "CNXDadosGC_KeyProdutoServico",
    "CNXDadosGC_KeyProdutoServicoCompetencia",
    "CNXDadosGC_KeyRentabilidade",
    "CNXDadosGC_LancamentoDespesas",
    "CNXDadosGC_LancamentoDespesasConta",
    "CNXDadosGC_LancamentoGGF",
    "CNXDadosGC_LancamentoHoras",
    "CNXDadosGC_LancamentoTerceirizacao",
    "CNXDadosGC_ListaLanctoHoras",
    "CNXDadosGC_MargemContribuicao",
    "CNXDadosGC_MargemContribuicaoPEDetalhe",
    "CNXDadosGC_MargemContribuicaoProdServ",
    "CNXDadosGC_MargemContribuicaoProdServData",
    "CNXDadosGC_MatrizRateio",
    "CNXDadosGC_MatrizRateioCentroCustos",
    "CNXDadosGC_MatrizRateioCentroCustosApoio",
    "CNXDadosGC_MatrizRateioCentroCustosProdutivo",
    "CNXDadosGC_MatrizRateioConta",
    "CNXDadosGC_Mestre",
    "CNXDadosGC_ParametrosCargaCustoProducao",
    "CNXDadosGC_ParametrosFormacaoPrecoVenda",
    "CNXDadosGC_ParametrosInvalidarCustoProducao",
    "CNXDadosGC_ParametrosInvalidarEncerramentoCustos",
    "CNXDadosGC_ParametrosInvalidarMatrizRateio",
    "CNXDadosGC_ParametrosMargemContribuicao",
    "CNXDadosGC_ProdutoServicoClasse",
    "CNXDadosGC_RelacaoIndiceProduto",
    "CNXDadosGC_RelacaoIndiceProdutoItem",
    "CNXDadosGC_Rentabilidade",
    "CNXDadosGC_RentabilidadeProdutoServico",
]


class CNXDadosGC_CentroCustos(Registro):
    """A cost centre, the unit the module assigns costs to: its code, description, characteristic
    and branch, its accounts (Conta) and the productive cost centres it allocates to (Produtivo).
    Record _REG_GC_CENTRO_CUSTOSPS, 104 bytes.
    """

    __slots__ = ()

    PercentualEficiencia: Decimal
    """CY at byte 0: efficiency, a percentage"""

    Posicao: int
    """u32 at byte 8"""

    PonteiroFilial: int
    """u16 at byte 20"""

    CaracteristicaCC: int
    """u8 at byte 22: characteristic; GetCaracteristicaCC names it"""

    Inativo: int
    """u8 at byte 23"""

    Codigo: str
    """text at byte 24, 10 bytes at most"""

    Descricao: str
    """text at byte 35, 50 bytes at most"""

    Lacuna86: bytes
    """lacuna at byte 86"""

    Conta: Lista[CNXDadosGC_CentroCustosConta]
    """list of CNXDadosGC_CentroCustosConta"""

    Produtivo: Lista[CNXDadosGC_CentroCustosProdutivo]
    """list of CNXDadosGC_CentroCustosProdutivo"""

    def __init__(self, *, pagina: int = 1252, PercentualEficiencia: Decimal | int = ..., Posicao: int = ...,
                 PonteiroFilial: int = ..., CaracteristicaCC: int = ..., Inativo: int = ..., Codigo: str = ...,
                 Descricao: str = ..., Lacuna86: bytes = ..., Conta: Iterable[CNXDadosGC_CentroCustosConta] = ...,
                 Produtivo: Iterable[CNXDadosGC_CentroCustosProdutivo] = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_CentroCustosConta(Registro):
    """One account of a cost centre: the ledger and management account pair its costs are booked to,
    with its allocation value. Record _REG_GC_CENTRO_CUSTOS_CONTAPS, 24 bytes.
    """

    __slots__ = ()

    ValorRateio: Decimal
    """CY at byte 0: allocation value of the account"""

    PonteiroContaContabil: int
    """u32 at byte 8"""

    PonteiroContaGerencial: int
    """u32 at byte 12"""

    ValorDiferenciado: int
    """u8 at byte 16: a flag, not an amount"""

    Lacuna17: bytes
    """lacuna at byte 17"""

    def __init__(self, *, pagina: int = 1252, ValorRateio: Decimal | int = ..., PonteiroContaContabil: int = ...,
                 PonteiroContaGerencial: int = ..., ValorDiferenciado: int = ..., Lacuna17: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_CentroCustosProdutivo(Registro):
    """One productive cost centre that receives an allocation from a cost centre. Record
    _REG_GC_CENTRO_CUSTOS_PRODUTIVOPS, 16 bytes.
    """

    __slots__ = ()

    ValorRateio: Decimal
    """CY at byte 0: allocation value passed to it"""

    PonteiroCentroCustos: int
    """u32 at byte 8: the productive cost centre"""

    ValorDiferenciado: int
    """u8 at byte 12: a flag, not an amount"""

    Lacuna13: bytes
    """lacuna at byte 13"""

    def __init__(self, *, pagina: int = 1252, ValorRateio: Decimal | int = ..., PonteiroCentroCustos: int = ...,
                 ValorDiferenciado: int = ..., Lacuna13: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_ClassificacaoConta(Registro):
    """The classification of one ledger account: whether what it records is a cost or an expense,
    fixed or variable. Record _REG_GC_CLASSIFICACAO_CONTAPS, 24 bytes.
    """

    __slots__ = ()

    DmaHmsGravacao: datetime | int | None
    """REG_NXDMAHMSUTC at byte 0"""

    Posicao: int
    """u32 at byte 8"""

    PonteiroContaContabil: int
    """u32 at byte 12: the ledger account classified"""

    PonteiroUsuarioGravacao: int
    """u32 at byte 16"""

    TipoCustoDespesa: int
    """u8 at byte 20: cost or expense"""

    TipoFixoVariavel: int
    """u8 at byte 21: fixed or variable"""

    Excluido: int
    """u8 at byte 22"""

    Lacuna23: bytes
    """lacuna at byte 23"""

    def __init__(self, *, pagina: int = 1252, DmaHmsGravacao: datetime | int | None = ..., Posicao: int = ...,
                 PonteiroContaContabil: int = ..., PonteiroUsuarioGravacao: int = ..., TipoCustoDespesa: int = ...,
                 TipoFixoVariavel: int = ..., Excluido: int = ..., Lacuna23: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_CopiarLanctosCustosTerceirizacao(Registro):
    """The parameters of a copy of outsourcing cost postings from one month to another, for a set of
    product and service classes (ProdutoClasse), with a projection adjustment. Record
    _REG_GC_COPIAR_LANCTOS_CUSTOS_TERCEIRIZACAOPS, 40 bytes.
    """

    __slots__ = ()

    PercAjusteProjecao: Decimal
    """CY at byte 0: projection adjustment, a percentage"""

    MaCompetenciaOrigem: Competencia | int | None
    """REG_NXMA at byte 12: the month copied from"""

    MaCompetenciaDestino: Competencia | int | None
    """REG_NXMA at byte 14: the month copied to"""

    PonteiroFilial: int
    """u16 at byte 16"""

    TipoProjecao: int
    """u8 at byte 18: kind of projection"""

    Lacuna19: bytes
    """lacuna at byte 19"""

    ProdutoClasse: Lista[CNXDadosGC_ProdutoServicoClasse]
    """list of CNXDadosGC_ProdutoServicoClasse"""

    Lacuna32: bytes
    """lacuna at byte 32"""

    def __init__(self, *, pagina: int = 1252, PercAjusteProjecao: Decimal | int = ...,
                 MaCompetenciaOrigem: Competencia | int | None = ...,
                 MaCompetenciaDestino: Competencia | int | None = ..., PonteiroFilial: int = ...,
                 TipoProjecao: int = ..., Lacuna19: bytes = ...,
                 ProdutoClasse: Iterable[CNXDadosGC_ProdutoServicoClasse] = ..., Lacuna32: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_CustoComercial(Registro):
    """The commercial (unit) cost of one product or service in one branch and month. Record
    _REG_GC_CUSTO_COMERCIALPS, 48 bytes.
    """

    __slots__ = ()

    PosicaoProdutoServico: bytes
    """posicao at byte 0"""

    DmaHmsGravacao: datetime | int | None
    """REG_NXDMAHMSUTC at byte 16"""

    CustoUnitarioV8: Decimal
    """CY at byte 24: the unit cost"""

    Chave: int
    """u32 at byte 32"""

    PonteiroUsuarioGravacao: int
    """u32 at byte 36"""

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 40"""

    PonteiroFilial: int
    """u16 at byte 42"""

    TipoProdutoServico: int
    """u8 at byte 44: kind of product or service"""

    OrigemCustoComercial: int
    """u8 at byte 45: where the cost came from"""

    Excluido: int
    """u8 at byte 46"""

    Lacuna47: bytes
    """lacuna at byte 47"""

    def __init__(self, *, pagina: int = 1252, PosicaoProdutoServico: bytes = ...,
                 DmaHmsGravacao: datetime | int | None = ..., CustoUnitarioV8: Decimal | int = ..., Chave: int = ...,
                 PonteiroUsuarioGravacao: int = ..., MaCompetencia: Competencia | int | None = ...,
                 PonteiroFilial: int = ..., TipoProdutoServico: int = ..., OrigemCustoComercial: int = ...,
                 Excluido: int = ..., Lacuna47: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_CustoHora(Registro):
    """The hours of one cost centre and its cost rates per hour and per minute; the rates are stored
    as given, not derived here. Record _REG_GC_CUSTO_HORAPS, 104 bytes.
    """

    __slots__ = ()

    QuantHorasProducao: Decimal
    """CY at byte 0: productive hours"""

    QuantHorasOciosas: Decimal
    """CY at byte 8: idle hours"""

    ValorGGFTotal: Decimal
    """CY at byte 16: total overhead (GGF) amount"""

    ValorGGFFixoTotal: Decimal
    """CY at byte 24: fixed part of ValorGGFTotal"""

    ValorGGFVariavelTotal: Decimal
    """CY at byte 32: variable part of ValorGGFTotal"""

    CustoProducaoHora: Decimal
    """CY at byte 40: cost per productive hour"""

    CustoOciosoHora: Decimal
    """CY at byte 48: cost per idle hour"""

    CustoProducaoMinuto: Decimal
    """CY at byte 56: cost per productive minute"""

    CustoOciosoMinuto: Decimal
    """CY at byte 64: cost per idle minute"""

    CustoProducaoHoraFixo: Decimal
    """CY at byte 72: fixed cost per productive hour"""

    CustoOciosoHoraFixo: Decimal
    """CY at byte 80: fixed cost per idle hour"""

    CustoProducaoHoraVariavel: Decimal
    """CY at byte 88: variable cost per productive hour (there is no variable idle rate)"""

    PonteiroCentroCustos: int
    """u32 at byte 96"""

    Lacuna100: bytes
    """lacuna at byte 100"""

    def __init__(self, *, pagina: int = 1252, QuantHorasProducao: Decimal | int = ...,
                 QuantHorasOciosas: Decimal | int = ..., ValorGGFTotal: Decimal | int = ...,
                 ValorGGFFixoTotal: Decimal | int = ..., ValorGGFVariavelTotal: Decimal | int = ...,
                 CustoProducaoHora: Decimal | int = ..., CustoOciosoHora: Decimal | int = ...,
                 CustoProducaoMinuto: Decimal | int = ..., CustoOciosoMinuto: Decimal | int = ...,
                 CustoProducaoHoraFixo: Decimal | int = ..., CustoOciosoHoraFixo: Decimal | int = ...,
                 CustoProducaoHoraVariavel: Decimal | int = ..., PonteiroCentroCustos: int = ...,
                 Lacuna100: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_CustoPadrao(Registro):
    """A standard cost: a coded, named set of standard amounts per account (Conta) for one branch.
    Record _REG_GC_CUSTO_PADRAOPS, 96 bytes.
    """

    __slots__ = ()

    Posicao: int
    """u32 at byte 0"""

    PonteiroFilial: int
    """u16 at byte 8"""

    Inativo: int
    """u8 at byte 10"""

    Codigo: str
    """text at byte 11, 10 bytes at most"""

    Descricao: str
    """text at byte 22, 50 bytes at most"""

    Lacuna73: bytes
    """lacuna at byte 73"""

    Conta: Lista[CNXDadosGC_CustoPadraoConta]
    """list of CNXDadosGC_CustoPadraoConta"""

    Lacuna88: bytes
    """lacuna at byte 88"""

    def __init__(self, *, pagina: int = 1252, Posicao: int = ..., PonteiroFilial: int = ..., Inativo: int = ...,
                 Codigo: str = ..., Descricao: str = ..., Lacuna73: bytes = ...,
                 Conta: Iterable[CNXDadosGC_CustoPadraoConta] = ..., Lacuna88: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_CustoPadraoConta(Registro):
    """The standard amount of one account pair within a standard cost. Record
    _REG_GC_CUSTO_PADRAO_CONTAPS, 16 bytes.
    """

    __slots__ = ()

    CustoPadrao: Decimal
    """CY at byte 0: the standard amount"""

    PonteiroContaContabil: int
    """u32 at byte 8"""

    PonteiroContaGerencial: int
    """u32 at byte 12"""

    def __init__(self, *, pagina: int = 1252, CustoPadrao: Decimal | int = ..., PonteiroContaContabil: int = ...,
                 PonteiroContaGerencial: int = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_CustoProducao(Registro):
    """The production cost of one product or service of a branch in a month, with its results,
    outsourcing, work-in-process inventory and up to three variations (own stock, stock of
    others, overall). Record _REG_GC_CUSTO_PRODUCAOPS, 136 bytes.
    """

    __slots__ = ()

    PosicaoProdutoServico: bytes
    """posicao at byte 0"""

    DmaHmsEmissao: datetime | int | None
    """REG_NXDMAHMSUTC at byte 16"""

    DmaHmsGravacao: datetime | int | None
    """REG_NXDMAHMSUTC at byte 24"""

    TotalCustoTerceirizacoes: Decimal
    """CY at byte 32: total of the outsourcing costs"""

    Chave: int
    """u32 at byte 40"""

    PonteiroProjeto_DEPRECATED: int
    """u32 at byte 44"""

    PonteiroFluxoProcesso_DEPRECATED: int
    """u32 at byte 48"""

    PonteiroUsuarioEmissao: int
    """u32 at byte 52"""

    PonteiroUsuarioGravacao: int
    """u32 at byte 56"""

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 72"""

    PonteiroFilial: int
    """u16 at byte 74"""

    TipoProdutoServico: int
    """u8 at byte 76: kind of product or service"""

    TipoCusto: int
    """u8 at byte 77: kind of cost"""

    OrigemCustoProducao: int
    """u8 at byte 78: where the cost came from"""

    Situacao: int
    """u8 at byte 79: state of the production cost"""

    EhCustoProducaoAtivo: int
    """u8 at byte 80: flag: the active production cost"""

    Excluido: int
    """u8 at byte 81"""

    Lacuna82: bytes
    """lacuna at byte 82"""

    Resultado: Lista[CNXDadosGC_CustoProducaoResultado]
    """list of CNXDadosGC_CustoProducaoResultado"""

    CustoTerceirizacao: Lista[CNXDadosGC_CustoProducaoTerceirizacao]
    """list of CNXDadosGC_CustoProducaoTerceirizacao"""

    InventarioElaboracao: Lista[CNXDadosGC_CustoProducaoInventarioElaboracao]
    """list of CNXDadosGC_CustoProducaoInventarioElaboracao"""

    VariacaoEstoqueProprio: CNXDadosGC_CustoProducaoVariacao | None
    """a CNXDadosGC_CustoProducaoVariacao, or None"""

    VariacaoEstoqueTerceiros: CNXDadosGC_CustoProducaoVariacao | None
    """a CNXDadosGC_CustoProducaoVariacao, or None"""

    VariacaoGeral: CNXDadosGC_CustoProducaoVariacao | None
    """a CNXDadosGC_CustoProducaoVariacao, or None"""

    def __init__(self, *, pagina: int = 1252, PosicaoProdutoServico: bytes = ...,
                 DmaHmsEmissao: datetime | int | None = ..., DmaHmsGravacao: datetime | int | None = ...,
                 TotalCustoTerceirizacoes: Decimal | int = ..., Chave: int = ...,
                 PonteiroProjeto_DEPRECATED: int = ..., PonteiroFluxoProcesso_DEPRECATED: int = ...,
                 PonteiroUsuarioEmissao: int = ..., PonteiroUsuarioGravacao: int = ...,
                 MaCompetencia: Competencia | int | None = ..., PonteiroFilial: int = ...,
                 TipoProdutoServico: int = ..., TipoCusto: int = ..., OrigemCustoProducao: int = ...,
                 Situacao: int = ..., EhCustoProducaoAtivo: int = ..., Excluido: int = ..., Lacuna82: bytes = ...,
                 Resultado: Iterable[CNXDadosGC_CustoProducaoResultado] = ...,
                 CustoTerceirizacao: Iterable[CNXDadosGC_CustoProducaoTerceirizacao] = ...,
                 InventarioElaboracao: Iterable[CNXDadosGC_CustoProducaoInventarioElaboracao] = ...,
                 VariacaoEstoqueProprio: CNXDadosGC_CustoProducaoVariacao | None = ...,
                 VariacaoEstoqueTerceiros: CNXDadosGC_CustoProducaoVariacao | None = ...,
                 VariacaoGeral: CNXDadosGC_CustoProducaoVariacao | None = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_CustoProducaoBaixaInsumo(Registro):
    """An input issue of a result: one input taken from stock. Record
    _REG_GC_CUSTO_PRODUCAO_BAIXA_INSUMOPS, 64 bytes.
    """

    __slots__ = ()

    PosicaoProduto: bytes
    """posicao at byte 0: the input issued"""

    DmaHmsMovimento: datetime | int | None
    """REG_NXDMAHMSUTC at byte 16: when the stock moved"""

    DmcMovimentoBaixa: bytes
    """REG_NXDMC at byte 24: date of the issue"""

    QuantConsumida: Decimal
    """CY at byte 32: quantity consumed"""

    CustoUnitarioV8: Decimal
    """CY at byte 40: unit cost"""

    CustoTotal: Decimal
    """CY at byte 48"""

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 56"""

    Lacuna58: bytes
    """lacuna at byte 58"""

    def __init__(self, *, pagina: int = 1252, PosicaoProduto: bytes = ...,
                 DmaHmsMovimento: datetime | int | None = ..., DmcMovimentoBaixa: bytes = ...,
                 QuantConsumida: Decimal | int = ..., CustoUnitarioV8: Decimal | int = ...,
                 CustoTotal: Decimal | int = ..., MaCompetencia: Competencia | int | None = ...,
                 Lacuna58: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_CustoProducaoEntrada(Registro):
    """The stock entry a result produced. Record _REG_GC_CUSTO_PRODUCAO_ENTRADAPS, 24 bytes."""

    __slots__ = ()

    DmaHmsMovimento: datetime | int | None
    """REG_NXDMAHMSUTC at byte 0: when the stock moved"""

    DmcMovimentoEntrada: bytes
    """REG_NXDMC at byte 8: date of the entry"""

    DmcOrdemProducao: bytes
    """REG_NXDMC at byte 16: date of the production order"""

    def __init__(self, *, pagina: int = 1252, DmaHmsMovimento: datetime | int | None = ...,
                 DmcMovimentoEntrada: bytes = ..., DmcOrdemProducao: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_CustoProducaoInsumo(Registro):
    """An input line of a variation: the quantity and cost of one input consumed. Record
    _REG_GC_CUSTO_PRODUCAO_INSUMOPS, 48 bytes.
    """

    __slots__ = ()

    PosicaoProduto: bytes
    """posicao at byte 0: the input"""

    QuantConsumida: Decimal
    """CY at byte 16: quantity consumed"""

    CustoTotal: Decimal
    """CY at byte 24"""

    CustoMedioV8: Decimal
    """CY at byte 32: average cost"""

    PonteiroTabPrecoCompra: int
    """u32 at byte 40: the purchase price table"""

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 44"""

    TipoCalculoInsumo: int
    """u8 at byte 46: how the input is calculated"""

    PermiteAlterar: int
    """u8 at byte 47: flag: the line may be changed"""

    def __init__(self, *, pagina: int = 1252, PosicaoProduto: bytes = ..., QuantConsumida: Decimal | int = ...,
                 CustoTotal: Decimal | int = ..., CustoMedioV8: Decimal | int = ...,
                 PonteiroTabPrecoCompra: int = ..., MaCompetencia: Competencia | int | None = ...,
                 TipoCalculoInsumo: int = ..., PermiteAlterar: int = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_CustoProducaoInventarioElaboracao(Registro):
    """A work-in-process inventory line of a production cost: what one process holds in elaboration
    for a product or service. Record _REG_GC_CUSTO_PRODUCAO_INVENTARIO_ELABORACAOPS, 96 bytes.
    """

    __slots__ = ()

    PosicaoProdutoServico: bytes
    """posicao at byte 0"""

    QuantEmElaboracao: Decimal
    """CY at byte 16: quantity in process"""

    QuantProcessada: Decimal
    """CY at byte 24: quantity processed"""

    QuantHorasProducao: Decimal
    """CY at byte 32: productive hours"""

    CustoTotal: Decimal
    """CY at byte 40"""

    CustoTotalHorasFixo: Decimal
    """CY at byte 48: fixed cost of the hours"""

    CustoTotalHorasVariavel: Decimal
    """CY at byte 56: variable cost of the hours"""

    CustoTotalHoras: Decimal
    """CY at byte 64: cost of the hours"""

    CustoTotalInsumos: Decimal
    """CY at byte 72: cost of the inputs"""

    PonteiroProcesso: int
    """u32 at byte 80"""

    PonteiroCentroCustos: int
    """u32 at byte 84"""

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 88"""

    PonteiroFilial: int
    """u16 at byte 90"""

    TipoProdutoServico: int
    """u8 at byte 92: kind of product or service"""

    Lacuna93: bytes
    """lacuna at byte 93"""

    def __init__(self, *, pagina: int = 1252, PosicaoProdutoServico: bytes = ...,
                 QuantEmElaboracao: Decimal | int = ..., QuantProcessada: Decimal | int = ...,
                 QuantHorasProducao: Decimal | int = ..., CustoTotal: Decimal | int = ...,
                 CustoTotalHorasFixo: Decimal | int = ..., CustoTotalHorasVariavel: Decimal | int = ...,
                 CustoTotalHoras: Decimal | int = ..., CustoTotalInsumos: Decimal | int = ...,
                 PonteiroProcesso: int = ..., PonteiroCentroCustos: int = ...,
                 MaCompetencia: Competencia | int | None = ..., PonteiroFilial: int = ...,
                 TipoProdutoServico: int = ..., Lacuna93: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_CustoProducaoProcessamento(Registro):
    """A processing line of a result: quantity, hours and costs of one processing step. Record
    _REG_GC_CUSTO_PRODUCAO_PROCESSAMENTOPS, 88 bytes.
    """

    __slots__ = ()

    QuantProcessada: Decimal
    """CY at byte 0: quantity processed"""

    QuantHorasProducao: Decimal
    """CY at byte 8: productive hours"""

    CustoHoraFixo: Decimal
    """CY at byte 16: fixed cost per hour"""

    CustoHoraVariavel: Decimal
    """CY at byte 24: variable cost per hour"""

    CustoHora: Decimal
    """CY at byte 32: cost per hour"""

    CustoTotalHorasFixo: Decimal
    """CY at byte 40: fixed cost of the hours"""

    CustoTotalHorasVariavel: Decimal
    """CY at byte 48: variable cost of the hours"""

    CustoTotalHoras: Decimal
    """CY at byte 56: cost of the hours"""

    CustoTotal: Decimal
    """CY at byte 64"""

    PonteiroProcesso: int
    """u32 at byte 72"""

    PonteiroCentroCustos: int
    """u32 at byte 76"""

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 80"""

    Lacuna82: bytes
    """lacuna at byte 82"""

    def __init__(self, *, pagina: int = 1252, QuantProcessada: Decimal | int = ...,
                 QuantHorasProducao: Decimal | int = ..., CustoHoraFixo: Decimal | int = ...,
                 CustoHoraVariavel: Decimal | int = ..., CustoHora: Decimal | int = ...,
                 CustoTotalHorasFixo: Decimal | int = ..., CustoTotalHorasVariavel: Decimal | int = ...,
                 CustoTotalHoras: Decimal | int = ..., CustoTotal: Decimal | int = ..., PonteiroProcesso: int = ...,
                 PonteiroCentroCustos: int = ..., MaCompetencia: Competencia | int | None = ...,
                 Lacuna82: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_CustoProducaoProcesso(Registro):
    """A process line of a variation: quantity, hours and costs of one process. Same layout as the
    processing line of a result, but a record type of its own: the two never compare equal.
    Record _REG_GC_CUSTO_PRODUCAO_PROCESSOPS, 88 bytes.
    """

    __slots__ = ()

    QuantProcessada: Decimal
    """CY at byte 0: quantity processed"""

    QuantHorasProducao: Decimal
    """CY at byte 8: productive hours"""

    CustoHoraFixo: Decimal
    """CY at byte 16: fixed cost per hour"""

    CustoHoraVariavel: Decimal
    """CY at byte 24: variable cost per hour"""

    CustoHora: Decimal
    """CY at byte 32: cost per hour"""

    CustoTotalHorasFixo: Decimal
    """CY at byte 40: fixed cost of the hours"""

    CustoTotalHorasVariavel: Decimal
    """CY at byte 48: variable cost of the hours"""

    CustoTotalHoras: Decimal
    """CY at byte 56: cost of the hours"""

    CustoTotal: Decimal
    """CY at byte 64"""

    PonteiroProcesso: int
    """u32 at byte 72"""

    PonteiroCentroCustos: int
    """u32 at byte 76"""

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 80"""

    Lacuna82: bytes
    """lacuna at byte 82"""

    def __init__(self, *, pagina: int = 1252, QuantProcessada: Decimal | int = ...,
                 QuantHorasProducao: Decimal | int = ..., CustoHoraFixo: Decimal | int = ...,
                 CustoHoraVariavel: Decimal | int = ..., CustoHora: Decimal | int = ...,
                 CustoTotalHorasFixo: Decimal | int = ..., CustoTotalHorasVariavel: Decimal | int = ...,
                 CustoTotalHoras: Decimal | int = ..., CustoTotal: Decimal | int = ..., PonteiroProcesso: int = ...,
                 PonteiroCentroCustos: int = ..., MaCompetencia: Competencia | int | None = ...,
                 Lacuna82: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_CustoProducaoResultado(Registro):
    """A result of a production cost: what one process produced in the month from one stock origin,
    with its processing steps (CustoProcessamento), input issues (CustoBaixaInsumo) and the stock
    entry it produced (Entrada). Record _REG_GC_CUSTO_PRODUCAO_RESULTADOPS, 112 bytes.
    """

    __slots__ = ()

    QuantProduzida: Decimal
    """CY at byte 0: quantity produced"""

    QuantHorasProducao: Decimal
    """CY at byte 8: productive hours"""

    CustoTotalHorasFixo: Decimal
    """CY at byte 16: fixed cost of the hours"""

    CustoTotalHorasVariavel: Decimal
    """CY at byte 24: variable cost of the hours"""

    CustoTotalHoras: Decimal
    """CY at byte 32: cost of the hours"""

    CustoTotalInsumos: Decimal
    """CY at byte 40: cost of the inputs"""

    CustoTotal: Decimal
    """CY at byte 48"""

    CustoUnitarioV8: Decimal
    """CY at byte 56: unit cost"""

    PonteiroProcesso: int
    """u32 at byte 64"""

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 76"""

    EstoqueOrigemTerceiros: int
    """u8 at byte 78: stock origin: own or belonging to others"""

    Lacuna79: bytes
    """lacuna at byte 79"""

    Entrada: CNXDadosGC_CustoProducaoEntrada | None
    """a CNXDadosGC_CustoProducaoEntrada, or None"""

    CustoProcessamento: Lista[CNXDadosGC_CustoProducaoProcessamento]
    """list of CNXDadosGC_CustoProducaoProcessamento"""

    CustoBaixaInsumo: Lista[CNXDadosGC_CustoProducaoBaixaInsumo]
    """list of CNXDadosGC_CustoProducaoBaixaInsumo"""

    Lacuna104: bytes
    """lacuna at byte 104"""

    def __init__(self, *, pagina: int = 1252, QuantProduzida: Decimal | int = ...,
                 QuantHorasProducao: Decimal | int = ..., CustoTotalHorasFixo: Decimal | int = ...,
                 CustoTotalHorasVariavel: Decimal | int = ..., CustoTotalHoras: Decimal | int = ...,
                 CustoTotalInsumos: Decimal | int = ..., CustoTotal: Decimal | int = ...,
                 CustoUnitarioV8: Decimal | int = ..., PonteiroProcesso: int = ...,
                 MaCompetencia: Competencia | int | None = ..., EstoqueOrigemTerceiros: int = ...,
                 Lacuna79: bytes = ..., Entrada: CNXDadosGC_CustoProducaoEntrada | None = ...,
                 CustoProcessamento: Iterable[CNXDadosGC_CustoProducaoProcessamento] = ...,
                 CustoBaixaInsumo: Iterable[CNXDadosGC_CustoProducaoBaixaInsumo] = ..., Lacuna104: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_CustoProducaoTerceirizacao(Registro):
    """An outsourcing line of a production cost: its total cost in the month; its other amounts and
    references are retired. Record _REG_GC_CUSTO_PRODUCAO_TERCEIRIZACAOPS, 40 bytes.
    """

    __slots__ = ()

    QuantApontada_DEPRECATED: Decimal
    """CY at byte 0"""

    CustoTotal: Decimal
    """CY at byte 8: the outsourcing cost"""

    CustoUnitarioV8_DEPRECATED: Decimal
    """CY at byte 16"""

    PonteiroProcesso_DEPRECATED: int
    """u32 at byte 24"""

    PonteiroIndustrializador_DEPRECATED: int
    """u32 at byte 28"""

    PonteiroNotaFiscalSaida_DEPRECATED: int
    """u32 at byte 32"""

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 36"""

    Lacuna38: bytes
    """lacuna at byte 38"""

    def __init__(self, *, pagina: int = 1252, QuantApontada_DEPRECATED: Decimal | int = ...,
                 CustoTotal: Decimal | int = ..., CustoUnitarioV8_DEPRECATED: Decimal | int = ...,
                 PonteiroProcesso_DEPRECATED: int = ..., PonteiroIndustrializador_DEPRECATED: int = ...,
                 PonteiroNotaFiscalSaida_DEPRECATED: int = ..., MaCompetencia: Competencia | int | None = ...,
                 Lacuna38: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_CustoProducaoVariacao(Registro):
    """A stock variation of a production cost: quantities and costs, by process (CustoProcesso) and
    by input (CustoInsumo). Record _REG_GC_CUSTO_PRODUCAO_VARIACAOPS, 80 bytes.
    """

    __slots__ = ()

    QuantProduzida: Decimal
    """CY at byte 0: quantity produced"""

    CustoTotalHorasFixo: Decimal
    """CY at byte 8: fixed cost of the hours"""

    CustoTotalHorasVariavel: Decimal
    """CY at byte 16: variable cost of the hours"""

    CustoTotalHoras: Decimal
    """CY at byte 24: cost of the hours"""

    CustoTotalInsumos: Decimal
    """CY at byte 32: cost of the inputs"""

    CustoTotal: Decimal
    """CY at byte 40"""

    CustoUnitarioV8: Decimal
    """CY at byte 48: unit cost"""

    CustoProcesso: Lista[CNXDadosGC_CustoProducaoProcesso]
    """list of CNXDadosGC_CustoProducaoProcesso"""

    CustoInsumo: Lista[CNXDadosGC_CustoProducaoInsumo]
    """list of CNXDadosGC_CustoProducaoInsumo"""

    def __init__(self, *, pagina: int = 1252, QuantProduzida: Decimal | int = ...,
                 CustoTotalHorasFixo: Decimal | int = ..., CustoTotalHorasVariavel: Decimal | int = ...,
                 CustoTotalHoras: Decimal | int = ..., CustoTotalInsumos: Decimal | int = ...,
                 CustoTotal: Decimal | int = ..., CustoUnitarioV8: Decimal | int = ...,
                 CustoProcesso: Iterable[CNXDadosGC_CustoProducaoProcesso] = ...,
                 CustoInsumo: Iterable[CNXDadosGC_CustoProducaoInsumo] = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_EncerramentoCustos(Registro):
    """The closing of one month of a branch: who closed it and when, its state, whether it is
    locked, and what is known of the month before. Record _REG_GC_ENCERRAMENTO_CUSTOSPS, 40
    bytes.
    """

    __slots__ = ()

    DmaHmsEncerramento: datetime | int | None
    """REG_NXDMAHMSUTC at byte 0: when the month was closed"""

    DmaHmsGravacao: datetime | int | None
    """REG_NXDMAHMSUTC at byte 8"""

    Chave: int
    """u32 at byte 16"""

    PonteiroUsuarioEncerramento: int
    """u32 at byte 20: the user who closed it"""

    PonteiroUsuarioGravacao: int
    """u32 at byte 24"""

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 28"""

    PonteiroFilial: int
    """u16 at byte 30"""

    ExistePeriodoAnterior: int
    """u8 at byte 32: flag: the month before exists"""

    SituacaoPeriodoAnterior: int
    """u8 at byte 33: state of the month before"""

    Situacao: int
    """u8 at byte 34: state of the closing"""

    Bloqueado: int
    """u8 at byte 35: flag: locked"""

    Lacuna36: bytes
    """lacuna at byte 36"""

    def __init__(self, *, pagina: int = 1252, DmaHmsEncerramento: datetime | int | None = ...,
                 DmaHmsGravacao: datetime | int | None = ..., Chave: int = ...,
                 PonteiroUsuarioEncerramento: int = ..., PonteiroUsuarioGravacao: int = ...,
                 MaCompetencia: Competencia | int | None = ..., PonteiroFilial: int = ...,
                 ExistePeriodoAnterior: int = ..., SituacaoPeriodoAnterior: int = ..., Situacao: int = ...,
                 Bloqueado: int = ..., Lacuna36: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_FiltroCargaCustoComercial(Registro):
    """The parameters of a load of commercial costs for a set of product and service classes
    (ProdutoClasse). Record _REG_GC_FILTRO_CARGA_CUSTO_COMERCIALPS, 32 bytes.
    """

    __slots__ = ()

    PonteiroTabelaPrecoCompra: int
    """u32 at byte 0: the purchase price table"""

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 8"""

    PonteiroFilial: int
    """u16 at byte 10"""

    TipoCalculoInsumo: int
    """u8 at byte 12: how inputs are calculated"""

    Lacuna13: bytes
    """lacuna at byte 13"""

    ProdutoClasse: Lista[CNXDadosGC_ProdutoServicoClasse]
    """list of CNXDadosGC_ProdutoServicoClasse"""

    Lacuna24: bytes
    """lacuna at byte 24"""

    def __init__(self, *, pagina: int = 1252, PonteiroTabelaPrecoCompra: int = ...,
                 MaCompetencia: Competencia | int | None = ..., PonteiroFilial: int = ...,
                 TipoCalculoInsumo: int = ..., Lacuna13: bytes = ...,
                 ProdutoClasse: Iterable[CNXDadosGC_ProdutoServicoClasse] = ..., Lacuna24: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_FiltroCargaLanctoDespesas(Registro):
    """The parameters of a load that carries the expense postings of one month into a range of
    months, with a projection. Record _REG_GC_CARGA_CUSTO_DESPESA_PEPS, 32 bytes.
    """

    __slots__ = ()

    PercProjecao: Decimal
    """CY at byte 0: projection, a percentage"""

    MaOrigem: Competencia | int | None
    """REG_NXMA at byte 8: the month loaded from"""

    MaDestinoInicial: Competencia | int | None
    """REG_NXMA at byte 10: the first month loaded into"""

    MaDestinoFinal: Competencia | int | None
    """REG_NXMA at byte 12: the last month loaded into"""

    PonteiroFilial: int
    """u16 at byte 14"""

    TipoProjecao: int
    """u8 at byte 16: kind of projection"""

    Lacuna17: bytes
    """lacuna at byte 17"""

    def __init__(self, *, pagina: int = 1252, PercProjecao: Decimal | int = ...,
                 MaOrigem: Competencia | int | None = ..., MaDestinoInicial: Competencia | int | None = ...,
                 MaDestinoFinal: Competencia | int | None = ..., PonteiroFilial: int = ..., TipoProjecao: int = ...,
                 Lacuna17: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_FiltroCargaLanctoGGFPadrao(Registro):
    """The parameters of a load of overhead postings from a standard cost. Record
    _REG_GC_FILTRO_CARGA_LANCTO_PADRAOPS, 8 bytes.
    """

    __slots__ = ()

    PonteiroCustoPadrao: int
    """u32 at byte 0: the standard cost loaded from (CNXDadosGC_CustoPadrao)"""

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 4"""

    Lacuna6: bytes
    """lacuna at byte 6"""

    def __init__(self, *, pagina: int = 1252, PonteiroCustoPadrao: int = ...,
                 MaCompetencia: Competencia | int | None = ..., Lacuna6: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_FiltroCargaLanctoGGFReal(Registro):
    """The parameters of a load of the actual overhead postings of a branch and month. Record
    _REG_GC_FILTRO_CARGA_LANCTO_REALPS, 8 bytes.
    """

    __slots__ = ()

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 0"""

    PonteiroFilial: int
    """u16 at byte 2"""

    Lacuna4: bytes
    """lacuna at byte 4"""

    def __init__(self, *, pagina: int = 1252, MaCompetencia: Competencia | int | None = ...,
                 PonteiroFilial: int = ..., Lacuna4: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_FiltroCargaLanctosHoras(Registro):
    """The parameters of a load of the hour postings of a branch and month. Record
    _REG_GC_FILTRO_CARGA_LANCTOS_HORASPS, 8 bytes.
    """

    __slots__ = ()

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 0"""

    PonteiroFilial: int
    """u16 at byte 2"""

    Lacuna4: bytes
    """lacuna at byte 4"""

    def __init__(self, *, pagina: int = 1252, MaCompetencia: Competencia | int | None = ...,
                 PonteiroFilial: int = ..., Lacuna4: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_FiltroCentroCustos(Registro):
    """The query filter of cost centres. Record _REG_GC_FILTRO_CENTROS_CUSTOPS, 24 bytes."""

    __slots__ = ()

    Posicao: int
    """u32 at byte 0"""

    PonteiroContaContabil: int
    """u32 at byte 4"""

    PonteiroContaGerencial: int
    """u32 at byte 8"""

    PonteiroFilial: int
    """u16 at byte 12"""

    FlagCaracteristicaApoio: int
    """u8 at byte 14: include support cost centres"""

    FlagCaracteristicaProducao: int
    """u8 at byte 15: include productive cost centres"""

    FlagCaracteristicaAdministrativo: int
    """u8 at byte 16: include administrative cost centres"""

    AtivoInativo: int
    """u8 at byte 17: selects by the inactive state"""

    Lacuna18: bytes
    """lacuna at byte 18"""

    def __init__(self, *, pagina: int = 1252, Posicao: int = ..., PonteiroContaContabil: int = ...,
                 PonteiroContaGerencial: int = ..., PonteiroFilial: int = ..., FlagCaracteristicaApoio: int = ...,
                 FlagCaracteristicaProducao: int = ..., FlagCaracteristicaAdministrativo: int = ...,
                 AtivoInativo: int = ..., Lacuna18: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_FiltroClassificacaoConta(Registro):
    """The query filter of account classifications. Record _REG_GC_FILTRO_CLASSIFICACAO_CONTAPS, 16
    bytes.
    """

    __slots__ = ()

    PonteiroClassificacaoContas: int
    """u32 at byte 0: a classification (CNXDadosGC_ClassificacaoConta)"""

    PonteiroContaContabil: int
    """u32 at byte 4"""

    FiltroTipoCustoDespesa: int
    """u8 at byte 8: selects cost or expense"""

    FiltroTipoFixoVariavel: int
    """u8 at byte 9: selects fixed or variable"""

    Lacuna10: bytes
    """lacuna at byte 10"""

    def __init__(self, *, pagina: int = 1252, PonteiroClassificacaoContas: int = ...,
                 PonteiroContaContabil: int = ..., FiltroTipoCustoDespesa: int = ...,
                 FiltroTipoFixoVariavel: int = ..., Lacuna10: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_FiltroCopiaPeriodoLanctoHoras(Registro):
    """The parameters of a copy of a month's hour postings to another month. Record
    _REG_GC_FILTRO_COPIA_PERIODO_LANCTOPS, 8 bytes.
    """

    __slots__ = ()

    MaOrigem: Competencia | int | None
    """REG_NXMA at byte 0: the month copied from"""

    MaDestino: Competencia | int | None
    """REG_NXMA at byte 2: the month copied to"""

    PonteiroFilialOrigem: int
    """u16 at byte 4: the branch copied from"""

    Lacuna6: bytes
    """lacuna at byte 6"""

    def __init__(self, *, pagina: int = 1252, MaOrigem: Competencia | int | None = ...,
                 MaDestino: Competencia | int | None = ..., PonteiroFilialOrigem: int = ...,
                 Lacuna6: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_FiltroCustoComercial(Registro):
    """The query filter of commercial costs; its member key is the product or service. Record
    _REG_GC_FILTRO_CUSTO_COMERCIALPS, 40 bytes.
    """

    __slots__ = ()

    KeyProdutoServico: CNXDadosGC_KeyProdutoServico
    """member key at byte 0"""

    MaCompetenciaInicial: Competencia | int | None
    """REG_NXMA at byte 24"""

    MaCompetenciaFinal: Competencia | int | None
    """REG_NXMA at byte 26"""

    MaCompetenciaTreeInicial: Competencia | int | None
    """REG_NXMA at byte 28"""

    MaCompetenciaTreeFinal: Competencia | int | None
    """REG_NXMA at byte 30"""

    PonteiroFilial: int
    """u16 at byte 32"""

    FiltrarProdutoServicoExato: int
    """u8 at byte 34: non-zero: that exact product or service only"""

    NaoVerificarFilialAtiva: int
    """u8 at byte 35: non-zero: do not check that the branch is active"""

    Lacuna36: bytes
    """lacuna at byte 36"""

    def __init__(self, *, pagina: int = 1252, KeyProdutoServico: CNXDadosGC_KeyProdutoServico = ...,
                 MaCompetenciaInicial: Competencia | int | None = ...,
                 MaCompetenciaFinal: Competencia | int | None = ...,
                 MaCompetenciaTreeInicial: Competencia | int | None = ...,
                 MaCompetenciaTreeFinal: Competencia | int | None = ..., PonteiroFilial: int = ...,
                 FiltrarProdutoServicoExato: int = ..., NaoVerificarFilialAtiva: int = ...,
                 Lacuna36: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_FiltroCustoPadrao(Registro):
    """The query filter of standard costs. Record _REG_GC_FILTRO_CUSTO_PADRAOPS, 16 bytes."""

    __slots__ = ()

    Posicao: int
    """u32 at byte 0: a standard cost"""

    PonteiroContaContabil: int
    """u32 at byte 4"""

    PonteiroContaGerencial: int
    """u32 at byte 8"""

    PonteiroFilial: int
    """u16 at byte 12"""

    AtivoInativo: int
    """u8 at byte 14: selects by the inactive state"""

    Lacuna15: bytes
    """lacuna at byte 15"""

    def __init__(self, *, pagina: int = 1252, Posicao: int = ..., PonteiroContaContabil: int = ...,
                 PonteiroContaGerencial: int = ..., PonteiroFilial: int = ..., AtivoInativo: int = ...,
                 Lacuna15: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_FiltroCustoProducao(Registro):
    """The query filter of production costs; its member key is the product or service. Record
    _REG_GC_FILTRO_CUSTO_PRODUCAOPS, 64 bytes.
    """

    __slots__ = ()

    KeyProdutoServico: CNXDadosGC_KeyProdutoServico
    """member key at byte 0"""

    ChaveInicial: int
    """u32 at byte 24"""

    ChaveFinal: int
    """u32 at byte 28"""

    PonteiroProjeto_DEPRECATED: int
    """u32 at byte 32"""

    PonteiroFluxoProcesso_DEPRECATED: int
    """u32 at byte 36"""

    MaCompetenciaInicial: Competencia | int | None
    """REG_NXMA at byte 40"""

    MaCompetenciaFinal: Competencia | int | None
    """REG_NXMA at byte 42"""

    MaTreeInicial: Competencia | int | None
    """REG_NXMA at byte 44"""

    MaTreeFinal: Competencia | int | None
    """REG_NXMA at byte 46"""

    PonteiroFilial: int
    """u16 at byte 48"""

    FiltroTipoProdutoServico: int
    """u8 at byte 50: selects by kind of product or service"""

    FiltroTipoCusto: int
    """u8 at byte 51: selects by kind of cost"""

    FiltroOrigem: int
    """u8 at byte 52: selects by origin"""

    FiltroSituacao: int
    """u8 at byte 53: selects by state"""

    FiltroEstoqueOrigemResultados: int
    """u8 at byte 54: selects by the stock origin of the results"""

    FiltrarProdutoServicoExato: int
    """u8 at byte 55: non-zero: that exact product or service only"""

    NaoVerificarFilialAtiva: int
    """u8 at byte 56: non-zero: do not check that the branch is active"""

    ApresentarTodosGravados: int
    """u8 at byte 57: non-zero: every recorded production cost"""

    Lacuna58: bytes
    """lacuna at byte 58"""

    def __init__(self, *, pagina: int = 1252, KeyProdutoServico: CNXDadosGC_KeyProdutoServico = ...,
                 ChaveInicial: int = ..., ChaveFinal: int = ..., PonteiroProjeto_DEPRECATED: int = ...,
                 PonteiroFluxoProcesso_DEPRECATED: int = ..., MaCompetenciaInicial: Competencia | int | None = ...,
                 MaCompetenciaFinal: Competencia | int | None = ..., MaTreeInicial: Competencia | int | None = ...,
                 MaTreeFinal: Competencia | int | None = ..., PonteiroFilial: int = ...,
                 FiltroTipoProdutoServico: int = ..., FiltroTipoCusto: int = ..., FiltroOrigem: int = ...,
                 FiltroSituacao: int = ..., FiltroEstoqueOrigemResultados: int = ...,
                 FiltrarProdutoServicoExato: int = ..., NaoVerificarFilialAtiva: int = ...,
                 ApresentarTodosGravados: int = ..., Lacuna58: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_FiltroEncerramentoCustos(Registro):
    """The query filter of closings: a range of months of one branch. Record
    _REG_GC_FILTRO_ENCERRAMENTO_CUSTOSPS, 8 bytes.
    """

    __slots__ = ()

    MaCompetenciaInicial: Competencia | int | None
    """REG_NXMA at byte 0"""

    MaCompetenciaFinal: Competencia | int | None
    """REG_NXMA at byte 2"""

    PonteiroFilial: int
    """u16 at byte 4"""

    FiltroBloqueio: int
    """u8 at byte 6: selects by lock"""

    Lacuna7: bytes
    """lacuna at byte 7"""

    def __init__(self, *, pagina: int = 1252, MaCompetenciaInicial: Competencia | int | None = ...,
                 MaCompetenciaFinal: Competencia | int | None = ..., PonteiroFilial: int = ...,
                 FiltroBloqueio: int = ..., Lacuna7: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_FiltroLancamentoDespesas(Registro):
    """The query filter of expense postings. Record _REG_GC_FILTRO_CUSTO_DESPESA_PEPS, 24 bytes."""

    __slots__ = ()

    ChaveInicial: int
    """u32 at byte 0"""

    ChaveFinal: int
    """u32 at byte 4"""

    PonteiroConta: int
    """u32 at byte 8: selects an account"""

    MaCompetenciaInicial: Competencia | int | None
    """REG_NXMA at byte 12"""

    MaCompetenciaFinal: Competencia | int | None
    """REG_NXMA at byte 14"""

    MaTreeInicial: Competencia | int | None
    """REG_NXMA at byte 16"""

    MaTreeFinal: Competencia | int | None
    """REG_NXMA at byte 18"""

    PonteiroFilial: int
    """u16 at byte 20"""

    FiltroOrigem: int
    """u8 at byte 22: selects by origin"""

    NaoVerificarFilialAtiva: int
    """u8 at byte 23: non-zero: do not check that the branch is active"""

    def __init__(self, *, pagina: int = 1252, ChaveInicial: int = ..., ChaveFinal: int = ...,
                 PonteiroConta: int = ..., MaCompetenciaInicial: Competencia | int | None = ...,
                 MaCompetenciaFinal: Competencia | int | None = ..., MaTreeInicial: Competencia | int | None = ...,
                 MaTreeFinal: Competencia | int | None = ..., PonteiroFilial: int = ..., FiltroOrigem: int = ...,
                 NaoVerificarFilialAtiva: int = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_FiltroLancamentoGGF(Registro):
    """The query filter of overhead (GGF) postings. Record _REG_GC_FILTRO_LANCAMENTOPS, 32 bytes."""

    __slots__ = ()

    ChaveInicial: int
    """u32 at byte 0"""

    ChaveFinal: int
    """u32 at byte 4"""

    PonteiroContaContabil: int
    """u32 at byte 8"""

    PonteiroContaGerencial: int
    """u32 at byte 12"""

    MaCompetenciaInicial: Competencia | int | None
    """REG_NXMA at byte 16"""

    MaCompetenciaFinal: Competencia | int | None
    """REG_NXMA at byte 18"""

    MaTreeInicial: Competencia | int | None
    """REG_NXMA at byte 20"""

    MaTreeFinal: Competencia | int | None
    """REG_NXMA at byte 22"""

    PonteiroFilial: int
    """u16 at byte 24"""

    FiltroOrigem: int
    """u8 at byte 26: selects by origin"""

    NaoVerificarFilialAtiva: int
    """u8 at byte 27: non-zero: do not check that the branch is active"""

    Lacuna28: bytes
    """lacuna at byte 28"""

    def __init__(self, *, pagina: int = 1252, ChaveInicial: int = ..., ChaveFinal: int = ...,
                 PonteiroContaContabil: int = ..., PonteiroContaGerencial: int = ...,
                 MaCompetenciaInicial: Competencia | int | None = ...,
                 MaCompetenciaFinal: Competencia | int | None = ..., MaTreeInicial: Competencia | int | None = ...,
                 MaTreeFinal: Competencia | int | None = ..., PonteiroFilial: int = ..., FiltroOrigem: int = ...,
                 NaoVerificarFilialAtiva: int = ..., Lacuna28: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_FiltroLancamentoHoras(Registro):
    """The query filter of hour postings. Record _REG_GC_FILTRO_LANCAMENTO_HORAPS, 24 bytes."""

    __slots__ = ()

    ChaveInicial: int
    """u32 at byte 0"""

    ChaveFinal: int
    """u32 at byte 4"""

    PonteiroCentroCustos: int
    """u32 at byte 8: selects a cost centre"""

    MaCompetenciaInicial: Competencia | int | None
    """REG_NXMA at byte 12"""

    MaCompetenciaFinal: Competencia | int | None
    """REG_NXMA at byte 14"""

    MaTreeInicial: Competencia | int | None
    """REG_NXMA at byte 16"""

    MaTreeFinal: Competencia | int | None
    """REG_NXMA at byte 18"""

    PonteiroFilial: int
    """u16 at byte 20"""

    FiltroOrigem: int
    """u8 at byte 22: selects by origin"""

    NaoVerificarFilialAtiva: int
    """u8 at byte 23: non-zero: do not check that the branch is active"""

    def __init__(self, *, pagina: int = 1252, ChaveInicial: int = ..., ChaveFinal: int = ...,
                 PonteiroCentroCustos: int = ..., MaCompetenciaInicial: Competencia | int | None = ...,
                 MaCompetenciaFinal: Competencia | int | None = ..., MaTreeInicial: Competencia | int | None = ...,
                 MaTreeFinal: Competencia | int | None = ..., PonteiroFilial: int = ..., FiltroOrigem: int = ...,
                 NaoVerificarFilialAtiva: int = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_FiltroLancamentoTerceirizacao(Registro):
    """The query filter of outsourcing postings; its member key is the product or service. Record
    _REG_GC_FILTRO_LANCTO_TERCEIRIZACAOPS, 56 bytes.
    """

    __slots__ = ()

    KeyProdutoServico: CNXDadosGC_KeyProdutoServico
    """member key at byte 0"""

    ChaveInicial: int
    """u32 at byte 24"""

    ChaveFinal: int
    """u32 at byte 28"""

    PonteiroProcesso_DEPRECATED: int
    """u32 at byte 32"""

    MaCompetenciaInicial: Competencia | int | None
    """REG_NXMA at byte 36"""

    MaCompetenciaFinal: Competencia | int | None
    """REG_NXMA at byte 38"""

    MaTreeInicial: Competencia | int | None
    """REG_NXMA at byte 40"""

    MaTreeFinal: Competencia | int | None
    """REG_NXMA at byte 42"""

    PonteiroFilial: int
    """u16 at byte 44"""

    FiltroTipoProdutoServico: int
    """u8 at byte 46: selects by kind of product or service"""

    FiltroOrigem: int
    """u8 at byte 47: selects by origin"""

    FiltrarProdutoServicoExato: int
    """u8 at byte 48: non-zero: that exact product or service only"""

    NaoVerificarFilialAtiva: int
    """char at byte 49: non-zero: do not check that the branch is active; a plain char here, unlike
    the other filters
    """

    Lacuna50: bytes
    """lacuna at byte 50"""

    def __init__(self, *, pagina: int = 1252, KeyProdutoServico: CNXDadosGC_KeyProdutoServico = ...,
                 ChaveInicial: int = ..., ChaveFinal: int = ..., PonteiroProcesso_DEPRECATED: int = ...,
                 MaCompetenciaInicial: Competencia | int | None = ...,
                 MaCompetenciaFinal: Competencia | int | None = ..., MaTreeInicial: Competencia | int | None = ...,
                 MaTreeFinal: Competencia | int | None = ..., PonteiroFilial: int = ...,
                 FiltroTipoProdutoServico: int = ..., FiltroOrigem: int = ..., FiltrarProdutoServicoExato: int = ...,
                 NaoVerificarFilialAtiva: int = ..., Lacuna50: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_FiltroMatrizRateio(Registro):
    """The query filter of allocation matrices: a branch and month. Record
    _REG_GC_FILTRO_MATRIZ_RATEIOPS, 8 bytes.
    """

    __slots__ = ()

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 0"""

    PonteiroFilial: int
    """u16 at byte 2"""

    Lacuna4: bytes
    """lacuna at byte 4"""

    def __init__(self, *, pagina: int = 1252, MaCompetencia: Competencia | int | None = ...,
                 PonteiroFilial: int = ..., Lacuna4: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_FiltroMatrizRateioRelacionamento(Registro):
    """The query filter of the matrix relations of one cost centre; the servers decide what else it
    selects. Record _REG_GC_FILTRO_MATRIZ_RATEIO_RELACIONAMENTOPS, 8 bytes.
    """

    __slots__ = ()

    PonteiroCentroCustos: int
    """u32 at byte 0"""

    Lacuna4: bytes
    """lacuna at byte 4"""

    def __init__(self, *, pagina: int = 1252, PonteiroCentroCustos: int = ..., Lacuna4: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_FiltroRelacaoIndiceProduto(Registro):
    """The query filter of index-to-product relations. Record
    _REG_GC_FILTRO_RELACAO_INDICE_PRODUTOPS, 16 bytes.
    """

    __slots__ = ()

    PonteiroRelacaoIndiceProduto: int
    """u32 at byte 0: a relation (CNXDadosGC_RelacaoIndiceProduto)"""

    Codigo: str
    """text at byte 4, 10 bytes at most"""

    Lacuna15: bytes
    """lacuna at byte 15"""

    def __init__(self, *, pagina: int = 1252, PonteiroRelacaoIndiceProduto: int = ..., Codigo: str = ...,
                 Lacuna15: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_FiltroRentabilidade(Registro):
    """The query filter of profitability: a range of days and of invoice numbers, an index set, a
    representative, a state, customer categories, customers (PonteiroCliente) and products and
    services (ProdutoServico). Record _REG_GC_FILTRO_RENTABILIDADEPS, 72 bytes.
    """

    __slots__ = ()

    DmaInicial: date | int | None
    """REG_NXDMA at byte 0"""

    DmaFinal: date | int | None
    """REG_NXDMA at byte 4"""

    NrNFInicial: int
    """u32 at byte 8: first invoice number"""

    NrNFFinal: int
    """u32 at byte 12: last invoice number"""

    PonteiroIndice: int
    """u32 at byte 16: the index set (CNXDadosGC_IndiceCustos)"""

    PonteiroRepresentante: int
    """u32 at byte 20"""

    PonteiroUF: int
    """u32 at byte 24: the state"""

    PonteiroCategoria1: int
    """u32 at byte 28: customer category 1"""

    PonteiroCategoria2: int
    """u32 at byte 32: customer category 2"""

    PonteiroCategoria3: int
    """u32 at byte 36: customer category 3"""

    PonteiroFilial: int
    """u16 at byte 48"""

    TipoAgrupamento: int
    """u8 at byte 50: how the lines are grouped"""

    TipoPessoa: int
    """u8 at byte 51: kind of person"""

    SomenteTotais: int
    """u8 at byte 52: flag: totals only"""

    Lacuna53: bytes
    """lacuna at byte 53"""

    PonteiroCliente: Lista[int]
    """list of u32 numbers"""

    ProdutoServico: Lista[CNXDadosGC_ProdutoServicoClasse]
    """list of CNXDadosGC_ProdutoServicoClasse"""

    def __init__(self, *, pagina: int = 1252, DmaInicial: date | int | None = ..., DmaFinal: date | int | None = ...,
                 NrNFInicial: int = ..., NrNFFinal: int = ..., PonteiroIndice: int = ...,
                 PonteiroRepresentante: int = ..., PonteiroUF: int = ..., PonteiroCategoria1: int = ...,
                 PonteiroCategoria2: int = ..., PonteiroCategoria3: int = ..., PonteiroFilial: int = ...,
                 TipoAgrupamento: int = ..., TipoPessoa: int = ..., SomenteTotais: int = ..., Lacuna53: bytes = ...,
                 PonteiroCliente: Iterable[int] = ...,
                 ProdutoServico: Iterable[CNXDadosGC_ProdutoServicoClasse] = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_FormacaoPreco(Registro):
    """The cash and term selling prices formed for one product or service (its member key). Record
    _REG_GC_FORMACAO_PRECOPS, 96 bytes.
    """

    __slots__ = ()

    KeyProdutoServico: CNXDadosGC_KeyProdutoServico
    """member key at byte 0"""

    CustoPadraoV8: Decimal
    """CY at byte 24: standard cost"""

    LucroLiquidoV8: Decimal
    """CY at byte 32: net profit"""

    TotalDespesasV8: Decimal
    """CY at byte 40: total expenses"""

    PrecoVendaVistaV8: Decimal
    """CY at byte 48: cash selling price"""

    PrecoVendaPrazoV8: Decimal
    """CY at byte 56: term selling price"""

    TaxaFinanceira: Decimal
    """CY at byte 64: financial rate"""

    PrazoMedio: Decimal
    """CY at byte 72: average term"""

    PercDespesasSemLucro: Decimal
    """CY at byte 80: expenses without profit, a percentage"""

    PercDespesasComLucro: Decimal
    """CY at byte 88: expenses with profit, a percentage"""

    def __init__(self, *, pagina: int = 1252, KeyProdutoServico: CNXDadosGC_KeyProdutoServico = ...,
                 CustoPadraoV8: Decimal | int = ..., LucroLiquidoV8: Decimal | int = ...,
                 TotalDespesasV8: Decimal | int = ..., PrecoVendaVistaV8: Decimal | int = ...,
                 PrecoVendaPrazoV8: Decimal | int = ..., TaxaFinanceira: Decimal | int = ...,
                 PrazoMedio: Decimal | int = ..., PercDespesasSemLucro: Decimal | int = ...,
                 PercDespesasComLucro: Decimal | int = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_HorasCentroCustos(Registro):
    """The productive and idle hours of one cost centre in one branch and month, identified by its
    member key. Record _REG_GC_HORAS_CENTRO_CUSTOSPS, 24 bytes.
    """

    __slots__ = ()

    KeyCentroCustosCompetencia: CNXDadosGC_KeyCentroCustosCompetencia
    """member key at byte 0"""

    QuantHorasProducao: Decimal
    """CY at byte 8: productive hours"""

    QuantHorasOciosas: Decimal
    """CY at byte 16: idle hours"""

    def __init__(self, *, pagina: int = 1252, KeyCentroCustosCompetencia: CNXDadosGC_KeyCentroCustosCompetencia = ...,
                 QuantHorasProducao: Decimal | int = ..., QuantHorasOciosas: Decimal | int = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_IdentificacaoIndiceCustos(Registro):
    """The rule that says which index set applies to a product or service (its member key),
    customer, customer categories, representative, branch and fiscal situation. Record
    _REG_GC_IDENTIFICACAO_INDICE_CUSTOSPS, 128 bytes.
    """

    __slots__ = ()

    KeyProdutoServico: CNXDadosGC_KeyProdutoServico
    """member key at byte 0"""

    Posicao: int
    """u32 at byte 24"""

    PonteiroIndiceCustos: int
    """u32 at byte 28: the index set that applies (CNXDadosGC_IndiceCustos)"""

    PonteiroCliente: int
    """u32 at byte 32"""

    CliPonteiroCategoria1: int
    """u32 at byte 36: customer category 1"""

    CliPonteiroCategoria2: int
    """u32 at byte 40: customer category 2"""

    CliPonteiroCategoria3: int
    """u32 at byte 44: customer category 3"""

    PonteiroRepresentante: int
    """u32 at byte 48"""

    PonteiroFilial: int
    """u16 at byte 52"""

    Inativo: int
    """u8 at byte 54"""

    TipoProducao: int
    """u8 at byte 55: kind of production"""

    PossuiSubstTributaria: int
    """u8 at byte 56: flag: tax substitution applies"""

    PossuiPIS: int
    """u8 at byte 57: flag: PIS applies"""

    PossuiCOFINS: int
    """u8 at byte 58: flag: COFINS applies"""

    TipoFiltroCliente: int
    """u8 at byte 59: how the customer is selected"""

    CliTipoPessoa: int
    """u8 at byte 60: the customer's kind of person"""

    CliRegiaoFiscal: int
    """u8 at byte 61: the customer's fiscal region"""

    CliDestinoOperacao: int
    """u8 at byte 62: destination of the operation"""

    CliContribuinteICMS: int
    """u8 at byte 63: whether the customer pays ICMS"""

    FretePorConta: int
    """u8 at byte 64: who pays the freight"""

    Codigo: str
    """text at byte 65, 10 bytes at most"""

    Descricao: str
    """text at byte 76, 50 bytes at most"""

    Lacuna127: bytes
    """lacuna at byte 127"""

    def __init__(self, *, pagina: int = 1252, KeyProdutoServico: CNXDadosGC_KeyProdutoServico = ...,
                 Posicao: int = ..., PonteiroIndiceCustos: int = ..., PonteiroCliente: int = ...,
                 CliPonteiroCategoria1: int = ..., CliPonteiroCategoria2: int = ..., CliPonteiroCategoria3: int = ...,
                 PonteiroRepresentante: int = ..., PonteiroFilial: int = ..., Inativo: int = ...,
                 TipoProducao: int = ..., PossuiSubstTributaria: int = ..., PossuiPIS: int = ...,
                 PossuiCOFINS: int = ..., TipoFiltroCliente: int = ..., CliTipoPessoa: int = ...,
                 CliRegiaoFiscal: int = ..., CliDestinoOperacao: int = ..., CliContribuinteICMS: int = ...,
                 FretePorConta: int = ..., Codigo: str = ..., Descricao: str = ..., Lacuna127: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_IndiceCustos(Registro):
    """A set of cost indices: the rates kept beside cost and its user-defined values
    (ValorPersonalizado); the programs that fill it choose each value's unit. Record
    _REG_GC_INDICE_CUSTOSPS, 200 bytes.
    """

    __slots__ = ()

    TaxaFinanceira: Decimal
    """CY at byte 0: financial rate"""

    PrazoMedio: Decimal
    """CY at byte 8: average term"""

    LucroLiquido: Decimal
    """CY at byte 16: net profit"""

    RepComissaoFaturamento: Decimal
    """CY at byte 24: representatives' commission on invoicing"""

    RepComissaoVencimento: Decimal
    """CY at byte 32: representatives' commission on due date"""

    VendComissaoFaturamento: Decimal
    """CY at byte 40: salespeople's commission on invoicing"""

    VendComissaoVencimento: Decimal
    """CY at byte 48: salespeople's commission on due date"""

    ICMS: Decimal
    """CY at byte 56"""

    PIS: Decimal
    """CY at byte 64"""

    COFINS: Decimal
    """CY at byte 72"""

    Frete: Decimal
    """CY at byte 80: freight"""

    Marketing: Decimal
    """CY at byte 88"""

    Estrutura: Decimal
    """CY at byte 96: structure"""

    ImpostoRenda: Decimal
    """CY at byte 104: income tax"""

    Posicao: int
    """u32 at byte 112"""

    Codigo: str
    """text at byte 120, 10 bytes at most"""

    Descricao: str
    """text at byte 131, 50 bytes at most"""

    Lacuna182: bytes
    """lacuna at byte 182"""

    ValorPersonalizado: Lista[CNXDadosGC_IndiceCustosValorPersonalizado]
    """list of CNXDadosGC_IndiceCustosValorPersonalizado"""

    Lacuna192: bytes
    """lacuna at byte 192"""

    def __init__(self, *, pagina: int = 1252, TaxaFinanceira: Decimal | int = ..., PrazoMedio: Decimal | int = ...,
                 LucroLiquido: Decimal | int = ..., RepComissaoFaturamento: Decimal | int = ...,
                 RepComissaoVencimento: Decimal | int = ..., VendComissaoFaturamento: Decimal | int = ...,
                 VendComissaoVencimento: Decimal | int = ..., ICMS: Decimal | int = ..., PIS: Decimal | int = ...,
                 COFINS: Decimal | int = ..., Frete: Decimal | int = ..., Marketing: Decimal | int = ...,
                 Estrutura: Decimal | int = ..., ImpostoRenda: Decimal | int = ..., Posicao: int = ...,
                 Codigo: str = ..., Descricao: str = ..., Lacuna182: bytes = ...,
                 ValorPersonalizado: Iterable[CNXDadosGC_IndiceCustosValorPersonalizado] = ...,
                 Lacuna192: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_IndiceCustosPersonalizado(Registro):
    """The definition of a user-defined cost index. Record _REG_GC_INDICE_CUSTOS_PERSONALIZADOPS, 40
    bytes.
    """

    __slots__ = ()

    Posicao: int
    """u32 at byte 0: the index's position"""

    Descricao: str
    """text at byte 4, 30 bytes at most"""

    Lacuna35: bytes
    """lacuna at byte 35"""

    def __init__(self, *, pagina: int = 1252, Posicao: int = ..., Descricao: str = ..., Lacuna35: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_IndiceCustosValorPersonalizado(Registro):
    """One user-defined value of an index set. Record _REG_GC_INDICE_CUSTOS_VALOR_PERSONALIZADOPS,
    40 bytes.
    """

    __slots__ = ()

    Valor: Decimal
    """CY at byte 0"""

    Descricao: str
    """text at byte 8, 30 bytes at most"""

    Lacuna39: bytes
    """lacuna at byte 39"""

    def __init__(self, *, pagina: int = 1252, Valor: Decimal | int = ..., Descricao: str = ...,
                 Lacuna39: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_InfoPeriodos(Registro):
    """The periods of a branch open for movement and for integration, as day ranges, and its lock
    months. Record _REG_GC_INFO_PERIODOSPS, 32 bytes.
    """

    __slots__ = ()

    DmaMovimentacaoInferior: date | int | None
    """REG_NXDMA at byte 0: first day open for movement"""

    DmaMovimentacaoSuperior: date | int | None
    """REG_NXDMA at byte 4: last day open for movement"""

    DmaIntegracaoInferior: date | int | None
    """REG_NXDMA at byte 8: first day open for integration"""

    DmaIntegracaoSuperior: date | int | None
    """REG_NXDMA at byte 12: last day open for integration"""

    MaBloqueio: Competencia | int | None
    """REG_NXMA at byte 16: the lock month"""

    MaBloqueioCustos: Competencia | int | None
    """REG_NXMA at byte 18: the cost lock month"""

    MaBloqueioVisualizacao: Competencia | int | None
    """REG_NXMA at byte 20: the visualisation lock month"""

    MaBloqueioIntegracaoFilial: Competencia | int | None
    """REG_NXMA at byte 22: the branch's integration lock month"""

    MaLUT: Competencia | int | None
    """REG_NXMA at byte 24"""

    PonteiroFilial: int
    """u16 at byte 26"""

    TemLUT: int
    """u8 at byte 28"""

    Lacuna29: bytes
    """lacuna at byte 29"""

    def __init__(self, *, pagina: int = 1252, DmaMovimentacaoInferior: date | int | None = ...,
                 DmaMovimentacaoSuperior: date | int | None = ..., DmaIntegracaoInferior: date | int | None = ...,
                 DmaIntegracaoSuperior: date | int | None = ..., MaBloqueio: Competencia | int | None = ...,
                 MaBloqueioCustos: Competencia | int | None = ...,
                 MaBloqueioVisualizacao: Competencia | int | None = ...,
                 MaBloqueioIntegracaoFilial: Competencia | int | None = ..., MaLUT: Competencia | int | None = ...,
                 PonteiroFilial: int = ..., TemLUT: int = ..., Lacuna29: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_KeyAlocacaoGGF(Registro):
    """The key of an overhead (GGF) allocation: a ledger account and a cost centre in one branch and
    month. Record _REG_GC_KEY_ALOCACAO_GGFPS, 16 bytes.
    """

    __slots__ = ()

    PonteiroContaContabil: int
    """u32 at byte 0"""

    PonteiroCentroCustos: int
    """u32 at byte 4"""

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 8"""

    PonteiroFilial: int
    """u16 at byte 10"""

    Lacuna12: bytes
    """lacuna at byte 12"""

    def __init__(self, *, pagina: int = 1252, PonteiroContaContabil: int = ..., PonteiroCentroCustos: int = ...,
                 MaCompetencia: Competencia | int | None = ..., PonteiroFilial: int = ...,
                 Lacuna12: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_KeyCentroCustosCompetencia(Registro):
    """The key of a cost centre in one branch and month. Record
    _REG_GC_KEY_CENTRO_CUSTOS_COMPETENCIAPS, 8 bytes.
    """

    __slots__ = ()

    PonteiroCentroCustos: int
    """u32 at byte 0"""

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 4"""

    PonteiroFilial: int
    """u16 at byte 6"""

    def __init__(self, *, pagina: int = 1252, PonteiroCentroCustos: int = ...,
                 MaCompetencia: Competencia | int | None = ..., PonteiroFilial: int = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_KeyCompetencia(Registro):
    """The key of an accounting month in a branch. Record _REG_GC_KEY_COMPETENCIAPS, 8 bytes."""

    __slots__ = ()

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 0"""

    PonteiroFilial: int
    """u16 at byte 2"""

    Lacuna4: bytes
    """lacuna at byte 4"""

    def __init__(self, *, pagina: int = 1252, MaCompetencia: Competencia | int | None = ...,
                 PonteiroFilial: int = ..., Lacuna4: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_KeyContaCustos(Registro):
    """The key of an account pair: a ledger account and a management account. Record
    _REG_GC_KEY_CONTA_CUSTOSPS, 8 bytes.
    """

    __slots__ = ()

    PonteiroContaContabil: int
    """u32 at byte 0"""

    PonteiroContaGerencial: int
    """u32 at byte 4"""

    def __init__(self, *, pagina: int = 1252, PonteiroContaContabil: int = ...,
                 PonteiroContaGerencial: int = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_KeyCustoProducao(Registro):
    """The key of a production cost: its month and branch and its product or service, each a member
    key. Record _REG_GC_KEY_CUSTO_PRODUCAOPS, 32 bytes.
    """

    __slots__ = ()

    KeyCompetencia: CNXDadosGC_KeyCompetencia
    """member key at byte 0"""

    KeyProdutoServico: CNXDadosGC_KeyProdutoServico
    """member key at byte 8"""

    def __init__(self, *, pagina: int = 1252, KeyCompetencia: CNXDadosGC_KeyCompetencia = ...,
                 KeyProdutoServico: CNXDadosGC_KeyProdutoServico = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_KeyCustoProdutoServico(Registro):
    """The key of the cost of a product or service in one branch and month, by process and kind of
    cost. Record _REG_GC_KEY_CUSTO_PRODUTO_SERVICOPS, 32 bytes.
    """

    __slots__ = ()

    PosicaoProdutoServico: bytes
    """posicao at byte 0"""

    PonteiroProcesso: int
    """u32 at byte 16"""

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 20"""

    PonteiroFilial: int
    """u16 at byte 22"""

    TipoProdutoServico: int
    """u8 at byte 24: kind of product or service"""

    TipoCusto: int
    """u8 at byte 25: kind of cost"""

    Lacuna26: bytes
    """lacuna at byte 26"""

    def __init__(self, *, pagina: int = 1252, PosicaoProdutoServico: bytes = ..., PonteiroProcesso: int = ...,
                 MaCompetencia: Competencia | int | None = ..., PonteiroFilial: int = ...,
                 TipoProdutoServico: int = ..., TipoCusto: int = ..., Lacuna26: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_KeyIdentificacaoIndiceCustos(Registro):
    """The key of a cost-index identification: a product, customer, representative, state and branch
    on a day. Record _REG_GC_KEY_IDENTIFICACAO_INDICE_CUSTOSPS, 40 bytes.
    """

    __slots__ = ()

    PosicaoProduto: bytes
    """posicao at byte 0: the product"""

    Dma: date | int | None
    """REG_NXDMA at byte 16: the day"""

    PonteiroIndiceCustos: int
    """u32 at byte 20: the index set (CNXDadosGC_IndiceCustos)"""

    PonteiroCliente: int
    """u32 at byte 24"""

    PonteiroRepresentante: int
    """u32 at byte 28"""

    PonteiroUF: int
    """u32 at byte 32: the state"""

    PonteiroFilial: int
    """u16 at byte 36"""

    TipoProdutoServico: int
    """u8 at byte 38: kind of product or service"""

    Lacuna39: bytes
    """lacuna at byte 39"""

    def __init__(self, *, pagina: int = 1252, PosicaoProduto: bytes = ..., Dma: date | int | None = ...,
                 PonteiroIndiceCustos: int = ..., PonteiroCliente: int = ..., PonteiroRepresentante: int = ...,
                 PonteiroUF: int = ..., PonteiroFilial: int = ..., TipoProdutoServico: int = ...,
                 Lacuna39: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_KeyInsumoCustoProducao(Registro):
    """The key of one input of a production cost. Record _REG_GC_KEY_INSUMO_CUSTO_PRODUCAOPS, 56
    bytes.
    """

    __slots__ = ()

    KeyCustoProducao: CNXDadosGC_KeyCustoProducao
    """member key at byte 0"""

    PosicaoInsumo: bytes
    """posicao at byte 32: the input"""

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 48: the input's own month, apart from the one in KeyCustoProducao"""

    Lacuna50: bytes
    """lacuna at byte 50"""

    def __init__(self, *, pagina: int = 1252, KeyCustoProducao: CNXDadosGC_KeyCustoProducao = ...,
                 PosicaoInsumo: bytes = ..., MaCompetencia: Competencia | int | None = ...,
                 Lacuna50: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_KeyProcessoCustoProducao(Registro):
    """The key of one process of a production cost. Record _REG_GC_KEY_PROCESSO_CUSTO_PRODUCAOPS, 48
    bytes.
    """

    __slots__ = ()

    KeyCustoProducao: CNXDadosGC_KeyCustoProducao
    """member key at byte 0"""

    PonteiroProcesso: int
    """u32 at byte 32"""

    PonteiroCentroCustos: int
    """u32 at byte 36"""

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 40: the process's own month, apart from the one in KeyCustoProducao"""

    Lacuna42: bytes
    """lacuna at byte 42"""

    def __init__(self, *, pagina: int = 1252, KeyCustoProducao: CNXDadosGC_KeyCustoProducao = ...,
                 PonteiroProcesso: int = ..., PonteiroCentroCustos: int = ...,
                 MaCompetencia: Competencia | int | None = ..., Lacuna42: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_KeyProdutoServico(Registro):
    """The key of a product or service: its locator in the catalogue and its kind. Record
    _REG_GC_KEY_PRODUTO_SERVICOPS, 24 bytes.
    """

    __slots__ = ()

    PosicaoProdutoServico: bytes
    """posicao at byte 0"""

    TipoProdutoServico: int
    """u8 at byte 16: kind of product or service"""

    Lacuna17: bytes
    """lacuna at byte 17"""

    def __init__(self, *, pagina: int = 1252, PosicaoProdutoServico: bytes = ..., TipoProdutoServico: int = ...,
                 Lacuna17: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_KeyProdutoServicoCompetencia(Registro):
    """The key of a product or service in one branch and month. Record
    _REG_GC_KEY_PRODUTO_SERVICO_COMPETENCIAPS, 24 bytes.
    """

    __slots__ = ()

    PosicaoProdutoServico: bytes
    """posicao at byte 0"""

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 16"""

    PonteiroFilial: int
    """u16 at byte 18"""

    TipoProdutoServico: int
    """u8 at byte 20: kind of product or service"""

    Lacuna21: bytes
    """lacuna at byte 21"""

    def __init__(self, *, pagina: int = 1252, PosicaoProdutoServico: bytes = ...,
                 MaCompetencia: Competencia | int | None = ..., PonteiroFilial: int = ...,
                 TipoProdutoServico: int = ..., Lacuna21: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_KeyRentabilidade(Registro):
    """The key of a profitability line: a product or service within a grouping. Record
    _REG_GC_KEY_RENTABILIDADEPS, 24 bytes.
    """

    __slots__ = ()

    PosicaoProdutoServico: bytes
    """posicao at byte 0"""

    PonteiroAgrupamento: int
    """u32 at byte 16: the grouping"""

    TipoProdutoServico: int
    """u8 at byte 20: kind of product or service"""

    Lacuna21: bytes
    """lacuna at byte 21"""

    def __init__(self, *, pagina: int = 1252, PosicaoProdutoServico: bytes = ..., PonteiroAgrupamento: int = ...,
                 TipoProdutoServico: int = ..., Lacuna21: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_LancamentoDespesas(Registro):
    """An expense posting of one branch and month, broken down by account (Conta). Record
    _REG_GC_CUSTO_DESPESA_PEPS, 64 bytes.
    """

    __slots__ = ()

    DmaHmsEmissao: datetime | int | None
    """REG_NXDMAHMSUTC at byte 0"""

    DmaHmsGravacao: datetime | int | None
    """REG_NXDMAHMSUTC at byte 8"""

    Chave: int
    """u32 at byte 16"""

    PonteiroUsuarioEmissao: int
    """u32 at byte 24"""

    PonteiroUsuarioGravacao: int
    """u32 at byte 28"""

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 32"""

    PonteiroFilial: int
    """u16 at byte 34"""

    Origem: int
    """u8 at byte 36: where the posting came from"""

    Lacuna37: bytes
    """lacuna at byte 37"""

    Conta: Lista[CNXDadosGC_LancamentoDespesasConta]
    """list of CNXDadosGC_LancamentoDespesasConta"""

    Lacuna56: bytes
    """lacuna at byte 56"""

    def __init__(self, *, pagina: int = 1252, DmaHmsEmissao: datetime | int | None = ...,
                 DmaHmsGravacao: datetime | int | None = ..., Chave: int = ..., PonteiroUsuarioEmissao: int = ...,
                 PonteiroUsuarioGravacao: int = ..., MaCompetencia: Competencia | int | None = ...,
                 PonteiroFilial: int = ..., Origem: int = ..., Lacuna37: bytes = ...,
                 Conta: Iterable[CNXDadosGC_LancamentoDespesasConta] = ..., Lacuna56: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_LancamentoDespesasConta(Registro):
    """One account line of an expense posting. Record _REG_GC_CUSTO_DESPESA_PE_CONTAPS, 16 bytes."""

    __slots__ = ()

    TotalConta: Decimal
    """CY at byte 0: the amount posted to the account"""

    PonteiroConta: int
    """u32 at byte 8: the account"""

    Lacuna12: bytes
    """lacuna at byte 12"""

    def __init__(self, *, pagina: int = 1252, TotalConta: Decimal | int = ..., PonteiroConta: int = ...,
                 Lacuna12: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_LancamentoGGF(Registro):
    """An overhead (GGF) posting: an amount booked to a ledger and a management account in one
    branch and month. Record _REG_GC_LANCAMENTOPS, 64 bytes.
    """

    __slots__ = ()

    DmaHmsEmissao: datetime | int | None
    """REG_NXDMAHMSUTC at byte 0"""

    DmaHmsGravacao: datetime | int | None
    """REG_NXDMAHMSUTC at byte 8"""

    Valor: Decimal
    """CY at byte 16: the overhead amount"""

    Chave: int
    """u32 at byte 24"""

    PonteiroContaContabil: int
    """u32 at byte 28"""

    PonteiroContaGerencial: int
    """u32 at byte 32"""

    PonteiroUsuarioEmissao: int
    """u32 at byte 36"""

    PonteiroUsuarioGravacao: int
    """u32 at byte 40"""

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 44"""

    PonteiroFilial: int
    """u16 at byte 46"""

    Origem: int
    """u8 at byte 48: where the posting came from"""

    Excluido: int
    """u8 at byte 49"""

    Lacuna50: bytes
    """lacuna at byte 50"""

    def __init__(self, *, pagina: int = 1252, DmaHmsEmissao: datetime | int | None = ...,
                 DmaHmsGravacao: datetime | int | None = ..., Valor: Decimal | int = ..., Chave: int = ...,
                 PonteiroContaContabil: int = ..., PonteiroContaGerencial: int = ...,
                 PonteiroUsuarioEmissao: int = ..., PonteiroUsuarioGravacao: int = ...,
                 MaCompetencia: Competencia | int | None = ..., PonteiroFilial: int = ..., Origem: int = ...,
                 Excluido: int = ..., Lacuna50: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_LancamentoHoras(Registro):
    """An hour posting: the productive and idle hours of one cost centre in one branch and month.
    Record _REG_GC_LANCAMENTO_HORAPS, 56 bytes.
    """

    __slots__ = ()

    DmaHmsEmissao: datetime | int | None
    """REG_NXDMAHMSUTC at byte 0"""

    DmaHmsGravacao: datetime | int | None
    """REG_NXDMAHMSUTC at byte 8"""

    QuantHorasProducao: Decimal
    """CY at byte 16: productive hours"""

    QuantHorasOciosas: Decimal
    """CY at byte 24: idle hours"""

    Chave: int
    """u32 at byte 32"""

    PonteiroCentroCustos: int
    """u32 at byte 36"""

    PonteiroUsuarioEmissao: int
    """u32 at byte 40"""

    PonteiroUsuarioGravacao: int
    """u32 at byte 44"""

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 48"""

    PonteiroFilial: int
    """u16 at byte 50"""

    Origem: int
    """u8 at byte 52: where the posting came from"""

    Excluido: int
    """u8 at byte 53"""

    Lacuna54: bytes
    """lacuna at byte 54"""

    def __init__(self, *, pagina: int = 1252, DmaHmsEmissao: datetime | int | None = ...,
                 DmaHmsGravacao: datetime | int | None = ..., QuantHorasProducao: Decimal | int = ...,
                 QuantHorasOciosas: Decimal | int = ..., Chave: int = ..., PonteiroCentroCustos: int = ...,
                 PonteiroUsuarioEmissao: int = ..., PonteiroUsuarioGravacao: int = ...,
                 MaCompetencia: Competencia | int | None = ..., PonteiroFilial: int = ..., Origem: int = ...,
                 Excluido: int = ..., Lacuna54: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_LancamentoTerceirizacao(Registro):
    """An outsourcing posting: the outsourcing cost of one product or service in one branch and
    month. Record _REG_GC_LANCTO_TERCEIRIZACAOPS, 72 bytes.
    """

    __slots__ = ()

    PosicaoProdutoServico: bytes
    """posicao at byte 0"""

    DmaHmsEmissao: datetime | int | None
    """REG_NXDMAHMSUTC at byte 16"""

    DmaHmsGravacao: datetime | int | None
    """REG_NXDMAHMSUTC at byte 24"""

    CustoTerceirizacao: Decimal
    """CY at byte 32: the outsourcing cost"""

    Chave: int
    """u32 at byte 40"""

    PonteiroUsuarioEmissao: int
    """u32 at byte 44"""

    PonteiroUsuarioGravacao: int
    """u32 at byte 48"""

    PonteiroProcesso_DEPRECATED: int
    """u32 at byte 52"""

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 56"""

    PonteiroFilial: int
    """u16 at byte 58"""

    TipoProdutoServico: int
    """u8 at byte 60: kind of product or service"""

    Origem: int
    """u8 at byte 61: where the posting came from"""

    Lacuna62: bytes
    """lacuna at byte 62"""

    def __init__(self, *, pagina: int = 1252, PosicaoProdutoServico: bytes = ...,
                 DmaHmsEmissao: datetime | int | None = ..., DmaHmsGravacao: datetime | int | None = ...,
                 CustoTerceirizacao: Decimal | int = ..., Chave: int = ..., PonteiroUsuarioEmissao: int = ...,
                 PonteiroUsuarioGravacao: int = ..., PonteiroProcesso_DEPRECATED: int = ...,
                 MaCompetencia: Competencia | int | None = ..., PonteiroFilial: int = ...,
                 TipoProdutoServico: int = ..., Origem: int = ..., Lacuna62: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_ListaLanctoHoras(Registro):
    """All hour postings of one branch and month in one record (Lancamento); the list does not check
    that its postings carry its month and branch. Record _REG_GC_LISTA_LANCAMENTO_HORAPS, 24
    bytes.
    """

    __slots__ = ()

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 4"""

    PonteiroFilial: int
    """u16 at byte 6"""

    Lancamento: Lista[CNXDadosGC_LancamentoHoras]
    """list of CNXDadosGC_LancamentoHoras"""

    Lacuna16: bytes
    """lacuna at byte 16"""

    def __init__(self, *, pagina: int = 1252, MaCompetencia: Competencia | int | None = ...,
                 PonteiroFilial: int = ..., Lancamento: Iterable[CNXDadosGC_LancamentoHoras] = ...,
                 Lacuna16: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_MargemContribuicao(Registro):
    """The contribution margin of a branch and month: its totals, its products and services
    (ProdutoServico) and its dated break-even lines (DetalhePE). Record
    _REG_GC_MARGEM_CONTRIBUICAOPS, 72 bytes.
    """

    __slots__ = ()

    TotalCustoFixo: Decimal
    """CY at byte 0: total fixed cost"""

    TotalDespesaFixa: Decimal
    """CY at byte 8: total fixed expense"""

    TotalVendido: Decimal
    """CY at byte 16: total sold"""

    TotalContribuicao: Decimal
    """CY at byte 24: total contribution"""

    PrejuizoLucroBruto: Decimal
    """CY at byte 32: gross profit, or loss when negative"""

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 48"""

    PonteiroFilial: int
    """u16 at byte 50"""

    Lacuna52: bytes
    """lacuna at byte 52"""

    ProdutoServico: Lista[CNXDadosGC_MargemContribuicaoProdServ]
    """list of CNXDadosGC_MargemContribuicaoProdServ"""

    DetalhePE: Lista[CNXDadosGC_MargemContribuicaoPEDetalhe]
    """list of CNXDadosGC_MargemContribuicaoPEDetalhe"""

    def __init__(self, *, pagina: int = 1252, TotalCustoFixo: Decimal | int = ...,
                 TotalDespesaFixa: Decimal | int = ..., TotalVendido: Decimal | int = ...,
                 TotalContribuicao: Decimal | int = ..., PrejuizoLucroBruto: Decimal | int = ...,
                 MaCompetencia: Competencia | int | None = ..., PonteiroFilial: int = ..., Lacuna52: bytes = ...,
                 ProdutoServico: Iterable[CNXDadosGC_MargemContribuicaoProdServ] = ...,
                 DetalhePE: Iterable[CNXDadosGC_MargemContribuicaoPEDetalhe] = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_MargemContribuicaoPEDetalhe(Registro):
    """One dated line of the break-even (PE) analysis of a contribution margin. Record
    _REG_GC_MARGEM_CONTRIBUICAO_PE_DETALHEPS, 64 bytes.
    """

    __slots__ = ()

    GastoFixo: Decimal
    """CY at byte 0: fixed spending"""

    CustoVariavel: Decimal
    """CY at byte 8: variable cost"""

    Receita: Decimal
    """CY at byte 16: revenue"""

    CustoVariavelAcumulado: Decimal
    """CY at byte 24: variable cost so far"""

    GastoAcumulado: Decimal
    """CY at byte 32: spending so far"""

    ReceitaAcumulada: Decimal
    """CY at byte 40: revenue so far"""

    SaldoPE: Decimal
    """CY at byte 48: break-even balance"""

    Dma: date | int | None
    """REG_NXDMA at byte 56: the day"""

    Lacuna60: bytes
    """lacuna at byte 60"""

    def __init__(self, *, pagina: int = 1252, GastoFixo: Decimal | int = ..., CustoVariavel: Decimal | int = ...,
                 Receita: Decimal | int = ..., CustoVariavelAcumulado: Decimal | int = ...,
                 GastoAcumulado: Decimal | int = ..., ReceitaAcumulada: Decimal | int = ...,
                 SaldoPE: Decimal | int = ..., Dma: date | int | None = ..., Lacuna60: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_MargemContribuicaoProdServ(Registro):
    """One product or service of a contribution margin (its member key), with its sales by day
    (Data). Record _REG_GC_MARGEM_CONTRIBUICAO_PROD_SERVPS, 104 bytes.
    """

    __slots__ = ()

    KeyProdutoServico: CNXDadosGC_KeyProdutoServico
    """member key at byte 0"""

    PrecoUnitarioVendidoV8: Decimal
    """CY at byte 24: unit price sold at"""

    CustoVariavelUnitarioV8: Decimal
    """CY at byte 32: variable unit cost"""

    ContribuicaoUnitariaV8: Decimal
    """CY at byte 40: unit contribution"""

    ContribuicaoTotal: Decimal
    """CY at byte 48: total contribution"""

    QuantidadeVendida: Decimal
    """CY at byte 56: quantity sold"""

    TotalVendido: Decimal
    """CY at byte 64: total sold"""

    PercentualContribuicaoUnitaria: Decimal
    """CY at byte 72: unit contribution, a percentage"""

    Lacuna84: bytes
    """lacuna at byte 84"""

    Data: Lista[CNXDadosGC_MargemContribuicaoProdServData]
    """list of CNXDadosGC_MargemContribuicaoProdServData"""

    Lacuna96: bytes
    """lacuna at byte 96"""

    def __init__(self, *, pagina: int = 1252, KeyProdutoServico: CNXDadosGC_KeyProdutoServico = ...,
                 PrecoUnitarioVendidoV8: Decimal | int = ..., CustoVariavelUnitarioV8: Decimal | int = ...,
                 ContribuicaoUnitariaV8: Decimal | int = ..., ContribuicaoTotal: Decimal | int = ...,
                 QuantidadeVendida: Decimal | int = ..., TotalVendido: Decimal | int = ...,
                 PercentualContribuicaoUnitaria: Decimal | int = ..., Lacuna84: bytes = ...,
                 Data: Iterable[CNXDadosGC_MargemContribuicaoProdServData] = ..., Lacuna96: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_MargemContribuicaoProdServData(Registro):
    """The sales of one product or service of a contribution margin on one day. Record
    _REG_GC_MARGEM_CONTRIBUICAO_PROD_SERV_DATAPS, 24 bytes.
    """

    __slots__ = ()

    QuantidadeVendida: Decimal
    """CY at byte 0: quantity sold"""

    TotalVendido: Decimal
    """CY at byte 8: total sold"""

    Dma: date | int | None
    """REG_NXDMA at byte 16: the day"""

    Lacuna20: bytes
    """lacuna at byte 20"""

    def __init__(self, *, pagina: int = 1252, QuantidadeVendida: Decimal | int = ...,
                 TotalVendido: Decimal | int = ..., Dma: date | int | None = ..., Lacuna20: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_MatrizRateio(Registro):
    """The allocation matrix of one branch and month: how the accounts' amounts spread over cost
    centres (Conta) and how support cost centres pass theirs on to productive ones
    (CentroCustosApoio). Record _REG_GC_MATRIZ_RATEIOPS, 48 bytes.
    """

    __slots__ = ()

    DmaHmsGravacao: datetime | int | None
    """REG_NXDMAHMSUTC at byte 0"""

    PonteiroUsuarioGravacao: int
    """u32 at byte 16"""

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 20"""

    PonteiroFilial: int
    """u16 at byte 22"""

    Excluido: int
    """u8 at byte 24"""

    Lacuna25: bytes
    """lacuna at byte 25"""

    Conta: Lista[CNXDadosGC_MatrizRateioConta]
    """list of CNXDadosGC_MatrizRateioConta"""

    CentroCustosApoio: Lista[CNXDadosGC_MatrizRateioCentroCustosApoio]
    """list of CNXDadosGC_MatrizRateioCentroCustosApoio"""

    def __init__(self, *, pagina: int = 1252, DmaHmsGravacao: datetime | int | None = ...,
                 PonteiroUsuarioGravacao: int = ..., MaCompetencia: Competencia | int | None = ...,
                 PonteiroFilial: int = ..., Excluido: int = ..., Lacuna25: bytes = ...,
                 Conta: Iterable[CNXDadosGC_MatrizRateioConta] = ...,
                 CentroCustosApoio: Iterable[CNXDadosGC_MatrizRateioCentroCustosApoio] = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_MatrizRateioCentroCustos(Registro):
    """The share of one account of an allocation matrix allocated to one cost centre. Record
    _REG_GC_MATRIZ_RATEIO_CENTRO_CUSTOSPS, 16 bytes.
    """

    __slots__ = ()

    ValorRateio: Decimal
    """CY at byte 0: the amount allocated to the cost centre"""

    PonteiroCentroCustos: int
    """u32 at byte 8"""

    CaracteristicaCentroCustos: int
    """u8 at byte 12: the cost centre's characteristic, whatever level it stands in"""

    Lacuna13: bytes
    """lacuna at byte 13"""

    def __init__(self, *, pagina: int = 1252, ValorRateio: Decimal | int = ..., PonteiroCentroCustos: int = ...,
                 CaracteristicaCentroCustos: int = ..., Lacuna13: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_MatrizRateioCentroCustosApoio(Registro):
    """One support cost centre of an allocation matrix and how its amount passes to productive cost
    centres (CentroCustosProdutivo). Record _REG_GC_MATRIZ_RATEIO_CENTRO_CUSTOS_APOIOPS, 48
    bytes.
    """

    __slots__ = ()

    TotalRateio: Decimal
    """CY at byte 0: the total it passes on"""

    ValorLancado: Decimal
    """CY at byte 8: the amount it holds"""

    PonteiroCentroCustos: int
    """u32 at byte 16: the support cost centre"""

    CaracteristicaCentroCustos: int
    """u8 at byte 24: the cost centre's characteristic, whatever level it stands in"""

    Lacuna25: bytes
    """lacuna at byte 25"""

    CentroCustosProdutivo: Lista[CNXDadosGC_MatrizRateioCentroCustosProdutivo]
    """list of CNXDadosGC_MatrizRateioCentroCustosProdutivo"""

    Lacuna40: bytes
    """lacuna at byte 40"""

    def __init__(self, *, pagina: int = 1252, TotalRateio: Decimal | int = ..., ValorLancado: Decimal | int = ...,
                 PonteiroCentroCustos: int = ..., CaracteristicaCentroCustos: int = ..., Lacuna25: bytes = ...,
                 CentroCustosProdutivo: Iterable[CNXDadosGC_MatrizRateioCentroCustosProdutivo] = ...,
                 Lacuna40: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_MatrizRateioCentroCustosProdutivo(Registro):
    """The share of one support cost centre passed to one productive cost centre, split into fixed
    and variable cost. Record _REG_GC_MATRIZ_RATEIO_CENTRO_CUSTOS_PRODUTIVOPS, 32 bytes.
    """

    __slots__ = ()

    ValorRateio: Decimal
    """CY at byte 0: the amount passed on"""

    CustoFixo: Decimal
    """CY at byte 8: fixed part of ValorRateio"""

    CustoVariavel: Decimal
    """CY at byte 16: variable part of ValorRateio; the parts need not add up"""

    PonteiroCentroCustos: int
    """u32 at byte 24: the productive cost centre"""

    CaracteristicaCentroCustos: int
    """u8 at byte 28: the cost centre's characteristic, whatever level it stands in"""

    Lacuna29: bytes
    """lacuna at byte 29"""

    def __init__(self, *, pagina: int = 1252, ValorRateio: Decimal | int = ..., CustoFixo: Decimal | int = ...,
                 CustoVariavel: Decimal | int = ..., PonteiroCentroCustos: int = ...,
                 CaracteristicaCentroCustos: int = ..., Lacuna29: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_MatrizRateioConta(Registro):
    """One account of an allocation matrix: the amount posted to it in the month and its allocation
    over cost centres (CentroCustos). Record _REG_GC_MATRIZ_RATEIO_CONTAPS, 48 bytes.
    """

    __slots__ = ()

    TotalRateio: Decimal
    """CY at byte 0: the total allocated"""

    ValorLancado: Decimal
    """CY at byte 8: the amount posted to the account in the month"""

    PonteiroContaContabil: int
    """u32 at byte 20"""

    PonteiroContaGerencial: int
    """u32 at byte 24"""

    Lacuna28: bytes
    """lacuna at byte 28"""

    CentroCustos: Lista[CNXDadosGC_MatrizRateioCentroCustos]
    """list of CNXDadosGC_MatrizRateioCentroCustos"""

    Lacuna40: bytes
    """lacuna at byte 40"""

    def __init__(self, *, pagina: int = 1252, TotalRateio: Decimal | int = ..., ValorLancado: Decimal | int = ...,
                 PonteiroContaContabil: int = ..., PonteiroContaGerencial: int = ..., Lacuna28: bytes = ...,
                 CentroCustos: Iterable[CNXDadosGC_MatrizRateioCentroCustos] = ..., Lacuna40: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_Mestre(Registro):
    """The master record of the module: system version, installation figures, the months of
    implantation, cost lock and visualisation, and its working options. It is 8-byte aligned; its
    last 8 bytes have no accessor. Record _REG_GC_MESTREPS, 32 bytes.
    """

    __slots__ = ()

    VersaoSistema: int
    """u16 at byte 0: system version"""

    QuantidadeTerminais: int
    """u16 at byte 2: number of terminals"""

    SecaoUso: int
    """u16 at byte 4: usage section"""

    CodigoCliente: int
    """u16 at byte 6: the installation's customer code"""

    CodigoClienteEscritorio: int
    """u16 at byte 8: the office's customer code"""

    PossuiCustoIndustrial: int
    """u8 at byte 10: flag: industrial cost is in use"""

    Lacuna11: bytes
    """lacuna at byte 11"""

    MaImplantacao: Competencia | int | None
    """REG_NXMA at byte 12: the month of implantation"""

    MaBloqueioCustos: Competencia | int | None
    """REG_NXMA at byte 14: the cost lock month"""

    MaVisualizacao: Competencia | int | None
    """REG_NXMA at byte 16: the visualisation month"""

    UsaBloqueioVisualizacao: int
    """u8 at byte 18: flag: the visualisation lock is in use"""

    DigitosDataRelatorio: int
    """u8 at byte 19: digits of the dates in reports"""

    TipoCargaLanctoCustosReal: int
    """u8 at byte 20: how actual cost postings are loaded"""

    TipoCargaLanctoHoraPadrao: int
    """u8 at byte 21: how standard hour postings are loaded"""

    UtilizaEficienciaRecurso: int
    """u8 at byte 22: flag: resource efficiency is in use"""

    TipoCargaDespesas: int
    """u8 at byte 23: how expenses are loaded"""

    Lacuna24: bytes
    """lacuna at byte 24"""

    def __init__(self, *, pagina: int = 1252, VersaoSistema: int = ..., QuantidadeTerminais: int = ...,
                 SecaoUso: int = ..., CodigoCliente: int = ..., CodigoClienteEscritorio: int = ...,
                 PossuiCustoIndustrial: int = ..., Lacuna11: bytes = ...,
                 MaImplantacao: Competencia | int | None = ..., MaBloqueioCustos: Competencia | int | None = ...,
                 MaVisualizacao: Competencia | int | None = ..., UsaBloqueioVisualizacao: int = ...,
                 DigitosDataRelatorio: int = ..., TipoCargaLanctoCustosReal: int = ...,
                 TipoCargaLanctoHoraPadrao: int = ..., UtilizaEficienciaRecurso: int = ...,
                 TipoCargaDespesas: int = ..., Lacuna24: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_ParametrosCargaCustoProducao(Registro):
    """The parameters of a production-cost load: a branch and month (its member key), a purchase
    price table, how inputs are calculated, and the product and service classes to load
    (ProdutoClasse). Record _REG_GC_PARAMETROS_CARGA_CUSTO_PRODUCAOPS, 40 bytes.
    """

    __slots__ = ()

    KeyCompetencia: CNXDadosGC_KeyCompetencia
    """member key at byte 0"""

    PonteiroTabelaPrecoCompra: int
    """u32 at byte 8: the purchase price table"""

    TipoCalculoInsumo: int
    """u8 at byte 16: how inputs are calculated"""

    Lacuna17: bytes
    """lacuna at byte 17"""

    ProdutoClasse: Lista[CNXDadosGC_ProdutoServicoClasse]
    """list of CNXDadosGC_ProdutoServicoClasse"""

    Lacuna32: bytes
    """lacuna at byte 32"""

    def __init__(self, *, pagina: int = 1252, KeyCompetencia: CNXDadosGC_KeyCompetencia = ...,
                 PonteiroTabelaPrecoCompra: int = ..., TipoCalculoInsumo: int = ..., Lacuna17: bytes = ...,
                 ProdutoClasse: Iterable[CNXDadosGC_ProdutoServicoClasse] = ..., Lacuna32: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_ParametrosFormacaoPrecoVenda(Registro):
    """The parameters of a selling-price formation: an index set, an index-to-product relation, a
    branch and month, and the product and service classes to price (ProdutoServicoClasse). Record
    _REG_GC_PARAMETROS_FORMACAO_PRECO_VENDAPS, 32 bytes.
    """

    __slots__ = ()

    PonteiroIndiceCustos: int
    """u32 at byte 0: the index set (CNXDadosGC_IndiceCustos)"""

    PonteiroRelacaoIndicesProdutos: int
    """u32 at byte 4: the index-to-product relation (CNXDadosGC_RelacaoIndiceProduto)"""

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 12"""

    PonteiroFilial: int
    """u16 at byte 14"""

    ProdutoServicoClasse: Lista[CNXDadosGC_ProdutoServicoClasse]
    """list of CNXDadosGC_ProdutoServicoClasse"""

    Lacuna24: bytes
    """lacuna at byte 24"""

    def __init__(self, *, pagina: int = 1252, PonteiroIndiceCustos: int = ...,
                 PonteiroRelacaoIndicesProdutos: int = ..., MaCompetencia: Competencia | int | None = ...,
                 PonteiroFilial: int = ..., ProdutoServicoClasse: Iterable[CNXDadosGC_ProdutoServicoClasse] = ...,
                 Lacuna24: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_ParametrosInvalidarCustoProducao(Registro):
    """The parameters of an invalidation of the production costs of a branch and month. Record
    _REG_GC_PARAMETROS_INVALIDAR_CUSTO_PRODUCAOPS, 8 bytes.
    """

    __slots__ = ()

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 0"""

    PonteiroFilial: int
    """u16 at byte 2"""

    FiltroTipoCustoProducao: int
    """u8 at byte 4: selects the kind of production cost"""

    EfetivarAlteracao: int
    """u8 at byte 5: non-zero: make the invalidation effective"""

    Lacuna6: bytes
    """lacuna at byte 6"""

    def __init__(self, *, pagina: int = 1252, MaCompetencia: Competencia | int | None = ...,
                 PonteiroFilial: int = ..., FiltroTipoCustoProducao: int = ..., EfetivarAlteracao: int = ...,
                 Lacuna6: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_ParametrosInvalidarEncerramentoCustos(Registro):
    """The parameters of an invalidation of the closing of a month of a branch. Record
    _REG_GC_PARAMETROS_INVALIDAR_ENCERRAMENTO_CUSTOSPS, 8 bytes.
    """

    __slots__ = ()

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 0"""

    PonteiroFilial: int
    """u16 at byte 2"""

    EfetivarAlteracao: int
    """u8 at byte 4: non-zero: make the invalidation effective"""

    Lacuna5: bytes
    """lacuna at byte 5"""

    def __init__(self, *, pagina: int = 1252, MaCompetencia: Competencia | int | None = ...,
                 PonteiroFilial: int = ..., EfetivarAlteracao: int = ..., Lacuna5: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_ParametrosInvalidarMatrizRateio(Registro):
    """The parameters of an invalidation of the allocation matrix of a branch and month. Record
    _REG_GC_PARAMETROS_INVALIDAR_MATRIZ_RATEIOPS, 8 bytes.
    """

    __slots__ = ()

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 0"""

    PonteiroFilial: int
    """u16 at byte 2"""

    EfetivarAlteracao: int
    """u8 at byte 4: non-zero: make the invalidation effective"""

    Lacuna5: bytes
    """lacuna at byte 5"""

    def __init__(self, *, pagina: int = 1252, MaCompetencia: Competencia | int | None = ...,
                 PonteiroFilial: int = ..., EfetivarAlteracao: int = ..., Lacuna5: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_ParametrosMargemContribuicao(Registro):
    """The parameters of a contribution-margin analysis: a branch and month. Record
    _REG_GC_PARAMETROS_MARGEM_CONTRIBUICAOPS, 8 bytes.
    """

    __slots__ = ()

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 0"""

    PonteiroFilial: int
    """u16 at byte 2"""

    Lacuna4: bytes
    """lacuna at byte 4"""

    def __init__(self, *, pagina: int = 1252, MaCompetencia: Competencia | int | None = ...,
                 PonteiroFilial: int = ..., Lacuna4: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_ProdutoServicoClasse(Registro):
    """A product or service, or a class of them, chosen by filters and parameters (its member key).
    Record _REG_GC_PRODUTO_SERVICO_CLASSEPS, 32 bytes.
    """

    __slots__ = ()

    KeyProdutoServicoClasse: CNXDadosGC_KeyProdutoServico
    """member key at byte 0"""

    ConsiderarVariacoesGrades: int
    """u8 at byte 24: flag: include the product's grid variations"""

    Lacuna25: bytes
    """lacuna at byte 25"""

    def __init__(self, *, pagina: int = 1252, KeyProdutoServicoClasse: CNXDadosGC_KeyProdutoServico = ...,
                 ConsiderarVariacoesGrades: int = ..., Lacuna25: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_RelacaoIndiceProduto(Registro):
    """A named relation that assigns an index set to each of a list of products (Item). Record
    _REG_GC_RELACAO_INDICE_PRODUTOPS, 88 bytes.
    """

    __slots__ = ()

    Posicao: int
    """u32 at byte 0"""

    Codigo: str
    """text at byte 8, 10 bytes at most"""

    Descricao: str
    """text at byte 19, 50 bytes at most"""

    Excluido: int
    """u8 at byte 70"""

    Lacuna71: bytes
    """lacuna at byte 71"""

    Item: Lista[CNXDadosGC_RelacaoIndiceProdutoItem]
    """list of CNXDadosGC_RelacaoIndiceProdutoItem"""

    Lacuna80: bytes
    """lacuna at byte 80"""

    def __init__(self, *, pagina: int = 1252, Posicao: int = ..., Codigo: str = ..., Descricao: str = ...,
                 Excluido: int = ..., Lacuna71: bytes = ...,
                 Item: Iterable[CNXDadosGC_RelacaoIndiceProdutoItem] = ..., Lacuna80: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_RelacaoIndiceProdutoItem(Registro):
    """One product of an index-to-product relation and the index set assigned to it. Record
    _REG_GC_RELACAO_INDICE_PRODUTO_ITEMPS, 24 bytes.
    """

    __slots__ = ()

    PosicaoProduto: bytes
    """posicao at byte 0: the product"""

    PonteiroIndiceCusto: int
    """u32 at byte 16: the index set (CNXDadosGC_IndiceCustos)"""

    Lacuna20: bytes
    """lacuna at byte 20"""

    def __init__(self, *, pagina: int = 1252, PosicaoProduto: bytes = ..., PonteiroIndiceCusto: int = ...,
                 Lacuna20: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_Rentabilidade(Registro):
    """One line of a profitability analysis, identified by its member key: unit and total costs,
    expenses and prices, and the resulting profitability and profit margins. Record
    _REG_GC_RENTABILIDADEPS, 176 bytes.
    """

    __slots__ = ()

    KeyRentabilidade: CNXDadosGC_KeyRentabilidade
    """member key at byte 0"""

    Quantidade: Decimal
    """CY at byte 24: quantity"""

    CustoUnitarioV8: Decimal
    """CY at byte 32: unit cost"""

    DespesaUnitariaV8: Decimal
    """CY at byte 40: unit expense"""

    DespesaUnitariaEfetivaV8: Decimal
    """CY at byte 48: effective unit expense"""

    PrecoUnitarioSugeridoV8: Decimal
    """CY at byte 56: suggested unit price"""

    PrecoUnitarioAplicadoV8: Decimal
    """CY at byte 64: unit price applied"""

    TotalCustos: Decimal
    """CY at byte 72"""

    TotalDespesas: Decimal
    """CY at byte 80"""

    TotalDespesasEfetiva: Decimal
    """CY at byte 88"""

    TotalSugerido: Decimal
    """CY at byte 96: total at the suggested price"""

    TotalAplicado: Decimal
    """CY at byte 104: total at the price applied"""

    Rentabilidade: Decimal
    """CY at byte 112"""

    Lucratividade: Decimal
    """CY at byte 120: profit margin"""

    LucratividadeEfetiva: Decimal
    """CY at byte 128: effective profit margin"""

    PercRentabilidadeV8: Decimal
    """CY at byte 136: profitability, a percentage"""

    PercLucratividadeV8: Decimal
    """CY at byte 144: profit margin, a percentage"""

    PercLucratividadeEfetivaV8: Decimal
    """CY at byte 152: effective profit margin, a percentage"""

    TipoAgrupamento: int
    """u8 at byte 160: how the lines are grouped"""

    ModuloOrigem: int
    """u8 at byte 161: the module the figures came from"""

    Lacuna162: bytes
    """lacuna at byte 162"""

    def __init__(self, *, pagina: int = 1252, KeyRentabilidade: CNXDadosGC_KeyRentabilidade = ...,
                 Quantidade: Decimal | int = ..., CustoUnitarioV8: Decimal | int = ...,
                 DespesaUnitariaV8: Decimal | int = ..., DespesaUnitariaEfetivaV8: Decimal | int = ...,
                 PrecoUnitarioSugeridoV8: Decimal | int = ..., PrecoUnitarioAplicadoV8: Decimal | int = ...,
                 TotalCustos: Decimal | int = ..., TotalDespesas: Decimal | int = ...,
                 TotalDespesasEfetiva: Decimal | int = ..., TotalSugerido: Decimal | int = ...,
                 TotalAplicado: Decimal | int = ..., Rentabilidade: Decimal | int = ...,
                 Lucratividade: Decimal | int = ..., LucratividadeEfetiva: Decimal | int = ...,
                 PercRentabilidadeV8: Decimal | int = ..., PercLucratividadeV8: Decimal | int = ...,
                 PercLucratividadeEfetivaV8: Decimal | int = ..., TipoAgrupamento: int = ..., ModuloOrigem: int = ...,
                 Lacuna162: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})


class CNXDadosGC_RentabilidadeProdutoServico(Registro):
    """The profitability of one product or service (its member key) in a branch and month, against a
    market price and term. Record _REG_GC_RENTABILIDADE_PRODUTO_SERVICOPS, 120 bytes.
    """

    __slots__ = ()

    KeyProdutoServico: CNXDadosGC_KeyProdutoServico
    """member key at byte 0"""

    Quantidade: Decimal
    """CY at byte 24: quantity"""

    CustoPadraoV8: Decimal
    """CY at byte 32: standard cost"""

    TotalDespesasV8: Decimal
    """CY at byte 40: total expenses"""

    ValorIPIV8: Decimal
    """CY at byte 48: IPI tax amount"""

    LucroLiquidoV8: Decimal
    """CY at byte 56: net profit"""

    PrecoSugeridoV8: Decimal
    """CY at byte 64: suggested price"""

    PrecoMercadoV8: Decimal
    """CY at byte 72: market price"""

    VPPrecoMercadoV8: Decimal
    """CY at byte 80: present value of the market price"""

    RentabilidadeUnitariaV8: Decimal
    """CY at byte 88: unit profitability"""

    PercRentabilidadeV8: Decimal
    """CY at byte 96: profitability, a percentage"""

    PonteiroIndice: int
    """u32 at byte 104: the index set (CNXDadosGC_IndiceCustos)"""

    MaCompetencia: Competencia | int | None
    """REG_NXMA at byte 108"""

    PonteiroFilial: int
    """u16 at byte 110"""

    PrazoMercado: int
    """u16 at byte 112: market term"""

    ConsiderarIPI: int
    """u8 at byte 114: flag: include IPI"""

    SituacaoRentabilidade: int
    """u8 at byte 115: state of the profitability"""

    Lacuna116: bytes
    """lacuna at byte 116"""

    def __init__(self, *, pagina: int = 1252, KeyProdutoServico: CNXDadosGC_KeyProdutoServico = ...,
                 Quantidade: Decimal | int = ..., CustoPadraoV8: Decimal | int = ...,
                 TotalDespesasV8: Decimal | int = ..., ValorIPIV8: Decimal | int = ...,
                 LucroLiquidoV8: Decimal | int = ..., PrecoSugeridoV8: Decimal | int = ...,
                 PrecoMercadoV8: Decimal | int = ..., VPPrecoMercadoV8: Decimal | int = ...,
                 RentabilidadeUnitariaV8: Decimal | int = ..., PercRentabilidadeV8: Decimal | int = ...,
                 PonteiroIndice: int = ..., MaCompetencia: Competencia | int | None = ..., PonteiroFilial: int = ...,
                 PrazoMercado: int = ..., ConsiderarIPI: int = ..., SituacaoRentabilidade: int = ...,
                 Lacuna116: bytes = ...) -> None:
        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in _FIXOS})
