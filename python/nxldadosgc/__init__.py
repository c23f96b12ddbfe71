"""Record trees of NXLDadosGC in Python: the packed form read and written without C++.

    import nxldadosgc
    arvore = nxldadosgc.ler(open("centro.nxgc", "rb").read())   # checked like the C++ reader
    arvore.Conta[0].PonteiroContaContabil = 3102
    open("centro.nxgc", "wb").write(nxldadosgc.escrever(arvore))  # the bytes C++ writes

Each data class is a class of this module (nxldadosgc.CNXDadosGC_CentroCustos), its record's
fields, lists, holders and member keys attributes by name. With numpy, lists are also columns
(Lista.colunas, colunas_da_classe); see python/README.md.
"""

from .esquema import CLASSES, LAYOUTS, Registro  # first: it binds the classes to their layouts
from . import classes
from .classes import *  # noqa: F401,F403 - every data class
from .lista import Lista
from .pacote import ErroArvore, ErroEmpacotamento, escrever, ler
from .textos import PAGINAS, Texto
from .valores import Competencia

__all__ = ["ler", "escrever", "classe", "colunas_da_classe", "CLASSES", "LAYOUTS", "PAGINAS", "Registro", "Lista",
           "Competencia", "Texto", "ErroEmpacotamento", "ErroArvore", *classes.__all__]


def classe(nome: str) -> type:
    """The class of records of the data class `nome`."""
    try:
        return CLASSES[nome]
    except KeyError:
        raise KeyError(f"unknown class {nome!r}") from None


def colunas_da_classe(arvore: Registro, classe: str, lacunas: bool = False):
    """Every record of class `classe` in the lists and holders of a tree as one numpy structured
    array, with the path of the list each came from (see nxldadosgc.vetorial)."""
    from .vetorial import colunas_da_classe
    return colunas_da_classe(arvore, classe, lacunas)
