#include "Peers.h"

#include "Guard.h"

namespace guirt {

namespace {
PeerFactory* gFactory = nullptr;
int gCallbackDepth = 0;
}  // namespace

PeerKey PeerAccess::Key() noexcept {
    return PeerKey{};
}

void InstallPeerFactory(PeerFactory* factory) noexcept {
    gFactory = factory;
}
PeerFactory* InstalledPeerFactory() noexcept {
    return gFactory;
}

NativeCallback::NativeCallback() noexcept {
    ++gCallbackDepth;
}
NativeCallback::~NativeCallback() {
    --gCallbackDepth;
}
bool NativeCallback::Inside() noexcept {
    return gCallbackDepth > 0;
}

void ParkAndEndLoop() noexcept {
    ParkCurrentException();
    if (gFactory) gFactory->QuitEventLoop();
}

}  // namespace guirt
