#!/usr/bin/env bash
# Saves PNG pictures of every page of the main window and of the three test
# screens mid-run, in German and in English, and prints the folder.
#   bash tools/screenshots.sh [--groesse 1280x800] [--scale 2] [--ziel FOLDER] [--readme] [--x11]
# --scale 2 renders with QT_SCALE_FACTOR=2 to check high-DPI screens. --readme also
# renews the three pictures that README.md shows (tools/screenshots/readme/). --x11
# renders on a virtual X display (Xvfb) through the xcb platform the examiner's desktop
# uses, instead of the offscreen platform; the pictures are the same. Beside the
# pictures, <sprache>_pruefung.txt lists the measured minimum sizes and every
# widget that is cut off, squeezed or too small to press.
# The program runs headless and moves HOME into a private temporary folder before
# anything reads settings, so the real user's settings are never touched.
# Build folder: DUFTLOTSE_BUILD_DIR (default: build).
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${DUFTLOTSE_BUILD_DIR:-$here/build}"
groesse=1280x800
scale=1
ziel=""
readme=0
x11=0

while [ $# -gt 0 ]; do
    case "$1" in
    --groesse) groesse="$2"; shift 2 ;;
    --scale) scale="$2"; shift 2 ;;
    --ziel) ziel="$2"; shift 2 ;;
    --readme) readme=1; shift ;;
    --x11) x11=1; shift ;;
    *)
        echo "usage: bash tools/screenshots.sh [--groesse BxH] [--scale N] [--ziel FOLDER] [--readme] [--x11]" >&2
        exit 2
        ;;
    esac
done

cmake -S "$here" -B "$build" -DDUFTLOTSE_BUILD_TESTS=ON -DDUFTLOTSE_BUILD_TOOLS=ON >/dev/null
cmake --build "$build" -j2 --target duftlotse_screenshots >/dev/null

[ -n "$ziel" ] || ziel="$(mktemp -d -t duftlotse-bilder.XXXXXX)"
mkdir -p "$ziel"

# The offscreen platform counts 100 dots per inch; the X display is told the same, so that
# fonts come out at the same pixel sizes on both.
plattform=(env QT_QPA_PLATFORM=offscreen)
if [ "$x11" = 1 ]; then
    breite=$(( ${groesse%x*} * scale + 64 ))
    hoehe=$(( ${groesse#*x} * scale + 64 ))
    plattform=(xvfb-run -a -s "-screen 0 ${breite}x${hoehe}x24" env QT_QPA_PLATFORM=xcb QT_FONT_DPI=100)
fi
for sprache in de en; do
    "${plattform[@]}" QT_SCALE_FACTOR="$scale" LANG=C.UTF-8 LC_ALL=C.UTF-8 \
        QT_LOGGING_RULES="default.debug=false" \
        "$build/tools/screenshots/duftlotse_screenshots" --sprache "$sprache" --groesse "$groesse" --ziel "$ziel" \
        2> >(grep -v "does not support propagateSizeHints" >&2)
done

if [ "$readme" = 1 ]; then
    # Small enough for the repository: three-quarter size, 128 colours without dithering.
    for bild in 00_pageDateneingabe:start 00_pageDateneingabe_ausgefuellt:daten \
        05_page_Diskriminationstest_lauf:diskriminationstest; do
        convert "$ziel/de_${bild%%:*}.png" -resize 75% -strip +dither -colors 128 \
            "$here/tools/screenshots/readme/${bild##*:}.png"
    done
fi

cat "$ziel"/*_pruefung.txt
echo "$ziel"
