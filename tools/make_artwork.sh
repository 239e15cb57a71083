#!/bin/sh
# Regenerates the pictures of the `bilder` resource set, resources/bilder.qrc,
# resources/bilder/LICENSES.md and the application symbol in paket/. Needs qtbase5-dev,
# libqt5svg5-dev, fonts-noto-core and fonts-noto-color-emoji. Pass a folder to also get
# contact sheets for a visual check:
#   tools/make_artwork.sh [preview-folder]
set -eu

repo=$(cd "$(dirname "$0")/.." && pwd)
bau=$(mktemp -d)
trap 'rm -rf "$bau"' EXIT

cmake -S "$repo/tools/artwork" -B "$bau" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$bau" -j"$(nproc)" >/dev/null

mkdir -p "$repo/paket"
set -- "$repo/resources/bilder" "$repo/resources/bilder.qrc" "$repo/paket" ${1:+--vorschau "$1"}
QT_QPA_PLATFORM=offscreen "$bau/duftlotse_artwork" "$@"
