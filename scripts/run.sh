#!/usr/bin/env bash
# Installs what is missing, builds in Release, installs the program into its
# portable folder (dist/Vantresa) and starts it. The folder holds the
# archives and the password store: a new install never overwrites them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
build=build/release
prefix=${VANTRESA_HOME:-$PWD/dist/Vantresa}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVANTRESA_TESTS=OFF -DVANTRESA_BENCH=OFF
cmake --build "$build" -j"$(nproc)"
cmake --install "$build" --prefix "$prefix"
[ "${VANTRESA_NO_START:-0}" = 1 ] && exit 0
exec "$prefix/Vantresa"
