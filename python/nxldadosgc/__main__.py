"""python3 -m nxldadosgc: packed record trees as JSON and back, as `nxgc dump` and `nxgc pack`.

"-" is standard input or output wherever a file is read or written. Exit status: 0 on success,
1 when the input is refused or a file cannot be read or written, 2 for a usage error.
"""

import argparse
import sys

from . import documento, pacote
from .esquema import LAYOUTS


class _Recusado(Exception):
    """Input refused, or a file that cannot be read or written: exit status 1."""


def _nome(caminho: str, saida: bool = False) -> str:
    return caminho if caminho != "-" else "standard output" if saida else "standard input"


def _ler(caminho: str) -> bytes:
    try:
        if caminho == "-":
            dados = sys.stdin.buffer.read()
        else:
            with open(caminho, "rb") as f:
                dados = f.read()
    except OSError as e:
        raise _Recusado(f"cannot read {_nome(caminho)}: {e.strerror}") from None
    if not dados:
        raise _Recusado(f"{_nome(caminho)}: the file is empty")
    return dados


def _escrever(caminho: str, dados: bytes):
    try:
        if caminho == "-":
            sys.stdout.buffer.write(dados)
            sys.stdout.buffer.flush()
        else:
            with open(caminho, "wb") as f:
                f.write(dados)
    except OSError as e:
        raise _Recusado(f"cannot write {_nome(caminho, True)}: {e.strerror}") from None


def dump(arquivo: str, saida: str):
    try:
        texto = documento.texto_json(pacote.ler(_ler(arquivo)))
    except pacote.ErroEmpacotamento as e:
        raise _Recusado(f"{_nome(arquivo)}: {e}") from None
    _escrever(saida, texto.encode("utf-8"))


def pack(classe, arquivo: str, saida: str):
    try:
        dados = pacote.escrever(documento.de_json(_ler(arquivo).decode("utf-8-sig"), classe))
    except UnicodeDecodeError as e:
        raise _Recusado(f"{_nome(arquivo)}: (document): not UTF-8 text: {e.reason} at byte {e.start}") from None
    except (documento.ErroJson, pacote.ErroArvore) as e:
        raise _Recusado(f"{_nome(arquivo)}: {e}") from None
    _escrever(saida, dados)


def main(argv=None) -> int:
    p = argparse.ArgumentParser(prog="python3 -m nxldadosgc", description=__doc__.split("\n\n")[0],
                                epilog='"-" stands for standard input or output wherever a file is read or written.')
    comandos = p.add_subparsers(dest="comando", required=True)
    d = comandos.add_parser("dump", help="print a packed record tree as JSON")
    d.add_argument("arquivo", metavar="file", help="a packed record tree (- for standard input)")
    d.add_argument("-o", "--output", dest="saida", default="-", help="where to write the JSON (default: -)")
    k = comandos.add_parser("pack", help="turn JSON (as dump prints it) into a packed record tree")
    k.add_argument("argumentos", nargs="+", metavar="[class] json-file",
                   help="the JSON document (- for standard input), and optionally the class it must hold")
    k.add_argument("-o", "--output", dest="saida", required=True, help="where to write the packed tree, or -")
    a = p.parse_args(argv)
    try:
        if a.comando == "dump":
            dump(a.arquivo, a.saida)
            return 0
        if len(a.argumentos) > 2:
            p.error("pack takes at most a class and a JSON file")
        classe = a.argumentos[0] if len(a.argumentos) == 2 else None
        if classe is not None and classe not in LAYOUTS:
            p.error(f'unknown class "{classe}"')
        pack(classe, a.argumentos[-1], a.saida)
        return 0
    except _Recusado as e:
        print(f"nxldadosgc: {e}", file=sys.stderr)
        return 1


if __name__ == "__main__":
    sys.exit(main())
