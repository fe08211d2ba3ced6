#!/usr/bin/env bash
# Without a display, or with one that cannot be opened, the program says so in one line and
# exits with status 1: no toolkit advice, no core dump.
# Usage: no_display.sh DRAVELLO
set -uo pipefail
app=${1:?usage: no_display.sh DRAVELLO}
failed=0
check() {
    local what=$1 expect=$2
    shift 2
    local out status
    out=$(ulimit -c 0; env "$@" QT_QPA_PLATFORM=xcb "$app" 2>&1 >/dev/null)
    status=$?
    if [[ $status != 1 || $(wc -l <<<"$out") != 1 || $out != *"$expect"* ]]; then
        echo "FAIL $what: status $status, said:"$'\n'"$out"
        failed=1
    else
        echo "ok $what: $out"
    fi
}
check "no DISPLAY" "DISPLAY is not set" -u DISPLAY -u WAYLAND_DISPLAY
check "a wrong DISPLAY" "cannot open the display :77" -u WAYLAND_DISPLAY DISPLAY=:77
exit $failed
