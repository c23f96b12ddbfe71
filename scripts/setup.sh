#!/usr/bin/env bash
# Installs everything needed to build, test, fuzz and benchmark NXLDadosGC on Debian 12.
# Safe to run again: when every package is already installed it returns without touching apt.
set -euo pipefail

pacotes=(
  g++ cmake ninja-build pkg-config git python3
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev          # libFuzzer and the clang sanitizer runtimes
  nlohmann-json3-dev libcli11-dev   # tools: JSON dumps and the command line
  libsimdjson-dev                   # the JSON component's reader
  rapidjson-dev                     # ... and its event parser, for trees larger than their text
  libprotobuf-dev protobuf-compiler libflatbuffers-dev flatbuffers-compiler
  libcapnp-dev capnproto            # bench/: the Cap'n Proto peer
  python3-pytest python3-venv       # the Python package: its tests, and installing it into a virtual environment
  python3-numpy python3-pandas      # its optional columns and tables
  python3-protobuf                  # its benchmark's peer
)

faltando=()
for p in "${pacotes[@]}"; do
  # "ii" is dpkg's "installed and configured"; anything else (absent, half-installed) is missing.
  if [[ "$(dpkg-query -W -f='${db:Status-Abbrev}' "$p" 2>/dev/null)" != "ii "* ]]; then
    faltando+=("$p")
  fi
done

if ((${#faltando[@]} == 0)); then
  echo "setup: all ${#pacotes[@]} packages already installed"
  exit 0
fi

echo "setup: installing ${faltando[*]}"
sudo=()
if ((EUID != 0)); then
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${faltando[@]}" </dev/null
