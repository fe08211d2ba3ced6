#!/usr/bin/env bash
# Installs the npm packages each folder's package-lock.json pins, with the machine's npm, into
# that folder's node_modules: tests/web/npm (axe-core, for the page's tests) and bench/web/npm
# (Lighthouse, for the page's benchmark). A folder whose lock is unchanged since is left as it
# is; without npm, Debian's is installed first (install-deps.sh npm).
set -euo pipefail
cd "$(dirname "$0")/.."

command -v npm >/dev/null || scripts/install-deps.sh npm
for folder in "$@"; do
    installed=$folder/node_modules/.package-lock.json
    if [[ -f $installed && ! $folder/package-lock.json -nt $installed ]]; then
        continue
    fi
    npm ci --prefix "$folder" --no-audit --no-fund
done
