#!/usr/bin/env bash
# What Tombel costs while something moves, and the memory a session gathers,
# measured against a bare Qt window of the same size (bare_window.cpp) under
# the same private X server (Xvfb). Rounds alternate the two programs, so a
# busy machine weighs on both alike; the figures are medians with their
# ranges over the rounds. Run by hand, not in CI: it takes about 90 seconds
# a round.
#
# usage: tools/bench/bench.sh [rounds]        (5 rounds by default)
#
# Environment:
#   BENCH_SECONDS  length of each measured window in seconds (5)
#   BENCH_JOBS     parallel build jobs (4)
#
# Each round runs the game twice: once measured (the intro's fade, a flashing
# menu item, a spinning hand, then every screen visited once for the memory),
# once with Qt's painting log on to count repaints (the log's own cost stays
# out of the CPU figures). The bare window runs once at rest, for its memory,
# and twice for each of those states, measured and counted the same way,
# showing as many changes as the game shows there in the least work a widget
# can do: what those changes cost any Qt window on this machine in this
# round. The ratios are the game's figure over the bare window's in the same
# round: the share of a core either takes is the machine's as much as the
# program's, the ratio is the program's.
#
# Figures: own and X server CPU in % of one core (time on CPU of every thread,
# from /proc/PID/task/*/schedstat); frames/s: the frames the window sends to
# the X server; paints/s: paint events of all widgets; wake-ups/s: context
# switches of all threads; RSS: resident memory after the session.
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
rounds=${1:-5}
secs=${BENCH_SECONDS:-5}
jobs=${BENCH_JOBS:-4}
builds="$root/build-bench"

fail() {
    echo "bench: $*" >&2
    exit 1
}

echo "== building" >&2
cmake -S "$root" -B "$builds/game" -G Ninja -DTOMBEL_BUILD_TESTS=OFF -DTOMBEL_BUILD_TOOLS=OFF \
    >/dev/null || fail "the game does not configure"
cmake --build "$builds/game" --parallel "$jobs" --target tombel >/dev/null ||
    fail "the game does not build"
cmake -S "$root/tools/bench" -B "$builds/bare" -G Ninja >/dev/null || fail "bare_window does not configure"
cmake --build "$builds/bare" --parallel "$jobs" >/dev/null || fail "bare_window does not build"
game_exe="$builds/game/tombel"
bare_exe="$builds/bare/bare_window"
bare_picture="$root/assets/backgrounds/glavniMeni.jpg"

work=$(mktemp -d)
results="$work/results"
: >"$results"

source "$root/tests/e2e/xsession.sh"
xvfb=""
unset QT_LOGGING_RULES
app=""
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

start_x "$work/xvfb.log"

only_shown() { shown "$1"; }
pointer() { xdotool mousemove --window "$(window_of "$1")" "$2" "$3"; }
click() { pointer "$@" && xdotool click 1; }
press() {
    local w
    w=$(window_of "$1") || return 1
    xdotool windowfocus --sync "$w" 2>/dev/null || true
    shift
    xdotool key --delay 40 "$@"
}

# The digit keys of the cards that show the picture most of them show.
commonest_cards() {
    local shot="$work/cards.png" n=0 left
    import -window "$(window_of KarteIgra)" "$shot" 2>/dev/null
    for left in 38 143 248 352 456; do
        n=$((n + 1))
        echo "$n $(convert "$shot" -crop 20x20+$((left + 36))+270 +repage rgb:- | md5sum)"
    done | awk '{ keys[$2] = keys[$2] " " $1; count[$2]++ }
        END { for (k in count) if (count[k] > best) { best = count[k]; pick = keys[k] }
              if (best > 1) print pick }'
}

# Time on CPU (ns) and context switches of every thread of a process.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%.0f", s }'; }
switches() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/ctxt_switches/ { s += $2 } END { printf "%.0f", s }'; }
# Gone, or gone but for its exit status (a child not waited for yet).
ended() { ! [ -e /proc/"$1" ] || grep -q '^State:[[:space:]]*Z' /proc/"$1"/status 2>/dev/null; }
rss_kb() { awk '/^VmRSS/ { print $2 }' /proc/"$1"/status; }
now_ns() { date +%s%N; }
log_bytes() { stat -c %s "$1"; }

# record PROGRAM STATE METRIC VALUE
record() { echo "$1 $2 $3 $4" >>"$results"; }

# window PROGRAM STATE PID SECONDS [LOG]: measures one window of time.
window() {
    local program=$1 state=$2 pid=$3 length=$4 log=${5:-}
    local t0 c0 x0 s0 l0 t1 c1 x1 s1 l1 span
    t0=$(now_ns) c0=$(cpu_ns "$pid") x0=$(cpu_ns "$xvfb") s0=$(switches "$pid")
    [ -n "$log" ] && l0=$(log_bytes "$log")
    sleep "$length"
    t1=$(now_ns) c1=$(cpu_ns "$pid") x1=$(cpu_ns "$xvfb") s1=$(switches "$pid")
    span=$((t1 - t0))
    if [ -n "$log" ]; then
        # The paint log is counted in runs of its own, apart from the CPU.
        l1=$(log_bytes "$log")
        local chunk
        chunk=$(tail -c +$((l0 + 1)) "$log" | head -c $((l1 - l0)))
        record "$program" "$state" frames_per_s \
            "$(grep -c 'Painting and flushing' <<<"$chunk" | awk -v s=$span '{ printf "%.1f", $1 * 1e9 / s }')"
        record "$program" "$state" paints_per_s \
            "$(grep -c 'painting: Drawing' <<<"$chunk" | awk -v s=$span '{ printf "%.1f", $1 * 1e9 / s }')"
    fi
    if [ -z "$log" ]; then
        record "$program" "$state" cpu_pct "$(awk -v c=$((c1 - c0)) -v s=$span 'BEGIN { printf "%.2f", 100 * c / s }')"
        record "$program" "$state" x_cpu_pct "$(awk -v c=$((x1 - x0)) -v s=$span 'BEGIN { printf "%.2f", 100 * c / s }')"
        record "$program" "$state" wakeups_per_s "$(awk -v c=$((s1 - s0)) -v s=$span 'BEGIN { printf "%.1f", c * 1e9 / s }')"
    fi
}

# game_run measure|count ROUND
game_run() {
    local mode=$1 round=$2 dir log=""
    dir=$(mktemp -d -p "$work")
    cp "$game_exe" "$dir/tombel"
    # Level 3: credit enough for as many hands as the double-up may take.
    printf '"Igrac 1"\r\n"3"\r\n"1"\r\n"x"\r\n' >"$dir/config.not"
    # Off the intro's texts, which stand where the pointer starts (the middle
    # of the screen): the server draws the pointer anew over every frame it touches.
    xdotool mousemove 0 0
    if [ "$mode" = count ]; then
        log="$dir/paint.log"
        (cd "$dir" && QT_LOGGING_RULES="qt.widgets.painting=true" exec ./tombel 2>"$log" >/dev/null) &
    else
        (cd "$dir" && exec ./tombel 2>"$dir/game.err" >/dev/null) &
    fi
    app=$!
    wait_for 10 shown Intrro || { tail -n 5 "$dir"/game.err "$log" >&2 2>/dev/null; fail "round $round: the intro did not appear"; }
    # The fade runs 5.12 s from the intro's load.
    sleep 0.5
    window game intro_fade "$app" 3.5 "$log"
    wait_for 10 only_shown glavniMeni || fail "round $round: the menu did not open"
    sleep 1
    pointer glavniMeni 180 216 # over "nova igra"
    sleep 0.5
    window game menu_flash "$app" "$secs" "$log"
    click glavniMeni 180 216
    wait_for 5 only_shown KarteIgra || fail "round $round: nova igra did not open the table"
    sleep 0.5
    press KarteIgra F2 Return
    sleep 0.5
    window game table_spin "$app" "$secs" "$log"
    if [ "$mode" = count ]; then
        kill "$app"
        wait "$app" 2>/dev/null
        app=""
        return
    fi

    # Every screen once: the rest of the hand, hands until one wins (holding
    # the cards that show the commonest picture), the double-up, back, the
    # options and the controls.
    local hands=1
    while true; do
        press KarteIgra Return
        sleep 0.15
        press KarteIgra $(commonest_cards) Return
        sleep 0.15
        press KarteIgra Return Insert
        wait_for 1 shown VecaManja && break
        hands=$((hands + 1))
        [ $hands -gt 100 ] && fail "round $round: no win in 100 hands"
        press KarteIgra Return Return
        sleep 0.15
    done
    sleep 0.5
    press VecaManja Return
    wait_for 5 only_shown KarteIgra || fail "round $round: the double-up did not return"
    click KarteIgra 300 31 # kraj igre
    wait_for 5 only_shown glavniMeni || fail "round $round: kraj igre did not return"
    click glavniMeni 160 247 # opcije
    wait_for 5 only_shown Opcije || fail "round $round: opcije did not open"
    sleep 0.3
    click Opcije 300 350 # unazad
    wait_for 5 only_shown glavniMeni || fail "round $round: unazad did not return"
    click glavniMeni 160 280 # kontrole
    wait_for 5 only_shown Kontrole || fail "round $round: kontrole did not open"
    sleep 0.3
    click Kontrole 300 350
    wait_for 5 only_shown glavniMeni || fail "round $round: unazad did not return"
    sleep 2
    record game session rss_kb "$(rss_kb "$app")"
    click glavniMeni 155 350 # izlaz
    wait_for 5 ended "$app" || kill "$app"
    wait "$app" 2>/dev/null
    app=""
}

# The bare window at rest: its memory, as the session's yardstick.
bare_run() {
    local round=$1
    "$bare_exe" "$bare_picture" >/dev/null 2>&1 &
    app=$!
    wait_for 10 window_named bare || fail "round $round: the bare window did not appear"
    sleep 2.5
    record bare session rss_kb "$(rss_kb "$app")"
    kill "$app"
    wait "$app" 2>/dev/null
    app=""
}

# bare_moving ROUND MODE STATE SECONDS [count]: the bare window showing a
# state's changes, measured or, with "count", with the painting log on.
bare_moving() {
    local round=$1 log="" err="$work/bare.err"
    if [ "${5:-}" = count ]; then
        log="$work/bare-paint.log" err="$work/bare-paint.log"
        QT_LOGGING_RULES="qt.widgets.painting=true" "$bare_exe" "$bare_picture" "$2" >/dev/null 2>"$log" &
    else
        "$bare_exe" "$bare_picture" "$2" >/dev/null 2>"$err" &
    fi
    app=$!
    wait_for 10 window_named bare || {
        grep -v 'qt.widgets.painting' "$err" | tail -n 5 >&2
        fail "round $round: the bare window did not appear"
    }
    # The pointer rests where the game's does while its item flashes and its
    # cards spin. Xvfb draws the pointer itself, and every frame under it
    # costs the server a little more.
    xdotool mousemove --window "$(window_named bare)" 180 216
    sleep 1
    window bare "$3" "$app" "$4" "$log"
    kill "$app"
    wait "$app" 2>/dev/null
    app=""
}

bare_runs() {
    bare_run "$1"
    bare_moving "$1" fade intro_fade 3.5
    bare_moving "$1" flash menu_flash "$secs"
    bare_moving "$1" spin table_spin "$secs"
    bare_moving "$1" fade intro_fade 3.5 count
    bare_moving "$1" flash menu_flash "$secs" count
    bare_moving "$1" spin table_spin "$secs" count
}

# last PROGRAM STATE METRIC: the value the last round recorded.
last() { awk -v p="$1" -v s="$2" -v m="$3" '$1 == p && $2 == s && $3 == m { v = $4 } END { print v }' "$results"; }
# ratio_of STATE METRIC: records the last round's game-to-bare ratio.
ratio_of() {
    local game bare
    game=$(last game "$1" "$2") bare=$(last bare "$1" "$2")
    [ -n "$game" ] && [ -n "$bare" ] || return 0
    record ratio "$1" "$2" "$(awk -v g="$game" -v b="$bare" 'BEGIN { if (b > 0) printf "%.3f", g / b }')"
}

for round in $(seq 1 "$rounds"); do
    echo "== round $round of $rounds" >&2
    if [ $((round % 2)) = 1 ]; then
        game_run measure "$round"
        bare_runs "$round"
    else
        bare_runs "$round"
        game_run measure "$round"
    fi
    game_run count "$round"
    for state in intro_fade menu_flash table_spin; do
        for metric in cpu_pct x_cpu_pct; do
            ratio_of "$state" "$metric"
        done
    done
    ratio_of session rss_kb
done

# summary FORMAT: "median [min..max]" of a column of numbers.
summary() {
    sort -g | awk -v f="$1" '{ v[NR] = $1 } END {
        if (NR == 0) { print "-"; exit }
        m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf f " [" f ".." f "]", m, v[1], v[NR] }'
}
# median FORMAT: the median alone.
median() { summary "$1" | sed 's/ \[.*//'; }
values() { awk -v p="$1" -v s="$2" -v m="$3" '$1 == p && $2 == s && $3 == m { print $4 }' "$results"; }
# counts PROGRAM STATE: "frames / paints / wake-ups" per second.
counts() {
    local metric out=()
    for metric in frames_per_s paints_per_s wakeups_per_s; do
        out+=("$(values "$1" "$2" "$metric" | median %.0f)")
    done
    echo "${out[0]} / ${out[1]} / ${out[2]}"
}

[ "$rounds" = 1 ] && rounds_said="1 round" || rounds_said="$rounds rounds"
echo
echo "$rounds_said on $(nproc) cores, Qt $(qtpaths6 --qt-version 2>/dev/null || echo 6), windows of $secs s" \
    "(median [range]):"
echo
echo "| state | figure | tombel | bare window, same changes | ratio |"
echo "|---|---|---|---|---|"
declare -A state_said=([intro_fade]="intro fade" [menu_flash]="menu, pointer on an item"
    [table_spin]="card table, hand spinning")
for state in intro_fade menu_flash table_spin; do
    echo "| ${state_said[$state]} | CPU % | $(values game "$state" cpu_pct | summary %.2f)" \
        "| $(values bare "$state" cpu_pct | summary %.2f) | $(values ratio "$state" cpu_pct | summary %.2f) |"
    echo "| | X server CPU % | $(values game "$state" x_cpu_pct | summary %.2f)" \
        "| $(values bare "$state" x_cpu_pct | summary %.2f) | $(values ratio "$state" x_cpu_pct | summary %.2f) |"
    echo "| | frames / paints / wake-ups per s | $(counts game "$state") | $(counts bare "$state") | |"
done
mib() { awk '{ print $1 / 1024 }'; }
echo "| after every screen once | resident memory | $(values game session rss_kb | mib | median %.1f) MiB" \
    "| $(values bare session rss_kb | mib | median %.1f) MiB | $(values ratio session rss_kb | summary %.2f) |"
