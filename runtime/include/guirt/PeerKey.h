#pragma once

namespace guirt {

// Passkey for the entry points only a native peer may call (user actions it reports).
// Only the runtime's internal PeerAccess can make one, so the program cannot.
class PeerKey {
    PeerKey() = default;
    friend struct PeerAccess;
};

}  // namespace guirt
