#!/usr/bin/env bash
# Start-up time and peak memory of Dravello against a plain Qt window of the same make-up
# (baseline_window), on one virtual X display. Time runs from exec until the window is
# mapped; memory is the peak resident set once it is.
# Usage: startup_bench.sh BUILD_DIR [RUNS]   (BUILD_DIR holds app/dravello and bench/baseline_window)
set -euo pipefail

build=${1:?usage: startup_bench.sh BUILD_DIR [RUNS]}
runs=${2:-10}
dravello="$build/app/dravello"
baseline="$build/bench/baseline_window"
for program in "$dravello" "$baseline"; do
    [[ -x $program ]] || { echo "startup_bench: no program at $program" >&2; exit 1; }
done
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "startup_bench: $tool is missing (scripts/install-deps.sh)" >&2; exit 1; }
done

source "$(dirname "${BASH_SOURCE[0]}")/../scripts/virtual-display.sh"
start_virtual_display || exit 1
export QT_QPA_PLATFORM=xcb

# One run: prints "milliseconds-to-mapped peak-kB". Polls with a short sleep rather than
# `search --sync`, whose half-second steps would swamp the figure.
one_run() {
    local program=$1 title=$2 start now win hwm
    start=$(date +%s%N)
    "$program" >"$tmp/out.log" 2>&1 &
    app_pid=$!
    win=
    for _ in $(seq 3000); do
        win=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n1 || true)
        [[ -n $win ]] && break
        kill -0 "$app_pid" 2>/dev/null || { echo "startup_bench: $program exited early: $(cat "$tmp/out.log")" >&2; exit 1; }
        sleep 0.002
    done
    now=$(date +%s%N)
    [[ -n $win ]] || { echo "startup_bench: no window titled $title" >&2; exit 1; }
    # Let the first paint happen before reading the peak.
    sleep 0.3
    hwm=$(awk '/^VmHWM:/ { print $2 }' "/proc/$app_pid/status")
    kill -KILL "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
    app_pid=
    echo "$(((now - start) / 1000)) $hwm"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Warm the page cache and the font cache once each, then alternate so drift hits both alike.
one_run "$dravello" Dravello >/dev/null
one_run "$baseline" Baseline >/dev/null
: >"$tmp/dravello"
: >"$tmp/baseline"
for ((i = 0; i < runs; i++)); do
    one_run "$dravello" Dravello >>"$tmp/dravello"
    one_run "$baseline" Baseline >>"$tmp/baseline"
done

d_time=$(cut -d' ' -f1 "$tmp/dravello" | median)
b_time=$(cut -d' ' -f1 "$tmp/baseline" | median)
d_mem=$(cut -d' ' -f2 "$tmp/dravello" | median)
b_mem=$(cut -d' ' -f2 "$tmp/baseline" | median)
echo "start-up to mapped window, median of $runs runs:"
awk -v d="$d_time" -v b="$b_time" 'BEGIN { printf "  dravello %.1f ms, baseline %.1f ms, ratio %.2f (target <= 1.20)\n", d / 1000, b / 1000, d / b }'
echo "peak resident memory (VmHWM), median of $runs runs:"
awk -v d="$d_mem" -v b="$b_mem" 'BEGIN { printf "  dravello %.1f MiB, baseline %.1f MiB, ratio %.2f\n", d / 1024, b / 1024, d / b }'
