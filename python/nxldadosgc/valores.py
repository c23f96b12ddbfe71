"""Field values: the raw encodings a record holds and the Python values they stand for.

Every conversion here is exact both ways: a raw value read from a record, turned into its
Python value and back, gives the same raw value. A raw value that means no date (0) becomes
None; one that is not a valid date at all (a day number out of range, a time stamp with its
unused bits set) stays a plain int, so nothing read is ever lost.
"""

import datetime as _dt
from decimal import Context, Decimal, Inexact, InvalidOperation
from functools import partial
from typing import NamedTuple


class ErroValor(ValueError):
    """A value that its field cannot hold. The reason alone; callers add where it was."""


def com_nome(classe: str, nome: str, e: Exception) -> Exception:
    """The error e (a TypeError or an ErroValor), its message prefixed with "Class.field"."""
    texto = str(e)
    return (TypeError if isinstance(e, TypeError) else ErroValor)(
        f"{classe}.{nome}{'' if texto.startswith('[') else ': '}{texto}")


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
        raise TypeError(f"expected a Decimal or an int, got {type(valor).__name__}")
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
        raise TypeError(f"expected an int{ou}, got {type(valor).__name__}")
    if not minimo <= valor <= maximo:
        raise ErroValor(f"{valor} is out of range {minimo}..{maximo}")
    return valor


def bytes_para_bruto(valor, largura: int) -> bytes:
    if type(valor) is not bytes:
        raise TypeError(f"expected bytes, got {type(valor).__name__}")
    if len(valor) != largura:
        raise ErroValor(f"expected {largura} bytes, got {len(valor)}")
    return valor
