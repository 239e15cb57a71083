#!/usr/bin/env bash
# Builds the Debian package for clinics and prints its path, duftlotse_<version>_<arch>.deb:
#   bash tools/paket.sh
# Installs what is missing (build tools, dpkg-dev, lintian), builds in Release with Debian's
# hardening flags into DUFTLOTSE_PAKET_DIR (default: build-paket), packs with CPack and
# fails when lintian finds an error. Everything but the path goes to standard error, so
# that deb=$(bash tools/paket.sh) works.
set -euo pipefail
exec 3>&1 1>&2

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=tools/pakete.sh
. "$here/tools/pakete.sh"
build="${DUFTLOTSE_PAKET_DIR:-$here/build-paket}"

pakete_installieren g++ "${duftlotse_baupakete[@]}" \
    dpkg-dev lintian

# Debian's compiler and linker flags, with every hardening the tool chain offers.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
eval "$(dpkg-buildflags --export=sh)"
# shellcheck disable=SC2086
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_CXX_FLAGS="$CPPFLAGS $CXXFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" \
    -DDUFTLOTSE_BUILD_TESTS=OFF -DDUFTLOTSE_BUILD_BENCH=OFF ${DUFTLOTSE_CMAKE_ARGS:-}
cmake --build "$build" -j"$(nproc)"
rm -f "$build"/duftlotse_*.deb
(cd "$build" && cpack -G DEB)
deb="$(ls "$build"/duftlotse_*.deb)"

lintian --fail-on error "$deb"
echo "$deb" >&3
