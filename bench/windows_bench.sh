#!/usr/bin/env bash
# The Windows program's benchmarks, on the win64 build, against a bare Win32 program of the
# same make-up (baseline_win32): start-up to the shown window under Wine, a keystroke in the
# diameter field, a paste of the longest text a field takes, and the size of the two files
# users get.
# Usage: windows_bench.sh BUILD_DIR [START_PAIRS] [KEYSTROKE_PAIRS] [PASTE_PAIRS] [START_ROUNDS]
#   (BUILD_DIR is build/win64; START_PAIRS pairs of START_ROUNDS starts of each program)
set -euo pipefail

build=${1:?usage: windows_bench.sh BUILD_DIR [START_PAIRS] [KEYSTROKE_PAIRS] [PASTE_PAIRS] [START_ROUNDS]}
start_pairs=${2:-30}
keystroke_pairs=${3:-20}
paste_pairs=${4:-10}
start_rounds=${5:-6}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# The stripped copies users get (windows_dist), with guirt.dll beside the program.
exe="$build/dravello.exe"
dll="$build/guirt.dll"
baseline="$build/bin/baseline_win32.exe"
startup_timer="$build/bin/startup_timer.exe"
keystroke_timer="$build/bin/keystroke_timer.exe"
paste_timer="$build/bin/paste_timer.exe"
for file in "$exe" "$dll" "$baseline" "$startup_timer" "$keystroke_timer" "$paste_timer" "$build/bin/keystroke_probe.dll"; do
    [[ -f $file ]] || { echo "windows_bench: no $file (cmake --build --preset win64)" >&2; exit 1; }
done

# Under Wine every message and most calls into the system are a round trip to wineserver.
# Left to spread over the processors, the programs and the server wake each other across
# them, at a cost that changes with where the scheduler happens to put them, for seconds
# at a time: one run then differs from the next by half. On one processor they hand over
# in turn, as alike from run to run as the other work on the machine lets them. Everything
# started from here stays on it: the virtual display, the server and the programs.
taskset -cp "$(($(nproc) - 1))" $$ >/dev/null

# One display and one Wine session for both timers, in a Wine prefix of the benchmark's own:
# a server already running (for tests, say) would be on every processor, and a new session
# spends its first seconds starting Wine's own services and desktop, so the session starts
# and settles before any timing.
export WINEPREFIX=$root/build/wineprefix-bench
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
if [[ -z ${DISPLAY:-} ]]; then
    source "$root/scripts/virtual-display.sh"
    start_virtual_display || exit 1
    trap 'wineserver -k 2>/dev/null || true; cleanup_virtual_display' EXIT
else
    trap 'wineserver -k 2>/dev/null || true' EXIT
fi
wineserver -p
# Makes the prefix on the first run (half a minute), brings it up to date on the next ones.
wineboot --init >/dev/null 2>&1 || true
sleep 2

wine "$startup_timer" "$start_pairs" "$start_rounds" "$exe" Dravello "$baseline" Baseline
wine "$keystroke_timer" "$keystroke_pairs" 400 "$exe" Dravello "$baseline" Baseline
wine "$paste_timer" "$paste_pairs" "$exe" Dravello "$baseline" Baseline

exe_size=$(stat -c %s "$exe")
dll_size=$(stat -c %s "$dll")
echo "size of the stripped files users get:"
awk -v e="$exe_size" -v d="$dll_size" 'BEGIN {
    printf "  dravello.exe %d bytes + guirt.dll %d bytes = %d bytes (%.2f MB; target <= 1.50 MB)\n", e, d, e + d, (e + d) / 1e6
}'
