"""python3 -m nxldadosgc: packed record trees as JSON and back, as `nxgc dump` and `nxgc pack`.

"-" is standard input or output wherever a file is read or written. A file or stream may hold
several packed trees one after another (dump prints each tree's document in turn), and pack
reads documents separated by white space, writing one packed tree for each. An output file is
written beside its target and renamed into place, so a failure never leaves part of one. Exit
status: 0 on success, 1 when the input is refused or a file cannot be read or written, 2 for a
usage error.
"""

import argparse
import io
import os
import stat
import sys
import tempfile

from . import documento, pacote, textos
from .esquema import LAYOUTS


class _Recusado(Exception):
    """Input refused, or a file that cannot be read or written: exit status 1."""


def _nome(caminho: str, saida: bool = False) -> str:
    return caminho if caminho != "-" else "standard output" if saida else "standard input"


class _Entrada:
    """A file, or standard input, read a piece at a time."""

    def __init__(self, caminho: str):
        self.caminho = caminho
        try:
            if caminho == "-":
                if sys.stdin is None:
                    raise OSError(9, os.strerror(9))
                self.f = sys.stdin.buffer
            else:
                self.f = open(caminho, "rb")
        except OSError as e:
            raise _Recusado(f"cannot read {_nome(caminho)}: {e.strerror}") from None

    def ler(self, n: int = -1, antes: bytes = b""):
        """`antes` followed by up to n bytes (all that is left when n is -1), fewer only at the
        end; memory grows with what arrives, not with what was asked for."""
        try:
            if n < 0:
                return antes + self.f.read()
            if n > _PEDACO and n <= self.restante():  # the bytes are there: one buffer, read into once
                dados = bytearray(len(antes) + n)
                dados[:len(antes)] = antes
                with memoryview(dados) as vista:
                    lidos = self.f.readinto(vista[len(antes):])
                del dados[len(antes) + lidos:]
                return dados
            dados = bytearray(antes)
            while n > 0:
                pedaco = self.f.read(min(n, max(len(dados), _PEDACO)))
                if not pedaco:
                    break
                dados += pedaco
                n -= len(pedaco)
            return dados
        except OSError as e:
            raise _Recusado(f"cannot read {_nome(self.caminho)}: {e.strerror}") from None

    def restante(self) -> int:
        """Bytes left in a regular file; 0 for anything else."""
        try:
            estado = os.fstat(self.f.fileno())
            return estado.st_size - self.f.tell() if stat.S_ISREG(estado.st_mode) else 0
        except (OSError, ValueError, io.UnsupportedOperation):
            return 0

    def fechar(self):
        if self.caminho != "-":
            self.f.close()


_PEDACO = 1 << 24


class _Saida:
    """A file written under a temporary name beside it and renamed into place when complete, or
    standard output."""

    def __init__(self, caminho: str):
        self.caminho, self.temporario = caminho, None
        try:
            if caminho == "-":
                if sys.stdout is None:
                    raise OSError(9, os.strerror(9))
                self.f = sys.stdout.buffer
            elif os.path.exists(caminho) and not os.path.isfile(caminho):
                # A device (/dev/null) or a pipe is written where it is: a rename would replace it.
                self.f = open(caminho, "wb")
            else:
                pasta, nome = os.path.split(caminho)
                fd, self.temporario = tempfile.mkstemp(dir=pasta or ".", prefix=f".{nome}.", suffix=".tmp")
                self.f = os.fdopen(fd, "wb")
        except OSError as e:
            raise _Recusado(f"cannot write {_nome(caminho, True)}: {e.strerror}") from None

    def escrever(self, dados):
        try:
            self.f.write(dados)
        except OSError as e:
            raise _Recusado(f"cannot write {_nome(self.caminho, True)}: {e.strerror}") from None

    def concluir(self):
        try:
            self.f.flush()
            if self.temporario is not None:
                mascara = os.umask(0)
                os.umask(mascara)
                os.fchmod(self.f.fileno(), 0o666 & ~mascara)
                os.fsync(self.f.fileno())  # on disk before it takes the name, as nxgc does
                self.f.close()
                os.replace(self.temporario, self.caminho)
                self.temporario = None
        except OSError as e:
            raise _Recusado(f"cannot write {_nome(self.caminho, True)}: {e.strerror}") from None

    def descartar(self):
        if self.temporario is not None:
            self.f.close()
            os.unlink(self.temporario)


def arvores(entrada: _Entrada, limites: dict):
    """(offset in the stream, bytes) of each packed tree of a stream, read one at a time: the
    24 bytes of its header first, then the length they give once it is within the limits. What
    a cut stream leaves is given as it is, for the reader to refuse."""
    inicio = 0
    maximo = limites.get("bytes_maximos", pacote.BYTES_MAXIMOS)
    while True:
        cabecalho = entrada.ler(24)
        if not cabecalho:
            if inicio == 0:
                raise _Recusado(f"{_nome(entrada.caminho)}: the file is empty")
            return
        dados = cabecalho
        if len(cabecalho) == 24:
            if cabecalho[:8] != pacote.MAGICO:
                raise pacote.ErroEmpacotamento(inicio, "", "", "not a packed record tree (wrong magic number)")
            versao = int.from_bytes(cabecalho[8:12], "little")
            if versao != pacote.VERSAO_PACOTE:  # the length means something only in this version
                raise pacote.ErroEmpacotamento(inicio + 8, "", "", f"format version {versao} is not supported "
                                                                   f"(this library reads version {pacote.VERSAO_PACOTE})")
            comprimento = int.from_bytes(cabecalho[16:24], "little")
            if comprimento > maximo:
                raise pacote.ErroEmpacotamento(inicio + 16, "", "", f"the header gives a length of {comprimento} "
                                                                    f"bytes, more than the limit of {maximo}")
            if comprimento < 40:
                raise pacote.ErroEmpacotamento(inicio + 16, "", "", f"the header gives a length of {comprimento} "
                                                                    "bytes, less than a header's 40")
            dados = entrada.ler(comprimento - 24, cabecalho)
        yield inicio, dados
        inicio += len(dados)


def _deslocado(e: pacote.ErroEmpacotamento, inicio: int) -> pacote.ErroEmpacotamento:
    return pacote.ErroEmpacotamento(e.deslocamento + inicio, e.classe, e.campo, e.motivo) if inicio else e


def dump(arquivo: str, saida: str, pagina: int):
    entrada = _Entrada(arquivo)
    destino = _Saida(saida)
    try:
        for inicio, dados in arvores(entrada, {}):
            try:
                arvore = pacote.ler_proprio(dados, pagina=pagina)
            except pacote.ErroEmpacotamento as e:
                raise _deslocado(e, inicio) from None
            del dados
            documento.escrever_json(arvore, destino.escrever, binario=True)
        destino.concluir()
    except pacote.ErroEmpacotamento as e:
        destino.descartar()
        raise _Recusado(f"{_nome(arquivo)}: {e}") from None
    except BaseException:
        destino.descartar()
        raise
    finally:
        entrada.fechar()


def pack(classe, arquivo: str, saida: str, pagina: int):
    entrada = _Entrada(arquivo)
    dados = entrada.ler()
    entrada.fechar()
    if not dados:
        raise _Recusado(f"{_nome(arquivo)}: the file is empty")
    try:
        texto = dados.decode("utf-8-sig")
    except UnicodeDecodeError as e:
        raise _Recusado(f"{_nome(arquivo)}: (document): not UTF-8 text: {e.reason} at byte {e.start}") from None
    del dados
    destino = _Saida(saida)
    numero = 1  # of the document being read: the first one's errors name no number, as for a lone document
    try:
        for valor in documento.documentos(texto):
            destino.escrever(pacote.escrever(documento.de_json(valor, classe, pagina)))
            numero += 1
        destino.concluir()
    except (documento.ErroJson, pacote.ErroArvore) as e:
        destino.descartar()
        onde = f"document {numero}: " if numero > 1 else ""
        raise _Recusado(f"{_nome(arquivo)}: {onde}{e}") from None
    except BaseException:
        destino.descartar()
        raise


def main(argv=None) -> int:
    p = argparse.ArgumentParser(prog="python3 -m nxldadosgc", description=__doc__.split("\n\n")[0],
                                epilog='"-" stands for standard input or output wherever a file is read or written.')
    comandos = p.add_subparsers(dest="comando", required=True)
    pagina = argparse.ArgumentParser(add_help=False)
    pagina.add_argument("--code-page", dest="pagina", type=int, choices=textos.PAGINAS, default=textos.PADRAO,
                        metavar="N", help="code page of the texts in the records: 1252 (default), 932, 936, 949 or 950")
    d = comandos.add_parser("dump", parents=[pagina], help="print packed record trees as JSON")
    d.add_argument("arquivo", metavar="file", help="packed record trees, one after another (- for standard input)")
    d.add_argument("-o", "--output", dest="saida", default="-", help="where to write the JSON (default: -)")
    k = comandos.add_parser("pack", parents=[pagina], help="turn JSON (as dump prints it) into packed record trees")
    k.add_argument("argumentos", nargs="+", metavar="[class] json-file",
                   help="JSON documents (- for standard input), and optionally the class they must hold")
    k.add_argument("-o", "--output", dest="saida", required=True, help="where to write the packed trees, or -")
    a = p.parse_args(argv)
    try:
        if a.comando == "dump":
            dump(a.arquivo, a.saida, a.pagina)
            return 0
        if len(a.argumentos) > 2:
            p.error("pack takes at most a class and a JSON file")
        classe = a.argumentos[0] if len(a.argumentos) == 2 else None
        if classe is not None and classe not in LAYOUTS:
            p.error(f'unknown class "{classe}"')
        pack(classe, a.argumentos[-1], a.saida, a.pagina)
        return 0
    except _Recusado as e:
        if sys.stderr is not None:
            print(f"nxldadosgc: {e}", file=sys.stderr)
        return 1


if __name__ == "__main__":
    sys.exit(main())
