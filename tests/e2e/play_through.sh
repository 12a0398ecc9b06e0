#!/usr/bin/env bash
# Plays Tombel the way a person would: the real executable in a fresh program
# folder under a real X server, driven by real key presses and clicks, and
# judged by what the screen shows and what is left on disk.
#
# usage: play_through.sh path/to/tombel
set -uo pipefail

exe=$(readlink -f "$1")
work=$(mktemp -d)
shots="$work/shots"
mkdir -p "$shots"
cp "$exe" "$work/tombel"

fail() {
    echo "FAIL: $*" >&2
    echo "(screenshots and the program's output are in $work)" >&2
    exit 1
}

# A display of our own.
for n in $(seq 140 199); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }
done
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
export DISPLAY=$display
export QT_QPA_PLATFORM=xcb
app=""
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
}
trap cleanup EXIT

# wait_for SECONDS COMMAND...: polls until the command succeeds.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -ge $deadline ] && return 1
        sleep 0.05
    done
}
wait_for 10 xdpyinfo || fail "the X server did not start"

# The one visible Tombel window whose role names the screen.
window_of() {
    local w
    for w in $(xdotool search --onlyvisible --name '^Tombel$' 2>/dev/null); do
        if xprop -id "$w" WM_WINDOW_ROLE 2>/dev/null | grep -q "\"$1\""; then
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
position() { xdotool getwindowgeometry "$1" | awk '/Position/ {print $2}'; }

# click SCREEN X Y: a left click at pixel X, Y of the screen's client area.
click() {
    local w
    w=$(window_of "$1") || fail "no $1 window to click"
    xdotool mousemove --window "$w" "$2" "$3" click 1
}
# press SCREEN KEY...: real key presses to the screen's window.
press() {
    local w
    w=$(window_of "$1") || fail "no $1 window for keys"
    xdotool windowfocus --sync "$w" 2>/dev/null || true
    shift
    xdotool key --delay 60 "$@"
}
shot() { import -window "$(window_of "$1")" "$shots/$2.png" 2>/dev/null; }
# Mean brightness (0..1) of a region of a screenshot.
brightness() { convert "$shots/$1.png" -crop "$2" -colorspace Gray -format '%[fx:mean]' info:; }
region_sum() { convert "$shots/$1.png" -crop "$2" +repage rgb:- | md5sum | cut -c1-32; }
brighter() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

default_bytes='"Igrac 1"\r\n"1"\r\n"1"\r\n"x"\r\n'
has_default_file() { cmp -s "$work/config.not" <(printf "$default_bytes"); }

cd "$work"
started=$SECONDS
./tombel >"$work/out.log" 2>&1 &
app=$!

# 1. The intro, centred on the desktop; no settings file yet.
wait_for 10 shown Intrro || fail "the intro did not appear"
intro=$(window_of Intrro)
read -r ix iy <<<"$(position "$intro" | tr , ' ')"
[ $((ix + 299)) -ge 630 ] && [ $((ix + 299)) -le 650 ] || fail "intro not centred across ($ix)"
[ $((iy + 198)) -ge 500 ] && [ $((iy + 198)) -le 524 ] || fail "intro not centred down ($iy)"
[ -e config.not ] && fail "config.not exists before the fade ended"
sleep 2.3
shot Intrro intro_bright
brighter "$(brightness intro_bright 85x50+238+168)" 0.05 || fail "the studio name is not visible mid-fade"

# 2. After about five seconds the menu opens at the intro's place and writes the defaults.
wait_for 15 only_shown glavniMeni || fail "the main menu did not replace the intro"
elapsed=$((SECONDS - started))
[ $elapsed -ge 4 ] || fail "the intro ended too early (${elapsed}s)"
[ "$(position "$(window_of glavniMeni)")" = "$ix,$iy" ] || fail "the menu did not open at the intro's place"
wait_for 5 has_default_file || fail "config.not is not the 26 default bytes"

# 3. Options: level 2 (5,000.00) and theme 3 (Aliens), then back.
click glavniMeni 160 247
wait_for 5 only_shown Opcije || fail "opcije did not open the options screen"
shot Opcije options_before
click Opcije 140 302
click Opcije 340 262
sleep 0.3
shot Opcije options_after
brighter "$(brightness options_after 40x16+256+296)" "$(brightness options_before 40x16+256+296)" ||
    fail "the level marker did not move to 5,000.00"
brighter "$(brightness options_after 56x16+456+256)" "$(brightness options_before 56x16+456+256)" ||
    fail "the theme marker did not move to Aliens"
click Opcije 300 350
wait_for 5 only_shown glavniMeni || fail "unazad did not return to the menu"
printf '"Igrac 1"\r\n"2"\r\n"3"\r\n"x"\r\n' >"$work/expected.not"
cmp -s config.not expected.not || fail "the options were not saved"

# 4. A game: stake up, a hand with a hold, collect, leave.
click glavniMeni 160 212
wait_for 5 only_shown KarteIgra || fail "nova igra did not open the card table"
sleep 0.3
shot KarteIgra table_new
press KarteIgra F2 F4
press KarteIgra Return
sleep 0.2
shot KarteIgra spin_a
changed=no
for _ in $(seq 1 40); do
    sleep 0.05
    shot KarteIgra spin_b
    if [ "$(region_sum spin_a 500x150+30+205)" != "$(region_sum spin_b 500x150+30+205)" ]; then
        changed=yes
        break
    fi
done
[ $changed = yes ] || fail "the card faces did not change while spinning"
[ "$(region_sum table_new 500x150+30+205)" != "$(region_sum spin_b 500x150+30+205)" ] ||
    fail "the cards still show their backs while spinning"
press KarteIgra Return
press KarteIgra 1
sleep 0.2
shot KarteIgra held
brighter "$(brightness held 89x17+40+184)" "$(brightness table_new 89x17+40+184)" ||
    fail "the hold marker over card 1 did not show"
press KarteIgra Return
sleep 0.2
press KarteIgra Return
sleep 0.2
shot KarteIgra result
press KarteIgra Return
sleep 0.3
shot KarteIgra collected
[ "$(region_sum collected 500x150+30+205)" = "$(region_sum table_new 500x150+30+205)" ] ||
    fail "collecting did not turn the cards face down"
click KarteIgra 300 31
wait_for 5 only_shown glavniMeni || fail "kraj igre did not return to the menu"

# 5. Controls and back: the file is rewritten unchanged.
click glavniMeni 160 280
wait_for 5 only_shown Kontrole || fail "kontrole did not open the controls screen"
shot Kontrole controls
click Kontrole 300 350
wait_for 5 only_shown glavniMeni || fail "unazad did not return from the controls"
cmp -s config.not expected.not || fail "the controls screen changed the settings"

# 6. izlaz: the program ends with status 0 and the chosen values stay.
click glavniMeni 155 350
for _ in $(seq 1 100); do
    kill -0 "$app" 2>/dev/null || break
    sleep 0.05
done
kill -0 "$app" 2>/dev/null && fail "izlaz did not end the program"
wait "$app"
status=$?
app=""
[ $status -eq 0 ] || fail "the program ended with status $status"
cmp -s config.not expected.not || fail "izlaz did not leave the chosen settings"

echo "play-through passed in $((SECONDS - started))s"
rm -rf "$work"
