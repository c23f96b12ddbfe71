"""The README's install command, run as written (with this tree's package) in a fresh virtual
environment of each Python 3.11+ at hand, with no package index reachable."""

import os
import re
import shutil
import subprocess
import sys
from pathlib import Path

import pytest

PYTHON = Path(__file__).resolve().parents[1]


def _interpretadores():
    vistos = {}
    for candidato in (sys.executable, shutil.which("python3"), shutil.which("python3.11")):
        if candidato and os.access(candidato, os.X_OK):
            real = subprocess.run([candidato, "-c", "import os, sys; print(sys.version_info >= (3, 11) and "
                                   "os.path.realpath(sys.executable))"], capture_output=True, text=True).stdout.strip()
            if real != "False":
                vistos.setdefault(real, candidato)
    return sorted(vistos.values())


@pytest.mark.parametrize("python", _interpretadores())
def test_instalar_como_o_readme_diz(python, tmp_path):
    comando = re.search(r"```sh\n(python3 -m venv [^\n]*pip install \./python)\n```",
                        (PYTHON / "README.md").read_text(encoding="utf-8")).group(1)
    comando = comando.replace("python3 ", f"{python} ", 1).replace("./python", str(PYTHON))
    ambiente = dict(os.environ, PIP_NO_INDEX="1", PIP_DISABLE_PIP_VERSION_CHECK="1")
    ambiente.pop("PYTHONPATH", None)
    r = subprocess.run(comando, shell=True, cwd=tmp_path, env=ambiente, capture_output=True, text=True, timeout=300)
    assert r.returncode == 0, r.stdout + r.stderr
    r = subprocess.run([str(tmp_path / ".venv/bin/python"), "-c",
                        "import nxldadosgc as nx; print(nx.__file__); print(nx.escrever(nx.CNXDadosGC_CentroCustos())[:8])"],
                       cwd=tmp_path, env=ambiente, capture_output=True, text=True, timeout=60)
    assert r.returncode == 0, r.stderr
    assert str(tmp_path / ".venv") in r.stdout and "NXGCPACK" in r.stdout
