#!/usr/bin/env bash
# Runs one complete extended examination (tst_pruefung extendedOhneHinweise: the real
# window, store and report, PDF included) under valgrind's memcheck. Fails on any memory
# error and on any definite or indirect leak; tools/valgrind.supp holds, each with its
# reason, what the platform keeps for the life of the process. Built without sanitizers
# in build-valgrind/.
#   bash tools/valgrind.sh
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${DUFTLOTSE_VALGRIND_BUILD_DIR:-$here/build-valgrind}"

# shellcheck source=tools/pakete.sh
source "$here/tools/pakete.sh"
pakete_installieren valgrind g++ "${duftlotse_baupakete[@]}" poppler-utils fonts-noto-core fonts-liberation2

# shellcheck disable=SC2086
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDUFTLOTSE_WERROR=ON ${DUFTLOTSE_CMAKE_ARGS:-} >/dev/null
cmake --build "$build" -j"$(nproc)" --target tst_pruefung

cd "$build/tests"
# The JIT of QRegularExpression reads 16 bytes at a time past the end of a string, which
# valgrind cannot tell from a real overread.
QT_ENABLE_REGEXP_JIT=0 QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 LC_ALL=C.UTF-8 QT_LOGGING_RULES="default.debug=false" \
    valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite,indirect \
    --errors-for-leak-kinds=definite,indirect --error-exitcode=1 --num-callers=40 \
    --suppressions="$here/tools/valgrind.supp" \
    ./tst_pruefung extendedOhneHinweise
