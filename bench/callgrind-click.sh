#!/usr/bin/env bash
# Instructions per click of "Start Creating Template", counted by callgrind: the whole click
# (shell::Form1::PushButton1_Click, inclusive) and its parts, per click; and the whole
# command-line run of one plan without a PDF.
#
#   bench/callgrind-click.sh [build-dir]          # default: build
#
# The click is the one bench_click_to_preview's BM_ClickToPreview times (the sample
# business, offscreen, a fixed number of clicks); the figures are divided by the number of
# clicks. The parts (each inclusive of what it calls):
#   typing    the recipe typed into the word processor (generator::runRecipe)
#   line      of which moves by line (Selection.MoveUp/MoveDown/EndKey/HomeKey)
#   write     saving the .docx (engine::saveDocx)
#   read      reading a .docx back (engine::loadDocx; none when the preview's pages come
#             from the document in memory)
#   layout    laying the document out on pages (engine::settleLayout)
#   drawing   drawing the page pictures (engine::drawPage)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
bench="$build/bench/bench_click_to_preview"
[[ -x $bench && -x $build/halvenor ]] || {
  echo "no $bench or $build/halvenor: build the program and the benchmarks first" >&2
  exit 2
}
command -v valgrind >/dev/null || { echo "valgrind is needed (apt-get install valgrind)" >&2; exit 2; }

program=$(cd "$build" && pwd)/halvenor
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export QT_QPA_PLATFORM=offscreen

valgrind --tool=callgrind --callgrind-out-file="$out/click.out" \
  --toggle-collect='shell::Form1::PushButton1_Click()' \
  "$bench" --benchmark_filter='^BM_ClickToPreview' >"$out/bench.log" 2>"$out/valgrind.log" ||
  { cat "$out/valgrind.log" >&2; exit 1; }
clicks=$(grep -o 'BM_ClickToPreview/iterations:[0-9]*' "$out/bench.log" | head -1 | cut -d: -f2)
[[ -n $clicks && $clicks -gt 0 ]] || { echo "no clicks counted" >&2; cat "$out/bench.log" >&2; exit 1; }
callgrind_annotate --inclusive=yes --threshold=100 "$out/click.out" >"$out/annotated.txt" 2>/dev/null

# Millions of instructions per click of the first (largest) entry whose function matches.
per_click() {
  awk -v pattern="$1" -v clicks="$clicks" '
    $0 ~ pattern { gsub(",", "", $1); printf "%d", $1 / clicks / 1000000; found = 1; exit }
    END { if (!found) printf "0" }' "$out/annotated.txt"
}
moves=0
for member in 'EngineSelection::moveVertical[(]' 'EngineSelection::EndKey[(]' 'EngineSelection::HomeKey[(]'; do
  moves=$((moves + $(per_click "$member")))
done

echo "clicks counted: $clicks"
printf '%-44s %6s M\n' "click (Form1::PushButton1_Click)" "$(per_click 'shell::Form1::PushButton1_Click[(][)]')"
printf '%-44s %6s M\n' "  typing (generator::runRecipe)" "$(per_click 'generator::runRecipe[(]')"
printf '%-44s %6s M\n' "    of which moves by line" "$moves"
printf '%-44s %6s M\n' "  writing the .docx (engine::saveDocx)" "$(per_click 'engine::saveDocx[(]')"
printf '%-44s %6s M\n' "  reading it back (engine::loadDocx)" "$(per_click 'engine::loadDocx[(]')"
printf '%-44s %6s M\n' "  layout on pages (engine::settleLayout)" "$(per_click 'engine::settleLayout[(]')"
printf '%-44s %6s M\n' "  drawing the pages (engine::drawPage)" "$(per_click 'engine::drawPage[(]')"

# One plan from the command line, without a PDF: the whole process.
mkdir "$out/cli"
(cd "$out/cli" && valgrind --tool=callgrind --callgrind-out-file="$out/cli.out" \
  "$program" --output plan.doc --force --name "Acme Tools" --street1 "1 Main St" \
  --street2 "Suite 2" --city-state "Springfield, IL" --zip 62701 --phone "555-0100" \
  --fax "555-0101" --email "info@acme.test" >/dev/null 2>"$out/cli.log") ||
  { cat "$out/cli.log" >&2; exit 1; }
total=$(grep -o 'I *refs: *[0-9,]*' "$out/cli.log" | tr -dc '0-9')
printf '%-44s %6d M\n' "command line, one plan without --pdf" $((total / 1000000))
