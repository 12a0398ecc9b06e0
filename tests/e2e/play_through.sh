#!/usr/bin/env bash
# Plays Tombel the way a person would: the real executable in a fresh program
# folder under a real X server with a window manager, driven by real key
# presses, clicks and drags, and judged by what the screen shows and what is
# left on disk. The program shows every screen in one window, which must stay
# where the player put it: openbox frames it with a title bar and borders;
# metacity, GNOME's family, takes every placement request literally and so
# catches a window placed a title bar off.
#
# usage: play_through.sh path/to/tombel [openbox|metacity]
set -uo pipefail

exe=$(readlink -f "$1")
wm_name=${2:-openbox}
work=$(mktemp -d)
shots="$work/shots"
mkdir -p "$shots"
cp "$exe" "$work/tombel"

fail() {
    echo "FAIL ($wm_name): $*" >&2
    echo "(screenshots and the program's output are in $work)" >&2
    exit 1
}

source "$(dirname "${BASH_SOURCE[0]}")/xsession.sh"
app=""
wm=""
xvfb=""
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
}
trap cleanup EXIT
start_x "$work/xvfb.log"
case $wm_name in
openbox) openbox --sm-disable >"$work/wm.log" 2>&1 & ;;
metacity) metacity --sm-disable --replace >"$work/wm.log" 2>&1 & ;;
*) fail "no such window manager here: $wm_name" ;;
esac
wm=$!
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
wait_for 10 wm_running || fail "the window manager did not start"

# The client area's place on the desktop and the frame's extents round it.
client_at() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
        END {print x, y}'
}
extents() { xprop -id "$1" _NET_FRAME_EXTENTS | awk -F' = ' 'NF == 2 {gsub(",", ""); print $2}'; }
framed() { [ -n "$(extents "$1")" ]; }
# The outer frame's top-left corner, "x,y".
position() {
    local cx cy l r t b
    read -r cx cy <<<"$(client_at "$1")"
    read -r l r t b <<<"$(extents "$1")"
    echo "$((cx - l)),$((cy - t))"
}
# frame_of PAGE: the window's outer frame while it shows PAGE, once framed.
frame_of() {
    local w
    w=$(window_of "$1") || return 1
    framed "$w" || return 1
    position "$w"
}
frame_is() { [ "$(frame_of "$1")" = "$2" ]; }
# expect_frame PAGE X,Y WHAT: the window shows PAGE, its frame standing there.
expect_frame() {
    wait_for 5 frame_is "$1" "$2" || fail "$3: the $1 frame is at $(frame_of "$1"), not at $2"
}
# The program's windows that are on show: exactly one, from the intro to the end.
one_window() { [ "$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | wc -l)" -eq 1 ]; }
only_shown() { shown "$1" && one_window; }
# drag PAGE DX DY: drags the window by its title bar, the way a player does,
# and prints the frame's new place. A press the window manager missed is
# tried again.
drag() {
    local w cx cy from to now attempt
    w=$(window_of "$1") || fail "no $1 to drag"
    from=$(frame_of "$1") || fail "no framed $1 to drag"
    to="$((${from%,*} + $2)),$((${from#*,} + $3))"
    for attempt in 1 2 3; do
        now=$(frame_of "$1")
        [ "$now" = "$to" ] && break
        read -r cx cy <<<"$(client_at "$w")"
        xdotool mousemove $((cx + 100)) $((cy - 8))
        sleep 0.05
        xdotool mousedown 1
        sleep 0.05
        xdotool mousemove $((cx + 110)) $((cy - 3))
        sleep 0.05
        xdotool mousemove $((cx + 100 + ${to%,*} - ${now%,*})) $((cy - 8 + ${to#*,} - ${now#*,}))
        sleep 0.05
        xdotool mouseup 1
        wait_for 2 frame_is "$1" "$to" && break
    done
    frame_is "$1" "$to" || fail "dragging $1 did not move it to $to"
    echo "$to"
}

# click PAGE X Y: a left click at pixel X, Y of the page.
click() {
    local w
    w=$(window_of "$1") || fail "no $1 to click"
    xdotool mousemove --window "$w" "$2" "$3" click 1
}
# press PAGE KEY...: real key presses, to whatever has the keyboard. The
# window has it since the player's last click, and a new page must take it
# over without one.
press() {
    shown "$1" || fail "no $1 for keys"
    shift
    xdotool key --delay 60 "$@"
}
shot() { import -window "$(window_of "$1")" "$shots/$2.png" 2>/dev/null; }
# Mean brightness (0..1) of a region of a screenshot.
brightness() { convert "$shots/$1.png" -crop "$2" -colorspace Gray -format '%[fx:mean]' info:; }
region_sum() { convert "$shots/$1.png" -crop "$2" +repage rgb:- | md5sum | cut -c1-32; }
brighter() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }
# shot_shows PAGE NAME TEST ARG...: a new screenshot NAME passes the test.
shot_shows() {
    local page=$1 name=$2
    shift 2
    shot "$page" "$name" && "$@"
}

default_bytes='"Igrac 1"\r\n"1"\r\n"1"\r\n"x"\r\n'
has_default_file() { cmp -s "$work/config.not" <(printf "$default_bytes"); }

cd "$work" || fail "no work folder"
started=$SECONDS
./tombel >"$work/out.log" 2>&1 &
app=$!

# 1. The intro, its outer frame centred on the 1280 x 1024 desktop; no
# settings file yet. The studio name brightens while the pointer rests where
# "nova igra" will be.
wait_for 10 window_named Tombel || fail "the window did not appear"
program_window=$(window_named Tombel)
wait_for 5 only_shown Intrro || fail "the window does not show the intro"
wait_for 5 framed "$program_window" || fail "the window manager did not frame the window"
read -r l r t b <<<"$(extents "$program_window")"
centre="$(((1280 - 598 - l - r) / 2)),$(((1024 - 397 - t - b) / 2))"
expect_frame Intrro "$centre" "the intro is not centred"
[ -e config.not ] && fail "config.not exists before the fade ended"
xdotool mousemove --window "$program_window" 180 216
studio_name_shows() { brighter "$(brightness intro_bright 85x50+238+168)" 0.05; }
wait_for 4 shot_shows Intrro intro_bright studio_name_shows ||
    fail "the studio name is not visible mid-fade"

# 2. After about five seconds the menu takes the intro's place in the same
# window and writes the defaults. A click where the pointer rests, without
# moving it, reaches "nova igra" at once.
wait_for 15 only_shown glavniMeni || fail "the main menu did not replace the intro"
elapsed=$((SECONDS - started))
[ $elapsed -ge 4 ] || fail "the intro ended too early (${elapsed}s)"
expect_frame glavniMeni "$centre" "the menu did not open at the intro's place"
wait_for 5 has_default_file || fail "config.not is not the 26 default bytes"
xdotool click 1
wait_for 5 only_shown KarteIgra || fail "the first click on nova igra was lost"
expect_frame KarteIgra "$centre" "nova igra"
click KarteIgra 300 31
wait_for 5 only_shown glavniMeni || fail "kraj igre did not return to the menu"

# 3. Five trips to the options or the controls and back: the menu stands
# exactly where it stood.
for trip in 1 2 3 4 5; do
    if [ $((trip % 2)) -eq 1 ]; then
        click glavniMeni 160 247
        wait_for 5 only_shown Opcije || fail "opcije did not open the options (trip $trip)"
        click Opcije 300 350
    else
        click glavniMeni 160 280
        wait_for 5 only_shown Kontrole || fail "kontrole did not open the controls (trip $trip)"
        click Kontrole 300 350
    fi
    wait_for 5 only_shown glavniMeni || fail "unazad did not return to the menu (trip $trip)"
    expect_frame glavniMeni "$centre" "trip $trip to the options or controls"
done
has_default_file || fail "the trips changed the settings"

# 4. Options: level 2 (5,000.00) and theme 3 (Aliens), then back; the
# options open where the dragged menu stands, and the menu stays where it
# stood when the options were dragged before "unazad".
menu_at=$(drag glavniMeni -150 -120) || exit 1
click glavniMeni 160 247
wait_for 5 only_shown Opcije || fail "opcije did not open the options screen"
expect_frame Opcije "$menu_at" "opcije"
shot Opcije options_before
click Opcije 140 302
click Opcije 340 262
marks_moved() {
    brighter "$(brightness options_after 40x16+256+296)" "$(brightness options_before 40x16+256+296)" &&
        brighter "$(brightness options_after 56x16+456+256)" "$(brightness options_before 56x16+456+256)"
}
wait_for 3 shot_shows Opcije options_after marks_moved ||
    fail "the level and theme markers did not move to 5,000.00 and Aliens"
drag Opcije 200 90 >/dev/null
click Opcije 300 350
wait_for 5 only_shown glavniMeni || fail "unazad did not return to the menu"
expect_frame glavniMeni "$menu_at" "unazad from the dragged options"
printf '"Igrac 1"\r\n"2"\r\n"3"\r\n"x"\r\n' >"$work/expected.not"
cmp -s config.not expected.not || fail "the options were not saved"

# 5. A game: stake up, a hand with a hold, collect; hands until one wins,
# the win taken to the double-up and back; leave.
click glavniMeni 160 212
wait_for 5 only_shown KarteIgra || fail "nova igra did not open the card table"
expect_frame KarteIgra "$menu_at" "nova igra"
shot KarteIgra table_new
cards=500x150+30+205
# changed A B: the card faces differ between screenshots A and B.
changed() { [ "$(region_sum "$1" $cards)" != "$(region_sum "$2" $cards)" ]; }
# drawn SHOT: a new screenshot shows other faces than SHOT: the spin has drawn.
drawn() { wait_for 2 shot_shows KarteIgra spun changed "$1" spun; }
faces_down() { ! changed table_new "$1"; }
# held SHOT: the hold marker over card 1 shows.
held() { brighter "$(brightness "$1" 89x17+40+184)" "$(brightness table_new 89x17+40+184)"; }
press KarteIgra F2 F4
press KarteIgra Return
shot KarteIgra spin_a
wait_for 2 shot_shows KarteIgra spin_b changed spin_a spin_b ||
    fail "the card faces did not change while spinning"
changed table_new spin_b || fail "the cards still show their backs while spinning"
press KarteIgra Return
press KarteIgra 1
wait_for 2 shot_shows KarteIgra hold held hold || fail "the hold marker over card 1 did not show"
press KarteIgra Return
drawn hold || fail "the cards not held did not spin again"
press KarteIgra Return
press KarteIgra Return
wait_for 2 shot_shows KarteIgra collected faces_down collected ||
    fail "collecting did not turn the cards face down"

# Hands of 50, each holding the colour that most cards show (one colour,
# one picture; at most four cards, so that one always spins again), until a
# hand wins and Insert opens the double-up.
table_at=$(drag KarteIgra 120 160) || exit 1
press KarteIgra F3
card_lefts=(39 143 248 352 456)
hands=0
offer_shown() {
    shot KarteIgra offer
    [ "$(region_sum offer 97x41+320+103)" != "$(region_sum table_new 97x41+320+103)" ]
}
until shown VecaManja; do
    hands=$((hands + 1))
    [ $hands -le 40 ] || fail "no hand won in 40"
    # A hand's first faces may be the last hand's colours: a draw shows
    # only when they change.
    press KarteIgra Return
    wait_for 2 shot_shows KarteIgra dealt changed table_new dealt ||
        fail "hand $hands: the cards stayed face down"
    drawn dealt || fail "hand $hands: the cards did not spin"
    # Card 1's marker shows once the hand waits for holds.
    press KarteIgra Return 1
    wait_for 2 shot_shows KarteIgra hand held hand || fail "hand $hands: the first spin did not stop"
    holds=$(for n in 1 2 3 4 5; do
        echo "$(region_sum hand "93x145+${card_lefts[n - 1]}+208") $n"
    done | awk '{cards[$1] = cards[$1] " " $2; count[$1]++}
        END {for (face in count) if (count[face] > most) {most = count[face]; best = cards[face]}
             split(best, card, " "); for (n = 1; n <= 4 && n in card; n++) print card[n]}')
    # Card 1 is held already: the keys of the cards whose hold must change.
    # shellcheck disable=SC2046
    press KarteIgra $(printf '1\n%s\n' "$holds" | sort | uniq -u) Return
    drawn hand || fail "hand $hands: the cards not held did not spin"
    press KarteIgra Return
    # A win shows the double-up offer beside it; without one, on to the next hand.
    if wait_for 2 offer_shown; then
        press KarteIgra Insert
        wait_for 5 shown VecaManja || fail "Insert with a win did not open the double-up"
        break
    fi
    press KarteIgra Return
    wait_for 2 shot_shows KarteIgra collected faces_down collected ||
        fail "hand $hands: collecting did not turn the cards face down"
done
wait_for 5 only_shown VecaManja || fail "the double-up is not the only page shown"
expect_frame VecaManja "$table_at" "Insert"
double_up_at=$(drag VecaManja -200 -140) || exit 1
press VecaManja Return
wait_for 5 only_shown KarteIgra || fail "Enter on the double-up did not bring the card table back"
expect_frame KarteIgra "$double_up_at" "Enter on the double-up"

table_at=$(drag KarteIgra 150 -60) || exit 1
click KarteIgra 300 31
wait_for 5 only_shown glavniMeni || fail "kraj igre did not return to the menu"
expect_frame glavniMeni "$table_at" "kraj igre"

# 6. Controls and back, twice, the menu dragged between: the file is
# rewritten unchanged, and the controls open again where the menu now stands.
menu_at=$table_at
for _ in 1 2; do
    click glavniMeni 160 280
    wait_for 5 only_shown Kontrole || fail "kontrole did not open the controls screen"
    expect_frame Kontrole "$menu_at" "kontrole"
    click Kontrole 300 350
    wait_for 5 only_shown glavniMeni || fail "unazad did not return from the controls"
    cmp -s config.not expected.not || fail "the controls screen changed the settings"
    menu_at=$(drag glavniMeni -100 80) || exit 1
done

# 7. izlaz: the program ends with status 0 and the chosen values stay.
click glavniMeni 155 350
gone() { ! kill -0 "$app" 2>/dev/null; }
wait_for 5 gone || fail "izlaz did not end the program"
wait "$app"
status=$?
app=""
[ $status -eq 0 ] || fail "the program ended with status $status"
cmp -s config.not expected.not || fail "izlaz did not leave the chosen settings"

echo "play-through under $wm_name passed in $((SECONDS - started))s (a winning hand in $hands)"
rm -rf "$work"
