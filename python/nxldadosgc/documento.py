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

from . import valores as v
from .esquema import LAYOUTS, Layout, Registro
from .pacote import ErroArvore


class ErroJson(ValueError):
    """A document that does not describe a record tree: str() starts with the JSON path of the
    offending value ("registro.Conta[1].ValorRateio: ...")."""


# ---- Tree -> JSON ---------------------------------------------------------------------------

def para_json(arvore: Registro) -> dict:
    """The document of a record tree, as a dict in the order `nxgc dump` prints it."""
    layout = type(arvore).layout
    try:
        return {"classe": layout.nome, "registro": _registro_para_json(layout, arvore)}
    except ErroArvore as e:
        e.caminho.insert(0, layout.nome)
        raise


def texto_json(arvore: Registro) -> str:
    """The text `nxgc dump` prints for the tree, final newline included."""
    return json.dumps(para_json(arvore), indent=2, ensure_ascii=False) + "\n"


def _registro_para_json(layout: Layout, objeto) -> dict:
    if type(objeto) is not layout.classe:
        raise ErroArvore(f"expected a {layout.classe.__name__}, got {type(objeto).__name__}")
    j = {}
    for c in layout.campos:
        if c.lista is not None:
            continue
        if c.tipo == "ponteiro":
            f = c.filho
            if f is None:
                continue  # a pointer that is no child's is always zero
            valor = getattr(objeto, f.nome)
            try:
                if f.tipo == "unico":
                    j[f.nome] = None if valor is None else _registro_para_json(f.elemento, valor)
                else:
                    j[f.nome] = [_elemento(f, k, x) for k, x in enumerate(valor)]
            except ErroArvore as e:
                e.caminho.insert(0, f.nome)
                raise
            continue
        valor = getattr(objeto, c.nome)
        if c.sub is not None:
            try:
                j[c.nome] = _registro_para_json(c.sub, valor)
            except ErroArvore as e:
                e.caminho.insert(0, c.nome)
                raise
            continue
        try:
            bruto = c.para_bruto(valor)
        except v.ErroValor as e:
            raise ErroArvore(str(e), [c.nome]) from None
        if c.tipo == "lacuna" and not any(bruto):
            continue
        j[c.nome] = _valor_para_json(c.tipo, bruto)
    return j


def _elemento(f, k, x):
    try:
        if f.elemento is None:
            return v.inteiro(x, 0, 0xFFFFFFFF)
        return _registro_para_json(f.elemento, x)
    except v.ErroValor as e:
        raise ErroArvore(str(e), [f"[{k}]"]) from None
    except ErroArvore as e:
        e.caminho.insert(0, f"[{k}]")
        raise


def _valor_para_json(tipo: str, bruto):
    """A raw value as its kind's shape writes it."""
    t = v.TIPOS[tipo]
    if t.forma == "decimal":
        return t.texto(bruto)
    if t.forma == "datado":
        j = {"valor": f"0x{bruto & 0xFFFFFFFFFFFFFFFF:016x}" if t.exemplo_bruto else bruto}
        data = t.texto_data(bruto)
        if data is not None:
            j["data"] = data
        return j
    if t.forma == "texto":
        fim = bruto.index(0)
        texto = v.de_1252(bruto[:fim])
        return {"texto": texto, "bytes": bruto.hex()} if any(bruto[fim:]) else texto
    if t.forma == "bytes":
        return bruto.hex()
    return bruto


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


def de_json(documento, classe: str = None) -> Registro:
    """The record tree a document describes (its JSON text, or the value carregar() parsed).
    The class comes from its "classe"; when `classe` is given too, they must be the same.
    Raises ErroJson."""
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
    return _Montador().registro(layout, documento["registro"], "registro")


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


def _hex64(x, exemplo, caminho) -> int:
    """A raw value that travels as a hex text: a signed 64-bit integer."""
    if not isinstance(x, str):
        _falha(caminho, f'expected a hex string like "{exemplo}"')
    if not 3 <= _bytes_utf8(x) <= 18 or x[0] != "0" or x[1] not in "xX":
        _falha(caminho, f'"{_corte(x)}" is not a 64-bit hex value like "{exemplo}"')
    if not all(c in "0123456789abcdefABCDEF" for c in x[2:]):
        _falha(caminho, f'"{x}" is not hex')
    bruto = int(x[2:], 16)
    return bruto - (1 << 64) if bruto >> 63 else bruto


def _datado(t: v.Tipo, x, caminho) -> int:
    """A dated value: {"valor": raw, "data": text} as dumped, or either part alone; when both
    are given they must agree."""
    exemplo, de_texto = t.exemplo, t.data_de_texto

    def de_valor(x, caminho):
        if t.exemplo_bruto:
            return _hex64(x, t.exemplo_bruto, caminho)
        return _inteiro(x, *t.limites, caminho)

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
    def registro(self, layout: Layout, j, caminho: str) -> Registro:
        if not isinstance(j, dict):
            _falha(caminho, f"expected an object, got {_nome_tipo(j)}")
        objeto = layout.classe()
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
            setattr(objeto, chave, _valor(c, valor, aqui))
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


def _valor(c, x, caminho):
    """The attribute value of field c given as JSON value x, by its kind's shape."""
    t = v.TIPOS[c.tipo]
    if t.forma == "inteiro":
        return _inteiro(x, *t.limites, caminho)
    if t.forma == "decimal":
        if not isinstance(x, str):
            _falha(caminho, f'expected a decimal string like "{t.exemplo}", got {_nome_tipo(x)}')
        try:
            return c.de_bruto(t.de_texto(x))
        except v.ErroValor as e:
            _falha(caminho, str(e))
    if t.forma == "datado":
        return c.de_bruto(_datado(t, x, caminho))
    if t.forma == "texto":
        return _texto(c, x, caminho)
    return _hex(x, c.largura, caminho)


def _texto(c, x, caminho):
    if isinstance(x, dict):
        for chave, _ in _itens(x):
            if chave not in ("texto", "bytes"):
                _falha(f"{caminho}.{chave}", 'unknown key (a text has "texto" and "bytes")')
        if "bytes" not in x:
            _falha(caminho, 'the object form of a text needs "bytes"')
        campo = _hex(x["bytes"], c.largura, caminho + ".bytes")
        if campo[-1]:
            _falha(caminho + ".bytes", "the last byte of a text field must be zero")
        if "texto" in x and v.de_1252(campo[:campo.index(0)]) != x["texto"]:
            _falha(caminho, '"texto" and "bytes" disagree')
        return v.texto_de_bruto(campo)
    if not isinstance(x, str):
        _falha(caminho, f"expected a string, got {_nome_tipo(x)}")
    if len(x) >= c.largura:  # checked before converting: each character is one byte
        _falha(caminho, f"text of {len(x)} bytes does not fit (at most {c.largura - 1})")
    try:
        dados = v.para_1252(x)
    except v.ErroValor as e:
        _falha(caminho, str(e))
    if 0 in dados:
        _falha(caminho, "a text cannot hold a zero character")
    return x
