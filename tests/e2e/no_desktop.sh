#!/usr/bin/env bash
# Started where no desktop can show it, the program says so in one line of
# its own and ends with status 1: with no display at all, and with a display
# whose server does not answer.
#
# usage: no_desktop.sh path/to/tombel
expected="Tombel: igri je potreban graficki desktop (X11 ili Wayland), a nijedan se ne javlja."
for display in "-u DISPLAY" "DISPLAY=:65535"; do
    # shellcheck disable=SC2086
    said=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE $display "$1" 2>&1)
    status=$?
    [ $status -eq 1 ] && [ "$said" = "$expected" ] ||
        { echo "FAIL ($display): status $status, said: $said" >&2; exit 1; }
done
