#!/usr/bin/env bash
# Installs the Windows installer under Wine as an administrator would, quietly and for every
# user, then checks what a user meets: the four files in Program Files\Dravello, the
# Start-menu shortcut, the installed-programs entry with its icon, and the INSTALLED program
# starting, calculating and closing with status 0 (one case of the black-box test, run on
# it). Then uninstalls it and checks that nothing of it is left; and last, that a later
# version built from the same source replaces it.
# Usage: msi_install.sh MSI BLACKBOX_TESTS_EXE VERSION_RC WXS
set -euo pipefail

usage="usage: msi_install.sh MSI BLACKBOX_TESTS_EXE VERSION_RC WXS"
msi=$(realpath "${1:?$usage}")
blackbox=${2:?$usage}
rc=${3:?$usage}
wxs=$(realpath "${4:?$usage}")
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# One display for every Wine call below, as the win64 test run gives its tests.
[[ -n ${DISPLAY:-} ]] || exec "$root/scripts/with-virtual-display.sh" bash "${BASH_SOURCE[0]}" "$@"

wine() { "$root/scripts/wine-run.sh" "$@"; }
fail() {
    echo "windows.installer: FAIL: $*" >&2
    exit 1
}

# The prefix wine-run.sh makes, read here as files.
drive_c=$root/build/wineprefix/drive_c
program_dir="$drive_c/Program Files/Dravello"
# The Start-menu shortcuts there are. A per-machine one belongs in the common Programs
# folder; Wine puts it in the user's.
shortcuts() {
    local lnk
    for lnk in "$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Dravello.lnk" \
        "$drive_c"/users/*/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/Dravello.lnk; do
        if [[ -f $lnk ]]; then echo "$lnk"; fi
    done
}
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

product=$(msiinfo export "$msi" Property | tr -d '\r' | sed -n 's/^ProductCode\t//p')
version=$(msiinfo export "$msi" Property | tr -d '\r' | sed -n 's/^ProductVersion\t//p')
company=$(sed -n 's/^ *VALUE "CompanyName", "\(.*\)"$/\1/p' "$rc")
[[ $product == \{*\} && -n $version && -n $company ]] || fail "cannot read the product code, version or company"
# Where Windows Installer registers a product: its code with each group's digits reversed.
hex=${product//[\{\}-]/}
packed=$(rev <<<"${hex:0:8}")$(rev <<<"${hex:8:4}")$(rev <<<"${hex:12:4}")
for ((i = 16; i < 32; i += 2)); do packed+=${hex:i+1:1}${hex:i:1}; done
product_key="HKLM\\Software\\Classes\\Installer\\Products\\$packed"

# One value of a registry key, or nothing.
reg_value() { wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"; }

# Every Dravello that an earlier, failed run may have left installed (each build has a
# product code of its own), found by the name it shows in the installed programs.
uninstall_leftovers() {
    local key
    wine reg query "$uninstall_key" /s 2>/dev/null | tr -d '\r' | awk '
        /^HKEY_/ { key = $0; sub(/.*\\/, "", key) }
        $1 == "DisplayName" && $2 == "REG_SZ" && substr($0, index($0, "REG_SZ") + 6) ~ /^ *Dravello$/ { print key }' |
        while read -r key; do wine msiexec /x "$key" /qn || true; done
}
scratch=$(mktemp -d)
trap 'uninstall_leftovers; rm -rf "$scratch"' EXIT
uninstall_leftovers

wine msiexec /i "$(wine winepath -w "$msi" | tr -d '\r')" /qn || fail "msiexec /i exited with status $?"

build=$(dirname "$msi")
for file in dravello.exe guirt.dll README.txt LICENSE.txt; do
    cmp -s "$build/$file" "$program_dir/$file" || fail "Program Files\\Dravello\\$file is not the build's $file"
done
shortcut=$(shortcuts)
[[ -n $shortcut && $shortcut != *$'\n'* ]] || fail "not one Dravello shortcut in the Start menu's Programs folder"
strings -a "$shortcut" | grep -qxF 'C:\Program Files\Dravello\dravello.exe' || fail "the shortcut does not start the program"

[[ $(reg_value "$uninstall_key\\$product" DisplayName) == Dravello ]] || fail "the installed-programs entry has no name"
[[ $(reg_value "$uninstall_key\\$product" DisplayVersion) == "$version" ]] || fail "the entry's version is not $version"
[[ $(reg_value "$uninstall_key\\$product" Publisher) == "$company" ]] || fail "the entry's publisher is not $company"
icon=$(reg_value "$product_key" ProductIcon)
[[ -n $icon ]] || fail "the product has no icon"
icon_file=$(wine winepath -u "$icon" | tr -d '\r')
cmp -s "$build/icon/dravello.ico" "$icon_file" || fail "the product's icon is not the program's"
strings -a -el "$shortcut" | grep -qF "$icon" || fail "the shortcut does not show the program's icon"

ran=$(wine "$blackbox" 'C:\Program Files\Dravello\dravello.exe' --gtest_filter='BlackBox.ShowsTheStartUpExampleAndExitsWithZeroWhenClosed' 2>&1) ||
    fail "the installed program did not calculate and close with status 0: $ran"
# A filter that matched no case would pass too: the case has to be seen passing.
grep -q '^\[       OK \] BlackBox\.' <<<"$ran" || fail "the black-box case did not run: $ran"

wine msiexec /x "$product" /qn || fail "msiexec /x exited with status $?"
[[ ! -e $program_dir ]] || fail "the uninstall left Program Files\\Dravello"
[[ -z $(shortcuts) ]] || fail "the uninstall left the shortcut $(shortcuts)"
[[ ! -e $(dirname "$icon_file") ]] || fail "the uninstall left the product's icon in $(dirname "$icon_file")"
! wine reg query "$uninstall_key\\$product" >/dev/null 2>&1 || fail "the uninstall left its installed-programs entry"
! wine reg query "$product_key" >/dev/null 2>&1 || fail "the uninstall left the product's registration"
echo "installed $product ($version) and uninstalled it without a trace"

# The same files as a later version (one more in the last place); the trap uninstalls it.
later_version=${version%.*}.$((${version##*.} + 1))
later="$scratch/dravello-$later_version.msi"
(cd "$build" && wixl --arch x64 --define Version="$later_version" --output "$later" "$wxs") || fail "wixl failed"
later_product=$(msiinfo export "$later" Property | tr -d '\r' | sed -n 's/^ProductCode\t//p')
wine msiexec /i "$(wine winepath -w "$msi" | tr -d '\r')" /qn || fail "msiexec /i exited with status $?"
wine msiexec /i "$(wine winepath -w "$later" | tr -d '\r')" /qn || fail "msiexec /i of $later_version exited with status $?"
[[ $(reg_value "$uninstall_key\\$later_product" DisplayVersion) == "$later_version" ]] || fail "$later_version is not installed"
! wine reg query "$uninstall_key\\$product" >/dev/null 2>&1 || fail "$later_version did not replace $version"
echo "$later_version replaced $version"
