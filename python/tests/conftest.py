"""Shared by the tests: random record trees built from the layouts, and nxgc (the C++ tool) for
the cross-checks, found through the NXGC environment variable; without it those tests skip."""

import os
import random
import subprocess

import pytest

from nxldadosgc.esquema import Layout
from nxldadosgc import textos

NXGC = os.environ.get("NXGC")


def nxgc_disponivel() -> bool:
    return bool(NXGC) and os.access(NXGC, os.X_OK)


def rodar_nxgc(*argumentos, entrada: bytes = None) -> subprocess.CompletedProcess:
    return subprocess.run([NXGC, *argumentos], input=entrada, capture_output=True, timeout=60)


@pytest.fixture
def nxgc():
    """Runs nxgc; tests that need it skip when it is not there."""
    if not nxgc_disponivel():
        pytest.skip("NXGC does not name the built nxgc")
    return rodar_nxgc


# Raw values worth meeting: boundaries of each encoding, and values that decode to nothing.
_DIAS = [0, 1, 2, 55578, 62192, 1048247, 1048248, 0xFFFFFFFF]
_COMPETENCIAS = [0, 1, 2040, 2044, 34440, 34441, 0xFFFF]
_MOMENTOS = [0, 0x00F574014047FBB7, 1 << 56 | 0x014047FBB7, -1, (-1800 & 0x3FFFF) << 38 | 5373426615,
             (30 & 0x3FFFF) << 38 | 5373426615]


def _bytes(rng, n):
    return bytes(rng.getrandbits(8) for _ in range(n))


def _valor(c, rng):
    """A random value of field c, as a read record would hold it."""
    t = c.tipo
    if t == "texto":
        texto = bytes(rng.randrange(1, 256) for _ in range(rng.randrange(c.largura)))
        campo = texto + bytes(c.largura - len(texto))
        if len(texto) < c.largura - 2 and rng.random() < 0.3:  # bytes after the terminator
            campo = campo[:len(texto) + 1] + _bytes(rng, c.largura - len(texto) - 2) + b"\0"
        return textos.texto_de_bruto(campo, textos.pagina(1252))
    if t == "lacuna":
        return _bytes(rng, c.largura) if rng.random() < 0.3 else bytes(c.largura)
    if t in ("posicao", "REG_NXDMC", "registro"):
        return _bytes(rng, c.largura)
    amostras = {"REG_NXDMA": _DIAS, "REG_NXMA": _COMPETENCIAS, "REG_NXDMAHMSUTC": _MOMENTOS}.get(t)
    if amostras and rng.random() < 0.5:
        return c.de_bruto(rng.choice(amostras))
    if t == "REG_NXDMA" and rng.random() < 0.5:
        return c.de_bruto(rng.randrange(2, 1048248))
    if t == "REG_NXMA" and rng.random() < 0.5:
        return c.de_bruto(rng.randrange(1, 34441))
    if t == "REG_NXDMAHMSUTC" and rng.random() < 0.5:
        utc = rng.randrange(-1439, 1440) * 60
        return c.de_bruto((rng.randrange(2 * 86400, 1048248 * 86400) | (utc & 0x3FFFF) << 38))
    bruto = rng.getrandbits(8 * c.largura)
    if t in ("char", "CY", "REG_NXDMAHMSUTC") and bruto >> (8 * c.largura - 1):
        bruto -= 1 << (8 * c.largura)
    return c.de_bruto(bruto) if c.de_bruto else bruto


def arvore_aleatoria(layout: Layout, rng: random.Random, elementos: int = 2):
    """A record of the layout with random values, every list holding 1..elementos records (or
    numbers), every holder one, every member key filled."""
    objeto = layout.classe()
    for c in layout.campos:
        if c.lista is not None or c.tipo == "ponteiro":
            continue
        if c.sub is not None:
            setattr(objeto, c.nome, arvore_aleatoria(c.sub, rng, elementos))
        else:
            setattr(objeto, c.nome, _valor(c, rng))
    for f in layout.filhos:
        if f.tipo == "chave":
            continue
        if f.elemento is None:
            filhos = [rng.getrandbits(32) for _ in range(rng.randint(1, elementos))]
        else:
            filhos = [arvore_aleatoria(f.elemento, rng, elementos) for _ in range(rng.randint(1, elementos))]
        setattr(objeto, f.nome, filhos if f.tipo == "lista" else filhos[0])
    return objeto
