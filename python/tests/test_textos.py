"""Code pages against the C library's iconv, the converter the C++ side uses: every single byte
and every two-byte sequence decoded by both, and every character decoded written back by both."""

import ctypes
import ctypes.util
import errno
import re

import pytest

from nxldadosgc import textos
from nxldadosgc.valores import ErroValor


class _Iconv:
    """One conversion of the C library's iconv, a whole input at a time."""

    def __init__(self, de: str, para: str):
        self.libc = ctypes.CDLL(ctypes.util.find_library("c"), use_errno=True)
        self.libc.iconv_open.restype = ctypes.c_void_p
        self.libc.iconv.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_char_p), ctypes.POINTER(ctypes.c_size_t),
                                    ctypes.POINTER(ctypes.c_char_p), ctypes.POINTER(ctypes.c_size_t)]
        self.libc.iconv.restype = ctypes.c_size_t
        self.cd = self.libc.iconv_open(para.encode(), de.encode())
        if self.cd in (None, ctypes.c_void_p(-1).value):
            raise OSError(f"iconv has no {de} -> {para}")
        self.saida = ctypes.create_string_buffer(64)

    def __call__(self, dados: bytes):
        """(output, whether all of the input converted)."""
        self.libc.iconv(self.cd, None, None, None, None)
        entrada = ctypes.c_char_p(dados)
        resta = ctypes.c_size_t(len(dados))
        saida = ctypes.cast(self.saida, ctypes.c_char_p)
        livre = ctypes.c_size_t(len(self.saida))
        r = self.libc.iconv(self.cd, ctypes.byref(entrada), ctypes.byref(resta), ctypes.byref(saida), ctypes.byref(livre))
        ok = r != ctypes.c_size_t(-1).value
        if not ok and ctypes.get_errno() not in (errno.EILSEQ, errno.EINVAL):
            raise OSError(ctypes.get_errno(), "iconv")
        return self.saida.raw[:len(self.saida) - livre.value], ok and resta.value == 0


def _iconv(de, para):
    try:
        return _Iconv(de, para)
    except OSError:
        pytest.skip(f"this C library's iconv has no {de} -> {para}")


# Single bytes iconv leaves undefined that these pages read: 1252's five undefined bytes as the
# controls of the same number, and what the page's own platform reads for 932's.
ACRESCIMOS = {1252: {b: b for b in (0x81, 0x8D, 0x8F, 0x90, 0x9D)},
              932: {0x80: 0x80, 0xA0: 0xF8F0, 0xFD: 0xF8F1, 0xFE: 0xF8F2, 0xFF: 0xF8F3}}


@pytest.mark.parametrize("numero", textos.PAGINAS)
def test_pagina_como_o_iconv(numero):
    p = textos.pagina(numero)
    ler, escrever = _iconv(f"CP{numero}", "UTF-8"), _iconv("UTF-8", f"CP{numero}")
    acrescimos = ACRESCIMOS.get(numero, {})
    inversos = {c: b for b, c in acrescimos.items()}
    caracteres = set()
    sequencias = [bytes((b,)) for b in range(256)]
    if numero != 1252:
        sequencias += [bytes((a, b)) for a in range(0x81, 0x100) if a not in acrescimos for b in range(0x40, 0x100)]
    for s in sequencias:
        if len(s) == 2 and s[1] in acrescimos and p.decodificar(s[:1])[1]:
            continue  # two single bytes, one that iconv lacks: each met on its own
        texto, completo = p.decodificar(s)
        saida, ok = ler(s)
        if len(s) == 1 and s[0] in acrescimos:
            saida, ok = chr(acrescimos[s[0]]).encode(), True
        assert (texto.encode(), completo) == (saida, ok), s.hex()
        caracteres.update(texto)
    assert len(caracteres) > (250 if numero == 1252 else 8000)
    for c in caracteres:
        esperado, ok = escrever(c.encode())
        if ord(c) in inversos:
            esperado, ok = bytes((inversos[ord(c)],)), True
        if ok:
            assert p.codificar(c) == esperado, f"U+{ord(c):04X}"
        else:
            with pytest.raises(ErroValor):
                p.codificar(c)


@pytest.mark.parametrize("numero, texto, campo, valor", [
    (1252, "Usinagem: ç ã €", b"Usinagem: \xe7 \xe3 \x80\0", "Usinagem: ç ã €"),
    (1252, "\x81", b"\x81\0", "\x81"),
    (932, "日本", b"\x93\xfa\x96\x7b\0", "日本"),
    (932, "ⅰ", b"\xfa\x40\0", "ⅰ"),                       # IBM row, not its NEC-selected copy 0xEEEF
    (932, None, b"\xee\xef\0", textos.Texto("ⅰ", b"\xee\xef\0", 932)),  # the copy reads, but is not the text's bytes
    (936, "€", b"\x80\0", "€"),
    (950, "\uf6b1", b"\xc6\xa1\0", "\uf6b1"),
    (950, None, b"A\xa4\0", textos.Texto("A", b"A\xa4\0", 950)),  # a pair cut by the terminator
    (949, None, b"A\xff\x41\0", textos.Texto("A", b"A\xffA\0", 949)),  # a byte the page does not define
])
def test_campos_de_texto(numero, texto, campo, valor):
    p = textos.pagina(numero)
    lido = textos.texto_de_bruto(campo, p)
    assert lido == valor and type(lido) is type(valor)
    assert textos.texto_para_bruto(lido, len(campo), p) == campo
    if texto is not None:
        assert textos.texto_para_bruto(texto, len(campo), p) == campo


@pytest.mark.parametrize("numero, texto, erro", [
    (1252, "日", "character U+65E5 has no code page 1252 byte"),
    (932, "€", "character U+20AC has no code page 932 byte"),
    (950, "ヾ", "character U+30FE has no code page 950 byte"),  # Python's cp950 puts it in the user-defined rows
    (949, "a\ud800", "character U+D800 has no code page 949 byte"),
])
def test_caracteres_recusados(numero, texto, erro):
    with pytest.raises(ErroValor, match=re.escape(erro)):
        textos.pagina(numero).codificar(texto)
