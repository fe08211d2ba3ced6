#!/usr/bin/env bash
# The Windows program's benchmarks, on the win64 build: start-up to the shown window under
# Wine against a bare Win32 program of the same make-up (baseline_win32), and the size of
# the two files users get.
# Usage: windows_bench.sh BUILD_DIR [RUNS]   (BUILD_DIR is build/win64)
set -euo pipefail

build=${1:?usage: windows_bench.sh BUILD_DIR [RUNS]}
runs=${2:-60}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# The stripped copies users get (windows_dist), with guirt.dll beside the program.
exe="$build/dravello.exe"
dll="$build/guirt.dll"
baseline="$build/bin/baseline_win32.exe"
timer="$build/bin/startup_timer.exe"
for file in "$exe" "$dll" "$baseline" "$timer"; do
    [[ -f $file ]] || { echo "windows_bench: no $file (cmake --build --preset win64)" >&2; exit 1; }
done

# One Wine session for every run: the timer starts the programs from inside it.
"$root/scripts/wine-run.sh" "$timer" "$runs" "$exe" Dravello "$baseline" Baseline

exe_size=$(stat -c %s "$exe")
dll_size=$(stat -c %s "$dll")
echo "size of the stripped files users get:"
awk -v e="$exe_size" -v d="$dll_size" 'BEGIN {
    printf "  dravello.exe %d bytes + guirt.dll %d bytes = %d bytes (%.2f MB; target <= 1.50 MB)\n", e, d, e + d, (e + d) / 1e6
}'
