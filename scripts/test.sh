#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and
# runs the whole test suite on Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
build=${BUILD_DIR:-build/test}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTRESA_WERROR=ON
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
