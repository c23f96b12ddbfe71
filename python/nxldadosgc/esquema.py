"""The record layouts of every data class, from the schema the package carries, and one Python
class per layout whose attributes are the record's fields, lists, holders and member keys.

A record's attributes, by the kind of field behind them:
  u8, char, u16, u32, counts that belong to no list      int
  CY                                                    decimal.Decimal
  REG_NXMA                                              Competencia, None for 0, or the raw int
  REG_NXDMA                                             datetime.date, None for 0, or the raw int
  REG_NXDMAHMSUTC                                       aware datetime.datetime, None for 0, or the raw int
  texts                                                 str (Texto when bytes follow the terminator)
  REG_NXDMC, locators, gaps, opaque records             bytes of the field's width
  a list                                                list of records (or of ints), named after the list
  a holder                                              a record or None
  a member key                                          a record of the key's class
A list's count and a child's pointer are not attributes: the writer derives them.
"""

import json
import struct
from importlib import resources

from . import valores as v

# The plain numbers, which the struct range-checks: kind -> (minimo, maximo).
LIMITES = {nome: t.limites for nome, t in v.TIPOS.items() if t.forma == "inteiro"}


class Campo:
    """One field of a record: name, offset, width, kind; `sub` is the layout of an embedded
    record, `filho` the child whose pointer this is, `lista` the list whose count this is."""

    def __init__(self, d):
        self.nome, self.deslocamento, self.largura, self.tipo = d["nome"], d["deslocamento"], d["largura"], d["tipo"]
        self.sub = self.filho = self.lista = None
        self.membro = False
        t = v.TIPOS.get(self.tipo)
        if t is None:
            raise ValueError(f"field {self.nome}: unknown kind {self.tipo!r}")
        if t.codigo and struct.calcsize("<" + t.codigo) != self.largura:
            raise ValueError(f"field {self.nome}: a {self.tipo} is not {self.largura} bytes wide")
        # struct code: numbers by kind, bytes as they are; an embedded record is read on its own
        self.codigo = t.codigo or f"{self.largura}s"
        self.de_bruto = t.de_bruto
        self.para_bruto = t.para_bruto(self.largura) if t.para_bruto else None  # none for a pointer
        self.vazio = t.vazio(self.largura) if t.vazio else None

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


class Layout:
    """The layout of one record: its class name (None for an embedded record that is not a
    member key), size, fields in table order and children in the order of their slots."""

    def __init__(self, nome, tamanho):
        self.nome, self.tamanho = nome, tamanho
        self.campos, self.filhos = [], []
        self.classe = None

    def _montar(self, campos, filhos, layouts):
        self.campos = [Campo(c) for c in campos]
        self.filhos = sorted((Filho(f, layouts) for f in filhos), key=lambda f: f.ponteiro)
        por_deslocamento = {c.deslocamento: c for c in self.campos}
        for f in self.filhos:
            c = por_deslocamento[f.ponteiro]
            if f.tipo == "chave":
                c.membro = True
            else:
                c.filho = f
                if f.quantidade is not None:
                    por_deslocamento[f.quantidade].lista = f
        for c, d in zip(self.campos, campos):
            if c.tipo == "registro" and "campos" in d:
                c.codigo = f"{c.largura}x"
                if c.membro:
                    c.sub = layouts[d["classe"]]
                else:
                    c.sub = Layout(None, c.largura)
                    c.sub._montar(d["campos"], [], layouts)
                    c.sub.classe = _classe(f"{self.nome}_{c.nome}", c.sub)
        fim = 0
        for c in self.campos:
            if c.deslocamento != fim:
                raise ValueError(f"{self.nome}.{c.nome}: fields must cover the record in order")
            fim += c.largura
        if fim != self.tamanho:
            raise ValueError(f"{self.nome}: fields cover {fim} of {self.tamanho} bytes")

    def atributos(self):
        """(name, value of an empty record, or a function that makes it) of every attribute, in
        field-table order."""
        r = []
        for c in self.campos:
            if c.lista is not None:
                continue
            if c.tipo == "ponteiro":
                if c.filho is not None:
                    r.append((c.filho.nome, None, list if c.filho.tipo == "lista" else None))
            elif c.sub is not None:
                r.append((c.nome, None, lambda sub=c.sub: sub.classe()))
            else:
                r.append((c.nome, c.vazio, None))
        return r


class Registro:
    """A record of one data class, its fields and children as attributes (see the module's
    description for their Python types). Built empty, or with some attributes given by name."""

    __slots__ = ()
    layout: Layout = None  # set on each subclass

    def __init__(self, **valores):
        for nome, vazio, fabrica in self._padroes:
            setattr(self, nome, fabrica() if fabrica else vazio)
        for nome, valor in valores.items():
            if nome not in self._nomes:
                raise TypeError(f"{type(self).__name__} has no field, list, holder or member key {nome!r}")
            setattr(self, nome, valor)

    def bruto(self, nome: str):
        """The raw value of a field as the record holds it: an int, or the field's bytes."""
        for c in self.layout.campos:
            if c.nome == nome and c.sub is None and c.tipo != "ponteiro" and c.lista is None:
                return c.para_bruto(getattr(self, nome))
        raise KeyError(f"{type(self).__name__} has no field {nome!r} with a raw value")

    def __eq__(self, outro):
        if type(outro) is not type(self):
            return NotImplemented
        return all(getattr(self, n) == getattr(outro, n) for n in self._nomes)

    __hash__ = None

    def __repr__(self):
        partes = []
        for nome, vazio, fabrica in self._padroes:
            valor = getattr(self, nome)
            if valor != (fabrica() if fabrica else vazio):
                partes.append(f"{nome}={valor!r}")
        return f"{type(self).__name__}({', '.join(partes)})"


def _classe(nome, layout):
    padroes = layout.atributos()
    nomes = [n for n, _, _ in padroes]
    if len(set(nomes)) != len(nomes):
        raise ValueError(f"{nome}: two attributes share a name")
    cls = type(nome, (Registro,), {"__slots__": tuple(nomes), "layout": layout, "_padroes": tuple(padroes),
                                   "_nomes": frozenset(nomes), "__module__": __name__})
    layout.classe = cls
    return cls


def _carregar():
    documento = json.loads(resources.files(__package__).joinpath("esquema.json").read_text(encoding="utf-8"))
    layouts = {c["classe"]: Layout(c["classe"], c["tamanhoRegistro"]) for c in documento["classes"]}
    for c in documento["classes"]:
        layouts[c["classe"]]._montar(c["campos"], c["filhos"], layouts)
    # Member keys are classes too: their records are built from the same Python class wherever
    # they sit. Classes are made after every layout is complete.
    for nome, layout in layouts.items():
        _classe(nome, layout)
    return documento["versaoPacote"], layouts


VERSAO_PACOTE, LAYOUTS = _carregar()
CLASSES = {nome: layout.classe for nome, layout in LAYOUTS.items()}
