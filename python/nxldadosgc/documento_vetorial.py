"""The JSON text of a block of records without children, built with numpy a batch of records at
a time: the same bytes as documento's record-by-record path.

Each record of a batch becomes a row of one width: the literal parts of its text (separator,
keys, punctuation, indentation) and each field's value in a slot as wide as that value's widest
text. What a row leaves unused of a slot (the places left of a number's first digit, a gap field
that is zero and so not printed) holds zero bytes, which no JSON text contains: removing every
zero byte of the batch gives its text. Numbers are written four digits at a time from a table;
days, competences, moments and texts are formatted once per distinct value by documento's own
functions.
"""

from json.encoder import encode_basestring

import numpy as np

from .esquema import LIMITES, Layout
from .vetorial import tipo

_QUATRO = np.frombuffer("".join(f"{i:04d}" for i in range(10000)).encode("ascii"), np.uint32)  # "0000".."9999"
_HEXA = np.frombuffer("".join(f"{i:02x}" for i in range(256)).encode("ascii"), np.uint16)     # "00".."ff"
_PEDACOS = {"u8": 1, "char": 1, "u16": 2, "u32": 3, "quantidade": 3}  # groups of four digits
_FORMATADOS = ("REG_NXMA", "REG_NXDMA", "REG_NXDMAHMSUTC", "texto")  # one formatting per distinct value


def _u8(texto: str):
    return np.frombuffer(texto.encode("utf-8"), np.uint8)


def _decimal(x, pedacos: int):
    """Non-negative int64 values below 10**(4 * pedacos) as decimal digits right-aligned in
    4 * pedacos bytes, the places before the first digit zero bytes: an (n, 4 * pedacos) uint8
    array."""
    quatro = np.empty((len(x), pedacos), np.uint32)
    resto = x
    for j in range(pedacos - 1, -1, -1):
        resto, baixo = np.divmod(resto, 10000)
        quatro[:, j] = _QUATRO[baixo]
    quatro &= _PRIMEIRO[pedacos][np.searchsorted(_POTENCIAS[pedacos], x, side="right")]
    return quatro.view(np.uint8)


# For 1 to 4 groups of four digits: the powers of ten at which a number gains a digit, and for
# each count of digits less one the mask (in uint32 groups) that clears the places before them.
_POTENCIAS = {j: np.array([10 ** k for k in range(1, 4 * j)], np.int64) for j in range(1, 5)}
_PRIMEIRO = {j: np.frombuffer(b"".join(bytes(4 * j - k) + b"\xff" * k for k in range(1, 4 * j + 1)), np.uint32)
             .reshape(4 * j, j) for j in range(1, 5)}


class Formato:
    """The text of records of layout el whose closing brace sits at indentation ind, one after
    another as a list prints them; formatar(campo) is documento's function that gives a field's
    entry ("key": value) for a raw value."""

    def __init__(self, el: Layout, ind: str, formatar):
        self.el, self.dt, self.dentro = el, tipo(el, True), ind + "  "
        self.separador = len(",\n" + ind)
        self.campos = []  # (text before the value, field, documento's function for the value or None)
        for c in el.campos:
            if c.lista is None and c.tipo != "ponteiro":
                antes = (",\n" + ind + "{\n" if not self.campos else ",\n") + self.dentro
                self.campos.append((_u8(antes + encode_basestring(c.nome) + ": "), c,
                                    formatar(c) if c.tipo in _FORMATADOS else None))
        self.fim = _u8("\n" + ind + "}")

    @staticmethod
    def serve(el: Layout) -> bool:
        """Whether records of el can be printed this way: no children, no member keys or
        embedded records, a first field that is always printed."""
        campos = [c for c in el.campos if c.lista is None and c.tipo != "ponteiro"]
        return not el.slots and bool(campos) and campos[0].tipo != "lacuna" and all(c.sub is None for c in campos)

    def __call__(self, bloco, primeiro: bool, pagina, linhas: bytearray) -> bytes:
        """The text (UTF-8) of the records of bloco (their bytes), preceded by the separator
        from the record before unless primeiro; linhas is where the rows are built, grown as
        needed and kept by the caller from one batch to the next."""
        a = np.frombuffer(bloco, self.dt)
        n = len(a)
        u8 = np.frombuffer(bloco, np.uint8).reshape(n, self.el.tamanho)
        partes = []
        for antes, c, formatar in self.campos:
            valor = self.valor(c, a, u8, formatar, pagina)
            if c.tipo != "lacuna":
                partes += [antes, *valor]
                continue
            campo = u8[:, c.deslocamento:c.deslocamento + c.largura]  # printed only when not zero
            texto = np.concatenate(_linhas([antes, *valor], n), axis=1)
            partes.append(texto * campo.any(axis=1)[:, None].astype(np.uint8))
        partes = _linhas(partes + [self.fim], n)
        usados = n * sum(p.shape[1] for p in partes)
        if usados > len(linhas):
            linhas += bytes(usados - len(linhas))
        vista = np.frombuffer(linhas, np.uint8)
        vista[usados:] = 0  # what an earlier, longer batch left
        np.concatenate(partes, axis=1, out=vista[:usados].reshape(n, -1))
        if primeiro:
            vista[:self.separador] = 0
        del vista
        return linhas.translate(None, b"\0")

    def valor(self, c, a, u8, formatar, pagina) -> list:
        """The parts of a field's value: (n, width) uint8 arrays, or the bytes of a literal."""
        n = len(a)
        if c.tipo in LIMITES:
            x = a[c.nome].astype(np.int64)
            if c.tipo != "char":
                return [_decimal(x, _PEDACOS[c.tipo])]
            return [_sinal(x < 0), _decimal(np.abs(x), 1)]
        if c.tipo == "CY":
            x = a[c.nome]
            negativo = x < 0
            absoluto = x.view(np.uint64).copy()
            np.negative(absoluto, out=absoluto, where=negativo)  # |-2**63| fits a u64
            unidades, decimos = np.divmod(absoluto, np.uint64(10000))
            return [_ASPAS, _sinal(negativo), _decimal(unidades.astype(np.int64), 4), _PONTO,
                    _QUATRO[decimos.astype(np.int64)].view(np.uint8).reshape(n, 4), _ASPAS]
        campo = u8[:, c.deslocamento:c.deslocamento + c.largura]
        if formatar is None:  # bytes as lowercase hex
            return [_ASPAS, _HEXA[campo].view(np.uint8), _ASPAS]
        if c.tipo == "texto":
            brutos = np.ascontiguousarray(campo).view(np.dtype((np.void, c.largura)))[:, 0]
            distintos, indices = np.unique(brutos, return_inverse=True)
            valores = [bytes(v) for v in distintos]
        else:
            distintos, indices = np.unique(a[c.nome], return_inverse=True)
            valores = distintos.tolist()
        corte = len(encode_basestring(c.nome)) + 2
        textos = [formatar(v, self.dentro, pagina)[corte:].encode("utf-8") for v in valores]
        return [np.array(textos).view(np.uint8).reshape(len(textos), -1)[indices]]


def _sinal(negativo):
    return np.where(negativo, ord("-"), 0).astype(np.uint8)[:, None]


def _linhas(partes, n: int) -> list:
    """Parts as (n, width) arrays, a literal's bytes repeated on every row."""
    return [p if p.ndim == 2 else _repetido(p, n) for p in partes]


def _repetido(literal, n: int):
    chave = id(literal), n
    r = _REPETIDOS.get(chave)
    if r is None:
        if len(_REPETIDOS) > 256:
            _REPETIDOS.clear()
        r = _REPETIDOS[chave] = np.broadcast_to(literal, (n, len(literal))), literal
    return r[0]


_REPETIDOS = {}  # (id of a literal, rows) -> (the literal on every row, the literal, which keeps its id)
_ASPAS, _PONTO = _u8('"'), _u8(".")
