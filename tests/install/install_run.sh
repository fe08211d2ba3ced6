#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR with prefix /usr, as a distribution package
# would lay it out, then runs the end-to-end window test on the INSTALLED program with no
# LD_LIBRARY_PATH: it has to find libguirt, in the program's own library folder, through its
# own RUNPATH.
# Usage: install_run.sh BUILD_DIR PRIVATE_LIBDIR SEND_WM_DELETE
set -euo pipefail

usage="usage: install_run.sh BUILD_DIR PRIVATE_LIBDIR SEND_WM_DELETE"
build=${1:?$usage}
libdir=${2:?$usage}
send_wm_delete=${3:?$usage}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() {
    echo "install.run: FAIL: $*" >&2
    exit 1
}

DESTDIR="$stage/root" cmake --install "$build" --prefix /usr >"$stage/install.log" 2>&1 ||
    fail "cmake --install failed: $(cat "$stage/install.log")"
usr="$stage/root/usr"
app="$usr/bin/dravello"

# Where the desktop, the software centre and man look.
for file in bin/dravello "$libdir/libguirt.so" \
    share/applications/org.dravello.Dravello.desktop \
    share/metainfo/org.dravello.Dravello.metainfo.xml \
    share/icons/hicolor/scalable/apps/org.dravello.Dravello.svg \
    share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/org.dravello.Dravello.png \
    share/man/man1/dravello.1.gz share/doc/dravello/{copyright,changelog.gz}; do
    [[ -f $usr/$file ]] || fail "not installed: /usr/$file"
done

# The build tree's RUNPATH must not survive installation: only the path relative to bin/.
runpath=$(readelf -d "$app" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]$/\1/p')
[[ $runpath == "\$ORIGIN/../$libdir" ]] || fail "RUNPATH is '$runpath', expected '\$ORIGIN/../$libdir'"
unset LD_LIBRARY_PATH
resolved=$(ldd "$app" | sed -n 's/^[[:space:]]*libguirt\.so => \([^ ]*\).*/\1/p')
[[ $(realpath -e "$resolved" 2>/dev/null) == $(realpath "$usr/$libdir/libguirt.so") ]] ||
    fail "the installed program loads libguirt from '$resolved'"

# The installed page renders without a troff warning.
warnings=$(gzip -dc "$usr/share/man/man1/dravello.1.gz" | LC_ALL=C.UTF-8 groff -t -man -Tutf8 -ww -z 2>&1)
[[ -z $warnings ]] || fail "the man page has troff warnings: $warnings"

echo "installed into $stage/root; RUNPATH $runpath; libguirt from $resolved"
bash "$here/../e2e/e2e_window.sh" "$app" "$send_wm_delete"
