"""Writes nxldadosgc/classes.py, the classes of the data classes' records, from the schema the
package carries (nxldadosgc/esquema.json, which `nxgc schema --json` prints):

    python3 python/gerar_classes.py

The classes give help(), an IDE and a type checker every attribute with its type and meaning;
the package binds their attributes to the record layouts when it is imported. A test checks that
the file is what this script writes.
"""

import json
import sys
import textwrap
from pathlib import Path

PACOTE = Path(__file__).resolve().parent / "nxldadosgc"

_TIPOS = {"u8": "int", "char": "int", "u16": "int", "u32": "int", "quantidade": "int", "CY": "Decimal",
          "REG_NXMA": "Competencia | int | None", "REG_NXDMA": "date | int | None",
          "REG_NXDMAHMSUTC": "datetime | int | None", "texto": "str", "posicao": "bytes", "REG_NXDMC": "bytes",
          "lacuna": "bytes", "registro": "bytes"}
# What an assignment accepts, where it is more than what reading gives.
_ACEITOS = {"CY": "Decimal | int"}

_CABECALHO = '''\
"""The record classes of every data class, generated from esquema.json by gerar_classes.py: do
not edit. Each attribute is bound to its field when the package is imported."""

from __future__ import annotations

from datetime import date, datetime
from decimal import Decimal
from typing import Iterable

from .esquema import Registro
from .lista import Lista
from .valores import Competencia
'''


def _doc(texto: str, recuo: str) -> list:
    linhas = textwrap.wrap(texto, 100 - len(recuo) - 3, break_on_hyphens=False) or [""]
    if len(linhas) == 1 and len(linhas[0]) + len(recuo) + 6 <= 110:
        return [f'{recuo}"""{linhas[0]}"""']
    return [f'{recuo}"""{linhas[0]}'] + [recuo + l for l in linhas[1:]] + [f'{recuo}"""']


def _atributos(classe: dict, campos: list) -> list:
    """(name, type read, type accepted, meaning) of a record's attributes, in field-table order."""
    filhos = {f["nome"]: f for f in classe.get("filhos", [])}
    r = []
    for c in campos:
        if "quantidadeDe" in c:
            continue
        if c["tipo"] == "ponteiro":
            if "filho" not in c:
                continue
            f = filhos[c["filho"]]
            elemento = "int" if f["elemento"] == "u32" else f["elemento"]
            if f["tipo"] == "lista":
                r.append((f["nome"], f"Lista[{elemento}]", f"Iterable[{elemento}]",
                          f"list of {'u32 numbers' if elemento == 'int' else elemento}"))
            else:
                r.append((f["nome"], f"{elemento} | None", None, f"a {elemento}, or None"))
            continue
        if c["tipo"] == "registro" and "campos" in c:
            tipo = c.get("classe") if c["nome"] in filhos else f"{classe['classe']}_{c['nome']}"
            r.append((c["nome"], tipo, None, f"member key at byte {c['deslocamento']}"))
            continue
        kind = "text" if c["tipo"] == "texto" else c["tipo"]
        largura = f", {c['largura'] - 1} bytes at most" if c["tipo"] == "texto" else ""
        sentido = f": {c['significado']}" if c.get("significado") else ""
        r.append((c["nome"], _TIPOS[c["tipo"]], _ACEITOS.get(c["tipo"]), f"{kind} at byte {c['deslocamento']}{largura}{sentido}"))
    return r


def _classe(nome: str, sobre: str, registro: str, tamanho: int, atributos: list) -> list:
    linhas = ["", "", f"class {nome}(Registro):"]
    linhas += _doc(f"{sobre} Record {registro}, {tamanho} bytes." if sobre else f"Record {registro}, {tamanho} bytes.",
                   "    ")
    linhas += ["", "    __slots__ = ()"]
    for a, lido, _, sentido in atributos:
        linhas += ["", f"    {a}: {lido}"] + _doc(sentido, "    ")
    parametros = ", ".join(f"{a}: {aceito or lido} = ..." for a, lido, aceito, _ in atributos)
    assinatura = f"    def __init__(self, *, pagina: int = 1252{', ' + parametros if parametros else ''}) -> None:"
    linhas += ["", *_quebrar(assinatura, " " * 17),
               "        Registro.__init__(self, pagina, **{k: v for k, v in locals().items() if v is not ... and k not in "
               "_FIXOS})"]
    return linhas


def _quebrar(linha: str, recuo: str) -> list:
    """A long signature cut at its commas into lines of at most 120 characters."""
    r = []
    while len(linha) > 120:
        corte = linha.rindex(", ", 0, 119) + 1
        r.append(linha[:corte])
        linha = recuo + linha[corte + 1:]
    return r + [linha]


def gerar(esquema: dict) -> str:
    nomes = [c["classe"] for c in esquema["classes"]]
    linhas = [_CABECALHO.rstrip("\n"), "", '_FIXOS = ("self", "pagina")', "", "__all__ = ["]
    linhas += ['    "' + n + '",' for n in nomes] + ["]"]
    for c in esquema["classes"]:
        for campo in c["campos"]:
            if campo["tipo"] == "registro" and "campos" in campo and campo["nome"] not in {
                    f["nome"] for f in c["filhos"] if f["tipo"] == "chave"}:
                sub = {"classe": f"{c['classe']}_{campo['nome']}", "filhos": []}
                linhas += _classe(sub["classe"], "", f"{c['registro']}.{campo['nome']}", campo["largura"],
                                  _atributos(sub, campo["campos"]))
        linhas += _classe(c["classe"], c.get("sobre", ""), c["registro"], c["tamanhoRegistro"],
                          _atributos(c, c["campos"]))
    return "\n".join(linhas) + "\n"


def main():
    esquema = json.loads((PACOTE / "esquema.json").read_text(encoding="utf-8"))
    (PACOTE / "classes.py").write_text(gerar(esquema), encoding="utf-8")
    print(f"wrote {PACOTE / 'classes.py'}", file=sys.stderr)


if __name__ == "__main__":
    main()
