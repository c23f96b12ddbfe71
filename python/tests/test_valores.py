"""Field values as Python objects: the encodings at their boundaries, and the trees the writer
refuses where they are assigned, each error naming class and field."""

import datetime as dt
from decimal import Decimal, localcontext

import pytest

import nxldadosgc as nx
from nxldadosgc import textos

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
    p = textos.pagina(1252)
    if tipo == "texto":
        de_bruto, para_bruto = (lambda x: textos.texto_de_bruto(x, p)), lambda x: textos.texto_para_bruto(x, len(bruto), p)
    else:
        para_bruto = campo.para_bruto
    with localcontext() as contexto:
        contexto.prec = 6  # the caller's decimal context has no say
        assert de_bruto(bruto) == valor and type(de_bruto(bruto)) is type(valor)
        assert para_bruto(valor) == bruto


M = nx.CNXDadosGC_MatrizRateio
CONTA = nx.CNXDadosGC_MatrizRateioConta
PRODUTIVO = nx.CNXDadosGC_MatrizRateioCentroCustosProdutivo

# (record, attribute, value, the error raised where it is assigned)
RECUSADOS = [
    (CONTA, "TotalRateio", Decimal("0.00001"),
     ValueError("CNXDadosGC_MatrizRateioConta.TotalRateio: 0.00001 has more than four decimal places")),
    (PRODUTIVO, "CustoFixo", 1.5,
     TypeError("CNXDadosGC_MatrizRateioCentroCustosProdutivo.CustoFixo: expected a Decimal or an int, got float")),
    (CONTA, "PonteiroContaContabil", -1,
     ValueError("CNXDadosGC_MatrizRateioConta.PonteiroContaContabil: -1 is out of range 0..4294967295")),
    (CONTA, "PonteiroContaContabil", True,
     TypeError("CNXDadosGC_MatrizRateioConta.PonteiroContaContabil: expected an int, got bool")),
    (CONTA, "CentroCustos", [M()], TypeError("CNXDadosGC_MatrizRateioConta.CentroCustos[0]: expected a "
                                             "CNXDadosGC_MatrizRateioCentroCustos, got CNXDadosGC_MatrizRateio")),
    (CONTA, "CentroCustos", None, TypeError("CNXDadosGC_MatrizRateioConta.CentroCustos: expected a list, got NoneType")),
    (CONTA, "Lacuna28", b"\0", ValueError("CNXDadosGC_MatrizRateioConta.Lacuna28: expected 4 bytes, got 1")),
    (M, "MaCompetencia", nx.Competencia(2018, 13),
     ValueError("CNXDadosGC_MatrizRateio.MaCompetencia: 2018-13 is not a competence (months 1848-01..4717-12)")),
    (M, "DmaHmsGravacao", dt.datetime(2018, 4, 9),
     ValueError("CNXDadosGC_MatrizRateio.DmaHmsGravacao: 2018-04-09 00:00:00 has no offset from UTC")),
    (nx.CNXDadosGC_CentroCustos, "Codigo", "ok\0",
     ValueError("CNXDadosGC_CentroCustos.Codigo: a text cannot hold a zero character")),
    (nx.CNXDadosGC_CentroCustos, "Codigo", "01234567890",
     ValueError("CNXDadosGC_CentroCustos.Codigo: text of 11 bytes does not fit (at most 10)")),
    (nx.CNXDadosGC_CentroCustos, "Codigo", "日",
     ValueError("CNXDadosGC_CentroCustos.Codigo: character U+65E5 has no code page 1252 byte")),
    (nx.CNXDadosGC_CustoProducaoResultado, "Entrada", [], TypeError(
        "CNXDadosGC_CustoProducaoResultado.Entrada: expected a CNXDadosGC_CustoProducaoEntrada or None, got list")),
    (nx.CNXDadosGC_FiltroRentabilidade, "PonteiroCliente", [1, -1],
     ValueError("CNXDadosGC_FiltroRentabilidade.PonteiroCliente[1]: -1 is out of range 0..4294967295")),
    (nx.CNXDadosGC_KeyCustoProducao, "KeyCompetencia", M(),
     TypeError("CNXDadosGC_KeyCustoProducao.KeyCompetencia: expected a CNXDadosGC_KeyCompetencia, got "
               "CNXDadosGC_MatrizRateio")),
]


@pytest.mark.parametrize("classe, nome, valor, erro", RECUSADOS)
def test_atribuicoes_recusadas(classe, nome, valor, erro):
    """Refused where assigned, in the constructor too, and the record is left as it was."""
    registro = classe()
    antes = nx.escrever(registro)
    for atribuir in (lambda: setattr(registro, nome, valor), lambda: classe(**{nome: valor})):
        with pytest.raises(type(erro)) as e:
            atribuir()
        assert str(e.value) == str(erro)
    assert nx.escrever(registro) == antes


def test_listas_conferem_o_que_recebem():
    conta = CONTA()
    with pytest.raises(TypeError, match=r"^CNXDadosGC_MatrizRateioConta\.CentroCustos: expected a "
                                        r"CNXDadosGC_MatrizRateioCentroCustos, got int$"):
        conta.CentroCustos.append(1)
    assert len(conta.CentroCustos) == 0
