#!/usr/bin/env bash
# Installs the Debian packages Dravello needs, by set:
#   run      build the program in the dev build and show it (make run)
#   package  build a Release .deb (make package)
#   windows  cross-build the Windows program and its zip (make windows)
#   web      build the page with emscripten and serve it (make web, make serve)
#   test     everything: tests, fuzzers, benchmarks, running and packaging (the default)
#   npm      npm, where the machine's Node.js came without it (install-npm.sh asks for it)
# Idempotent: when everything is present it does nothing and never touches apt.
set -euo pipefail

set_name=${1:-test}

BUILD=(
    cmake ninja-build g++ ccache pkg-config
    # Qt backend, and Xlib for its clipboard reads
    qt6-base-dev qt6-base-dev-tools libx11-dev
    # number text: fast_float reads and fmt writes, both from their headers alone
    libfast-float-dev libfmt-dev
)
# Configuring the dev build also configures its tests: GoogleTest.
DEV_CONFIGURE=(libgtest-dev libgmock-dev)
# Running the window headless and taking a screenshot.
HEADLESS=(xvfb xauth xdotool imagemagick fonts-dejavu-core)
# CPack's DEB generator reads the linked libraries with these.
PACKAGING=(dpkg-dev file)
# Cross-building the Windows program (windres comes with the binutils) and its tests, its
# icon (the SVG rendered by rsvg-convert, packed by icotool) and its installer (wixl).
WINDOWS=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools googletest librsvg2-bin icoutils wixl)
# The page: emscripten (clang, its libc++ and Node, with the acorn module its JS optimizer
# needs), the number text headers, GoogleTest's sources (the web build configures its
# tests too), and Python for the local server.
WEB=(cmake ninja-build ccache emscripten node-acorn libfast-float-dev libfmt-dev googletest python3)
TEST_ONLY=(
    # the page's tests in a real browser
    chromium chromium-driver python3-selenium
    # running the Windows tests (64-bit Wine; they get a virtual display from xvfb)
    wine wine64
    googletest libbenchmark-dev
    # libFuzzer and sanitizer runtimes for clang
    clang libclang-rt-dev
    # the end-to-end test's window checks, and a clipboard holder for its huge paste
    x11-utils xclip
    # the look test: the desktop themes' palettes the window must not take (GNOME and Xfce
    # users get this one with Qt)
    qt6-gtk-platformtheme
    # the screen reader's view: a session bus, the accessibility bus and a client
    dbus-bin dbus-daemon at-spi2-core python3-dbus
    # the desktop file, metainfo and man page checks of the install test, and the .deb's
    desktop-file-utils appstream groff-base lintian
    # packaging/linux/render-icons.sh
    librsvg2-bin
    # reading the Windows installer back
    msitools
)

case $set_name in
    run) PACKAGES=("${BUILD[@]}" "${DEV_CONFIGURE[@]}" "${HEADLESS[@]}") ;;
    package) PACKAGES=("${BUILD[@]}" "${PACKAGING[@]}") ;;
    windows) PACKAGES=("${BUILD[@]}" "${WINDOWS[@]}") ;;
    web) PACKAGES=("${WEB[@]}") ;;
    npm) PACKAGES=(npm) ;;
    test) PACKAGES=("${BUILD[@]}" "${DEV_CONFIGURE[@]}" "${HEADLESS[@]}" "${PACKAGING[@]}" "${WINDOWS[@]}" "${WEB[@]}"
        "${TEST_ONLY[@]}") ;;
    *)
        echo "usage: install-deps.sh [run|package|windows|web|test|npm]" >&2
        exit 2
        ;;
esac

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
