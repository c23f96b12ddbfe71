"""The record layouts of every data class, from the schema the package carries, and the Python
classes of their records.

A record object is a view of its record's bytes: a read tree's records read their fields from
the buffer they were read from when touched, and a new record has bytes of its own. Assigning a
field converts and checks the value at once (TypeError or ValueError naming the class and field)
and writes its bytes in place. A record's attributes, by the kind of field behind them:
  u8, char, u16, u32, counts that belong to no list      int
  CY                                                    decimal.Decimal (an int is taken as units)
  REG_NXMA                                              Competencia, None for 0, or the raw int
  REG_NXDMA                                             datetime.date, None for 0, or the raw int
  REG_NXDMAHMSUTC                                       aware datetime.datetime, None for 0, or the raw int
  texts                                                 str (a Texto when the bytes are not the text's)
  REG_NXDMC, locators, gaps, opaque records             bytes of the field's width
  a list                                                Lista of records (or of ints), named after the list
  a holder                                              a record or None
  a member key                                          a record of the key's class, part of its owner
A list's count and a child's pointer are not attributes: the writer derives them.
"""

import json
import struct
from importlib import resources

from . import textos
from . import valores as v
from .lista import Lista
from .textos import Pagina
from .valores import ErroValor, com_nome

# Struct codes of the fields that are numbers; the others are bytes.
_CODIGOS = {"u8": "B", "char": "b", "u16": "H", "u32": "I", "quantidade": "I", "CY": "q",
            "REG_NXMA": "H", "REG_NXDMA": "I", "REG_NXDMAHMSUTC": "q", "ponteiro": "Q"}
_BYTES = {"texto", "posicao", "REG_NXDMC", "lacuna", "registro"}

# Raw value -> attribute value, and back; None where the raw value is the attribute value.
_DE_BRUTO = {"CY": v.moeda_de_bruto, "REG_NXMA": v.competencia_de_bruto, "REG_NXDMA": v.dia_de_bruto,
             "REG_NXDMAHMSUTC": v.momento_de_bruto}
LIMITES = {"u8": (0, 0xFF), "char": (-128, 127), "u16": (0, 0xFFFF), "u32": (0, 0xFFFFFFFF),
           "quantidade": (0, 0xFFFFFFFF)}
def _para_bruto(campo):
    tipo, largura = campo.tipo, campo.largura
    if tipo in LIMITES:
        minimo, maximo = LIMITES[tipo]
        return lambda x: v.inteiro(x, minimo, maximo)
    if tipo in _BYTES:
        return lambda x: v.bytes_para_bruto(x, largura)
    return {"CY": v.moeda_para_bruto, "REG_NXMA": v.competencia_para_bruto, "REG_NXDMA": v.dia_para_bruto,
            "REG_NXDMAHMSUTC": v.momento_para_bruto}.get(tipo)  # none for a pointer


class Campo:
    """One field of a record: name, offset, width, kind, meaning; `sub` is the layout of an
    embedded record, `filho` the child whose pointer this is, `lista` the list whose count this is."""

    def __init__(self, d):
        self.nome, self.deslocamento, self.largura, self.tipo = d["nome"], d["deslocamento"], d["largura"], d["tipo"]
        self.significado = d.get("significado", "")
        self.sub = self.filho = self.lista = None
        self.membro = False
        if self.tipo not in _CODIGOS and self.tipo not in _BYTES:
            raise ValueError(f"field {self.nome}: unknown kind {self.tipo!r}")
        if self.tipo in _CODIGOS and struct.calcsize("<" + _CODIGOS[self.tipo]) != self.largura:
            raise ValueError(f"field {self.nome}: a {self.tipo} is not {self.largura} bytes wide")
        self.codigo = _CODIGOS.get(self.tipo, f"{self.largura}s")
        self.de_bruto = _DE_BRUTO.get(self.tipo)
        self.para_bruto = _para_bruto(self)

    def __repr__(self):
        return f"<Campo {self.nome} @{self.deslocamento} {self.tipo}[{self.largura}]>"


class Filho:
    """A list, holder or member key of a record. `elemento` is the layout of its records (None for
    a list of u32 numbers); `ponteiro` is its pointer slot, or a member key's area."""

    def __init__(self, d, layouts):
        self.nome, self.tipo, self.tamanho = d["nome"], d["tipo"], d["tamanhoElemento"]
        self.elemento = None if d["elemento"] == "u32" else layouts[d["elemento"]]
        self.ponteiro = d["area"] if self.tipo == "chave" else d["ponteiro"]
        self.quantidade = d.get("quantidade")
        self.dono = None  # the layout it belongs to


class Layout:
    """The layout of one record: its class name (None for an embedded record that is not a
    member key), size, fields in table order and children in the order of their slots."""

    def __init__(self, nome, tamanho, sobre=""):
        self.nome, self.tamanho, self.sobre = nome, tamanho, sobre
        self.campos, self.filhos = [], []
        self.classe = None

    def _montar(self, campos, filhos, layouts):
        self.campos = [Campo(c) for c in campos]
        self.filhos = sorted((Filho(f, layouts) for f in filhos), key=lambda f: f.ponteiro)
        por_deslocamento = {c.deslocamento: c for c in self.campos}
        for f in self.filhos:
            f.dono = self
            c = por_deslocamento[f.ponteiro]
            if f.tipo == "chave":
                c.membro = True
            else:
                c.filho = f
                if f.quantidade is not None:
                    por_deslocamento[f.quantidade].lista = f
        for c, d in zip(self.campos, campos):
            if c.tipo == "registro" and "campos" in d:
                if c.membro:
                    c.sub = layouts[d["classe"]]
                else:
                    c.sub = Layout(f"{self.nome}_{c.nome}", c.largura)
                    c.sub._montar(d["campos"], [], layouts)
        fim = 0
        for c in self.campos:
            if c.deslocamento != fim:
                raise ValueError(f"{self.nome}.{c.nome}: fields must cover the record in order")
            fim += c.largura
        if fim != self.tamanho:
            raise ValueError(f"{self.nome}: fields cover {fim} of {self.tamanho} bytes")
        self.estrutura = struct.Struct("<" + "".join(c.codigo for c in self.campos))
        self.textos = [c for c in self.campos if c.tipo == "texto"]
        # The lists and holders of the record in the order of their slots (member keys hold none).
        self.slots = [(0, c.filho) for c in self.campos if c.filho is not None]
        # What a record object keeps in its `_f`, by name: (layout, offset) of embedded records
        # and member keys, (None, child) of lists and holders.
        self.partes = {c.nome if c.sub is not None else c.filho.nome: (c.sub, c.deslocamento if c.sub else c.filho)
                       for c in self.campos if c.sub is not None or c.filho is not None}

    def atributos(self):
        """The record's attributes in field-table order: (name, field or child)."""
        r = []
        for c in self.campos:
            if c.lista is not None or (c.tipo == "ponteiro" and c.filho is None):
                continue
            r.append((c.filho.nome, c.filho) if c.filho is not None else (c.nome, c))
        return r


# ---- The bytes behind records -----------------------------------------------------------------

class Pacote:
    """The buffer some records live in (a read tree's, or a new record's own), and the code page
    of their texts. A read tree's buffer is the bytes given to `ler`, copied into a bytearray
    of its own on the first change."""

    __slots__ = ("m", "pagina")

    def __init__(self, m, p: Pagina):
        self.m, self.pagina = m, p

    def gravavel(self) -> bytearray:
        m = self.m
        if type(m) is not bytearray:
            m = self.m = bytearray(m)
        return m


class _Numero:
    """A field read and written through struct, converted to and from its Python value."""


    def __init__(self, classe, c: Campo):
        self.nome, self.classe, self.d = c.nome, classe, c.deslocamento
        s = struct.Struct("<" + c.codigo)
        self.ler, self.gravar = s.unpack_from, s.pack_into
        self.de, self.para = c.de_bruto, c.para_bruto
        self.__doc__ = _documentacao(c)

    def __get__(self, o, tipo=None):
        if o is None:
            return self
        bruto = self.ler(o._a.m, o._p + self.d)[0]
        return self.de(bruto) if self.de is not None else bruto

    def __set__(self, o, valor):
        try:
            bruto = self.para(valor)
        except (ErroValor, TypeError) as e:
            raise com_nome(self.classe, self.nome, e) from None
        self.gravar(o._a.gravavel(), o._p + self.d, bruto)


class _Bytes(_Numero):
    """A field of bytes: gaps, locators, opaque records; a text, read under its code page."""


    def __init__(self, classe, c: Campo):
        super().__init__(classe, c)
        self.largura, self.texto = c.largura, c.tipo == "texto"

    def __get__(self, o, tipo=None):
        if o is None:
            return self
        a, p = o._a, o._p + self.d
        campo = bytes(a.m[p:p + self.largura])
        return textos.texto_de_bruto(campo, a.pagina) if self.texto else campo

    def __set__(self, o, valor):
        a = o._a
        try:
            bruto = textos.texto_para_bruto(valor, self.largura, a.pagina) if self.texto else self.para(valor)
        except (ErroValor, TypeError) as e:
            raise com_nome(self.classe, self.nome, e) from None
        p = o._p + self.d
        a.gravavel()[p:p + self.largura] = bruto


class _Filho:
    """A list, holder, member key or embedded record: kept in the record's `_f` once touched or
    set; until then the record's bytes say what it is."""

    def __init__(self, classe, nome, filho, doc):
        self.nome, self.classe, self.filho, self.__doc__ = nome, classe, filho, doc

    def __get__(self, o, tipo=None):
        if o is None:
            return self
        f = o._f
        if f is None:
            f = o._f = {}
        elif self.nome in f:
            return f[self.nome]
        valor = f[self.nome] = o._parte(self.nome)
        return valor

    def __set__(self, o, valor):
        try:
            valor = self.converter(o, valor)
        except (ErroValor, TypeError) as e:
            raise com_nome(self.classe, self.nome, e) from None
        if o._f is None:
            o._f = {}
        o._f[self.nome] = valor


class _Lista(_Filho):
    def converter(self, o, valor):
        if type(valor) is not list and (hasattr(valor, "dtype") or hasattr(valor, "to_records")):
            return _vetorial().de_colunas(self.filho, valor, o._a.pagina)  # numpy columns, or a pandas DataFrame
        if isinstance(valor, (str, bytes)) or not hasattr(valor, "__iter__"):
            raise TypeError(f"expected a list, got {type(valor).__name__}")
        return Lista.de_itens(self.filho, valor)


def _vetorial():
    global _VETORIAL
    if _VETORIAL is None:
        from . import vetorial
        _VETORIAL = vetorial
    return _VETORIAL


_VETORIAL = None


class _Unico(_Filho):
    def converter(self, o, valor):
        if valor is not None and type(valor) is not self.filho.elemento.classe:
            raise TypeError(f"expected a {self.filho.elemento.classe.__name__} or None, got {type(valor).__name__}")
        return valor


class _Embutido(_Filho):
    """A member key or embedded record: part of its owner's bytes, so assigning one copies it."""


    def __init__(self, classe, c: Campo, doc):
        super().__init__(classe, c.nome, None, doc)
        self.d, self.sub = c.deslocamento, c.sub

    def converter(self, o, valor):
        if type(valor) is not self.sub.classe:
            raise TypeError(f"expected a {self.sub.classe.__name__}, got {type(valor).__name__}")
        vista = _vista(self.sub, o._a, o._p + self.d)
        vista._copiar_de(valor)
        return vista


def _documentacao(c: Campo) -> str:
    tipo = "text" if c.tipo == "texto" else c.tipo
    largura = f", {c.largura - 1} bytes at most" if c.tipo == "texto" else ""
    sentido = f": {c.significado}" if c.significado else ""
    return f"{tipo} at byte {c.deslocamento}{largura}{sentido}"


def novo(layout: Layout, p: Pagina):
    """An empty record of `layout`, its texts in code page p."""
    r = object.__new__(layout.classe)
    r._a, r._p, r._f = Pacote(bytearray(layout.tamanho), p), 0, None
    return r


def _vista(layout: Layout, a: Pacote, p: int):
    """The record of `layout` at offset p of a's buffer."""
    r = object.__new__(layout.classe)
    r._a, r._p, r._f = a, p, None
    return r


class Registro:
    """A record of one data class, its fields and children as attributes (see the module's
    description for their Python types). Built empty, or with some attributes given by name;
    `pagina` is the code page its texts are written in."""

    __slots__ = ("_a", "_p", "_f")
    layout: Layout = None  # set on each subclass

    def __init__(self, pagina: int = textos.PADRAO, **valores):
        self._a = Pacote(bytearray(self.layout.tamanho), textos.pagina(pagina))
        self._p, self._f = 0, None
        for nome, valor in valores.items():
            if nome not in self._nomes:
                raise TypeError(f"{type(self).__name__} has no field, list, holder or member key {nome!r}")
            setattr(self, nome, valor)

    def _parte(self, nome: str):
        """The list, holder, member key or embedded record `nome` as the record's bytes give it
        (a list of a read record is a view of its block)."""
        sub, filho = self.layout.partes[nome]
        a, p = self._a, self._p
        if sub is not None:
            return _vista(sub, a, p + filho)
        desloc = _U64.unpack_from(a.m, p + filho.ponteiro)[0]
        if filho.tipo == "unico":
            return _vista(filho.elemento, a, desloc) if desloc else None
        return Lista.do_bloco(filho, a, desloc, _U32.unpack_from(a.m, p + filho.quantidade)[0] if desloc else 0)

    def _filhos(self) -> dict:
        """All of the record's lists, holders, member keys and embedded records (`_f` completed)."""
        if self._f is None:
            self._f = {}
        f = self._f
        for nome in self.layout.partes:
            if nome not in f:
                f[nome] = self._parte(nome)
        return f

    def _copiar_de(self, outro):
        """This record's bytes and children made a copy of another record of the same class."""
        import copy
        t = self.layout.tamanho
        if outro._a.pagina is not self._a.pagina and self.layout.textos:
            outro = copy.deepcopy(outro)
            outro._transcodificar(self._a.pagina)
        origem = outro._filhos()
        self._a.gravavel()[self._p:self._p + t] = outro._a.m[outro._p:outro._p + t]
        f = self._filhos()
        for nome, valor in origem.items():
            if isinstance(valor, Registro) and valor.layout.nome == f[nome].layout.nome and valor._a is outro._a \
                    and outro._p <= valor._p < outro._p + t:
                f[nome]._copiar_de(valor)  # a member key: part of the bytes just copied
            else:
                f[nome] = copy.deepcopy(valor)

    def _transcodificar(self, p: Pagina):
        """Its texts rewritten under code page p (its own bytes, member keys included)."""
        valores = [(c.nome, getattr(self, c.nome)) for c in self.layout.textos]
        subs = [(c.nome, getattr(self, c.nome)) for c in self.layout.campos if c.sub is not None]
        self._a.gravavel()
        self._a = Pacote(self._a.m, p) if self._p or len(self._a.m) != self.layout.tamanho else self._a
        self._a.pagina = p
        for nome, valor in valores:
            setattr(self, nome, str(valor))
        for nome, sub in subs:
            sub._a = self._a
            sub._transcodificar(p)

    def bruto(self, nome: str):
        """The raw value of a field as the record holds it: an int, or the field's bytes."""
        for c in self.layout.campos:
            if c.nome == nome and c.sub is None and c.tipo != "ponteiro" and c.lista is None:
                if c.tipo in _BYTES:
                    return bytes(self._a.m[self._p + c.deslocamento:self._p + c.deslocamento + c.largura])
                return struct.unpack_from("<" + c.codigo, self._a.m, self._p + c.deslocamento)[0]
        raise KeyError(f"{type(self).__name__} has no field {nome!r} with a raw value")

    @property
    def pagina(self) -> int:
        """The code page of the record's texts."""
        return self._a.pagina.numero

    def __eq__(self, outro):
        if type(outro) is not type(self):
            return NotImplemented
        return all(getattr(self, n) == getattr(outro, n) for n in self._nomes)

    __hash__ = None

    def __deepcopy__(self, memo):
        copia = type(self)(pagina=self.pagina)
        copia._copiar_de(self)
        return copia

    def __copy__(self):
        return self.__deepcopy__({})

    def __reduce__(self):
        return _de_pacote, (type(self).layout.nome, _escrever_registro(self), self.pagina)

    def __repr__(self):
        vazio = type(self)()
        partes = [f"{n}={getattr(self, n)!r}" for n in self._ordem if getattr(self, n) != getattr(vazio, n)]
        return f"{type(self).__name__}({', '.join(partes)})"


def _escrever_registro(r):
    from .pacote import escrever
    return escrever(r)


def _de_pacote(nome, dados, numero):
    from .pacote import ler
    return ler(dados, pagina=numero)


_U32, _U64 = struct.Struct("<I"), struct.Struct("<Q")


def _ligar(layout: Layout, cls: type):
    """Makes cls the class of layout's records: an attribute per field, list, holder and key."""
    nome = layout.nome
    ordem = []
    for c in layout.campos:
        if c.lista is not None or (c.tipo == "ponteiro" and c.filho is None):
            continue
        if c.sub is not None:
            descritor = _Embutido(nome, c, _documentacao(c))
        elif c.filho is not None:
            f = c.filho
            elemento = "u32 numbers" if f.elemento is None else f.elemento.nome
            doc = f"list of {elemento}" if f.tipo == "lista" else f"a {elemento}, or None"
            descritor = (_Lista if f.tipo == "lista" else _Unico)(nome, f.nome, f, doc)
        else:
            descritor = (_Bytes if c.tipo in _BYTES else _Numero)(nome, c)
        setattr(cls, descritor.nome, descritor)
        ordem.append(descritor.nome)
    if len(set(ordem)) != len(ordem):
        raise ValueError(f"{nome}: two attributes share a name")
    cls.layout, cls._ordem, cls._nomes = layout, tuple(ordem), frozenset(ordem)
    layout.classe = cls


def _carregar():
    documento = json.loads(resources.files(__package__).joinpath("esquema.json").read_text(encoding="utf-8"))
    layouts = {c["classe"]: Layout(c["classe"], c["tamanhoRegistro"], c.get("sobre", ""))
               for c in documento["classes"]}
    for c in documento["classes"]:
        layouts[c["classe"]]._montar(c["campos"], c["filhos"], layouts)
    for layout in layouts.values():
        for f in layout.filhos:
            if f.tipo == "chave" and f.elemento.slots:
                raise ValueError(f"{layout.nome}.{f.nome}: a member key with lists or holders is not supported")
    return documento["versaoPacote"], layouts


def _classes(layouts):
    """Every layout's class (embedded records' too), from the generated module."""
    from . import classes
    todos = dict(layouts)
    for layout in layouts.values():
        for c in layout.campos:
            if c.sub is not None and not c.membro:
                todos[c.sub.nome] = c.sub
    for nome, layout in todos.items():
        cls = getattr(classes, nome, None)
        if cls is None:
            raise ImportError(f"nxldadosgc.classes has no {nome}: regenerate it (python3 python/gerar_classes.py)")
        _ligar(layout, cls)


VERSAO_PACOTE, LAYOUTS = _carregar()
_classes(LAYOUTS)
CLASSES = {nome: layout.classe for nome, layout in LAYOUTS.items()}
