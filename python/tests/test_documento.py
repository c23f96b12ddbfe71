"""The JSON form and the command line, against nxgc: the same text for the same bytes, the same
bytes for the same text, the same refusals."""

import json
import os
import random
import subprocess
import sys
from pathlib import Path

import pytest

import nxldadosgc as nx
from nxldadosgc.documento import ErroJson, de_json, texto_json
from conftest import arvore_aleatoria, nxgc_disponivel, rodar_nxgc
from test_pacote import exemplo_do_documento

ESQUEMA = Path(nx.__file__).with_name("esquema.json")


def test_esquema_igual_ao_do_nxgc(nxgc):
    r = nxgc("schema", "--json")
    assert r.returncode == 0
    assert r.stdout.decode() == ESQUEMA.read_text(encoding="utf-8"), "regenerate: nxgc schema --json > " + str(ESQUEMA)


@pytest.mark.parametrize("nome", sorted(nx.LAYOUTS) + ["exemplo do documento"])
def test_dump_e_pack_como_o_nxgc(nome, nxgc, tmp_path):
    """A tree with every list, holder and member key filled: nxgc prints the JSON this package
    prints for its bytes, and packs that JSON to exactly the bytes this package writes."""
    if nome == "exemplo do documento":
        dados = exemplo_do_documento()
        arvore = nx.ler(dados)
    else:
        arvore = arvore_aleatoria(nx.LAYOUTS[nome], random.Random(nome))
        dados = nx.escrever(arvore)
    texto = texto_json(arvore)
    pacote, documento, saida = tmp_path / "a.nxgc", tmp_path / "a.json", tmp_path / "b.nxgc"
    pacote.write_bytes(dados)
    documento.write_text(texto, encoding="utf-8")
    r = nxgc("dump", str(pacote))
    assert r.stderr == b"" and r.stdout.decode() == texto
    r = nxgc("pack", str(documento), "-o", str(saida))
    assert r.returncode == 0, r.stderr
    assert saida.read_bytes() == dados


@pytest.mark.parametrize("nome", sorted(nx.LAYOUTS))
def test_modelo_do_nxgc(nome, nxgc, tmp_path):
    """nxgc's template of a class (every field zero, one element in every list and holder)
    packs here to the bytes nxgc packs it to."""
    modelo = nxgc("template", nome)
    assert modelo.returncode == 0, modelo.stderr
    r = nxgc("pack", "-", "-o", "-", entrada=modelo.stdout)
    assert r.returncode == 0, r.stderr
    assert nx.escrever(de_json(modelo.stdout.decode())) == r.stdout


# (class, "registro" of a document, the error: path and reason)
RECUSADOS = [
    ("CNXDadosGC_MatrizRateioConta", {"Foo": 1}, "registro.Foo: unknown field of CNXDadosGC_MatrizRateioConta"),
    ("CNXDadosGC_MatrizRateioConta", {"QuantidadeCentroCustos": 1},
     'registro.QuantidadeCentroCustos: is the count of list "CentroCustos"; give the list itself'),
    ("CNXDadosGC_MatrizRateioConta", {"pCentroCustos": 0},
     "registro.pCentroCustos: is a pointer field with no child behind it"),
    ("CNXDadosGC_MatrizRateioConta", {"PonteiroContaContabil": 4294967296},
     "registro.PonteiroContaContabil: 4294967296 is out of range 0..4294967295"),
    ("CNXDadosGC_MatrizRateioConta", {"PonteiroContaContabil": True},
     "registro.PonteiroContaContabil: expected an integer, got boolean"),
    ("CNXDadosGC_MatrizRateioConta", {"CentroCustos": [{"ValorRateio": "1.23456"}]},
     'registro.CentroCustos[0].ValorRateio: "1.23456" is not a currency value: more than four decimal places'),
    ("CNXDadosGC_MatrizRateioConta", {"TotalRateio": "922337203685477.5808"},
     'registro.TotalRateio: "922337203685477.5808" is not a currency value: out of range'),
    ("CNXDadosGC_MatrizRateioConta", {"CentroCustos": {}}, "registro.CentroCustos: expected an array, got object"),
    ("CNXDadosGC_MatrizRateioConta", {"Lacuna28": "0g000000"}, 'registro.Lacuna28: "0g000000" is not hex'),
    ("CNXDadosGC_CustoProducaoResultado", {"Entrada": []},
     "registro.Entrada: expected an object or null, got array"),
    ("CNXDadosGC_CentroCustos", {"Codigo": "01234567890"}, "registro.Codigo: text of 11 bytes does not fit (at most 10)"),
    ("CNXDadosGC_CentroCustos", {"Codigo": "\u65e5"}, "registro.Codigo: character U+65E5 has no code page 1252 byte"),
    ("CNXDadosGC_CentroCustos", {"Codigo": {"texto": "b", "bytes": "6100000000000000000000"}},
     'registro.Codigo: "texto" and "bytes" disagree'),
    ("CNXDadosGC_MatrizRateio", {"MaCompetencia": {"valor": 1, "data": "2018-04"}},
     'registro.MaCompetencia: "valor" 1 and "data" "2018-04" disagree'),
    ("CNXDadosGC_MatrizRateio", {"MaCompetencia": "2018-13"},
     'registro.MaCompetencia: "2018-13" is not a valid date like "2018-04"'),
    ("CNXDadosGC_MatrizRateio", {"DmaHmsGravacao": {"valor": "12"}},
     'registro.DmaHmsGravacao.valor: "12" is not a 64-bit hex value like "0x00f574014047fbb7"'),
    ("CNXDadosGC_KeyCustoProducao", {"KeyProdutoServico": {"TipoProdutoServico": 256}},
     "registro.KeyProdutoServico.TipoProdutoServico: 256 is out of range 0..255"),
]


@pytest.mark.parametrize("classe, registro, erro", RECUSADOS)
def test_documentos_recusados(classe, registro, erro, tmp_path):
    documento = json.dumps({"classe": classe, "registro": registro})
    with pytest.raises(ErroJson) as e:
        de_json(documento)
    assert str(e.value) == erro
    if nxgc_disponivel():
        arquivo = tmp_path / "d.json"
        arquivo.write_text(documento, encoding="utf-8")
        r = rodar_nxgc("pack", classe, str(arquivo), "-o", str(tmp_path / "d.nxgc"))
        assert (r.returncode, r.stderr.decode()) == (1, f"nxgc: {arquivo}: {erro}\n")


def test_linha_de_comando():
    """pack and dump through standard input and output, as nxgc does them: the same output, the
    same exit status (1 for refused input, 2 for a usage error), the same reason on stderr."""
    dados = exemplo_do_documento()
    texto = texto_json(nx.ler(dados)).encode()
    casos = [  # arguments, standard input, exit status, standard output or the end of stderr
        (["dump", "-"], dados, 0, texto),
        (["pack", "-", "-o", "-"], texto, 0, dados),
        (["pack", "CNXDadosGC_MatrizRateioConta", "-", "-o", "-"], texto, 0, dados),
        (["pack", "CNXDadosGC_CentroCustos", "-", "-o", "-"], texto, 1,
         b"standard input: classe: the document holds a CNXDadosGC_MatrizRateioConta, not a CNXDadosGC_CentroCustos\n"),
        (["dump", "-"], dados[:-1], 1,
         b"standard input: packed tree, byte 16: the header gives a length of 136 bytes, the buffer has 135\n"),
        (["dump", "-"], b"", 1, b"standard input: the file is empty\n"),
        (["pack", "CNXDadosGC_Nada", "-", "-o", "-"], texto, 2, b'unknown class "CNXDadosGC_Nada"'),
        (["dump"], b"", 2, b""),
    ]
    for argumentos, entrada, status, saida in casos:
        r = subprocess.run([sys.executable, "-m", "nxldadosgc", *argumentos], input=entrada, capture_output=True,
                           cwd=Path(nx.__file__).parents[1], timeout=60)
        assert r.returncode == status, argumentos
        assert r.stdout == saida if status == 0 else saida in r.stderr, (argumentos, r.stderr)
        if nxgc_disponivel():
            c = rodar_nxgc(*argumentos, entrada=entrada)
            assert c.returncode == status, (argumentos, c.stderr)
            if status == 0:
                assert c.stdout == r.stdout
            elif status == 1:
                assert c.stderr.removeprefix(b"nxgc: ") == r.stderr.removeprefix(b"nxldadosgc: ")


def _rodar(*argumentos, entrada=b"", **opcoes):
    return subprocess.run([sys.executable, "-m", "nxldadosgc", *argumentos], input=entrada, capture_output=True,
                          cwd=Path(nx.__file__).parents[1], timeout=60, **opcoes)


def _nxgc_tem(comando: str, opcao: str) -> bool:
    return nxgc_disponivel() and opcao.encode() in rodar_nxgc(comando, "--help").stdout


def test_fluxos_de_arvores(tmp_path):
    """A stream is its trees one after another: dump prints each document in turn, pack writes a
    tree per document, and a stream cut anywhere is refused naming the byte in the stream."""
    a = exemplo_do_documento()
    b = nx.escrever(nx.CNXDadosGC_CentroCustos(Codigo="01", Descricao="Usinagem ç €"))
    ja, jb = texto_json(nx.ler(a)).encode(), texto_json(nx.ler(b)).encode()
    enorme = bytearray(a[:24])
    enorme[16:24] = (1 << 40).to_bytes(8, "little")
    casos = [  # (stream, exit status, its documents or the error)
        (a, 0, ja),
        (a + b, 0, ja + jb),
        (b + a + b, 0, jb + ja + jb),
        (a + b[:10], 1, f"byte {len(a)}: truncated: 10 bytes, a header needs at least 40"),
        (a + b[:100], 1, f"byte {len(a) + 16}: the header gives a length of {len(b)} bytes, the buffer has 100"),
        (a + bytes(enorme), 1, f"byte {len(a) + 16}: the header gives a length of {1 << 40} bytes, more than the "
                               f"limit of {1 << 30}"),
        (a + b"\0" * 30, 1, f"byte {len(a)}: not a packed record tree (wrong magic number)"),
        (b"", 1, "the file is empty"),
    ]
    comparar = _nxgc_tem("dump", "code page")  # an nxgc that reads streams came with its code pages
    for fluxo, status, esperado in casos:
        r = _rodar("dump", "-", entrada=fluxo)
        assert r.returncode == status, r.stderr
        if status == 0:
            assert r.stdout == esperado
            p = _rodar("pack", "-", "-o", "-", entrada=esperado)
            assert (p.returncode, p.stdout) == (0, fluxo)
        else:
            assert r.stderr.decode() == f"nxldadosgc: standard input: packed tree, {esperado}\n" or \
                esperado == "the file is empty" and r.stderr == b"nxldadosgc: standard input: the file is empty\n"
        if comparar:
            c = rodar_nxgc("dump", "-", entrada=fluxo)
            assert (c.returncode, c.stdout, c.stderr.removeprefix(b"nxgc: ")) == (
                r.returncode, r.stdout, r.stderr.removeprefix(b"nxldadosgc: "))


def test_saidas_inteiras_ou_nenhuma(tmp_path):
    """An output is renamed into place only when complete: a refused second document leaves the
    file that was there; closed standard streams are errors, not tracebacks."""
    saida = tmp_path / "a.nxgc"
    saida.write_bytes(b"old")
    documentos = texto_json(nx.ler(exemplo_do_documento())).encode() + b'\n{"classe": "CNXDadosGC_Nada"}'
    r = _rodar("pack", "-", "-o", str(saida), entrada=documentos)
    assert r.returncode == 1 and b"document 2: classe: unknown class" in r.stderr
    assert saida.read_bytes() == b"old" and [p.name for p in tmp_path.iterdir()] == ["a.nxgc"]
    arquivo = tmp_path / "b.nxgc"
    arquivo.write_bytes(exemplo_do_documento())
    for fechado, argumentos, erro in ((0, ["-"], b"cannot read standard input: Bad file descriptor"),
                                      (1, [str(arquivo)], b"cannot write standard output: Bad file descriptor")):
        r = subprocess.run([sys.executable, "-m", "nxldadosgc", "dump", *argumentos], stderr=subprocess.PIPE,
                           cwd=Path(nx.__file__).parents[1], timeout=60, preexec_fn=lambda: os.close(fechado))
        assert (r.returncode, r.stderr) == (1, b"nxldadosgc: " + erro + b"\n")


TEXTOS_POR_PAGINA = {1252: "Usinagem ç €", 932: "日本ｶﾀｶﾅ", 936: "中文 €", 949: "한국어", 950: "中文"}


@pytest.mark.parametrize("pagina", sorted(TEXTOS_POR_PAGINA))
def test_paginas_dump_e_pack(pagina, tmp_path):
    """A tree under each code page: its texts dump as their characters and pack back to the same
    bytes, here and (when it has code pages) in nxgc."""
    centro = nx.CNXDadosGC_CentroCustos(Codigo="01", Descricao=TEXTOS_POR_PAGINA[pagina], pagina=pagina)
    dados = nx.escrever(centro)
    texto = texto_json(nx.ler(dados, pagina=pagina))
    assert json.loads(texto)["registro"]["Descricao"] == TEXTOS_POR_PAGINA[pagina]
    opcao = ["--code-page", str(pagina)]
    r = _rodar("dump", *opcao, "-", entrada=dados)
    assert r.stdout.decode() == texto
    r = _rodar("pack", *opcao, "-", "-o", "-", entrada=texto.encode())
    assert r.stdout == dados
    if _nxgc_tem("dump", "code page"):
        assert rodar_nxgc("dump", *opcao, "-", entrada=dados).stdout.decode() == texto
        assert rodar_nxgc("pack", *opcao, "-", "-o", "-", entrada=texto.encode()).stdout == dados


def test_classes_geradas_do_esquema():
    """The committed classes are what gerar_classes.py writes from the schema nxgc exports."""
    import gerar_classes
    atual = ESQUEMA.with_name("classes.py").read_text(encoding="utf-8")
    assert gerar_classes.gerar(json.loads(ESQUEMA.read_text(encoding="utf-8"))) == atual, \
        "regenerate: python3 python/gerar_classes.py"
