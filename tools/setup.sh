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
    # Another install running at the same time (a second clone's test run)
    # holds the package lock for a while: wait for it rather than fail.
    local wait_for_lock=(-o DPkg::Lock::Timeout=600)
    $sudo apt-get "${wait_for_lock[@]}" update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get "${wait_for_lock[@]}" install -y -qq \
        --no-install-recommends "${missing[@]}"
}

tombel_build_packages=(g++ cmake ninja-build qt6-base-dev qt6-qpa-plugins libgl-dev fonts-liberation2)

# The value a build folder's cache holds for a variable, as a real path.
tombel_cached_path() {
    readlink -f "$(sed -n "s/^$2:[A-Z]*=//p" "$1/CMakeCache.txt")"
}

# tombel_configure BUILD_DIR CMAKE_ARGS...: a folder configured before is
# only brought up to date, so an unchanged tree rebuilds nothing. Its cache
# is dropped only when it cannot serve this tree: made from another source
# folder (the fuzz target once had a project of its own there), by another
# generator, or with another compiler than $CXX names.
tombel_configure() {
    local build_dir=$1 fresh=()
    shift
    if [ -f "$build_dir/CMakeCache.txt" ]; then
        if [ "$(tombel_cached_path "$build_dir" CMAKE_HOME_DIRECTORY)" != \
            "$(readlink -f "$tombel_root")" ] ||
            ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$build_dir/CMakeCache.txt" ||
            { [ -n "${CXX:-}" ] && [ "$(tombel_cached_path "$build_dir" CMAKE_CXX_COMPILER)" != \
                "$(readlink -f "$(command -v "$CXX")")" ]; }; then
            fresh=(--fresh)
        fi
    fi
    cmake -S "$tombel_root" -B "$build_dir" -G Ninja "${fresh[@]}" "$@" >/dev/null
}

# Configures and builds, showing the compilers' warnings and errors but not
# each step.
tombel_build() {
    tombel_configure "$@" && cmake --build "$1" --parallel -- --quiet
}
