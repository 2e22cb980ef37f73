#!/usr/bin/env bash
# Builds Halvenor (installing what is missing) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHALVENOR_TESTS=OFF -DHALVENOR_BENCH=OFF \
  "${launcher[@]}" >/dev/null
cmake --build build --target halvenor -j"$(nproc)"
exec ./build/halvenor "$@"
