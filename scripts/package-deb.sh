#!/usr/bin/env bash
# Makes the Debian package halvenor_<version>_amd64.deb with CPack, from the optimised
# build in the given folder of the checkout (default: build), and prints the package's
# path last.
# Installs what is missing: the build's packages, dpkg-dev (dpkg-shlibdeps finds the
# libraries the program links) and help2man (the manual page).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
scripts/install-deps.sh --package >&2

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
# Only the program is packaged: a new folder builds no tests or benchmarks (CPack builds
# every target first); an existing one keeps its settings.
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
[[ -f $build_dir/CMakeCache.txt ]] || options+=(-DHALVENOR_TESTS=OFF -DHALVENOR_BENCH=OFF)
cmake -S . -B "$build_dir" "${options[@]}" "${launcher[@]}" >&2
cmake --build "$build_dir" --target halvenor package_docs -j"$(nproc)" >&2
rm -f "$build_dir"/package/halvenor_*.deb
(cd "$build_dir" && cpack --config CPackConfig.cmake >&2)
realpath "$build_dir"/package/halvenor_*_amd64.deb
