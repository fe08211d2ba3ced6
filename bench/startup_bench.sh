#!/usr/bin/env bash
# Start-up of Dravello against a plain Qt window of the same make-up (baseline_window), on one
# virtual X display: the processor time of the process and the wall time until it maps its
# window and until it puts the window's first frame on the screen (the plain window loads the
# fonts of its labels for that frame; Dravello, which fits its labels, before the map), and
# its peak memory once shown, each as the ratio of the two in pairs of starts taken in turns
# (startup_timer, StartupTimerLinux.cpp).
# Usage: startup_bench.sh BUILD_DIR [PAIRS] [ROUNDS]
#   (BUILD_DIR holds app/dravello and bench/; PAIRS pairs of ROUNDS starts of each program)
set -euo pipefail

build=${1:?usage: startup_bench.sh BUILD_DIR [PAIRS] [ROUNDS]}
pairs=${2:-30}
rounds=${3:-12}
dravello="$build/app/dravello"
baseline="$build/bench/baseline_window"
timer="$build/bench/startup_timer"
probe="$build/bench/map_probe.so"
for file in "$dravello" "$baseline" "$timer" "$probe"; do
    [[ -e $file ]] || { echo "startup_bench: no $file (cmake --build --preset bench)" >&2; exit 1; }
done
command -v Xvfb >/dev/null || { echo "startup_bench: Xvfb is missing (scripts/install-deps.sh)" >&2; exit 1; }

source "$(dirname "${BASH_SOURCE[0]}")/../scripts/virtual-display.sh"
start_virtual_display || exit 1
export QT_QPA_PLATFORM=xcb

"$timer" "$pairs" "$rounds" "$(realpath "$probe")" "$dravello" "$baseline"
