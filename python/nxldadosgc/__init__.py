"""Record trees of NXLDadosGC in Python: the packed form read and written without C++.

    import nxldadosgc
    arvore = nxldadosgc.ler(open("centro.nxgc", "rb").read())   # checked like the C++ reader
    arvore.Conta[0].PonteiroContaContabil = 3102
    open("centro.nxgc", "wb").write(nxldadosgc.escrever(arvore))  # the bytes C++ writes

Each data class is a class of this module (nxldadosgc.CNXDadosGC_CentroCustos), its record's
fields, lists, holders and member keys attributes by name.
"""

from .esquema import CLASSES, LAYOUTS, Registro
from .pacote import ErroArvore, ErroEmpacotamento, escrever, ler
from .valores import Competencia
from .textos import Texto

__all__ = ["ler", "escrever", "classe", "CLASSES", "LAYOUTS", "Registro", "Competencia", "Texto", "ErroEmpacotamento",
           "ErroArvore"]


def classe(nome: str) -> type:
    """The class of records of the data class `nome`."""
    try:
        return CLASSES[nome]
    except KeyError:
        raise KeyError(f"unknown class {nome!r}") from None


def __getattr__(nome):
    if nome in CLASSES:
        return CLASSES[nome]
    raise AttributeError(f"module {__name__!r} has no attribute {nome!r}")


def __dir__():
    return sorted(list(globals()) + list(CLASSES))
