#!/usr/bin/env bash
# Started where no desktop can show it, the program says so in one line of
# its own and ends with status 1: with no display at all, and with a display
# whose server does not answer.
#
# usage: no_desktop.sh path/to/tombel
set -uo pipefail

exe=$(readlink -f "$1")
expected="Tombel: igri je potreban graficki desktop (X11 ili Wayland), a nijedan se ne javlja."
cd "$(mktemp -d)" || exit 1
trap 'rm -rf "$PWD"' EXIT
failed=0
for display in "-u DISPLAY" "DISPLAY=:65535"; do
    # shellcheck disable=SC2086
    output=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE $display "$exe" 2>&1)
    status=$?
    if [ $status -ne 1 ] || [ "$output" != "$expected" ]; then
        echo "FAIL ($display): status $status, said:" >&2
        echo "$output" >&2
        failed=1
    fi
done
exit $failed
