#!/usr/bin/env bash
# One entry point for newcomers and CI:
#   bash tools/dev.sh run    installs what is missing, builds the application alone and starts it
#   bash tools/dev.sh test   installs what is missing, builds and runs every test
# Extra CMake options can be passed through DUFTLOTSE_CMAKE_ARGS; the build folder
# through DUFTLOTSE_BUILD_DIR (default: build).
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=tools/pakete.sh
. "$here/tools/pakete.sh"
mode="${1:-}"
build="${DUFTLOTSE_BUILD_DIR:-$here/build}"

packages=(
    # build
    g++ "${duftlotse_baupakete[@]}"
    # tests, artwork and screenshots
    xvfb xauth imagemagick poppler-utils fonts-noto-core fonts-liberation2 fonts-noto-color-emoji
)

# Configures the build folder; further arguments are CMake options.
configure() {
    # shellcheck disable=SC2086
    cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" ${DUFTLOTSE_CMAKE_ARGS:-}
}

case "$mode" in
run)
    pakete_installieren "${packages[@]}"
    configure
    # Only the application: the tests and the benchmark would keep the first window waiting for minutes.
    cmake --build "$build" -j"$(nproc)" --target duftlotse
    exec "$build/duftlotse"
    ;;
test)
    pakete_installieren "${packages[@]}"
    configure -DDUFTLOTSE_WERROR=ON
    cmake --build "$build" -j"$(nproc)"
    cd "$build"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
    ;;
*)
    echo "usage: bash tools/dev.sh run|test" >&2
    exit 2
    ;;
esac
