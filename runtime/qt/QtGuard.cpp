#include "QtGuard.h"

#include <QCoreApplication>

#include "Peers.h"

namespace guirt::qt {

namespace {
int gDepth = 0;
}

int CallbackDepth() noexcept {
    return gDepth;
}
void EnterCallback() noexcept {
    ++gDepth;
}
void LeaveCallback() noexcept {
    --gDepth;
}

void RequestQuit() noexcept {
    try {
        if (PeerFactory* factory = InstalledPeerFactory()) {
            factory->QuitEventLoop();
        } else {
            QCoreApplication::exit(0);
        }
    } catch (...) {
        // Already failing; the parked exception is what gets reported.
    }
}

void DeleteSoon(QObject* object) {
    if (!object) return;
    if (gDepth > 0) {
        object->deleteLater();
    } else {
        delete object;
    }
}

}  // namespace guirt::qt
