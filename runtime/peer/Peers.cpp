#include "Peers.h"

namespace guirt {

namespace {
PeerFactory* gFactory = nullptr;
}

void InstallPeerFactory(PeerFactory* factory) noexcept {
    gFactory = factory;
}
PeerFactory* InstalledPeerFactory() noexcept {
    return gFactory;
}

}  // namespace guirt
