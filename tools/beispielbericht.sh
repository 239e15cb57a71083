#!/usr/bin/env bash
# Writes the report of a sample extended examination (every part on the left, the right and both
# sides) and renders its PDF pages to PNG, so the report can be looked at without running an
# examination. Prints the folder with Documents/JM-0815.pdf, seite-N.png and bildschirm.png.
#   bash tools/beispielbericht.sh [de|en] [folder]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
sprache="${1:-de}"
ordner="${2:-$(mktemp -d)}"
build="${DUFTLOTSE_BUILD_DIR:-$here/build}"

[ -f "$build/CMakeCache.txt" ] || cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target duftlotse_beispielbericht >/dev/null
mkdir -p "$ordner"
QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="default.debug=false" \
    "$build/tools/duftlotse_beispielbericht" "$ordner" "$sprache"
pdftoppm -r 60 -png "$ordner/Documents/JM-0815.pdf" "$ordner/seite"
echo "$ordner"
