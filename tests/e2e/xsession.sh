# Shared by the play-through and the benchmark: a private X server, a wait
# that polls instead of sleeping, and the program's windows found by their
# role. Sourced, not run; the caller defines fail().

# start_x LOG: starts a private Xvfb on a display it picks itself (so runs
# side by side never share one), exports DISPLAY, sets $xvfb to its process
# and waits until it answers.
start_x() {
    local number="$1.display"
    : >"$number"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number" >"$1" 2>&1 &
    xvfb=$!
    # Xvfb writes the display's number once it accepts connections.
    local deadline=$((SECONDS + 10))
    until grep -q '^[0-9]' "$number"; do
        kill -0 "$xvfb" 2>/dev/null || fail "the X server did not start: $(tail -n 3 "$1")"
        [ $SECONDS -ge $deadline ] && fail "the X server did not say which display it took"
        sleep 0.05
    done
    export DISPLAY=":$(head -n 1 "$number")" QT_QPA_PLATFORM=xcb
    wait_for 10 xdpyinfo || fail "the X server on $DISPLAY does not answer"
    kill -0 "$xvfb" 2>/dev/null || fail "the X server on $DISPLAY is not ours"
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
