#!/usr/bin/env bash
# The X server going away while the program runs, idle or with a menu open: the program says
# in one line which display it lost and exits with status 1, no crash on the way out.
# Usage: display_lost.sh DRAVELLO
set -uo pipefail
app=${1:?usage: display_lost.sh DRAVELLO}
failed=0
lose_display() {
    local what=$1 keys=$2
    (
        source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/virtual-display.sh"
        start_virtual_display || exit 1
        (ulimit -c 0; exec env QT_QPA_PLATFORM=xcb "$app" 2>"$tmp/said" >/dev/null) &
        app_pid=$!
        if ! timeout 30 xdotool search --sync --onlyvisible --name '^Dravello$' >/dev/null; then
            echo "FAIL $what: no window; the program said:"
            cat "$tmp/said"
            exit 1
        fi
        [[ -z $keys ]] || xdotool key $keys
        sleep 0.5
        kill "$xvfb_pid"
        wait "$xvfb_pid" 2>/dev/null
        xvfb_pid=
        local status
        timeout 20 tail --pid="$app_pid" -f /dev/null
        wait "$app_pid"
        status=$?
        app_pid=
        local said
        said=$(cat "$tmp/said")
        if [[ $status != 1 || $(wc -l <<<"$said") != 1 || $said != *"lost the connection to the display $DISPLAY" ]]; then
            echo "FAIL $what: status $status, said:"$'\n'"$said"
            exit 1
        fi
        echo "ok $what: $said"
    ) || failed=1
}
lose_display "idle" ""
lose_display "with the Edit menu open" "alt+e"
exit $failed
