#!/usr/bin/env bash
# Checks that the includes keep the libraries' layering: a library includes only the
# libraries below it. Prints each offending include and exits 1 when there is one.
#
#   base       includes no other library of ours
#   word       the Word contract: word and base only
#   shell      the main window and the details: shell, word and base
#   engine     the built-in word processor: engine, word and base; never a window
#   output     what a run makes and where it goes (temporary files, page pictures, PDF,
#              printing): output, word and base; never a window
#   generator  output, word, shell and base: never the preview, never the engine's classes
#   preview    the preview window: never the engine's classes (the Word contract only)
#   cli        the command line: never a window
#
# Inside the engine, a few files keep one direction between them: the font substitutes
# below the document model, the model below the layout, the leading pages below the
# document state.
set -euo pipefail
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
cd "$root"

# The headers that declare windows.
window_headers='shell/Form1\.h|preview/Form2\.h'
status=0

# $1 folder, or a file's path without its ending (its .h and .cpp are checked); $2 pattern
# of included paths it must not include; $3 why.
forbid() {
  local hits paths=("src/$1")
  [[ -d "src/$1" ]] || paths=("src/$1.h" "src/$1.cpp")
  hits=$(grep -rnE --include='*.h' --include='*.cpp' "^[[:space:]]*#[[:space:]]*include[[:space:]]*[\"<]($2)[\">]" "${paths[@]}" || true)
  if [[ -n "$hits" ]]; then
    echo "layering: src/$1 $3:" >&2
    echo "$hits" >&2
    status=1
  fi
}

forbid base '(shell|word|engine|output|generator|preview|cli|app)/[^">]*' "includes no other library of ours"
forbid word '(shell|engine|output|generator|preview|cli|app)/[^">]*' "holds the contract only (word and base)"
forbid shell '(engine|output|generator|preview|cli|app)/[^">]*' "reaches no engine or higher library"
forbid engine "(shell|output|generator|preview|cli|app)/[^\">]*" "reaches no window or higher library"
forbid output '(shell|engine|generator|preview|cli|app)/[^">]*' "reaches no window or higher library"
forbid generator "$window_headers|preview/[^\">]*|cli/[^\">]*" "includes no window or preview header"
forbid generator 'engine/[^">]*' "reaches the word processor only through src/word"
forbid preview 'engine/[^">]*' "reaches the word processor only through src/word"
forbid cli "$window_headers|preview/[^\">]*" "makes no window"
forbid engine/FontSubstitutes 'engine/(DocumentModel|PageLayout)\.h' "is below the document model"
forbid engine/DocumentModel 'engine/PageLayout\.h' "is below the layout"
forbid engine/LeadingPages 'engine/(EngineState|EngineObjects)\.h' "is below the document state"

if [[ $status -eq 0 ]]; then echo "layering: every include keeps the layers"; fi
exit $status
