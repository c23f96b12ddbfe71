"""Record trees as JSON documents, in the form `nxgc dump` prints and `nxgc pack` reads:

    {"classe": <name>, "registro": {...}}

Fields by name in the order of the record (gaps only when not zero, list counts and pointers
left out), children nested under their list or holder name. Values:
  numbers           JSON integers
  CY                decimal string with four places, "-12.3400"
  REG_NXMA          {"valor": 2044, "data": "2018-04"}              ("data" only for a valid month)
  REG_NXDMA         {"valor": 62192, "data": "2018-04-09"}          ("data" only for a valid day)
  REG_NXDMAHMSUTC   {"valor": "0x00f574014047fbb7", "data": "2018-04-09T10:30:15-03:00"}
  texts             their code page 1252 bytes as a string; a field with bytes after its first
                    zero is {"texto": ..., "bytes": <hex of the whole field>}
  REG_NXDMC, locators, gaps   lowercase hex of their bytes
  lists             arrays (of objects, or of numbers); holders an object or null
Read back, missing fields are zero, missing lists empty, missing holders null; a date may also
be a bare number or its "data" text alone.
"""

import json
import re
import struct
from functools import partial
from itertools import repeat
from json.encoder import encode_basestring

from . import textos
from . import valores as v
from .esquema import LAYOUTS, LIMITES, Campo, Layout, Registro, _vista, novo

_U32, _U64 = struct.Struct("<I"), struct.Struct("<Q")


class ErroJson(ValueError):
    """A document that does not describe a record tree: str() starts with the JSON path of the
    offending value ("registro.Conta[1].ValorRateio: ...")."""


# ---- Tree -> JSON ---------------------------------------------------------------------------

def escrever_json(arvore: Registro, escrever, binario: bool = False):
    """Writes the text `nxgc dump` prints for the tree through escrever(str), or escrever(bytes)
    of its UTF-8 when binario, a piece at a time: the whole text is never held."""
    layout = type(arvore).layout
    saida = _Saida(escrever, binario)
    saida.partes.append('{\n  "classe": ' + encode_basestring(layout.nome) + ',\n  "registro": ')
    _registro(saida, layout, arvore._a, arvore._p, arvore, "  ")
    saida.partes.append("\n}\n")
    saida.esvaziar()


def texto_json(arvore: Registro) -> str:
    """The text `nxgc dump` prints for the tree, final newline included."""
    partes = []
    escrever_json(arvore, partes.append)
    return "".join(partes)


def para_json(arvore: Registro) -> dict:
    """The document of a record tree, as a dict in the order `nxgc dump` prints it."""
    return json.loads(texto_json(arvore))


class _Saida:
    """Pieces of text gathered and passed on together. Pieces stay small (a batch of records),
    so that the memory behind them is reused rather than asked anew of the system each time."""

    __slots__ = ("partes", "escrever", "binario")

    def __init__(self, escrever, binario: bool):
        self.partes, self.escrever, self.binario = [], escrever, binario

    def talvez_esvaziar(self):
        if len(self.partes) > 4096:
            self.esvaziar()

    def esvaziar(self):
        if self.partes:
            texto = "".join(self.partes)
            self.escrever(texto.encode("utf-8") if self.binario else texto)
            self.partes.clear()

    def utf8(self, dados: bytes):
        """A piece already in UTF-8."""
        self.esvaziar()
        self.escrever(dados if self.binario else dados.decode("utf-8"))


def _formatadores(layout: Layout):
    """For each field of the record in field-table order: (its index in the struct, the text of
    its entry for a raw value at an indentation), or a child (list, holder, member key)."""
    r = []
    for i, c in enumerate(layout.campos):
        if c.lista is not None:
            continue
        if c.tipo == "ponteiro":
            if c.filho is not None:
                r.append((i, c.filho, None))
            continue
        if c.sub is not None:
            r.append((i, c, None))
            continue
        r.append((i, None, _formatador(c)))
    layout.formatadores = r
    return r


def _formatador(c):
    chave = encode_basestring(c.nome) + ": "
    tipo = c.tipo
    if tipo in LIMITES:
        return lambda x, ind, p: chave + str(x)
    if tipo == "CY":
        return lambda x, ind, p: chave + '"' + v.texto_moeda(x) + '"'
    if tipo in ("REG_NXMA", "REG_NXDMA", "REG_NXDMAHMSUTC"):
        data = {"REG_NXMA": v.texto_competencia, "REG_NXDMA": v.texto_dia, "REG_NXDMAHMSUTC": v.texto_momento}[tipo]
        hexa = tipo == "REG_NXDMAHMSUTC"

        def datado(x, ind, p):
            valor = f'"0x{x & 0xFFFFFFFFFFFFFFFF:016x}"' if hexa else str(x)
            d = data(x)
            if d is None:
                return f'{chave}{{\n{ind}  "valor": {valor}\n{ind}}}'
            return f'{chave}{{\n{ind}  "valor": {valor},\n{ind}  "data": "{d}"\n{ind}}}'
        return datado
    if tipo == "texto":
        def texto(x, ind, p):
            t, exato = textos.texto_do_campo(x, p)
            if exato:
                return chave + encode_basestring(t)
            return f'{chave}{{\n{ind}  "texto": {encode_basestring(t)},\n{ind}  "bytes": "{x.hex()}"\n{ind}}}'
        return texto
    if tipo == "lacuna":
        return lambda x, ind, p: chave + '"' + x.hex() + '"' if any(x) else None
    return lambda x, ind, p: chave + '"' + x.hex() + '"'


def _registro(saida, layout: Layout, a, pos: int, objeto, ind: str):
    """The record at pos of a's buffer (objeto its record object, when there is one) as a JSON
    object whose closing brace is at indentation ind."""
    formatadores = getattr(layout, "formatadores", None) or _formatadores(layout)
    m = a.m
    valores = layout.estrutura.unpack_from(m, pos)
    dentro = ind + "  "
    f = objeto._f if objeto is not None else None
    partes = saida.partes
    primeiro = True
    for i, filho, formatar in formatadores:
        if formatar is not None:
            texto = formatar(valores[i], dentro, a.pagina)
            if texto is None:
                continue
            partes.append(("{\n" if primeiro else ",\n") + dentro + texto)
            primeiro = False
            continue
        partes.append(("{\n" if primeiro else ",\n") + dentro + encode_basestring(filho.nome) + ": ")
        primeiro = False
        if isinstance(filho, Campo):  # a member key or embedded record
            sub = f.get(filho.nome) if f is not None else None
            _registro(saida, filho.sub, a, pos + filho.deslocamento, sub, dentro)
            continue
        valor = f.get(filho.nome, _INTOCADO) if f is not None else _INTOCADO
        if valor is _INTOCADO:
            desloc = valores[i]
            if filho.tipo == "unico":
                valor = _vista_ou_nada(filho.elemento, a, desloc)
            else:
                valor = (a, desloc, _U32.unpack_from(m, pos + filho.quantidade)[0] if desloc else 0)
        if filho.tipo == "unico":
            if valor is None:
                partes.append("null")
            else:
                _registro(saida, filho.elemento, valor._a, valor._p, valor, dentro)
            continue
        _lista(saida, filho, valor, dentro)
    partes.append("{}" if primeiro else "\n" + ind + "}")


_INTOCADO = object()  # a child its record object has not made yet


def _vista_ou_nada(layout, a, desloc):
    return _vista(layout, a, desloc) if desloc else None


def _lista(saida, filho, valor, ind: str):
    if type(valor) is tuple:
        a, d, n = valor
        cache = None
    elif valor._itens is None:
        a, d, n, cache = valor._a, valor._d, valor._n, valor._cache
    else:
        a, n, cache = None, len(valor), None
    partes = saida.partes
    if n == 0:
        partes.append("[]")
        return
    dentro = ind + "  "
    el, t = filho.elemento, filho.tamanho
    if el is None:
        numeros = struct.unpack_from(f"<{n}I", a.m, d) if a is not None else valor._itens
        partes.append("[\n" + dentro + (",\n" + dentro).join(map(str, numeros)) + "\n" + ind + "]")
        return
    partes.append("[\n" + dentro)
    if a is None:
        for k, r in enumerate(valor._itens):
            if k:
                partes.append(",\n" + dentro)
            _registro(saida, el, r._a, r._p, r, dentro)
    elif cache is None and n >= _MINIMO_VETORIAL and _formato_vetorial(el, dentro) is not None:
        formato, linhas = _formato_vetorial(el, dentro), bytearray()
        m = memoryview(a.m)
        for inicio in range(0, n, _LOTE):
            saida.utf8(formato(m[d + inicio * t:d + min(n, inicio + _LOTE) * t], inicio == 0, a.pagina, linhas))
    elif cache is None and _plano_do_bloco(el, dentro) is not None:
        plano = _plano_do_bloco(el, dentro)
        m = memoryview(a.m)
        for inicio in range(0, n, _LOTE_PURO):
            fim = min(n, inicio + _LOTE_PURO)
            if inicio:
                partes.append(",\n" + dentro)
            partes.append((",\n" + dentro).join(plano(m[d + inicio * t:d + fim * t], a.pagina)))
            saida.esvaziar()
    else:
        for k in range(n):
            if k:
                partes.append(",\n" + dentro)
            _registro(saida, el, a, d + k * t, cache[k] if cache is not None else None, dentro)
            if not k & 1023:
                saida.talvez_esvaziar()
    partes.append("\n" + ind + "]")


# Records of a block formatted at a time: few enough that the memory of a batch (its Python
# objects, its text) is reused by the next rather than given back to the system and asked again.
_LOTE, _LOTE_PURO = 1 << 11, 1 << 8
_MINIMO_VETORIAL = 256  # records of a block from which numpy formats it faster


def _formato_vetorial(el: Layout, ind: str):
    """The numpy formatter of el's records at indentation ind, or None (no numpy, or a layout
    it does not serve)."""
    formatos = el.__dict__.setdefault("_formatos", {})
    if ind not in formatos:
        from .vetorial import np
        formatos[ind] = None
        if np is not None:
            from .documento_vetorial import Formato
            if Formato.serve(el):
                formatos[ind] = Formato(el, ind, _formatador)
    return formatos[ind]


def _plano_do_bloco(el: Layout, ind: str):
    """For a layout whose records have no children nor member keys, a function that gives the
    texts of a block's records a column at a time: each field's raw values for the whole block
    at once (struct.iter_unpack), then one %-format per record. None for the other layouts."""
    planos = el.__dict__.setdefault("_planos", {})
    if ind in planos:
        return planos[ind]
    planos[ind] = None
    dentro = ind + "  "
    campos = [(i, c) for i, c in enumerate(el.campos) if c.lista is None and not (c.tipo == "ponteiro")]
    if el.slots or any(c.sub is not None for _, c in campos) or not campos or campos[0][1].tipo == "lacuna":
        return None
    modelo, colunas = [], []  # pieces of the %-format, and for each field what gives its arguments
    for i, c in campos:
        chave = encode_basestring(c.nome) + ": "
        separador = ",\n" + dentro if modelo else ""
        if c.tipo == "lacuna":
            colunas.append((i, partial(_lacunas, separador + chave, bytes(c.largura))))
            modelo.append("%s")
        elif c.tipo in LIMITES:
            modelo.append(separador + chave + "%d")
            colunas.append((i, None))
        elif c.tipo == "CY":
            modelo.append(separador + chave + '"%s%d.%04d"')
            colunas.append((i, _moedas))
        else:
            formatar = _formatador(c)
            cache = {}

            def textos_da_coluna(xs, p, formatar=formatar, chave=chave, cache=cache, datado=c.tipo.startswith("REG_NXDMA")
                                 or c.tipo == "REG_NXMA"):
                if datado:  # few distinct values: each formatted once
                    r = []
                    for x in xs:
                        t = cache.get(x)
                        if t is None:
                            t = cache[x] = formatar(x, dentro, p)[len(chave):]
                        r.append(t)
                    return [r]
                return [[formatar(x, dentro, p)[len(chave):] for x in xs]]
            modelo.append(separador + chave + "%s")
            colunas.append((i, textos_da_coluna))
    molde = ("{\n" + dentro + "".join(modelo) + "\n" + ind + "}").replace("%", "%%")
    for marca in ("%%s", "%%d", "%%04d"):
        molde = molde.replace(marca, marca[1:])
    estrutura = el.estrutura

    def plano(bloco, p):
        valores = list(zip(*estrutura.iter_unpack(bloco)))
        argumentos = []
        for i, fazer in colunas:
            if fazer is None:
                argumentos.append(valores[i])
            else:
                argumentos += fazer(valores[i], p)
        return map(molde.__mod__, zip(*argumentos))
    planos[ind] = plano
    return plano


def _moedas(xs, p):
    """Sign, units and ten-thousandths of raw currency values, as three columns."""
    if not xs:
        return [(), (), ()]
    return [map(("", "-").__getitem__, map((0).__gt__, xs)), *zip(*map(divmod, map(abs, xs), repeat(10000)))]


def _lacunas(entrada: str, zero: bytes, xs, p):
    """The entries of a gap field (entrada is what precedes the value), empty where it is zero."""
    if xs.count(zero) == len(xs):
        return [repeat("", len(xs))]
    return [[entrada + '"' + x.hex() + '"' if x != zero else "" for x in xs]]


# ---- JSON -> tree ---------------------------------------------------------------------------

def _falha(caminho: str, motivo: str):
    raise ErroJson(f"{caminho}: {motivo}")


def _nome_tipo(x) -> str:
    """The JSON type of a parsed value, as the messages name it."""
    if x is None:
        return "null"
    if isinstance(x, bool):
        return "boolean"
    if isinstance(x, (int, float)):
        return "number"
    if isinstance(x, str):
        return "string"
    return "array" if isinstance(x, list) else "object"


def _compacto(x) -> str:
    """A value as the messages quote it: compact JSON, an object's keys in order."""
    return json.dumps(x, ensure_ascii=False, separators=(",", ":"), sort_keys=True)


def _corte(s: str, n: int = 40) -> str:
    """At most the first n bytes (of UTF-8) of a text quoted in a message."""
    return s.encode("utf-8", "surrogatepass")[:n].decode("utf-8", "ignore")


class _Objeto(dict):
    """A JSON object as parsed, with its (key, value) pairs in the document's order, repeated
    keys included: they are refused where they stand."""

    pares = ()


def _objeto(pares):
    o = _Objeto(pares)
    o.pares = pares
    return o


def _constante(nome):
    raise ValueError(f"{nome} is not JSON")


PROFUNDIDADE_MAXIMA_JSON = 64  # levels of objects and arrays, deeper than any record tree goes


def carregar(texto):
    """A JSON text parsed as documents are read: a key given twice in one object and nesting
    deeper than PROFUNDIDADE_MAXIMA_JSON levels are refused with their path, as met in the
    document."""
    try:
        valor = json.loads(texto, object_pairs_hook=_objeto, parse_constant=_constante)
    except RecursionError:
        _falha("(document)", f"nested deeper than {PROFUNDIDADE_MAXIMA_JSON} levels")
    except ValueError as e:
        _falha("(document)", f"not valid JSON: {e}")
    _conferir_estrutura(valor, "", 1)
    return valor


_BRANCO = re.compile(r"[ \t\n\r]*")


def documentos(texto: str):
    """The JSON values of a text holding one or more of them separated by white space, each
    parsed and checked as carregar() does."""
    decodificador = json.JSONDecoder(object_pairs_hook=_objeto, parse_constant=_constante)
    i, n = _BRANCO.match(texto).end(), len(texto)
    if i == n:
        yield carregar(texto)  # refused as an empty document is
        return
    while i < n:
        try:
            valor, i = decodificador.raw_decode(texto, i)
        except RecursionError:
            _falha("(document)", f"nested deeper than {PROFUNDIDADE_MAXIMA_JSON} levels")
        except ValueError as e:
            _falha("(document)", f"not valid JSON: {e}")
        _conferir_estrutura(valor, "", 1)
        yield valor
        i = _BRANCO.match(texto, i).end()


def _conferir_estrutura(valor, caminho: str, nivel: int):
    if not isinstance(valor, (dict, list)):
        return
    if nivel > PROFUNDIDADE_MAXIMA_JSON:
        _falha(caminho or "(document)", f"nested deeper than {PROFUNDIDADE_MAXIMA_JSON} levels")
    if isinstance(valor, list):
        for k, x in enumerate(valor):
            _conferir_estrutura(x, f"{caminho}[{k}]", nivel + 1)
        return
    vistas = set()
    for chave, x in valor.pares:
        aqui = f"{caminho}.{chave}" if caminho else chave
        if chave in vistas:
            _falha(aqui, "duplicate key")
        vistas.add(chave)
        _conferir_estrutura(x, aqui, nivel + 1)


def _itens(j: dict):
    """An object's items in the order the keys sort, which decides the error reported first."""
    return sorted(j.items())


def de_json(documento, classe: str = None, pagina: int = textos.PADRAO) -> Registro:
    """The record tree a document describes (its JSON text, or the value carregar() parsed),
    its texts written in code page `pagina`. The class comes from its "classe"; when `classe` is
    given too, they must be the same. Raises ErroJson."""
    if isinstance(documento, (str, bytes)):
        documento = carregar(documento)
    if not isinstance(documento, dict):
        _falha("(document)", f"expected an object, got {_nome_tipo(documento)}")
    for chave, _ in _itens(documento):
        if chave not in ("classe", "registro"):
            _falha(chave, 'unknown key (a document has "classe" and "registro")')
    if "classe" not in documento:
        _falha("classe", 'missing (a document has "classe" and "registro")')
    nome = documento["classe"]
    if not isinstance(nome, str):
        _falha("classe", f"expected a class name, got {_nome_tipo(nome)}")
    layout = LAYOUTS.get(nome)
    if layout is None:
        _falha("classe", f'unknown class "{_corte(nome, 80)}"')
    if classe is not None and nome != classe:
        _falha("classe", f"the document holds a {nome}, not a {classe}")
    if "registro" not in documento:
        _falha("registro", 'missing (a document has "classe" and "registro")')
    return _Montador(textos.pagina(pagina)).registro(layout, documento["registro"], "registro")


def _inteiro(x, minimo, maximo, caminho):
    # JSON integers are 64-bit, signed or not; a wider number is read as a floating-point one.
    if type(x) is not int or not -(1 << 63) <= x < (1 << 64):
        _falha(caminho, f"expected an integer, got {_nome_tipo(x)}")
    if not minimo <= x <= maximo:
        _falha(caminho, f"{x} is out of range {minimo}..{maximo}")
    return x


def _bytes_utf8(s: str) -> int:
    """The length of a JSON string as the messages count it: in bytes of UTF-8."""
    return len(s.encode("utf-8", "surrogatepass"))


def _hex(x, n, caminho) -> bytes:
    if not isinstance(x, str):
        _falha(caminho, f"expected a string of {2 * n} hex digits")
    tamanho = _bytes_utf8(x)
    if tamanho != 2 * n:
        _falha(caminho, f"expected {2 * n} hex digits, got {tamanho}")
    if not all(c in "0123456789abcdefABCDEF" for c in x):
        _falha(caminho, f'"{x}" is not hex')
    return bytes.fromhex(x)


def _hex64(x, caminho) -> int:
    if not isinstance(x, str):
        _falha(caminho, 'expected a hex string like "0x00f574014047fbb7"')
    if not 3 <= _bytes_utf8(x) <= 18 or x[0] != "0" or x[1] not in "xX":
        _falha(caminho, f'"{_corte(x)}" is not a 64-bit hex value like "0x00f574014047fbb7"')
    if not all(c in "0123456789abcdefABCDEF" for c in x[2:]):
        _falha(caminho, f'"{x}" is not hex')
    bruto = int(x[2:], 16)
    return bruto - (1 << 64) if bruto >> 63 else bruto


# kind -> (example of its text, raw value from a JSON value, raw value from its text or 0/None)
_DATADOS = {
    "REG_NXMA": ("2018-04", lambda x, c: _inteiro(x, 0, 0xFFFF, c), v.competencia_de_texto),
    "REG_NXDMA": ("2018-04-09", lambda x, c: _inteiro(x, 0, 0xFFFFFFFF, c), v.dia_de_texto),
    "REG_NXDMAHMSUTC": ("2018-04-09T10:30:15-03:00", _hex64, v.momento_de_texto),
}


def _datado(tipo, x, caminho) -> int:
    """A dated value: {"valor": raw, "data": text} as dumped, or either part alone; when both
    are given they must agree."""
    exemplo, de_valor, de_texto = _DATADOS[tipo]

    def texto(t, onde):
        if not isinstance(t, str):
            _falha(onde, f'expected a date text like "{exemplo}"')
        r = de_texto(t)
        if not r:
            _falha(onde, f'"{_corte(t)}" is not a valid date like "{exemplo}"')
        return r

    if isinstance(x, str):
        return texto(x, caminho)
    if not isinstance(x, dict):
        return de_valor(x, caminho)
    for chave, _ in _itens(x):
        if chave not in ("valor", "data"):
            _falha(f"{caminho}.{chave}", 'unknown key (a date has "valor" and "data")')
    if "valor" not in x and "data" not in x:
        _falha(caminho, 'a date needs "valor" or "data"')
    valor = de_valor(x["valor"], caminho + ".valor") if "valor" in x else None
    if "data" not in x:
        return valor
    da_data = texto(x["data"], caminho + ".data")
    if valor is not None and da_data != valor:
        _falha(caminho, f'"valor" {_compacto(x["valor"])} and "data" {_compacto(x["data"])} disagree')
    return da_data


class _Montador:
    def __init__(self, pagina):
        self.pagina = pagina

    def registro(self, layout: Layout, j, caminho: str) -> Registro:
        if not isinstance(j, dict):
            _falha(caminho, f"expected an object, got {_nome_tipo(j)}")
        objeto = novo(layout, self.pagina)
        filhos = {f.nome: f for f in layout.filhos if f.tipo != "chave"}
        campos = {c.nome: c for c in layout.campos}
        for chave, valor in _itens(j):
            aqui = f"{caminho}.{chave}"
            f = filhos.get(chave)
            if f is not None:
                setattr(objeto, chave, self.filho(f, valor, aqui))
                continue
            c = campos.get(chave)
            if c is None:
                _falha(aqui, f"unknown field of {layout.nome or 'this record'}")
            if c.lista is not None:
                _falha(aqui, f'is the count of list "{c.lista.nome}"; give the list itself')
            if c.tipo == "ponteiro":
                _falha(aqui, "is a pointer field with no child behind it")
            if c.sub is not None:
                setattr(objeto, chave, self.registro(c.sub, valor, aqui))
                continue
            setattr(objeto, chave, _valor(c, valor, aqui, self.pagina))
        return objeto

    def filho(self, f, j, caminho):
        if f.tipo == "unico":
            if j is None:
                return None
            if not isinstance(j, dict):
                _falha(caminho, f"expected an object or null, got {_nome_tipo(j)}")
            return self.registro(f.elemento, j, caminho)
        if not isinstance(j, list):
            _falha(caminho, f"expected an array, got {_nome_tipo(j)}")
        if f.elemento is None:
            return [_inteiro(x, 0, 0xFFFFFFFF, f"{caminho}[{k}]") for k, x in enumerate(j)]
        return [self.registro(f.elemento, x, f"{caminho}[{k}]") for k, x in enumerate(j)]


def _valor(c, x, caminho, pagina):
    """The attribute value of field c given as JSON value x."""
    tipo = c.tipo
    if tipo in LIMITES:
        return _inteiro(x, *LIMITES[tipo], caminho)
    if tipo == "CY":
        if not isinstance(x, str):
            _falha(caminho, f'expected a decimal string like "12.3400", got {_nome_tipo(x)}')
        try:
            return v.moeda_de_bruto(v.moeda_de_texto(x))
        except v.ErroValor as e:
            _falha(caminho, str(e))
    if tipo in _DATADOS:
        return c.de_bruto(_datado(tipo, x, caminho))
    if tipo == "texto":
        return _texto(c, x, caminho, pagina)
    return _hex(x, c.largura, caminho)


def _texto(c, x, caminho, pagina):
    if isinstance(x, dict):
        for chave, _ in _itens(x):
            if chave not in ("texto", "bytes"):
                _falha(f"{caminho}.{chave}", 'unknown key (a text has "texto" and "bytes")')
        if "bytes" not in x:
            _falha(caminho, 'the object form of a text needs "bytes"')
        campo = _hex(x["bytes"], c.largura, caminho + ".bytes")
        if campo[-1]:
            _falha(caminho + ".bytes", "the last byte of a text field must be zero")
        if "texto" in x and textos.texto_do_campo(campo, pagina)[0] != x["texto"]:
            _falha(caminho, '"texto" and "bytes" disagree')
        return textos.texto_de_bruto(campo, pagina)
    if not isinstance(x, str):
        _falha(caminho, f"expected a string, got {_nome_tipo(x)}")
    if len(x) >= c.largura and not pagina.duplo:  # checked before converting: a character is a byte
        _falha(caminho, f"text of {len(x)} bytes does not fit (at most {c.largura - 1})")
    try:
        dados = pagina.codificar(x)
    except v.ErroValor as e:
        _falha(caminho, str(e))
    if 0 in dados:
        _falha(caminho, "a text cannot hold a zero character")
    if len(dados) >= c.largura:
        _falha(caminho, f"text of {len(dados)} bytes does not fit (at most {c.largura - 1})")
    return x
