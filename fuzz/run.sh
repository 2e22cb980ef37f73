#!/bin/sh
# Builds the .docx reader fuzzer in its own build directory and runs it for a bounded time,
# seeded with the corpus of broken packages and any valid ones beside them.
#   fuzz/run.sh SECONDS [extra libFuzzer arguments...]
set -eu
seconds=${1:-60}
[ $# -gt 0 ] && shift
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
work=${FUZZ_WORK_DIR:-$build/fuzz-work}

cmake -S "$root" -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHALVENOR_FUZZ=ON -DHALVENOR_TESTS=OFF \
  -DHALVENOR_BENCH=OFF -DHALVENOR_SANITIZE=ON >/dev/null
make -C "$build" -j2 fuzz_docx_reader

# The fuzzer adds what it learns to the first directory; the seeds stay untouched.
mkdir -p "$work/corpus" "$work/artifacts"
seeds="$root/tests/engine/corpus"
exec "$build/fuzz/fuzz_docx_reader" "$work/corpus" "$seeds" \
  -max_total_time="$seconds" -max_len=262144 -rss_limit_mb=2048 -timeout=10 \
  -artifact_prefix="$work/artifacts/" "$@"
