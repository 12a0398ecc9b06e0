# Shared by the play-through and the benchmark: a private X server, a wait
# that polls instead of sleeping, and the program's windows found by their
# role. Sourced, not run; the caller defines fail().

# start_x LOG: starts a private Xvfb on a display it picks itself (so runs
# side by side never share one), exports DISPLAY, sets $xvfb to its process
# and waits until it answers. The server never resets: by default it does
# when its last client leaves, and hangs up on whoever connects meanwhile
# (a program started just after another ended, with no window manager).
start_x() {
    local number="$1.display"
    : >"$number"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$number" >"$1" 2>&1 &
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

# window_named TITLE: the one visible window so titled.
window_named() {
    local found
    found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null) || return 1
    [ "$(wc -w <<<"$found")" -eq 1 ] || return 1
    echo "$found"
}

# Tombel shows every screen as a page of one window titled "Tombel"; a page
# is told by what it shows in one spot where no other page looks the same,
# as the committed golden pictures hold it: the title of the menu, the
# options and the controls, "kraj igre" on the card table, the double-up's
# count of right guesses, the intro's black.
golden_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/../golden" && pwd)
declare -A page_golden=([Intrro]=intro_0 [glavniMeni]=menu_flashing [Opcije]=options_theme1
    [Kontrole]=controls [KarteIgra]=table_idle [VecaManja]=doubleup_right_guess)
declare -A page_spot=([Intrro]=598x150+0+0 [glavniMeni]=70x20+118+170 [Opcije]=70x20+118+170
    [Kontrole]=70x20+118+170 [KarteIgra]=188x20+230+22 [VecaManja]=90x17+232+22)
pages_dir=""

# page_is WINDOW PAGE: the window shows that page.
page_is() {
    if [ -z "$pages_dir" ]; then
        pages_dir=$(mktemp -d -p "${work:-${TMPDIR:-/tmp}}")
        local page
        for page in "${!page_golden[@]}"; do
            convert "$golden_dir/${page_golden[$page]}.png" -crop "${page_spot[$page]}" +repage \
                "$pages_dir/$page.png"
        done
    fi
    import -window "$1" -crop "${page_spot[$2]}" +repage "$pages_dir/now.png" 2>/dev/null || return 1
    local differing
    differing=$(compare -metric AE -fuzz 3% "$pages_dir/now.png" "$pages_dir/$2.png" null: 2>&1)
    [ "${differing%%[!0-9]*}" ] && [ "${differing%%[!0-9]*}" -le 4 ]
}

# window_of PAGE: the program's window while it shows PAGE. Once
# $program_window is set, only that window counts: the program has one.
window_of() {
    local w
    w=$(window_named Tombel) || return 1
    [ -z "${program_window:-}" ] || [ "$w" = "$program_window" ] || return 1
    page_is "$w" "$1" || return 1
    echo "$w"
}
shown() { window_of "$1" >/dev/null; }
