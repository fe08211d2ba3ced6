#!/usr/bin/env bash
# End to end on a real X server: the window appears with its fixed size, a paste of 200 MB is
# refused without a crash or a freeze, typing a diameter recalculates the area and the voltage
# drop, and WM_DELETE_WINDOW ends the program cleanly.
# Usage: e2e_window.sh DRAVELLO SEND_WM_DELETE
set -euo pipefail

app=${1:?usage: e2e_window.sh DRAVELLO SEND_WM_DELETE}
send_wm_delete=${2:?usage: e2e_window.sh DRAVELLO SEND_WM_DELETE}
# The window's content area below the menu bar; the menu bar's height depends on the font.
content_w=296
content_h=247
max_menu_h=53

fail() {
    echo "e2e.window: FAIL: $*" >&2
    if [[ -s ${tmp:-}/app.log ]]; then
        echo "--- program output" >&2
        cat "$tmp/app.log" >&2
    fi
    exit 1
}

for tool in Xvfb xdotool xclip xwininfo xprop import convert md5sum; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps.sh installs it)"
done
[[ -x $app ]] || fail "no program at $app"
[[ -x $send_wm_delete ]] || fail "no helper at $send_wm_delete"

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/virtual-display.sh"
start_virtual_display || fail "no virtual display"
# The real X platform, whatever the caller's environment says.
export QT_QPA_PLATFORM=xcb

"$app" >"$tmp/app.log" 2>&1 &
app_pid=$!

alive() {
    kill -0 "$app_pid" 2>/dev/null || {
        local status=0
        wait "$app_pid" || status=$?
        app_pid=
        fail "the program exited with status $status $1"
    }
}

win=
for _ in $(seq 150); do
    win=$(xdotool search --onlyvisible --name '^Dravello$' 2>/dev/null | head -n1 || true)
    [[ -n $win ]] && break
    alive "before showing its window"
    sleep 0.2
done
[[ -n $win ]] || fail "no visible window titled Dravello within 30s"
echo "window $win on $DISPLAY"

# Size: the client area is the menu bar plus the fixed content area.
info=$(xwininfo -id "$win")
width=$(awk '/^ *Width:/ { print $2 }' <<<"$info")
height=$(awk '/^ *Height:/ { print $2 }' <<<"$info")
[[ $width == "$content_w" ]] || fail "window width is $width, expected $content_w"
((height > content_h && height <= content_h + max_menu_h)) ||
    fail "window height is $height, expected the content's $content_h plus a menu bar"
menu_h=$((height - content_h))
echo "size ${width}x${height}, menu bar ${menu_h}"

# Not resizable: the program pins the minimum and the maximum to the window's size.
hints=$(xprop -id "$win" WM_NORMAL_HINTS)
min=$(sed -n 's/.*program specified minimum size: \([0-9]*\) by \([0-9]*\).*/\1x\2/p' <<<"$hints")
max=$(sed -n 's/.*program specified maximum size: \([0-9]*\) by \([0-9]*\).*/\1x\2/p' <<<"$hints")
[[ -n $min && $min == "$max" ]] || fail "the window is resizable: minimum '$min', maximum '$max'"
[[ $min == "${width}x${height}" ]] || fail "the size limits $min differ from the window's ${width}x${height}"
xprop -id "$win" WM_PROTOCOLS | grep -q WM_DELETE_WINDOW || fail "the window does not take WM_DELETE_WINDOW"
# Launchers match the window to its desktop entry by its class.
wm_class=$(xprop -id "$win" WM_CLASS)
[[ $wm_class == *'"dravello", "Dravello"'* ]] || fail "WM_CLASS is $wm_class, expected \"dravello\", \"Dravello\""

screenshot() {
    local file
    file=$(mktemp --suffix=.png "$tmp/shot.XXXXXX")
    import -window "$win" "$file" || fail "could not take a screenshot"
    echo "$file"
}
# A digest of one control's rectangle, in content coordinates (below the menu bar).
region() {
    convert "$1" -crop "$4x$5+$2+$(($3 + menu_h))" +repage rgb:- | md5sum | cut -d' ' -f1
}
area_of() { region "$1" 196 140 80 22; }
result_of() { region "$1" 20 207 256 20; }

# Mapped is not yet painted: wait until two screenshots in a row show the same values.
before=$(screenshot)
for _ in $(seq 25); do
    sleep 0.2
    next=$(screenshot)
    if [[ $(area_of "$before") == $(area_of "$next") && $(result_of "$before") == $(result_of "$next") ]]; then
        break
    fi
    before=$next
done

# Paste 200 MB of digits over the diameter field (x 196..276, y 106..128). The paste is
# refused whole; the program must neither crash nor stop answering: typing a new diameter of
# 1 mm must then recalculate, however long the clipboard took to arrive.
head -c 200000000 /dev/zero | tr '\0' 1 | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
clipboard_pid=$!
for _ in $(seq 300); do
    xclip -selection clipboard -o -t TARGETS >/dev/null 2>&1 && break
    sleep 0.2
done
xclip -selection clipboard -o -t TARGETS >/dev/null 2>&1 || fail "xclip took no hold of the clipboard in 60 s"
xdotool windowfocus --sync "$win" 2>/dev/null || xdotool windowfocus "$win"
xdotool mousemove --window "$win" 236 $((menu_h + 117)) click 1
xdotool key --clearmodifiers ctrl+a ctrl+v
alive "on a paste of 200 MB"
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 30 1
alive "while typing"
kill "$clipboard_pid" 2>/dev/null || true

# The area follows the diameter alone, so a changed area shows the keys reached the
# diameter field; the voltage drop follows the area.
changed=
for _ in $(seq 600); do
    sleep 0.2
    after=$(screenshot)
    if [[ $(area_of "$before") != $(area_of "$after") && $(result_of "$before") != $(result_of "$after") ]]; then
        changed=yes
        break
    fi
done
[[ -n $changed ]] || fail "typing a diameter did not change the area and the voltage drop within 2 minutes"
alive "after typing"
echo "typing recalculated the area and the voltage drop"

# Close it the way a window manager does; the program must end on its own with status 0.
"$send_wm_delete" "$win" || fail "could not send WM_DELETE_WINDOW"
for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$app_pid" 2>/dev/null; then
    fail "the program still runs 10s after its window was asked to close"
fi
status=0
wait "$app_pid" || status=$?
app_pid=
((status == 0)) || fail "the program exited with status $status after closing its window"
if [[ -s $tmp/app.log ]]; then
    echo "--- program output"
    cat "$tmp/app.log"
fi
echo "e2e.window: PASS"
