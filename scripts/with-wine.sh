#!/usr/bin/env bash
# Runs a command in the Wine environment of this build: with-wine.sh command [arguments...].
# The Wine prefix lives in build/wineprefix (made on first use), never in the user's home.
# Without DISPLAY the command gets a virtual X display of its own; scripts/with-virtual-display.sh
# gives a whole test run one, which is much faster, as Wine then starts its desktop once.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=$root/build/wineprefix
export WINEDEBUG=-all
# No prompts to install Mono or Gecko: nothing here needs .NET or HTML. No winemenubuilder:
# it would put launchers and file types for the prefix's programs in the user's home.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

if [[ ! -f $WINEPREFIX/system.reg ]]; then
    mkdir -p "$root/build"
    # Parallel tests start together: one of them makes the prefix, the others wait for it.
    (
        flock 9
        if [[ ! -f $WINEPREFIX/system.reg ]]; then
            wineboot --init >/dev/null 2>&1 || true
            wineserver --wait
        fi
    ) 9>"$root/build/wineprefix.lock"
    if [[ ! -f $WINEPREFIX/system.reg ]]; then
        echo "with-wine: could not make the Wine prefix $WINEPREFIX (try: WINEPREFIX=$WINEPREFIX wineboot --init)" >&2
        exit 1
    fi
fi

# Wine's server and its background programs (the desktop, services) outlive the program that
# starts them and keep its standard error open: a test whose program started one would have
# its output held open, and CTest wait for it, until the last Wine program of the run has
# ended. So the command's standard error goes to a file, passed on once the command ends.
run() {
    local errors status=0
    errors=$(mktemp)
    "$@" 2>"$errors" || status=$?
    cat "$errors" >&2
    rm -f "$errors"
    return "$status"
}

if [[ -n ${DISPLAY:-} ]]; then
    run "$@"
    exit
fi

source "$root/scripts/virtual-display.sh"
start_virtual_display || exit 1
status=0
run "$@" || status=$?
exit "$status"
