#!/usr/bin/env bash
# Builds Halvenor and runs every test: installs what is missing, checks the formatting and
# the libraries' layering, then
#  1. the optimised build and all its tests (real clients: python-docx and LibreOffice),
#  2. the Debian package made from that build, installed and run (tests/package),
#  3. a build under AddressSanitizer and UndefinedBehaviorSanitizer and its tests,
#  4. the .docx reader's fuzz target for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --test

jobs=$(nproc)
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Paths relative to the checkout, so a fresh clone in another folder reuses the cache.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
export QT_QPA_PLATFORM=offscreen

echo "== formatting"
git ls-files 'src/*' 'tests/*' 'bench/*' 'fuzz/*' | grep -E '\.(h|cpp)$' |
  xargs clang-format --dry-run -Werror

echo "== layering"
scripts/check-layers.sh

echo "== optimised build and tests"
# Tests and benchmarks on by name: scripts/run.sh configures the same folder without them.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHALVENOR_TESTS=ON -DHALVENOR_BENCH=ON \
  "${launcher[@]}" >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure --no-tests=error -j"$jobs")

echo "== Debian package"
tests/package/deb-test.sh build

echo "== sanitizer build and tests"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DHALVENOR_SANITIZE=ON -DHALVENOR_TESTS=ON \
  -DHALVENOR_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build build-asan -j"$jobs"
# Leak checking is off: Qt and fontconfig keep process-lifetime caches that LSan reports.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-asan && ctest --output-on-failure --no-tests=error -j"$jobs")

if [[ -x fuzz/run.sh ]]; then
  echo "== fuzzing the .docx reader"
  fuzz/run.sh "${FUZZ_SECONDS:-120}"
fi
echo "All tests passed."
