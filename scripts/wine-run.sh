#!/usr/bin/env bash
# Runs a Windows program under Wine with its exit status, as CTest's emulator for the win64
# build: wine-run.sh program.exe [arguments...], in the environment scripts/with-wine.sh
# sets up (the Wine prefix in build/wineprefix, an X display).
set -euo pipefail

exec "$(dirname "${BASH_SOURCE[0]}")/with-wine.sh" wine "$@"
