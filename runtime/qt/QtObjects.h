#pragma once

#include <QObject>
#include <functional>
#include <utility>

class QEvent;

namespace guirt::qt {

// Deletes a native object now, or once control is back in the event loop when a callback
// into the models is running: the object may be the sender of the signal being delivered.
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
