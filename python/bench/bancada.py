"""Time of reading and writing the big production-cost tree of bench/ (1,000 results, each with
its entry, 20 processing lines and 20 input lines: 41,001 records, 3.18 MB packed), filled as
bench/Cargas.cpp fills it: every field with an accessor gets pseudo-random bytes; beside it the
same tree as Python Protocol Buffers (bench/Referencia.proto, compiled with protoc).

    /usr/bin/python3 python/bench/bancada.py [--rodadas N] [--grande build/default/tools/nxgc/nxgc]

Prints the median of N runs of each operation, in wall-clock and processor time; --grande also
dumps the 64 MiB tree with this package (with and without numpy) and with nxgc (time and peak
memory). Output buffers are reused from run to run, as in any loop that writes or prints many
trees; on a machine where the first touch of a page is dear, a single run costs more.
"""

import argparse
import filecmp
import os
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

RAIZ = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(RAIZ / "python"))

import nxldadosgc  # noqa: E402
from nxldadosgc import documento, vetorial  # noqa: E402


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


def medir(rodadas: int, f):
    """Median wall-clock and processor time of `rodadas` runs (the machine may be shared: the
    processor time shows what an idle one would give)."""
    parede, processador = [], []
    for _ in range(rodadas):
        inicio, cpu = time.perf_counter(), time.process_time()
        f()
        parede.append(time.perf_counter() - inicio)
        processador.append(time.process_time() - cpu)
    return statistics.median(parede), statistics.median(processador)


def protobuf(arvore, pasta):
    """The same tree as a Protocol Buffers message (bench/Referencia.proto, compiled with protoc
    into pasta), or None when protoc or the Python runtime is missing."""
    proto = RAIZ / "bench" / "Referencia.proto"
    try:
        subprocess.run(["protoc", f"-I{proto.parent}", f"--python_out={pasta}", proto.name], check=True,
                       capture_output=True)
        sys.path.insert(0, pasta)
        import Referencia_pb2 as pb
    except (OSError, subprocess.CalledProcessError, ImportError):
        return None, None
    m = pb.CustoProducao()
    for r in arvore.Resultado:
        pr = m.resultado.add(custo_total=r.bruto("CustoTotal"), ponteiro_processo=r.PonteiroProcesso)
        for p in r.CustoProcessamento:
            pr.custo_processamento.add(custo_total=p.bruto("CustoTotal"), quant_processada=p.bruto("QuantProcessada"),
                                       custo_hora=p.bruto("CustoHora"), ponteiro_processo=p.PonteiroProcesso)
        for b in r.CustoBaixaInsumo:
            pr.custo_baixa_insumo.add(custo_total=b.bruto("CustoTotal"), quant_consumida=b.bruto("QuantConsumida"))
    return pb, m


def main():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("--rodadas", type=int, default=7, help="runs of each operation (default 7)")
    p.add_argument("--grande", metavar="NXGC", help="also dump the 64 MiB tree with this package and with this nxgc")
    a = p.parse_args()
    rodadas = a.rodadas

    arvore = custo_producao(1000, 20)
    dados = nxldadosgc.escrever(arvore)
    assert nxldadosgc.ler(dados) == arvore
    processamento = "CNXDadosGC_CustoProducaoProcessamento"
    linhas = []

    def linha(nome, f, par=None):
        parede, cpu = medir(rodadas, f)
        linhas.append((nome, parede, cpu, par))

    def soma_atributos(arv):
        return sum(p.CustoTotal for r in arv.Resultado for p in r.CustoProcessamento)

    linha("ler, record by record", lambda: nxldadosgc.ler(dados, vetorial=False))
    linha("ler + sum through attributes", lambda: soma_atributos(nxldadosgc.ler(dados, vetorial=False)))
    if vetorial.np is not None:
        linha("ler, numpy columns", lambda: nxldadosgc.ler(dados, vetorial=True))
        lida = nxldadosgc.ler(dados)
        linha("sum of CustoTotal, columns",
              lambda: nxldadosgc.colunas_da_classe(lida, processamento).registros["CustoTotal"].sum())
        colunas = [(r.CustoProcessamento.colunas(), r.CustoBaixaInsumo.colunas()) for r in lida.Resultado]

        def de_colunas():
            custo = nxldadosgc.ler(dados)
            for r, (cp, cb) in zip(custo.Resultado, colunas):
                r.CustoProcessamento, r.CustoBaixaInsumo = cp, cb
            return nxldadosgc.escrever(custo)
        assert de_colunas() == dados
        linha("write from columns (set every list, escrever)", de_colunas)
    linha("escrever of objects built here", lambda: nxldadosgc.escrever(arvore))
    linha("JSON text of the tree", lambda: documento.texto_json(nxldadosgc.ler(dados)))
    with tempfile.TemporaryDirectory() as pasta:
        pb, m = protobuf(nxldadosgc.ler(dados), pasta)
        if pb is not None:
            serializado = m.SerializeToString()
            from google.protobuf.internal import api_implementation
            peer = f"Protocol Buffers ({api_implementation.Type()})"
            linha(f"{peer}: parse", lambda: pb.CustoProducao.FromString(serializado))
            linha(f"{peer}: parse + sum", lambda: sum(
                p.custo_total for r in pb.CustoProducao.FromString(serializado).resultado for p in r.custo_processamento))
            linha(f"{peer}: serialize", m.SerializeToString)
    print(f"big tree: {len(dados):,} bytes, 41,001 records; median of {rodadas} runs; Python {sys.version.split()[0]}, "
          f"numpy {getattr(vetorial.np, '__version__', 'absent')}")
    print(f"  {'':52} {'wall':>9}  {'processor':>9}")
    for nome, parede, cpu, _ in linhas:
        print(f"  {nome:52} {parede * 1000:7.1f} ms  {cpu * 1000:7.1f} ms")
    if a.grande:
        grande(os.path.abspath(a.grande))


def grande(nxgc: str):
    """python3 -m nxldadosgc dump of the 64 MiB tree (one list of 4 Mi cost centres of 16 bytes)
    against nxgc dump: time and peak memory of each, as /usr/bin/time sees them."""
    if vetorial.np is None:
        print("64 MiB tree: skipped, its records are drawn with numpy, which this Python lacks")
        return
    conta = nxldadosgc.CNXDadosGC_MatrizRateioConta(PonteiroContaContabil=3101)
    n = 4 << 20
    g = Gerador()
    centros = bytearray(16 * n)
    for k in range(0, n, 1 << 16):  # the same pseudo-random bytes every run, drawn a batch at a time
        s = g.proximo()
        lote = vetorial.np.random.default_rng(s).integers(0, 256, 16 << 16, dtype=vetorial.np.uint8)
        lote = lote.reshape(-1, 16)
        lote[:, 13:] = 0
        centros[16 * k:16 * (k + (1 << 16))] = lote.tobytes()
    conta.CentroCustos = vetorial.np.frombuffer(bytes(centros), vetorial.tipo(
        nxldadosgc.LAYOUTS["CNXDadosGC_MatrizRateioCentroCustos"], True))
    with tempfile.TemporaryDirectory() as pasta:
        arquivo = os.path.join(pasta, "grande.nxgc")
        with open(arquivo, "wb") as f:
            f.write(nxldadosgc.escrever(conta))
        print(f"64 MiB tree: {os.path.getsize(arquivo):,} bytes; dump to a file, 3 runs each, interleaved")
        sem_numpy = ["-c", "import runpy, sys; sys.modules['numpy'] = None; sys.argv[0] = 'nxldadosgc'; "
                           "runpy.run_module('nxldadosgc', run_name='__main__')"]
        for _ in range(3):
            for nome, comando, saida in (("nxgc dump", [nxgc, "dump"], "a.json"),
                                         ("python3 -m nxldadosgc dump", [sys.executable, "-m", "nxldadosgc", "dump"],
                                          "b.json"),
                                         ("  the same without numpy", [sys.executable, *sem_numpy, "dump"], "c.json")):
                r = subprocess.run(["/usr/bin/time", "-f", "%e %U %S %M", *comando, arquivo, "-o",
                                    os.path.join(pasta, saida)], capture_output=True, text=True, cwd=RAIZ / "python")
                e, u, s_, kb = r.stderr.split()[-4:]
                print(f"  {nome:28} wall {float(e):6.2f} s  user+sys {float(u) + float(s_):6.2f} s  "
                      f"peak {int(kb) / 1024:6.0f} MiB")
            for saida in ("b.json", "c.json"):
                assert filecmp.cmp(os.path.join(pasta, "a.json"), os.path.join(pasta, saida), shallow=False)


if __name__ == "__main__":
    main()
