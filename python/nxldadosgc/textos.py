"""Texts of records, and the code pages they are written in: 1252 (the default), 932, 936, 949 and 950.

A record holds a text as bytes of the code page of the program that wrote it, and the packed form
does not say which: it is a setting of whoever reads or writes texts outside the process. Each
page maps as the C library's converter maps it (which is what the pages' own platform does), built
at first use from Python's codecs, which agree with it on every byte and pair but these:

  1252  the five bytes the page leaves undefined (0x81 0x8D 0x8F 0x90 0x9D) stand for the control
        characters of the same number, so that every byte survives a trip through a string;
  932   characters found both in the IBM extension rows 0xFA-0xFC and in their NEC-selected copies
        0xED-0xEE are written to 0xFA-0xFC;
  936   0x80 is the euro sign;
  950   0x80 is U+0080, and the user-defined rows 0xC6A1..0xC8FE map in order to U+F6B1..U+F848.

Decoding stops at the first byte that does not start a character of the page (an undefined byte
or pair, or a lead byte cut off by the end): `decodificar` says whether it got to the end.
"""

import re

from .valores import ErroValor

PAGINAS = (1252, 932, 936, 949, 950)
PADRAO = 1252

_C1_1252 = (0x81, 0x8D, 0x8F, 0x90, 0x9D)


class Pagina:
    """One code page: text <-> bytes, exactly as the page maps them."""

    def __init__(self, numero: int):
        self.numero = numero
        self.codec = f"cp{numero}"
        self.duplo = numero != 1252
        decodificados = self._sequencias()
        self._pares = {s: c for s, c in decodificados.items() if len(s) == 2}
        self._simples = {s[0]: c for s, c in decodificados.items() if len(s) == 1}
        self._lideres = frozenset(s[0] for s in self._pares)
        self._codificar = self._preferidas(decodificados)
        # Sequences Python's codec reads otherwise, and characters it writes otherwise (or writes
        # where the page has none): texts holding them take the slow, table-driven path.
        especiais = set()
        for s, c in decodificados.items():
            if _decodificar_python(s, self.codec) != c:
                especiais.add(s[0])
        for s in self._todas_as_sequencias():
            if s not in decodificados and _decodificar_python(s, self.codec) is not None:
                especiais.add(s[0])
        self._bytes_especiais = re.compile(b"[" + b"".join(re.escape(bytes([b])) for b in sorted(especiais)) + b"]") \
            if especiais else None
        self._caracteres_especiais = frozenset(
            chr(n) for n in range(0x10000) if 0xD800 > n or n > 0xDFFF
            if _codificar_python(chr(n), self.codec) != self._codificar.get(chr(n)))
        # Whether some character has several sequences: then a field's bytes are not always the
        # bytes of its text.
        self.ambiguo = any(self._codificar[c] != s for s, c in decodificados.items())
        if not self.duplo:
            self._de = "".join(self._simples.get(b, "\ufffe") for b in range(256))
            self._para = {ord(c): b for b, c in self._simples.items()}

    def _todas_as_sequencias(self):
        for b in range(256):
            yield bytes((b,))
        if self.duplo:
            for lider in range(0x81, 0x100):
                for segundo in range(0x40, 0x100):
                    yield bytes((lider, segundo))

    def _sequencias(self) -> dict:
        """Every byte and pair the page defines, with its character."""
        d = {}
        for s in self._todas_as_sequencias():
            c = _decodificar_python(s, self.codec)
            if c is not None and len(c) == 1:
                d[s] = c
        if self.numero == 1252:
            d.update({bytes((b,)): chr(b) for b in _C1_1252})
        elif self.numero == 936:
            d[b"\x80"] = "\u20ac"
        elif self.numero == 950:
            d[b"\x80"] = "\x80"
            n = 0xF6B1
            for lider in (0xC6, 0xC7, 0xC8):
                for segundo in [*range(0x40, 0x7F), *range(0xA1, 0xFF)]:
                    if (lider, segundo) >= (0xC6, 0xA1):
                        d[bytes((lider, segundo))] = chr(n)
                        n += 1
            for s in [s for s in d if len(s) == 2 and 0xC6A1 <= int.from_bytes(s, "big") <= 0xC8FE]:
                if not 0xF6B1 <= ord(d[s]) <= 0xF848:
                    del d[s]
        return d

    def _preferidas(self, decodificados: dict) -> dict:
        """The bytes each character is written as: its only sequence, or the one Python's codec
        writes, except that 932 writes the IBM extensions to rows 0xFA-0xFC, not 0xED-0xEE."""
        candidatos = {}
        for s, c in decodificados.items():
            candidatos.setdefault(c, []).append(s)
        escolha = {}
        for c, ss in candidatos.items():
            escolha[c] = ss[0] if len(ss) == 1 else _codificar_python(c, self.codec)
            if self.numero == 932 and 0xED <= escolha[c][0] <= 0xEE:
                escolha[c] = next(s for s in ss if 0xFA <= s[0] <= 0xFC)
            if escolha[c] not in ss:
                raise AssertionError(f"code page {self.numero}: no sequence for U+{ord(c):04X}")
        return escolha

    def decodificar(self, dados: bytes):
        """(text, whether every byte was read): the text of the bytes up to the first that does
        not start a character of the page."""
        if not self.duplo:
            texto = dados.decode("latin-1").translate(self._de)
            return texto, True  # 1252 defines every byte
        if self._bytes_especiais is None or not self._bytes_especiais.search(dados):
            try:
                return dados.decode(self.codec), True
            except UnicodeDecodeError:
                pass
        partes, i, n = [], 0, len(dados)
        pares, simples, lideres = self._pares, self._simples, self._lideres
        while i < n:
            b = dados[i]
            if b in lideres:
                c = pares.get(dados[i:i + 2])
                if c is None:
                    break
                i += 2
            else:
                c = simples.get(b)
                if c is None:
                    break
                i += 1
            partes.append(c)
        return "".join(partes), i == n

    def codificar(self, texto: str) -> bytes:
        """The bytes of a text; ErroValor names the first character the page has no bytes for."""
        if not self.duplo:
            try:
                return texto.translate(self._para).encode("latin-1")
            except UnicodeEncodeError:
                pass
        elif self._caracteres_especiais.isdisjoint(texto):
            try:
                return texto.encode(self.codec)
            except UnicodeEncodeError:
                pass
        partes = []
        for c in texto:
            s = self._codificar.get(c)
            if s is None:
                raise ErroValor(f"character U+{ord(c):04X} has no code page {self.numero} byte")
            partes.append(s)
        return b"".join(partes)


def _decodificar_python(s: bytes, codec: str):
    try:
        return s.decode(codec)
    except UnicodeDecodeError:
        return None


def _codificar_python(c: str, codec: str):
    try:
        return c.encode(codec)
    except UnicodeEncodeError:
        return None


_PAGINAS = {}


def pagina(numero: int) -> Pagina:
    """The code page `numero` (one of PAGINAS), built at first use."""
    p = _PAGINAS.get(numero)
    if p is None:
        if numero not in PAGINAS:
            raise ValueError(f"code page {numero} is not supported (supported: {', '.join(map(str, PAGINAS))})")
        p = _PAGINAS[numero] = Pagina(numero)
    return p


# ---- Text fields ------------------------------------------------------------------------------

class Texto(str):
    """A text field whose bytes are not simply those of its text followed by zeros (bytes after
    its terminating zero, a character written by one of several sequences, or bytes the code page
    does not read): the text, and in `bytes` the whole field as the record holds it, under code
    page `pagina`. Any other text field reads as a plain str."""

    def __new__(cls, texto: str, bytes: bytes, pagina: int = PADRAO):  # noqa: A002 - the JSON form's name
        t = super().__new__(cls, texto)
        t.bytes, t.pagina = bytes, pagina
        return t

    def __eq__(self, outro):
        return str.__eq__(self, outro) and getattr(outro, "bytes", None) == self.bytes

    __hash__ = str.__hash__

    def __getnewargs__(self):  # copies and pickles keep the bytes
        return str(self), self.bytes, self.pagina

    def __repr__(self):
        pagina = f", pagina={self.pagina}" if self.pagina != PADRAO else ""
        return f"Texto({str.__repr__(self)}, bytes={self.bytes!r}{pagina})"


def texto_do_campo(campo: bytes, p: Pagina):
    """The text of a field's bytes up to its first zero, and whether the field is exactly that
    text's bytes followed by zeros."""
    fim = campo.index(0)
    texto, completo = p.decodificar(campo[:fim])
    exato = completo and not any(campo[fim:]) and (not p.ambiguo or p.codificar(texto) == campo[:fim])
    return texto, exato


def texto_de_bruto(campo: bytes, p: Pagina):
    """The value of a text field whose last byte is zero: a str, or a Texto when the bytes are
    not the text's."""
    texto, exato = texto_do_campo(campo, p)
    return texto if exato else Texto(texto, campo, p.numero)


def texto_para_bruto(valor, largura: int, p: Pagina) -> bytes:
    """The `largura` bytes of a text field: the text, a zero, zeros to the end."""
    if isinstance(valor, Texto):
        campo = valor.bytes
        if type(campo) is not bytes or len(campo) != largura:
            raise ErroValor(f"the bytes of a text must be {largura} bytes")
        if campo[-1] != 0:
            raise ErroValor("the last byte of a text field must be zero")
        if texto_do_campo(campo, pagina(valor.pagina))[0] != str(valor):
            raise ErroValor("the text and its bytes disagree")
        if valor.pagina != p.numero:
            return texto_para_bruto(str(valor), largura, p)
        return campo
    if not isinstance(valor, str):
        raise TypeError(f"expected a str, got {type(valor).__name__}")
    dados = p.codificar(valor)
    if 0 in dados:
        raise ErroValor("a text cannot hold a zero character")
    if len(dados) >= largura:
        raise ErroValor(f"text of {len(dados)} bytes does not fit (at most {largura - 1})")
    return dados + bytes(largura - len(dados))
