#!/usr/bin/env bash
# Refreshes the German source texts in the English translation file from the code
# and the layouts. Run by hand after texts change; the build only compiles the file.
#   bash tools/update_translations.sh [TS-FILE]
# TS-FILE defaults to resources/sprachen/DE_EN.ts; the translation test passes a copy.
# LUPDATE names the lupdate program (default: the one on the PATH).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ts="$(realpath "${1:-$here/resources/sprachen/DE_EN.ts}")"
cd "$here"
"${LUPDATE:-lupdate}" -no-obsolete -locations none app catalogue procedures report widgets -ts "$ts"
