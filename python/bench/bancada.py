"""Time of reading and writing the big production-cost tree of bench/ (1,000 results, each with
its entry, 20 processing lines and 20 input lines: 41,001 records, 3.18 MB packed), filled as
bench/Cargas.cpp fills it: every field with an accessor gets pseudo-random bytes.

    /usr/bin/python3 python/bench/bancada.py [--rodadas N]

Prints the best of N runs of each operation, in wall-clock and processor time.
"""

import argparse
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import nxldadosgc  # noqa: E402
from nxldadosgc import documento  # noqa: E402


class Gerador:
    """xorshift64*: the same values on every run, as the C++ benchmark's."""

    def __init__(self):
        self.s = 0x9E3779B97F4A7C15

    def proximo(self) -> int:
        s = self.s
        s ^= s >> 12
        s ^= (s << 25) & 0xFFFFFFFFFFFFFFFF
        s ^= s >> 27
        self.s = s
        return (s * 0x2545F4914F6CDD1D) & 0xFFFFFFFFFFFFFFFF


def novo(nome: str, gerador: Gerador):
    """A record whose fields that have accessors hold random bytes; gaps, counts, pointers,
    embedded records and texts stay zero."""
    layout = nxldadosgc.LAYOUTS[nome]
    objeto = layout.classe()
    for c in layout.campos:
        if c.tipo in ("lacuna", "quantidade", "ponteiro", "registro", "texto"):
            continue
        dados = bytes(gerador.proximo() >> 56 for _ in range(c.largura))
        if c.tipo in ("posicao", "REG_NXDMC"):
            setattr(objeto, c.nome, dados)
            continue
        bruto = int.from_bytes(dados, "little", signed=c.tipo in ("char", "CY", "REG_NXDMAHMSUTC"))
        setattr(objeto, c.nome, c.de_bruto(bruto) if c.de_bruto else bruto)
    return objeto


def custo_producao(resultados: int, linhas: int):
    g = Gerador()
    custo = novo("CNXDadosGC_CustoProducao", g)
    for _ in range(resultados):
        resultado = novo("CNXDadosGC_CustoProducaoResultado", g)
        resultado.Entrada = novo("CNXDadosGC_CustoProducaoEntrada", g)
        resultado.CustoProcessamento = [novo("CNXDadosGC_CustoProducaoProcessamento", g) for _ in range(linhas)]
        resultado.CustoBaixaInsumo = [novo("CNXDadosGC_CustoProducaoBaixaInsumo", g) for _ in range(linhas)]
        custo.Resultado.append(resultado)
    return custo


def melhor(rodadas: int, f):
    """Best wall-clock and best processor time of `rodadas` runs: on a busy machine the second
    shows what the first would be on an idle one."""
    parede, processador = [], []
    for _ in range(rodadas):
        inicio, cpu = time.perf_counter(), time.process_time()
        f()
        parede.append(time.perf_counter() - inicio)
        processador.append(time.process_time() - cpu)
    return min(parede), min(processador)


def main():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("--rodadas", type=int, default=5, help="runs of each operation (default 5)")
    rodadas = p.parse_args().rodadas

    arvore = custo_producao(1000, 20)
    dados = nxldadosgc.escrever(arvore)
    assert nxldadosgc.ler(dados) == arvore
    print(f"big tree: {len(dados):,} bytes, {len(dados) / 1e6:.2f} MB; best of {rodadas} runs")
    print(f"  {'':24} {'wall':>9}  {'processor':>9}")
    for nome, f in (("ler (read and check)", lambda: nxldadosgc.ler(dados)),
                    ("escrever (write)", lambda: nxldadosgc.escrever(arvore)),
                    ("JSON text of the tree", lambda: documento.texto_json(arvore))):
        parede, processador = melhor(rodadas, f)
        print(f"  {nome:24} {parede * 1000:6.0f} ms  {processador * 1000:6.0f} ms")

if __name__ == "__main__":
    main()
