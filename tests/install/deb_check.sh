#!/usr/bin/env bash
# The .deb as Debian's tools see it: lintian has nothing to say, its changelog names the
# package's version, and it carries no maintainer scripts or conffiles, so removing it
# leaves nothing behind. Then dpkg installs and removes it for real in a scratch root with a
# database of its own (the dependencies are not there, so it is told to go on without them)
# and nothing of it may be left.
# Usage: deb_check.sh DEB
set -euo pipefail

deb=$(realpath "${1:?usage: deb_check.sh DEB}")
(($# == 1)) || {
    echo "usage: deb_check.sh DEB (one package, got $#)" >&2
    exit 2
}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
    echo "package.deb: FAIL: $*" >&2
    exit 1
}

# Root or not, lintian looks the same; it warns about root on standard error only.
lintian --fail-on error,warning --info "$deb" || fail "lintian reports the tags above"

package=$(dpkg-deb --field "$deb" Package)
version=$(dpkg-deb --field "$deb" Version)
dpkg-deb --fsys-tarfile "$deb" | tar -xO "./usr/share/doc/$package/changelog.gz" | gzip -d >"$scratch/changelog" ||
    fail "no usr/share/doc/$package/changelog.gz"
changelog_version=$(dpkg-parsechangelog --file "$scratch/changelog" --show-field Version)
[[ $changelog_version == "$version" ]] ||
    fail "the changelog's latest entry is $changelog_version, the package is $version"

control=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | sed 's|^\./||; /^$/d' | sort | tr '\n' ' ')
[[ $control == "control md5sums " ]] || fail "the control archive holds more than control and md5sums: $control"

root=$scratch/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
dpkg=(dpkg --root="$root" --log="$scratch/dpkg.log" --force-not-root)
"${dpkg[@]}" --force-depends --install "$deb" >"$scratch/install.log" 2>&1 ||
    fail "dpkg --install failed: $(cat "$scratch/install.log")"
[[ -x $root/usr/bin/$package ]] || fail "dpkg did not install /usr/bin/$package"
"${dpkg[@]}" --remove "$package" >"$scratch/remove.log" 2>&1 ||
    fail "dpkg --remove failed: $(cat "$scratch/remove.log")"
left=$(find "$root" -mindepth 1 -not -path "$root/var" -not -path "$root/var/lib" -not -path "$root/var/lib/dpkg*")
[[ -z $left ]] || fail "dpkg --remove left: $left"

echo "$package $version: lintian clean, no maintainer scripts, installed and removed without a trace"
