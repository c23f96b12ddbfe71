#!/usr/bin/env bash
# Instructions per operation of some benchmark rows, counted by callgrind: unlike times, the same
# on every run whatever else the machine is doing. Only the timed parts of each row are counted
# (the rows switch collection on and off around them), over one iteration.
#   bench/instrucoes.sh BUILD_DIR WORKLOAD 'ROW_REGEX' ...
# e.g. bench/instrucoes.sh build/bench CustoGrande 'CopiarParaPS\+liberar$' 'operator==$'
set -euo pipefail
bancada="$1/bench/bancada"
carga="$2"
shift 2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for linha in "$@"; do
  valgrind --tool=callgrind --collect-atstart=no --callgrind-out-file="$tmp/cg.out" \
    "$bancada" --cargas="$carga" --benchmark_filter="^$carga/$linha" --benchmark_min_time=0 \
    --benchmark_out="$tmp/saida.json" --benchmark_out_format=json >/dev/null 2>"$tmp/valgrind.txt"
  ir=$(callgrind_annotate "$tmp/cg.out" 2>/dev/null | awk '/PROGRAM TOTALS/{gsub(",","",$1); print $1}')
  python3 - "$tmp/saida.json" "$ir" <<'PY'
import json, sys
linhas = json.load(open(sys.argv[1]))["benchmarks"]
if len(linhas) != 1:
    sys.exit("expected one row, got %d" % len(linhas))
l = linhas[0]
por_op = int(sys.argv[2]) / (l["iterations"] * l.get("lote", 1))
print("%-44s %14.0f Ir/op" % (l["name"], por_op))
PY
done
