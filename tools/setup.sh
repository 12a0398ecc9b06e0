# Shared by play.sh and test.sh: installs what the build needs from Debian's
# packages when it is missing, then configures and builds into $BUILD_DIR.
# Sourced, not run.

tombel_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

tombel_install() {
    local missing=()
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Please install as root: ${missing[*]}" >&2; return 1; }
        sudo="sudo"
    fi
    echo "Installing ${missing[*]} ..."
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

tombel_build_packages=(g++ cmake ninja-build qt6-base-dev qt6-qpa-plugins libgl-dev fonts-liberation2)

tombel_build() {
    local build_dir=$1
    shift
    cmake -S "$tombel_root" -B "$build_dir" -G Ninja "$@" >/dev/null &&
        cmake --build "$build_dir" --parallel
}
