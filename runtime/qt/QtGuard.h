#pragma once

#include <QObject>
#include <functional>
#include <utility>

#include "guirt/Exceptions.h"

class QEvent;

namespace guirt::qt {

// How many model calls made from Qt callbacks are running right now.
int CallbackDepth() noexcept;
void EnterCallback() noexcept;
void LeaveCallback() noexcept;

// Ends the event loop after a handler failed.
void RequestQuit() noexcept;

// Every Qt signal, event handler or filter that calls into the models goes through here: a
// runtime exception must not unwind through Qt's frames, so it waits in gCurrentException
// and the loop ends; the runtime raises it again when the loop returns.
template <class F>
void CallModel(F&& f) noexcept {
    EnterCallback();
    try {
        std::forward<F>(f)();
    } catch (...) {
        ParkCurrentException();
        RequestQuit();
    }
    LeaveCallback();
}

// Deletes a native object now, or once control is back in the event loop when a callback
// is running: the object may be the sender of the signal being delivered.
void DeleteSoon(QObject* object);

// An event filter made of a function; returning true swallows the event.
class EventFilter final : public QObject {
public:
    explicit EventFilter(std::function<bool(QObject*, QEvent*)> filter) : filter_(std::move(filter)) {}
    bool eventFilter(QObject* watched, QEvent* event) override { return filter_(watched, event); }

private:
    std::function<bool(QObject*, QEvent*)> filter_;
};

}  // namespace guirt::qt
