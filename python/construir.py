"""The package's own build backend (PEP 517), kept in its tree so that `pip install ./python`
needs nothing from a package index: it zips the package into a wheel, or the tree into an sdist,
with the standard library alone."""

import base64
import hashlib
import io
import os
import tarfile
import tomllib
import zipfile
from pathlib import Path

RAIZ = Path(__file__).resolve().parent


def _projeto() -> dict:
    with open(RAIZ / "pyproject.toml", "rb") as f:
        return tomllib.load(f)["project"]


def _nome_versao():
    p = _projeto()
    return p["name"], p["version"]


def _metadados() -> str:
    p = _projeto()
    linhas = ["Metadata-Version: 2.1", f"Name: {p['name']}", f"Version: {p['version']}",
              f"Summary: {p['description']}", f"Requires-Python: {p['requires-python']}"]
    for extra, dependencias in p.get("optional-dependencies", {}).items():
        linhas.append(f"Provides-Extra: {extra}")
        linhas += [f'Requires-Dist: {d}; extra == "{extra}"' for d in dependencias]
    leia = RAIZ / "README.md"
    if leia.exists():
        linhas += ["Description-Content-Type: text/markdown", "", leia.read_text(encoding="utf-8")]
    return "\n".join(linhas) + "\n"


def _arquivos_do_pacote():
    """(name in the archive, path) of every file of the package, in a fixed order."""
    for caminho in sorted((RAIZ / "nxldadosgc").rglob("*")):
        if caminho.is_file() and "__pycache__" not in caminho.parts and caminho.suffix in (".py", ".json", ".typed"):
            yield caminho.relative_to(RAIZ).as_posix(), caminho


def _resumo(dados: bytes) -> str:
    return "sha256=" + base64.urlsafe_b64encode(hashlib.sha256(dados).digest()).rstrip(b"=").decode()


def get_requires_for_build_wheel(config_settings=None):
    return []


def get_requires_for_build_sdist(config_settings=None):
    return []


def get_requires_for_build_editable(config_settings=None):
    return []


def _roda(diretorio: str, editavel: bool) -> str:
    nome, versao = _nome_versao()
    arquivo = f"{nome}-{versao}-py3-none-any.whl"
    info = f"{nome}-{versao}.dist-info"
    conteudo = []
    if editavel:  # a path file that puts the source tree on sys.path
        conteudo.append((f"{nome}.pth", (str(RAIZ) + "\n").encode()))
    else:
        conteudo += [(n, p.read_bytes()) for n, p in _arquivos_do_pacote()]
    conteudo += [(f"{info}/METADATA", _metadados().encode()),
                 (f"{info}/WHEEL", b"Wheel-Version: 1.0\nGenerator: construir\nRoot-Is-Purelib: true\nTag: py3-none-any\n")]
    registro = "".join(f"{n},{_resumo(d)},{len(d)}\n" for n, d in conteudo) + f"{info}/RECORD,,\n"
    with zipfile.ZipFile(os.path.join(diretorio, arquivo), "w", zipfile.ZIP_DEFLATED) as z:
        for n, d in conteudo + [(f"{info}/RECORD", registro.encode())]:
            z.writestr(zipfile.ZipInfo(n, (2020, 1, 1, 0, 0, 0)), d)
    return arquivo


def build_wheel(wheel_directory, config_settings=None, metadata_directory=None):
    return _roda(wheel_directory, False)


def build_editable(wheel_directory, config_settings=None, metadata_directory=None):
    return _roda(wheel_directory, True)


def build_sdist(sdist_directory, config_settings=None):
    nome, versao = _nome_versao()
    base = f"{nome}-{versao}"
    arquivos = [(n, p) for n, p in _arquivos_do_pacote()]
    arquivos += [(n, RAIZ / n) for n in ("pyproject.toml", "construir.py", "README.md") if (RAIZ / n).exists()]
    with tarfile.open(os.path.join(sdist_directory, base + ".tar.gz"), "w:gz", format=tarfile.PAX_FORMAT) as t:
        for n, p in arquivos:
            t.add(p, f"{base}/{n}")
        metadados = _metadados().encode()
        info = tarfile.TarInfo(f"{base}/PKG-INFO")
        info.size = len(metadados)
        t.addfile(info, io.BytesIO(metadados))
    return base + ".tar.gz"
