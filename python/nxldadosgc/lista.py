"""A list of a record: its records (or u32 numbers) in order.

A list of a read tree is a view of its block: its elements are read from the buffer when
indexed or iterated, and a change to an element's fields writes into the buffer. Changing the
list itself (adding, removing, replacing elements) turns it into a list of objects first. With
numpy, `colunas()` gives the block as a structured array without copying it.
"""

import struct
from collections.abc import MutableSequence

from .valores import ErroValor, com_nome, inteiro


class Lista(MutableSequence):
    """The elements of one list of a record."""

    __slots__ = ("filho", "_a", "_d", "_n", "_cache", "_itens")

    @classmethod
    def do_bloco(cls, filho, a, d: int, n: int) -> "Lista":
        """A view of the n elements of the block at offset d of a's buffer."""
        lista = object.__new__(cls)
        lista.filho, lista._a, lista._d, lista._n, lista._itens = filho, a, d, n, None
        # Elements that have children of their own are kept once made, so that changes to their
        # lists stay; the others are views made afresh at each touch.
        lista._cache = [None] * n if filho.elemento is not None and filho.elemento.slots else None
        return lista

    @classmethod
    def de_itens(cls, filho, itens) -> "Lista":
        """A list holding the given elements, each checked against the list's element type."""
        lista = object.__new__(cls)
        lista.filho, lista._a, lista._d, lista._n, lista._cache = filho, None, 0, 0, None
        lista._itens = [lista._conferir(x, k) for k, x in enumerate(itens)]
        return lista

    def _conferir(self, x, k=None):
        elemento = self.filho.elemento
        onde = "" if k is None else f"[{k}]: "
        if elemento is None:
            if type(x) is not int:
                raise TypeError(f"{onde}expected an int, got {type(x).__name__}")
            try:
                return inteiro(x, 0, 0xFFFFFFFF)
            except ErroValor as e:
                raise ErroValor(f"{onde}{e}") from None
        if type(x) is not elemento.classe:
            raise TypeError(f"{onde}expected a {elemento.nome}, got {type(x).__name__}")
        return x

    def _erro(self, e):
        return com_nome(self.filho.dono.nome if self.filho.dono else "", self.filho.nome, e)

    # ---- Reading -----------------------------------------------------------------------------

    def __len__(self):
        return self._n if self._itens is None else len(self._itens)

    def _elemento(self, k: int):
        elemento = self.filho.elemento
        d = self._d + k * self.filho.tamanho
        if elemento is None:
            return _U32.unpack_from(self._a.m, d)[0]
        cache = self._cache
        if cache is not None:
            r = cache[k]
            if r is None:
                r = cache[k] = _vista(elemento, self._a, d)
            return r
        return _vista(elemento, self._a, d)

    def __getitem__(self, k):
        if self._itens is not None:
            return self._itens[k]
        if isinstance(k, slice):
            return [self._elemento(i) for i in range(*k.indices(self._n))]
        n = self._n
        if k < 0:
            k += n
        if not 0 <= k < n:
            raise IndexError(f"index {k} outside the {n} elements of list {self.filho.nome}")
        return self._elemento(k)

    def __iter__(self):
        if self._itens is not None:
            return iter(self._itens)
        if self.filho.elemento is None:
            return iter(self._numeros())
        if self._cache is not None:
            return (self._elemento(k) for k in range(self._n))
        return _vistas(self.filho.elemento, self._a, self._d, self.filho.tamanho, self._n)

    def _numeros(self) -> list:
        return list(struct.unpack_from(f"<{self._n}I", self._a.m, self._d)) if self._n else []

    def __eq__(self, outro):
        if not isinstance(outro, (Lista, list)):
            return NotImplemented
        return len(self) == len(outro) and all(x == y for x, y in zip(self, outro))

    __hash__ = None

    def __repr__(self):
        return f"Lista({list(self)!r})"

    def __deepcopy__(self, memo):
        import copy
        if self._itens is None and self._cache is None:  # a view of plain records: its block's bytes copied
            from .esquema import Pacote
            t = self.filho.tamanho * self._n
            return Lista.do_bloco(self.filho, Pacote(bytearray(self._a.m[self._d:self._d + t]), self._a.pagina), 0,
                                  self._n)
        return Lista.de_itens(self.filho, [copy.deepcopy(x, memo) for x in self])

    # ---- Columns (numpy) ----------------------------------------------------------------------

    def colunas(self, lacunas: bool = False):
        """The list as a read-only numpy structured array, a view of its block when the list is
        one of a read tree (see nxldadosgc.vetorial)."""
        from .vetorial import colunas
        return colunas(self, lacunas)

    def tabela(self):
        """The list as a pandas DataFrame with decoded columns (see nxldadosgc.vetorial.tabela)."""
        from .vetorial import tabela
        return tabela(self)

    # ---- Changing ----------------------------------------------------------------------------

    def _proprios(self) -> list:
        """The elements as a list of objects, made from the view at the first change."""
        if self._itens is None:
            self._itens = list(self) if self.filho.elemento is not None else self._numeros()
            self._a = self._cache = None
        return self._itens

    def __setitem__(self, k, x):
        try:
            x = [self._conferir(e) for e in x] if isinstance(k, slice) else self._conferir(x)
        except (ErroValor, TypeError) as e:
            raise self._erro(e) from None
        self._proprios()[k] = x

    def __delitem__(self, k):
        del self._proprios()[k]

    def insert(self, k, x):
        try:
            x = self._conferir(x)
        except (ErroValor, TypeError) as e:
            raise self._erro(e) from None
        self._proprios().insert(k, x)

    def clear(self):
        self._itens, self._a, self._cache, self._n = [], None, None, 0

    def extend(self, itens):
        try:
            novos = [self._conferir(x) for x in itens]
        except (ErroValor, TypeError) as e:
            raise self._erro(e) from None
        self._proprios().extend(novos)

    def sort(self, *, key=None, reverse=False):
        self._proprios().sort(key=key, reverse=reverse)


_U32 = struct.Struct("<I")


def _vista(layout, a, d):
    r = object.__new__(layout.classe)
    r._a, r._p, r._f = a, d, None
    return r


def _vistas(layout, a, d, t, n):
    cls, novo = layout.classe, object.__new__
    for p in range(d, d + n * t, t):
        r = novo(cls)
        r._a, r._p, r._f = a, p, None
        yield r
