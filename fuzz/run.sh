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
# libFuzzer's own log goes to a file; what it did is summed up at the end: how many inputs
# ran, in how long, and so how many a second.
log="$work/last-run.log"
status=0
"$build/fuzz/$target" "$work/corpus" "$seeds" \
  -max_total_time="$seconds" -max_len=262144 -rss_limit_mb=2048 -timeout=30 \
  -print_final_stats=1 -artifact_prefix="$work/artifacts/" "$@" >"$log" 2>&1 || status=$?
runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
elapsed=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -n 1)
runs=${runs:-0}
elapsed=${elapsed:-$seconds}
echo "$target: $runs inputs in ${elapsed} s ($((runs / (elapsed > 0 ? elapsed : 1))) a second)"
if [ "$status" -ne 0 ]; then
  tail -n 60 "$log"
  echo "$target: failed (exit $status); the input is in $work/artifacts/"
fi
exit "$status"
