#!/usr/bin/env bash
# Starts Dravello. Without a display it runs on a virtual one, saves a screenshot of the
# window to build/dravello.png and closes it again.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
app="$root/build/dev/app/dravello"
shot="$root/build/dravello.png"
wait_seconds=${RUN_WAIT_SECONDS:-30}

if [[ ! -x $app ]]; then
    echo "run: no program at $app; build it with 'make run', or with" >&2
    echo "  cmake --preset dev && cmake --build --preset dev --target dravello send_wm_delete" >&2
    exit 1
fi

if [[ -n ${DISPLAY:-} ]]; then
    exec "$app" "$@"
fi

source "$root/scripts/virtual-display.sh"
start_virtual_display || exit 1
echo "No DISPLAY set: running on virtual display $DISPLAY"

"$app" "$@" &
app_pid=$!

# Poll rather than `search --sync` so a crash at start-up is reported at once.
win=
for _ in $(seq $((wait_seconds * 5))); do
    win=$(xdotool search --onlyvisible --name '^Dravello$' 2>/dev/null | head -n1 || true)
    [[ -n $win ]] && break
    if ! kill -0 "$app_pid" 2>/dev/null; then
        status=0
        wait "$app_pid" || status=$?
        app_pid=
        echo "run: dravello exited with status $status before showing its window" >&2
        exit 1
    fi
    sleep 0.2
done
if [[ -z $win ]]; then
    echo "run: no window titled Dravello appeared within ${wait_seconds}s" >&2
    exit 1
fi

# Mapped is not yet painted: give the first paint a moment.
sleep 1
import -window "$win" "$shot"
echo "Screenshot of the Dravello window saved to $shot"

# Close it as a window manager would, with the small sender that make run builds too.
close_sender="$root/build/dev/tests/send_wm_delete"
if [[ -x $close_sender ]]; then
    "$close_sender" "$win" || true
else
    kill -TERM "$app_pid" 2>/dev/null || true
fi
status=0
for _ in $(seq 50); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && kill -KILL "$app_pid" 2>/dev/null
wait "$app_pid" 2>/dev/null || status=$?
app_pid=
echo "Dravello closed with exit status $status"
