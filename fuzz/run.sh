#!/bin/sh
# Builds a .docx reader fuzzer in its own build directory and runs it for a bounded time.
#   fuzz/run.sh SECONDS [extra libFuzzer arguments...]
# FUZZ_TARGET picks the fuzzer: fuzz_docx_reader (default; whole files, seeded with the
# corpus of broken packages and the valid ones beside them) or fuzz_docx_document_xml (the
# main document part only, seeded with the valid packages' document parts).
set -eu
seconds=${1:-60}
[ $# -gt 0 ] && shift
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
target=${FUZZ_TARGET:-fuzz_docx_reader}
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
work=${FUZZ_WORK_DIR:-$build/fuzz-work/$target}

cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHALVENOR_FUZZ=ON -DHALVENOR_TESTS=OFF \
  -DHALVENOR_BENCH=OFF -DHALVENOR_SANITIZE=ON >/dev/null
make -C "$build" -j2 "$target"

# The fuzzer adds what it learns to the first directory; the seeds stay untouched.
mkdir -p "$work/corpus" "$work/artifacts" "$work/seeds"
case "$target" in
  fuzz_docx_document_xml)
    for package in "$root"/tests/engine/corpus/valid/*.docx; do
      unzip -p "$package" word/document.xml >"$work/seeds/$(basename "$package" .docx).xml"
    done
    seeds="$work/seeds" ;;
  *)
    seeds="$root/tests/engine/corpus" ;;
esac
exec "$build/fuzz/$target" "$work/corpus" "$seeds" \
  -max_total_time="$seconds" -max_len=262144 -rss_limit_mb=2048 -timeout=30 \
  -artifact_prefix="$work/artifacts/" "$@"
