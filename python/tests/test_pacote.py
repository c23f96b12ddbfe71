"""The packed form: round trips of every class, the documented example, the faults the C++
reader refuses (refused here with the same message), and a mutation sweep checked against nxgc."""

import copy
import random
import re
import struct
from decimal import Decimal
from pathlib import Path

import pytest

import nxldadosgc as nx
from nxldadosgc.pacote import crc_do_pacote
from nxldadosgc.documento import de_json, texto_json
from conftest import arvore_aleatoria, nxgc_disponivel, rodar_nxgc

DOCS = Path(__file__).resolve().parents[2] / "docs"


@pytest.mark.parametrize("nome", sorted(nx.LAYOUTS))
def test_ida_e_volta(nome):
    arvore = arvore_aleatoria(nx.LAYOUTS[nome], random.Random(nome))
    dados = nx.escrever(arvore)
    lida = nx.ler(dados)
    assert lida == arvore and copy.deepcopy(lida) == arvore
    assert nx.escrever(lida) == dados
    assert de_json(texto_json(lida)) == arvore


def exemplo_do_documento() -> bytes:
    """The hex dump of the example in docs/FORMATO_EMPACOTADO.md."""
    texto = (DOCS / "FORMATO_EMPACOTADO.md").read_text(encoding="utf-8")
    linhas = re.findall(r"^([0-9a-f]{4}):\s+(.*)$", texto, re.M)
    assert linhas and int(linhas[0][0], 16) == 0
    return bytes.fromhex("".join(re.split(r"\s{3,}", resto)[0] for _, resto in linhas))


def test_exemplo_do_documento():
    conta = nx.CNXDadosGC_MatrizRateioConta(
        TotalRateio=Decimal("100"), PonteiroContaContabil=3101,
        CentroCustos=[nx.CNXDadosGC_MatrizRateioCentroCustos(ValorRateio=Decimal("100.0000"), PonteiroCentroCustos=42,
                                                            CaracteristicaCentroCustos=1)])
    assert nx.escrever(conta) == exemplo_do_documento()


# ---- Faults -----------------------------------------------------------------------------------

def matriz():
    """Two accounts (three cost centres under the first), one support centre with two productive
    ones: blocks at three levels."""
    centros = [nx.CNXDadosGC_MatrizRateioCentroCustos(ValorRateio=Decimal(1000000 + i).scaleb(-4),
                                                      PonteiroCentroCustos=11 + i) for i in range(3)]
    produtivos = [nx.CNXDadosGC_MatrizRateioCentroCustosProdutivo(CustoFixo=Decimal(100000 + i).scaleb(-4),
                                                                  PonteiroCentroCustos=61 + i) for i in range(2)]
    return nx.CNXDadosGC_MatrizRateio(
        MaCompetencia=nx.Competencia(2018, 4), PonteiroFilial=7,
        Conta=[nx.CNXDadosGC_MatrizRateioConta(PonteiroContaContabil=101, CentroCustos=centros),
               nx.CNXDadosGC_MatrizRateioConta(PonteiroContaContabil=102)],
        CentroCustosApoio=[nx.CNXDadosGC_MatrizRateioCentroCustosApoio(PonteiroCentroCustos=50,
                                                                        CentroCustosProdutivo=produtivos)])


# Where things are in the packed matrix: the root at 64; the accounts at 112, the first account's
# cost centres at 208, the support centre at 256, its productive centres at 304; 368 bytes.
RAIZ, CONTAS, CENTROS, APOIO, FIM = 64, 112, 208, 256, 368


def gravar(formato, desloc, valor):
    def editar(b):
        struct.pack_into(formato, b, desloc, valor)
    return editar


def byte(desloc, valor):
    return lambda b: b.__setitem__(desloc, valor)


def crescer(b):
    b += bytes(8)
    struct.pack_into("<Q", b, 16, FIM + 8)


def centro():  # Codigo is char[11] at 24 of the root, which sits at 64
    return nx.CNXDadosGC_CentroCustos(Codigo="0123456789")


def filtro():  # one u32 at 144, then four bytes of padding
    return nx.CNXDadosGC_FiltroRentabilidade(PonteiroCliente=[7])


# (name, tree, edit, byte offset and text the error must give). The CRC is fixed after each edit
# but the one aimed at it, so that every edit reaches its check in both readers.
FALHAS = [
    ("magico", matriz, byte(3, ord("X")), 0, "wrong magic number"),
    ("versao", matriz, gravar("<I", 8, 2), 8, "format version 2 is not supported"),
    ("truncado", matriz, lambda b: b.__delitem__(slice(24, None)), 0, "truncated: 24 bytes"),
    ("comprimento", matriz, lambda b: b.__delitem__(slice(FIM - 8, None)), 16,
     "gives a length of 368 bytes, the buffer has 360"),
    ("crc", matriz, byte(CENTROS, 1), 12, "CRC-32 mismatch"),
    ("nome", matriz, gravar("<I", 36, 0), 36, "class name length 0 is outside 1..255"),
    ("cabecalho", matriz, gravar("<I", 32, 72), 32, "header length 72 does not match a 23-byte class name"),
    ("classe desconhecida", matriz, byte(51, 1), 40, 'unknown class "CNXDadosGC_\\x01atrizRateio"'),
    ("tamanho do registro", matriz, gravar("<I", 24, 56), 24,
     "record size 56 in the header, but CNXDadosGC_MatrizRateio records are 48 bytes"),
    ("lixo apos o nome", matriz, byte(63, 1), 63, "non-zero padding byte after the class name"),
    ("quantidade sem ponteiro", matriz, gravar("<Q", CONTAS + 32, 0), CONTAS + 16,
     "(CNXDadosGC_MatrizRateioConta.QuantidadeCentroCustos): count 3 with a null pointer"),
    ("ponteiro sem quantidade", matriz, gravar("<I", RAIZ + 8, 0), RAIZ + 32,
     "(CNXDadosGC_MatrizRateio.pConta): pointer to offset 112 with a count of 0"),
    ("desalinhado", matriz, gravar("<Q", RAIZ + 32, CONTAS + 4), RAIZ + 32, "is not a multiple of 8"),
    ("referenciado duas vezes", matriz, gravar("<Q", RAIZ + 40, CONTAS), RAIZ + 40,
     "(CNXDadosGC_MatrizRateio.pCentroCustosApoio): the block at offset 112 is referenced a second time"),
    ("sobreposto", matriz, gravar("<Q", RAIZ + 40, CONTAS + 8), RAIZ + 40, "overlaps bytes already in use"),
    ("buraco", matriz, gravar("<Q", CONTAS + 32, CENTROS + 8), CONTAS + 32, "leaves bytes 208..215 unused"),
    ("fora do buffer", matriz, gravar("<Q", RAIZ + 32, 1 << 60), RAIZ + 32, "lies outside the 368-byte buffer"),
    ("quantidade enorme", matriz, gravar("<I", CONTAS + 16, 0xFFFFFFFF), CONTAS + 32,
     "block of 4294967295 x 16 bytes at offset 208 runs past the end"),
    ("lixo no fim", matriz, crescer, FIM, "8 bytes after the last block belong to no block"),
    ("contagem de blocos", matriz, gravar("<I", 28, 7), 28, "announces 7 blocks, the tree has 5"),
    ("texto sem zero final", centro, byte(64 + 34, ord("X")), 64 + 34,
     "(CNXDadosGC_CentroCustos.Codigo): text without its terminating zero"),
    ("lixo apos um bloco", filtro, byte(148, 1), 148, "(CNXDadosGC_FiltroRentabilidade.pPonteiroCliente): non-zero "
     "padding byte after a block"),
]


@pytest.mark.parametrize("nome, arvore, editar, byte, trecho", FALHAS, ids=[f[0] for f in FALHAS])
def test_falhas(nome, arvore, editar, byte, trecho, tmp_path):
    dados = bytearray(nx.escrever(arvore()))
    editar(dados)
    if nome != "crc":
        struct.pack_into("<I", dados, 12, crc_do_pacote(dados))
    with pytest.raises(nx.ErroEmpacotamento) as e:
        nx.ler(dados)
    assert trecho in str(e.value)
    assert e.value.deslocamento == byte
    if nxgc_disponivel():
        arquivo = tmp_path / "f.nxgc"
        arquivo.write_bytes(dados)
        r = rodar_nxgc("dump", str(arquivo))
        assert r.returncode != 0
        assert r.stderr.decode() == f"nxgc: {arquivo}: {e.value}\n"


def test_textos_na_pagina_da_saida():
    """escrever(pagina=...) writes every text in that code page, whether its record is an object
    of another page or part of a block read under another; a text it cannot hold is refused
    with its path."""
    valores = [nx.CNXDadosGC_IndiceCustosValorPersonalizado(Descricao="§°", pagina=p) for p in (1252, 932)]
    arvore = nx.CNXDadosGC_IndiceCustos(Descricao="°", ValorPersonalizado=valores)
    em_932 = nx.escrever(arvore, pagina=932)
    lida = nx.ler(em_932, pagina=932)
    assert lida.Descricao == "°" and [v.Descricao for v in lida.ValorPersonalizado] == ["§°", "§°"]
    assert nx.escrever(nx.ler(nx.escrever(arvore)), pagina=932) == em_932
    assert nx.escrever(lida, pagina=1252) == nx.escrever(arvore)
    lida.ValorPersonalizado[1].Descricao = "日"
    arvore.ValorPersonalizado[1].Descricao = "日"
    for origem in (lida, arvore):
        with pytest.raises(nx.ErroArvore, match=r"^CNXDadosGC_IndiceCustos\.ValorPersonalizado\[1\]\.Descricao: "
                                                r"character U\+65E5 has no code page 1252 byte"):
            nx.escrever(origem, pagina=1252)


def test_limites():
    dados = nx.escrever(matriz())
    for opcoes, trecho in [({"profundidade_maxima": 1}, "nested deeper than 1 levels"),
                           ({"blocos_maximos": 4}, "more than the limit of 4"),
                           ({"bytes_maximos": 367}, "more than the limit of 367")]:
        with pytest.raises(nx.ErroEmpacotamento, match=trecho):
            nx.ler(dados, **opcoes)
        with pytest.raises(nx.ErroArvore, match="cannot pack: .* more than the limit"):  # nor is it written
            nx.escrever(matriz(), **opcoes)
    limites = {"profundidade_maxima": 2, "blocos_maximos": 5, "bytes_maximos": FIM}
    assert nx.escrever(nx.ler(dados, **limites), **limites) == dados


def test_mutacoes(nxgc, tmp_path):
    """Every byte of a packed tree changed (its CRC fixed): nxgc dump and this package's dump refuse
    it with the same message, or both accept it, print the same JSON, and it packs back to itself.
    (Both read a file as a stream of trees, each framed by its header's length.)"""
    from nxldadosgc import __main__ as linha_de_comando
    arvore = matriz()
    arvore.Conta[1].CentroCustos = [nx.CNXDadosGC_MatrizRateioCentroCustos(PonteiroCentroCustos=9)]
    original = nx.escrever(arvore)
    arquivo = tmp_path / "m.nxgc"
    aceitos = recusados = 0
    for i in range(len(original)):
        b = bytearray(original)
        b[i] ^= (0x01, 0x80, 0xFF)[i % 3]
        struct.pack_into("<I", b, 12, crc_do_pacote(b))
        arquivo.write_bytes(b)
        r = nxgc("dump", str(arquivo))
        try:
            linha_de_comando.dump(str(arquivo), str(tmp_path / "m.json"), 1252)
        except linha_de_comando._Recusado as e:
            recusados += 1
            assert r.stderr.decode() == f"nxgc: {e}\n", f"byte {i}"
            continue
        lida = nx.ler(b)
        aceitos += 1
        assert r.returncode == 0 and r.stdout.decode() == texto_json(lida), f"byte {i}"
        assert nx.escrever(lida) == b, f"byte {i}"
    assert aceitos > 50 and recusados > 50
