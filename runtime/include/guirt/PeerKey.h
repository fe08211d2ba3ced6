#pragma once

namespace guirt {

// Passkey for the entry points only the runtime's native side may call (the user's actions
// that a peer reports). Only PeerAccess makes one; it is defined inside the runtime and not
// exported, so program code can neither see it nor link to it.
class PeerKey {
    PeerKey() = default;
    friend class PeerAccess;
};

}  // namespace guirt
