#!/usr/bin/env bash
# Refreshes the German source texts in the English translation file from the code
# and the layouts. Run by hand after texts change; the build only compiles the file.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"
lupdate -no-obsolete -locations none app catalogue procedures report widgets -ts resources/sprachen/DE_EN.ts
