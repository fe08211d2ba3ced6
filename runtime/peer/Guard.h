#pragma once

#include <utility>

#include "guirt/Exceptions.h"
#include "guirt/Export.h"

namespace guirt {

// Marks a call from the native toolkit into the models; backends use Inside() to put off
// deleting a native object that may be the sender of the signal being delivered.
class GUIRT_API NativeCallback {
public:
    NativeCallback() noexcept;
    ~NativeCallback();
    NativeCallback(const NativeCallback&) = delete;
    NativeCallback& operator=(const NativeCallback&) = delete;
    static bool Inside() noexcept;
};

// Parks the exception being handled (the first one pending wins) and ends the event loop.
GUIRT_API void ParkAndEndLoop() noexcept;

// Every native callback that calls into the models goes through here: no exception may
// unwind through the toolkit's frames, so it waits in gCurrentException and the loop ends;
// the runtime raises it again when the loop returns. Once one is pending nothing more runs.
template <class F>
void CallModel(F&& f) noexcept {
    if (gCurrentException) return;
    const NativeCallback scope;
    try {
        std::forward<F>(f)();
    } catch (...) {
        ParkAndEndLoop();
    }
}

}  // namespace guirt
