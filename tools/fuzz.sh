#!/usr/bin/env bash
# Builds the libFuzzer harnesses of fuzz/ with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer and runs each for the given number of seconds (default 60).
#   bash tools/fuzz.sh [seconds]
# Every folder fuzz/korpus/<name>/ holds the committed seeds of the harness fuzz_<name>.
# The seeds are only read: what a run adds goes into build-fuzz/korpus/<name>/, which the
# next run starts from as well, and a finding into build-fuzz/funde/. The script fails
# when a harness finds a crash, a sanitizer report or a broken property.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
sekunden="${1:-60}"
build="${DUFTLOTSE_FUZZ_BUILD_DIR:-$here/build-fuzz}"

# shellcheck source=tools/pakete.sh
source "$here/tools/pakete.sh"
pakete_installieren clang libclang-rt-14-dev "${duftlotse_baupakete[@]}"

namen=()
for korpus in "$here"/fuzz/korpus/*/; do
    namen+=("$(basename "$korpus")")
done

# shellcheck disable=SC2086
cmake -S "$here/fuzz" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    ${DUFTLOTSE_CMAKE_ARGS:-} >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${namen[@]/#/fuzz_}"

export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$here/.ci/lsan.supp:print_suppressions=0"
# Nothing of the real user's is touched.
mkdir -p "$build/home" "$build/funde"
export HOME="$build/home" XDG_CONFIG_HOME="$build/home/.config" XDG_DATA_HOME="$build/home/.local/share"
export LANG=C.UTF-8 LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen

gescheitert=()
for name in "${namen[@]}"; do
    mkdir -p "$build/korpus/$name"
    woerterbuch=()
    [ -f "$here/fuzz/$name.dict" ] && woerterbuch=(-dict="$here/fuzz/$name.dict")
    protokoll="$build/$name.log"
    if "$build/fuzz_$name" -max_total_time="$sekunden" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$build/funde/$name-" "${woerterbuch[@]}" \
        "$build/korpus/$name" "$here/fuzz/korpus/$name" >"$protokoll" 2>&1; then
        # "#466670 DONE cov: 94 ft: 133 corp: 26/328b ... rss: 528Mb"
        sed -nE 's/^#([0-9]+)\s+DONE\s+cov: ([0-9]+) ft: [0-9]+ corp: ([0-9]+)\/.* rss: ([0-9]+)Mb.*/'"fuzz_$name: \1 inputs in $sekunden s, \2 edges covered, corpus \3, peak \4 MB, nothing found/p" \
            "$protokoll"
    else
        gescheitert+=("$name")
        tail -n 60 "$protokoll"
    fi
done

if [ ${#gescheitert[@]} -gt 0 ]; then
    echo "fuzz: findings in ${gescheitert[*]} (inputs in $build/funde/)" >&2
    exit 1
fi
echo "fuzz: nothing found"
