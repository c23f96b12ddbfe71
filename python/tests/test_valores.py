"""Field values as Python objects: the encodings at their boundaries, and the trees the writer
refuses, each error naming the path to its value."""

import datetime as dt
from decimal import Decimal, localcontext

import pytest

import nxldadosgc as nx
from nxldadosgc import valores as v

MENOS_3H = dt.timezone(dt.timedelta(hours=-3))

# (field kind, raw value, its Python value): both ways.
VALORES = [
    ("CY", 1000000, Decimal("100.0000")),
    ("CY", -1, Decimal("-0.0001")),
    ("CY", -(1 << 63), Decimal("-922337203685477.5808")),
    ("REG_NXDMA", 2, dt.date(1848, 1, 1)),
    ("REG_NXDMA", 55578, dt.date(2000, 2, 29)),
    ("REG_NXDMA", 62192, dt.date(2018, 4, 9)),
    ("REG_NXDMA", 1048247, dt.date(4717, 12, 31)),
    ("REG_NXDMA", 0, None),
    ("REG_NXDMA", 1048248, 1048248),
    ("REG_NXMA", 2040, nx.Competencia(2017, 12)),
    ("REG_NXMA", 34440, nx.Competencia(4717, 12)),
    ("REG_NXMA", 34441, 34441),
    ("REG_NXDMAHMSUTC", 0x00F574014047FBB7, dt.datetime(2018, 4, 9, 10, 30, 15, tzinfo=MENOS_3H)),
    ("REG_NXDMAHMSUTC", 0x01F574014047FBB7, 0x01F574014047FBB7),  # unused bits set: no moment
    ("REG_NXDMAHMSUTC", -1, -1),
    ("texto", b"ol\xe1\x80\0\0\0", "olá€"),
    ("texto", b"a\0b\0\0\0\0", nx.Texto("a", b"a\0b\0\0\0\0")),
]


@pytest.mark.parametrize("tipo, bruto, valor", VALORES)
def test_valores(tipo, bruto, valor):
    campo = next(c for l in nx.LAYOUTS.values() for c in l.campos if c.tipo == tipo)
    de_bruto = campo.de_bruto
    para_bruto = campo.para_bruto if tipo != "texto" else lambda x: v.texto_para_bruto(x, len(bruto))
    with localcontext() as contexto:
        contexto.prec = 6  # the caller's decimal context has no say
        assert de_bruto(bruto) == valor and type(de_bruto(bruto)) is type(valor)
        assert para_bruto(valor) == bruto


M = nx.CNXDadosGC_MatrizRateio
CONTA = nx.CNXDadosGC_MatrizRateioConta

# (tree, str() of the writer's error)
RECUSADAS = [
    (CONTA(TotalRateio=Decimal("0.00001")), "CNXDadosGC_MatrizRateioConta.TotalRateio: 0.00001 has more than four "
                                            "decimal places"),
    (CONTA(PonteiroContaContabil=-1), "CNXDadosGC_MatrizRateioConta.PonteiroContaContabil: -1 is out of range "
                                      "0..4294967295"),
    (CONTA(CentroCustos=[M()]), "CNXDadosGC_MatrizRateioConta.CentroCustos[0]: expected a "
                                "CNXDadosGC_MatrizRateioCentroCustos, got CNXDadosGC_MatrizRateio"),
    (CONTA(CentroCustos=None), "CNXDadosGC_MatrizRateioConta.CentroCustos: expected a list, got NoneType"),
    (CONTA(Lacuna28=b"\0"), "CNXDadosGC_MatrizRateioConta.Lacuna28: expected 4 bytes, got 1"),
    (M(MaCompetencia=nx.Competencia(2018, 13)), "CNXDadosGC_MatrizRateio.MaCompetencia: 2018-13 is not a competence "
                                               "(months 1848-01..4717-12)"),
    (M(DmaHmsGravacao=dt.datetime(2018, 4, 9)), "CNXDadosGC_MatrizRateio.DmaHmsGravacao: 2018-04-09 00:00:00 has no "
                                                "offset from UTC"),
    (M(CentroCustosApoio=[nx.CNXDadosGC_MatrizRateioCentroCustosApoio(
        CentroCustosProdutivo=[nx.CNXDadosGC_MatrizRateioCentroCustosProdutivo(CustoFixo=1.5)])]),
     "CNXDadosGC_MatrizRateio.CentroCustosApoio[0].CentroCustosProdutivo[0].CustoFixo: expected a Decimal or an "
     "int, got float"),
    (nx.CNXDadosGC_CentroCustos(Codigo="ok\0"), "CNXDadosGC_CentroCustos.Codigo: a text cannot hold a zero character"),
    (nx.CNXDadosGC_CustoProducaoResultado(Entrada=[]), "CNXDadosGC_CustoProducaoResultado.Entrada: expected a "
                                                       "CNXDadosGC_CustoProducaoEntrada, got list"),
    (nx.CNXDadosGC_FiltroRentabilidade(PonteiroCliente=[1, -1]), "CNXDadosGC_FiltroRentabilidade.PonteiroCliente[1]: "
                                                                  "-1 is not a u32"),
    (nx.CNXDadosGC_KeyCustoProducao(KeyCompetencia=nx.CNXDadosGC_KeyCompetencia(PonteiroFilial=1 << 16)),
     "CNXDadosGC_KeyCustoProducao.KeyCompetencia.PonteiroFilial: 65536 is out of range 0..65535"),
]


@pytest.mark.parametrize("arvore, erro", RECUSADAS)
def test_arvores_recusadas(arvore, erro):
    with pytest.raises(nx.ErroArvore) as e:
        nx.escrever(arvore)
    assert str(e.value) == erro
