#!/usr/bin/env bash
# What libguirt.so exports is guirt's public API and nothing else: names in namespace guirt
# (code, data, type information and tables), none of the backend's, the number text's or
# the seam's, so a program cannot link to the passkey's maker or a peer.
set -euo pipefail
lib=$1
exported=$(nm -D --defined-only "$lib" | awk '{ print $3 }' | c++filt)
[[ -n $exported ]] || { echo "nothing exported from $lib"; exit 1; }
status=0
own='^((typeinfo|typeinfo name|vtable) for )?guirt::'
if outside=$(grep -vE "$own" <<<"$exported"); then
    echo "exported outside namespace guirt:"; echo "$outside"; status=1
fi
# Every peer interface is named ...Peer (the window's, each kind's in PeerKinds.h).
internal="${own}((qt|win32|numtext|testing)::|(PeerAccess|PeerFactory|\\w*Peer|ShownMenus|ShownCaptions"
internal+="|NativeCallback)\\b|(InstallPeerFactory|InstalledPeerFactory"
internal+="|ParkAndEndLoop|ParseShortcut|KeyName|BoundsOf|FrameOf|FontOf|AlignmentOf|WithLineFeeds|CaptionsOf)\\()"
if inside=$(grep -E "$internal" <<<"$exported"); then
    echo "exported from the runtime's insides:"; echo "$inside"; status=1
fi
exit $status
