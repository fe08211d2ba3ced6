#!/usr/bin/env bash
# Installs the Debian packages needed to build, test, fuzz, benchmark and run Dravello.
# Idempotent: when everything is present it does nothing and never touches apt.
set -euo pipefail

PACKAGES=(
    # build
    cmake ninja-build g++ ccache pkg-config
    # tests and benchmarks
    libgtest-dev googletest libgmock-dev libbenchmark-dev
    # libFuzzer and sanitizer runtimes for clang
    clang libclang-rt-dev
    # Qt backend
    qt6-base-dev qt6-base-dev-tools
    # running the window headless and taking a screenshot
    xvfb xauth xdotool x11-utils imagemagick fonts-dejavu-core
    # the end-to-end test's WM_DELETE_WINDOW sender
    libx11-dev
)

missing=()
for pkg in "${PACKAGES[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$pkg" 2>/dev/null || true)
    [[ $status == ii* ]] || missing+=("$pkg")
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

echo "install-deps: missing packages: ${missing[*]}"

if ((EUID == 0)); then
    SUDO=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    SUDO=(sudo -n)
else
    echo "install-deps: cannot install without root. Run:" >&2
    echo "  sudo apt-get update && sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
    exit 1
fi

"${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
"${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
