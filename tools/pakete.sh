# Sourced by the scripts in tools/: installs those of the Debian packages given that are missing.
#   pakete_installieren clang valgrind ...
pakete_installieren() {
    local fehlen=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlen+=("$p")
    done
    [ ${#fehlen[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${fehlen[@]}"
}

# What building the project needs, whatever the compiler.
duftlotse_baupakete=(cmake make qtbase5-dev libqt5sql5-sqlite libqt5svg5-dev qttools5-dev qttools5-dev-tools)
