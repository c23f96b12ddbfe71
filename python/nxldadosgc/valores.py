"""Field values: the raw encodings a record holds and the Python values they stand for.

Every conversion here is exact both ways: a raw value read from a record, turned into its
Python value and back, gives the same raw value. A raw value that means no date (0) becomes
None; one that is not a valid date at all (a day number out of range, a time stamp with its
unused bits set) stays a plain int, so nothing read is ever lost.
"""

import datetime as _dt
from decimal import Context, Decimal, Inexact, InvalidOperation
from functools import partial
from typing import Callable, NamedTuple


class ErroValor(ValueError):
    """A value that its field cannot hold. The reason alone; callers add where it was."""


# ---- Code page 1252 -------------------------------------------------------------------------

# Characters of bytes 0x80..0x9F. The five bytes the code page leaves undefined stand for the C1
# controls of the same number, so that every byte survives the trip through a Python string.
_C1 = (0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
       0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
       0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178)
_DE_1252 = {0x80 + i: c for i, c in enumerate(_C1)}
_PARA_1252 = {c: 0x80 + i for i, c in enumerate(_C1)}
# The other C1 controls have no byte: sent beyond Latin-1 so that encoding fails on them.
_PARA_1252.update({c: 0xFFFF for c in range(0x80, 0xA0) if c not in _PARA_1252})


def de_1252(dados: bytes) -> str:
    return dados.decode("latin-1").translate(_DE_1252)


def para_1252(texto: str) -> bytes:
    try:
        return texto.translate(_PARA_1252).encode("latin-1")
    except UnicodeEncodeError:
        for c in texto:
            n = ord(c)
            if not (n < 0x80 or 0xA0 <= n <= 0xFF or _PARA_1252.get(n, 0xFFFF) != 0xFFFF):
                raise ErroValor(f"character U+{n:04X} has no code page 1252 byte") from None
        raise


class Texto(str):
    """A text field with bytes after its terminating zero: the text, and in `bytes` the whole
    field as the record holds it. A text field without such bytes reads as a plain str."""

    def __new__(cls, texto: str, bytes: bytes):  # noqa: A002 - the name the JSON form uses
        t = super().__new__(cls, texto)
        t.bytes = bytes
        return t

    def __eq__(self, outro):
        return str.__eq__(self, outro) and getattr(outro, "bytes", None) == self.bytes

    __hash__ = str.__hash__

    def __getnewargs__(self):  # copies and pickles keep the bytes
        return str(self), self.bytes

    def __repr__(self):
        return f"Texto({str.__repr__(self)}, bytes={self.bytes!r})"


def texto_de_bruto(campo: bytes):
    """The value of a text field whose last byte is zero."""
    texto = campo.rstrip(b"\0")
    if b"\0" in texto:
        return Texto(de_1252(texto[:texto.index(b"\0")]), campo)
    return de_1252(texto)


def texto_para_bruto(valor, largura: int) -> bytes:
    """The `largura` bytes of a text field: the text, a zero, zeros to the end."""
    if isinstance(valor, Texto):
        campo = valor.bytes
        if type(campo) is not bytes or len(campo) != largura:
            raise ErroValor(f"the bytes of a text must be {largura} bytes")
        if campo[-1] != 0:
            raise ErroValor("the last byte of a text field must be zero")
        if de_1252(campo[:campo.index(0)]) != str(valor):
            raise ErroValor("the text and its bytes disagree")
        return campo
    if not isinstance(valor, str):
        raise ErroValor(f"expected a str, got {type(valor).__name__}")
    dados = para_1252(valor)
    if 0 in dados:
        raise ErroValor("a text cannot hold a zero character")
    if len(dados) >= largura:
        raise ErroValor(f"text of {len(dados)} bytes does not fit (at most {largura - 1})")
    return dados + bytes(largura - len(dados))


# ---- Currency: a 64-bit integer, the value times 10,000 ---------------------------------------

_MIN64, _MAX64 = -(1 << 63), (1 << 63) - 1
# Contexts of their own, so that the caller's decimal context (its precision, its rounding) has
# no say: a 64-bit value has 19 digits, and a value with more decimal places is refused, not rounded.
_AMPLO = Context(prec=40)
_EXATO = Context(prec=1000, traps=[Inexact, InvalidOperation])

# bruto -> Decimal with exactly four decimal places: 1000000 -> Decimal("100.0000").
moeda_de_bruto = partial(_AMPLO.multiply, Decimal("0.0001"))


def moeda_para_bruto(valor) -> int:
    if type(valor) is Decimal:
        if not valor.is_finite():
            raise ErroValor(f"{valor} is not a currency value")
        if valor.adjusted() > 15:  # at least 10^16: out of range, and never scaled into a huge int
            raise ErroValor(f"{valor} is outside the currency range")
        try:
            bruto = int(_EXATO.to_integral_exact(_EXATO.scaleb(valor, 4)))
        except Inexact:
            raise ErroValor(f"{valor} has more than four decimal places") from None
    elif type(valor) is int:
        bruto = valor * 10000
    else:
        raise ErroValor(f"expected a Decimal or an int, got {type(valor).__name__}")
    if not _MIN64 <= bruto <= _MAX64:
        raise ErroValor(f"{valor} is outside the currency range")
    return bruto


def texto_moeda(bruto: int) -> str:
    """-123400 -> "-12.3400"."""
    a = -bruto if bruto < 0 else bruto
    return f"{'-' if bruto < 0 else ''}{a // 10000}.{a % 10000:04d}"


def _digitos(s: str, de: int, n: int) -> int:
    """The decimal number in s[de:de+n], or -1 when a character there is not an ASCII digit."""
    parte = s[de:de + n]
    return int(parte) if len(parte) == n and all("0" <= c <= "9" for c in parte) else -1


def moeda_de_texto(s: str) -> int:
    """"-12.34" -> -123400: up to four decimal places, within the 64-bit range."""
    def ruim(porque):
        mostrado = s.encode("utf-8", "surrogatepass")
        mostrado = mostrado[:40].decode("utf-8", "ignore") + "..." if len(mostrado) > 40 else s
        raise ErroValor(f'"{mostrado}" is not a currency value: {porque}')

    i, n = 0, len(s)
    negativo = n > 0 and s[0] == "-"
    if negativo:
        i = 1
    limite = (1 << 63) if negativo else (1 << 63) - 1
    inteiro, inicio = 0, i
    while i < n and "0" <= s[i] <= "9":
        d = ord(s[i]) - 48
        if inteiro > (limite // 10000 - d) // 10:
            ruim("out of range")
        inteiro = inteiro * 10 + d
        i += 1
    if i == inicio:
        ruim("no digits before the point")
    fracao = casas = 0
    if i < n and s[i] == ".":
        i += 1
        while i < n and "0" <= s[i] <= "9":
            if casas == 4:
                ruim("more than four decimal places")
            fracao = fracao * 10 + ord(s[i]) - 48
            i += 1
            casas += 1
        if casas == 0:
            ruim("no digits after the point")
    if i != n:
        ruim("unexpected characters")
    total = inteiro * 10000 + fracao * 10 ** (4 - casas)
    if total > limite:
        ruim("out of range")
    return -total if negativo else total


# ---- Day numbers: 2 is 1 January 1848, 1,048,247 is 31 December 4717, 0 is no date ----------

DIA_MINIMO, DIA_MAXIMO = 2, 1048247
_ORDINAL_DIA_0 = _dt.date(1848, 1, 1).toordinal() - DIA_MINIMO


def dia_de_bruto(bruto: int):
    if DIA_MINIMO <= bruto <= DIA_MAXIMO:
        return _dt.date.fromordinal(bruto + _ORDINAL_DIA_0)
    return None if bruto == 0 else bruto


def _numero_dia(data: _dt.date) -> int:
    if not 1848 <= data.year <= 4717:
        raise ErroValor(f"{data} is outside the calendar of day numbers (1848-01-01..4717-12-31)")
    return data.toordinal() - _ORDINAL_DIA_0


def dia_para_bruto(valor) -> int:
    if valor is None:
        return 0
    if type(valor) is _dt.date:
        return _numero_dia(valor)
    return inteiro(valor, 0, 0xFFFFFFFF, "a datetime.date")


def texto_dia(bruto: int):
    """"2018-04-09", or None when the number is not a valid day."""
    return dia_de_bruto(bruto).isoformat() if DIA_MINIMO <= bruto <= DIA_MAXIMO else None


def dia_de_texto(s: str) -> int:
    """The day number of exactly "YYYY-MM-DD", or 0 when it is not a valid day of the calendar."""
    if len(s) != 10 or s[4] != "-" or s[7] != "-":
        return 0
    a, m, d = _digitos(s, 0, 4), _digitos(s, 5, 2), _digitos(s, 8, 2)
    if not 1848 <= a <= 4717:
        return 0
    try:
        return _numero_dia(_dt.date(a, m, d))
    except ValueError:
        return 0


# ---- Competences: (year - 1848) x 12 + month, 1..34,440, 0 is none ---------------------------

COMPETENCIA_MAXIMA = 34440


class Competencia(NamedTuple):
    """An accounting month."""

    ano: int
    mes: int

    @property
    def valor(self) -> int:
        if not (1 <= self.mes <= 12 and 1848 <= self.ano <= 4717):
            raise ErroValor(f"{self.ano:04d}-{self.mes:02d} is not a competence (months 1848-01..4717-12)")
        return (self.ano - 1848) * 12 + self.mes

    def __str__(self):
        return f"{self.ano:04d}-{self.mes:02d}"


def competencia_de_bruto(bruto: int):
    if 1 <= bruto <= COMPETENCIA_MAXIMA:
        q, m = divmod(bruto - 1, 12)
        return Competencia(1848 + q, m + 1)
    return None if bruto == 0 else bruto


def competencia_para_bruto(valor) -> int:
    if valor is None:
        return 0
    if type(valor) is Competencia:
        return valor.valor
    return inteiro(valor, 0, 0xFFFF, "a Competencia")


def texto_competencia(bruto: int):
    return str(competencia_de_bruto(bruto)) if 1 <= bruto <= COMPETENCIA_MAXIMA else None


def competencia_de_texto(s: str) -> int:
    """The competence of exactly "YYYY-MM", or 0."""
    if len(s) != 7 or s[4] != "-":
        return 0
    a, m = _digitos(s, 0, 4), _digitos(s, 5, 2)
    return (a - 1848) * 12 + m if 1848 <= a <= 4717 and 1 <= m <= 12 else 0


# ---- Time stamps ------------------------------------------------------------------------------
# A signed 64-bit integer: bits 0..37 the local moment in seconds on the day-number scale, bits
# 38..55 its offset from UTC in seconds (local minus UTC), both signed; bits 56..63 unused.

_MASCARA_LOCAL, _MASCARA_UTC = (1 << 38) - 1, (1 << 18) - 1
_UTC_MAXIMO = 23 * 3600 + 59 * 60
_FUSOS = {}


def _fuso(segundos: int) -> _dt.timezone:
    fuso = _FUSOS.get(segundos)
    if fuso is None:
        fuso = _FUSOS[segundos] = _dt.timezone(_dt.timedelta(seconds=segundos))
    return fuso


def _partes_momento(bruto: int):
    """(day number, seconds into the day, offset) of a time stamp that is a plain moment (a
    valid day, an offset of whole minutes within 23:59, no unused bits), else None."""
    u = bruto & 0xFFFFFFFFFFFFFFFF
    local = u & _MASCARA_LOCAL
    local -= (local & (1 << 37)) << 1
    utc = (u >> 38) & _MASCARA_UTC
    utc -= (utc & (1 << 17)) << 1
    if u >> 56 or local < 0 or utc % 60 or abs(utc) > _UTC_MAXIMO:
        return None
    dia, segundos = divmod(local, 86400)
    return (dia, segundos, utc) if DIA_MINIMO <= dia <= DIA_MAXIMO else None


def momento_de_bruto(bruto: int):
    partes = _partes_momento(bruto) if bruto else None
    if partes is None:
        return None if bruto == 0 else bruto
    dia, segundos, utc = partes
    d = _dt.date.fromordinal(dia + _ORDINAL_DIA_0)
    return _dt.datetime(d.year, d.month, d.day, segundos // 3600, segundos // 60 % 60, segundos % 60,
                        tzinfo=_fuso(utc))


def _montar_momento(dia: int, segundos: int, utc: int) -> int:
    return ((dia * 86400 + segundos) & _MASCARA_LOCAL) | ((utc & _MASCARA_UTC) << 38)


def momento_para_bruto(valor) -> int:
    if valor is None:
        return 0
    if type(valor) is _dt.datetime:
        utc = valor.utcoffset()
        if utc is None:
            raise ErroValor(f"{valor} has no offset from UTC")
        if utc % _dt.timedelta(minutes=1) or abs(utc) > _dt.timedelta(seconds=_UTC_MAXIMO):
            raise ErroValor(f"{valor}: the offset from UTC must be whole minutes within 23:59")
        if valor.microsecond:
            raise ErroValor(f"{valor}: a time stamp holds whole seconds")
        return _montar_momento(_numero_dia(valor.date()), valor.hour * 3600 + valor.minute * 60 + valor.second,
                               int(utc.total_seconds()))
    return inteiro(valor, _MIN64, _MAX64, "an aware datetime.datetime")


def texto_momento(bruto: int):
    """"2018-04-09T10:30:15-03:00", or None when the value is not a plain moment."""
    m = momento_de_bruto(bruto) if bruto else None
    if type(m) is not _dt.datetime:
        return None
    utc = int(m.utcoffset().total_seconds())
    a = -utc if utc < 0 else utc
    return f"{m:%Y-%m-%dT%H:%M:%S}{'-' if utc < 0 else '+'}{a // 3600:02d}:{a // 60 % 60:02d}"


def momento_de_texto(s: str):
    """The time stamp of exactly "YYYY-MM-DDTHH:MM:SS+HH:MM" (or "...Z" for UTC), or None."""
    if len(s) == 20 and s[19] == "Z":
        s = s[:19] + "+00:00"
    if len(s) != 25 or s[10] != "T" or s[13] != ":" or s[16] != ":" or s[19] not in "+-" or s[22] != ":":
        return None
    dia = dia_de_texto(s[:10])
    h, mi, se = _digitos(s, 11, 2), _digitos(s, 14, 2), _digitos(s, 17, 2)
    uh, um = _digitos(s, 20, 2), _digitos(s, 23, 2)
    if not dia or not (0 <= h <= 23 and 0 <= mi <= 59 and 0 <= se <= 59 and 0 <= uh <= 23 and 0 <= um <= 59):
        return None
    return _montar_momento(dia, h * 3600 + mi * 60 + se, (-1 if s[19] == "-" else 1) * (uh * 3600 + um * 60))


# ---- Integers and byte fields -----------------------------------------------------------------

def inteiro(valor, minimo: int, maximo: int, alternativa: str = "") -> int:
    if type(valor) is not int:
        ou = f" or {alternativa}" if alternativa else ""
        raise ErroValor(f"expected an int{ou}, got {type(valor).__name__}")
    if not minimo <= valor <= maximo:
        raise ErroValor(f"{valor} is out of range {minimo}..{maximo}")
    return valor


def bytes_para_bruto(valor, largura: int) -> bytes:
    if type(valor) is not bytes:
        raise ErroValor(f"expected bytes, got {type(valor).__name__}")
    if len(valor) != largura:
        raise ErroValor(f"expected {largura} bytes, got {len(valor)}")
    return valor


# ---- Field kinds ------------------------------------------------------------------------------

class Tipo(NamedTuple):
    """What the package knows of one kind of field, the kind's name in the schema being its key in
    TIPOS: how a record holds it (a struct code, or the field's bytes as they are), its Python
    value both ways, and its shape in the JSON form, which the C++ library gives each kind too:
    "inteiro" a JSON integer, "decimal" a string that is the value, "datado" its raw value and the
    date it holds, "texto" a text of code page 1252, "bytes" hex, "ponteiro" nothing (pointers do
    not travel). A new kind of field is a row of TIPOS and its conversions in this module."""

    forma: str
    codigo: str = None            # struct code; None: the field's bytes
    limites: tuple = None         # "inteiro", and "datado" with a raw number: (minimo, maximo)
    de_bruto: Callable = None     # raw -> attribute value; None: the raw value is the value
    para_bruto: Callable = None   # field width -> (attribute value -> raw)
    vazio: Callable = None        # field width -> the attribute value of a zero field
    exemplo: str = ""             # "decimal", "datado": an example of the (date) text
    texto: Callable = None        # "decimal": raw -> text
    de_texto: Callable = None     # "decimal": text -> raw, raising ErroValor
    texto_data: Callable = None   # "datado": raw -> its date text, or None
    data_de_texto: Callable = None  # "datado": date text -> raw, or 0/None when it names none
    exemplo_bruto: str = ""       # "datado" whose raw value travels as a hex text: an example of it


def _inteiros(minimo: int, maximo: int, codigo: str) -> Tipo:
    return Tipo("inteiro", codigo, (minimo, maximo), para_bruto=lambda largura: lambda x: inteiro(x, minimo, maximo),
                vazio=lambda largura: 0)


_BYTES = Tipo("bytes", para_bruto=lambda largura: lambda x: bytes_para_bruto(x, largura), vazio=bytes)

TIPOS = {
    "u8": _inteiros(0, 0xFF, "B"),
    "char": _inteiros(-128, 127, "b"),
    "u16": _inteiros(0, 0xFFFF, "H"),
    "u32": _inteiros(0, 0xFFFFFFFF, "I"),
    "quantidade": _inteiros(0, 0xFFFFFFFF, "I"),
    "CY": Tipo("decimal", "q", de_bruto=moeda_de_bruto, para_bruto=lambda largura: moeda_para_bruto,
               vazio=lambda largura: Decimal(0).scaleb(-4), exemplo="12.3400", texto=texto_moeda,
               de_texto=moeda_de_texto),
    "REG_NXMA": Tipo("datado", "H", (0, 0xFFFF), competencia_de_bruto, lambda largura: competencia_para_bruto,
                     lambda largura: None, "2018-04", texto_data=texto_competencia,
                     data_de_texto=competencia_de_texto),
    "REG_NXDMA": Tipo("datado", "I", (0, 0xFFFFFFFF), dia_de_bruto, lambda largura: dia_para_bruto,
                      lambda largura: None, "2018-04-09", texto_data=texto_dia, data_de_texto=dia_de_texto),
    "REG_NXDMAHMSUTC": Tipo("datado", "q", None, momento_de_bruto, lambda largura: momento_para_bruto,
                            lambda largura: None, "2018-04-09T10:30:15-03:00", texto_data=texto_momento,
                            data_de_texto=momento_de_texto, exemplo_bruto="0x00f574014047fbb7"),
    "texto": Tipo("texto", de_bruto=texto_de_bruto, para_bruto=lambda largura: lambda x: texto_para_bruto(x, largura),
                  vazio=lambda largura: ""),
    "posicao": _BYTES,
    "REG_NXDMC": _BYTES,
    "lacuna": _BYTES,
    "registro": _BYTES,
    "ponteiro": Tipo("ponteiro", "Q"),
}
