#!/usr/bin/env bash
# With too little memory to start, the program says so in one line and exits with status 1;
# with enough, it runs. Tried at address-space limits either side of the least it needs: no
# limit may end in a crash or a hang. (Below them the system's loader cannot load the program
# at all, and says so itself.)
# Usage: low_memory.sh DRAVELLO SEND_WM_DELETE
set -uo pipefail
app=${1:?usage: low_memory.sh DRAVELLO SEND_WM_DELETE}
close=${2:?usage: low_memory.sh DRAVELLO SEND_WM_DELETE}
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/virtual-display.sh"
start_virtual_display || exit 1
failed=0 started=0 refused=0
for megabytes in $(seq 60 4 160); do
    (ulimit -c 0; exec prlimit --as=$((megabytes << 20)) env QT_QPA_PLATFORM=xcb "$app" 2>"$tmp/said" >/dev/null) &
    app_pid=$!
    window=
    for _ in $(seq 150); do
        kill -0 "$app_pid" 2>/dev/null || break
        window=$(xdotool search --onlyvisible --pid "$app_pid" --name '^Dravello$' 2>/dev/null | head -n1)
        [[ -n $window ]] && break
        sleep 0.1
    done
    [[ -n $window ]] && "$close" "$window"
    timeout 15 tail --pid="$app_pid" -f /dev/null
    if kill -0 "$app_pid" 2>/dev/null; then
        echo "FAIL at $megabytes MB: the program hangs${window:+ after showing its window}"
        failed=1
    fi
    wait "$app_pid"
    status=$?
    app_pid=
    said=$(cat "$tmp/said")
    if [[ -n $window && $status == 0 ]]; then
        started=$((started + 1))
    elif [[ $status == 127 && $said == *"error while loading shared libraries"* ]]; then
        :  # the loader's own refusal, before any of the program runs
    elif [[ $status == 1 && $(wc -l <<<"$said") == 1 && $said == "dravello: memory ran out"* ]]; then
        refused=$((refused + 1))
    else
        echo "FAIL at $megabytes MB: status $status, said:"$'\n'"$said"
        failed=1
    fi
done
# The range must cross the least the program needs, or the test proves nothing.
if ((started == 0 || refused == 0)); then
    echo "FAIL: started $started times and said memory ran out $refused times: the limits tried are off"
    failed=1
fi
echo "started at $started limits, said memory ran out at $refused"
exit $failed
