# Shared by the play-through and the benchmark: a private X server, a wait
# that polls instead of sleeping, and the program's windows found by their
# role. Sourced, not run; the caller defines fail().

# start_x FIRST LAST LOG: starts Xvfb on $display, or on the first free display
# from FIRST to LAST, exports DISPLAY, sets $xvfb to its process and waits
# until it answers.
start_x() {
    local n
    if [ -z "${display:-}" ]; then
        for n in $(seq "$1" "$2"); do
            [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }
        done
    fi
    [ -n "${display:-}" ] || fail "no free X display"
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$3" 2>&1 &
    xvfb=$!
    export DISPLAY=$display QT_QPA_PLATFORM=xcb
    wait_for 10 xdpyinfo || fail "the X server did not start on $display"
}

# wait_for SECONDS COMMAND...: polls until the command succeeds.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -ge $deadline ] && return 1
        sleep 0.05
    done
}

# window_of ROLE [TITLE]: the one visible window titled TITLE ("Tombel") whose
# role names the screen; an empty ROLE takes any role.
window_of() {
    local w
    for w in $(xdotool search --onlyvisible --name "^${2:-Tombel}\$" 2>/dev/null); do
        if [ -z "$1" ] || xprop -id "$w" WM_WINDOW_ROLE 2>/dev/null | grep -q "\"$1\""; then
            echo "$w"
            return 0
        fi
    done
    return 1
}
shown() { window_of "$1" >/dev/null; }
only_shown() {
    shown "$1" && [ "$(xdotool search --onlyvisible --name '^Tombel$' | wc -l)" -eq 1 ]
}
