"""python3 -m nxldadosgc: packed record trees as JSON and back, as `nxgc dump` and `nxgc pack`.

Exit status: 0 on success, 1 when the input is refused, 2 for a usage error.
"""

import argparse
import sys

from . import documento, pacote


def _ler(caminho: str) -> bytes:
    if caminho == "-":
        return sys.stdin.buffer.read()
    try:
        with open(caminho, "rb") as f:
            return f.read()
    except OSError as e:
        raise SystemExit(_erro(f"cannot read {caminho}: {e.strerror}"))


def _escrever(caminho: str, dados: bytes):
    if caminho == "-":
        sys.stdout.buffer.write(dados)
        sys.stdout.buffer.flush()
        return
    try:
        with open(caminho, "wb") as f:
            f.write(dados)
    except OSError as e:
        raise SystemExit(_erro(f"cannot write {caminho}: {e.strerror}"))


def _erro(mensagem: str) -> int:
    print(f"nxldadosgc: {mensagem}", file=sys.stderr)
    return 1


def dump(arquivo: str, saida: str) -> int:
    dados = _ler(arquivo)
    try:
        texto = documento.texto_json(pacote.ler(dados))
    except pacote.ErroEmpacotamento as e:
        return _erro(f"{arquivo}: {e}")
    _escrever(saida, texto.encode("utf-8"))
    return 0


def pack(classe, arquivo: str, saida: str) -> int:
    texto = _ler(arquivo)
    try:
        dados = pacote.escrever(documento.de_json(texto.decode("utf-8-sig"), classe))
    except UnicodeDecodeError as e:
        return _erro(f"{arquivo}: not UTF-8 text: {e}")
    except (documento.ErroJson, pacote.ErroArvore) as e:
        return _erro(f"{arquivo}: {e}")
    _escrever(saida, dados)
    return 0


def main(argv=None) -> int:
    p = argparse.ArgumentParser(prog="python3 -m nxldadosgc",
                                description="Packed record trees of NXLDadosGC as JSON, and back. '-' is "
                                            "standard input or output.")
    comandos = p.add_subparsers(dest="comando", required=True)
    d = comandos.add_parser("dump", help="print a packed record tree as JSON")
    d.add_argument("arquivo", metavar="file", help="a packed record tree, or -")
    d.add_argument("-o", "--output", dest="saida", default="-", help="where to write the JSON (default: -)")
    k = comandos.add_parser("pack", help="turn JSON (as dump prints it) into a packed record tree")
    k.add_argument("argumentos", nargs="+", metavar="[class] json-file",
                   help="the JSON document, or -; a class, when given, must be the one the document names")
    k.add_argument("-o", "--output", dest="saida", required=True, help="where to write the packed tree, or -")
    a = p.parse_args(argv)
    if a.comando == "dump":
        return dump(a.arquivo, a.saida)
    if len(a.argumentos) > 2:
        p.error("pack takes at most a class and a JSON file")
    classe = a.argumentos[0] if len(a.argumentos) == 2 else None
    return pack(classe, a.argumentos[-1], a.saida)


if __name__ == "__main__":
    sys.exit(main())
