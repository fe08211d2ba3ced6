#!/usr/bin/env bash
# Runs a command with an X display: the caller's, or one virtual display for the whole
# command. The win64 tests run this way so that Wine starts its desktop once, not once
# per test program as scripts/wine-run.sh would on a display of its own.
set -euo pipefail

if [[ -n ${DISPLAY:-} ]]; then
    exec "$@"
fi

source "$(dirname "${BASH_SOURCE[0]}")/virtual-display.sh"
start_virtual_display || exit 1
status=0
"$@" || status=$?
exit "$status"
