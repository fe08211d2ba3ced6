#include "guirt/Thread.h"

#include <atomic>
#include <thread>

#include "UIThread.h"
#include "guirt/Exceptions.h"

namespace guirt {

namespace {
// The loading thread until RuntimeInit names the thread that runs the event loop.
std::thread::id gUIThread = std::this_thread::get_id();
}  // namespace

void SetUIThread(std::thread::id id) noexcept {
    gUIThread = id;
}

void UIThreadOnly() {
    if (std::this_thread::get_id() != gUIThread) {
        Raise<ThreadAccessingUIException>(
            "A window, control or menu was used from a thread other than the user-interface thread.");
    }
}

}  // namespace guirt
