#pragma once

#include <algorithm>
#include <utility>
#include <vector>

#include "Peers.h"

namespace guirt {

// The native sides of the controls one window peer made, by their peers: what the window
// asks of its controls (the tab order) and what one control asks of another (a caption of
// its field) is found in the window, never in the process. The window peer holds it and
// shares it with its control peers, which enter it as they are made and leave it as they
// go, even once the window's peer has gone before them. Native is the backend's non-template
// side of a control peer.
template <class Native>
class ControlRegistry {
public:
    void Enter(const ControlPeer& peer, Native& native) { entries_.emplace_back(&peer, &native); }
    void Leave(const ControlPeer& peer) noexcept {
        std::erase_if(entries_, [&peer](const Entry& entry) { return entry.first == &peer; });
    }

    // The native side of a control of this window; null for any other peer.
    Native* Of(const ControlPeer* peer) const noexcept {
        auto it =
            std::find_if(entries_.begin(), entries_.end(), [peer](const Entry& entry) { return entry.first == peer; });
        return it == entries_.end() ? nullptr : it->second;
    }
    // The first control whose native side matches; null for none.
    template <class Match>
    Native* Find(Match match) const {
        auto it = std::find_if(entries_.begin(), entries_.end(),
                               [&match](const Entry& entry) { return match(*entry.second); });
        return it == entries_.end() ? nullptr : it->second;
    }
    // Each control's native side, in the order the controls were made.
    template <class F>
    void ForEach(F f) const {
        for (const Entry& entry : entries_) f(*entry.second);
    }

private:
    using Entry = std::pair<const ControlPeer*, Native*>;
    // A window has a handful of controls: a list looked through beats a hash.
    std::vector<Entry> entries_;
};

}  // namespace guirt
