#pragma once

#include <utility>

#include "Peers.h"
#include "guirt/Exceptions.h"
#include "guirt/Object.h"

namespace guirt {

// Marks a call from the native toolkit into the models; backends use Inside() to put off
// deleting a native object that may be the sender of the signal being delivered.
class NativeCallback {
public:
    NativeCallback() noexcept;
    ~NativeCallback();
    NativeCallback(const NativeCallback&) = delete;
    NativeCallback& operator=(const NativeCallback&) = delete;
    static bool Inside() noexcept;
};

// Parks the exception being handled (the first one pending wins) and ends the event loop.
void ParkAndEndLoop() noexcept;

// Runs f for the native toolkit and gives back its result, or fallback if it raised: no
// exception may unwind through the toolkit's frames, so it waits in gCurrentException and
// the loop ends; the runtime raises it again when the loop returns. The one catch-all
// between the toolkits and the runtime. A window procedure runs its messages through it.
template <class R, class F>
R Caught(R fallback, F&& f) noexcept {
    const NativeCallback scope;
    try {
        return std::forward<F>(f)();
    } catch (...) {
        ParkAndEndLoop();
        return fallback;
    }
}

// The same for a call into the models, which does not run at all once an exception is
// pending: nothing more of the program runs after a failure.
template <class R, class F>
R Guarded(R fallback, F&& f) noexcept {
    if (gCurrentException) return fallback;
    return Caught(fallback, std::forward<F>(f));
}

template <class F>
void Guarded(F&& f) noexcept {
    Guarded(0, [&] {
        std::forward<F>(f)();
        return 0;
    });
}

// Reports what the user did to the model through its Peer... entry point, holding the
// model for the call (the handlers it runs may let go of it), inside Guarded.
template <class Model, class Owner, class... Params, class... Args>
void Report(Model& model, void (Owner::*entry)(const PeerKey&, Params...), Args&&... args) noexcept {
    Guarded([&] {
        const Ref<Model> hold(&model);
        (model.*entry)(PeerAccess::Key(), std::forward<Args>(args)...);
    });
}

// The same for an entry point that answers: its answer, or the empty one (false, none) once
// a failure is pending.
template <class R, class Model, class Owner, class... Params, class... Args>
R Ask(Model& model, R (Owner::*entry)(const PeerKey&, Params...), Args&&... args) noexcept {
    return Guarded(R{}, [&] {
        const Ref<Model> hold(&model);
        return (model.*entry)(PeerAccess::Key(), std::forward<Args>(args)...);
    });
}

template <class R, class Model, class Owner, class... Params, class... Args>
R Ask(Model& model, R (Owner::*entry)(const PeerKey&, Params...) const, Args&&... args) noexcept {
    return Guarded(R{}, [&] {
        const Ref<Model> hold(&model);
        return (model.*entry)(PeerAccess::Key(), std::forward<Args>(args)...);
    });
}

}  // namespace guirt
