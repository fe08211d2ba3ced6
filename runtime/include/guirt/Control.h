#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "guirt/ClassRecord.h"
#include "guirt/Events.h"
#include "guirt/Export.h"
#include "guirt/PeerKey.h"
#include "guirt/Property.h"
#include "guirt/String.h"

namespace guirt {

class ControlPeer;
class Window;
class WindowPeer;

// A control of a window. It keeps its bound event handlers and raises its numbered events;
// its native peer, once the window has one, mirrors the model and reports what the user did.
class GUIRT_API Control : public Object {
#define GUIRT_CONTROL_PROPERTIES(X)                 \
    X(Ref<String>, Name, "Name", nullptr, ShowName) \
    X(std::int64_t, Index, "Index", -2147483648LL, Stored)  // -2147483648: no control array
    GUIRT_PROPERTIES(Control, GUIRT_CONTROL_PROPERTIES)

public:
    ~Control() override;

    // The window the control belongs to; nil before it is added or after the window is gone.
    Ref<Window> Owner() const;

    // Calls the handler bound to the numbered event, if any. A number that the control's
    // class does not define raises a RuntimeException.
    void RaiseEvent(int number, const Ref<String>& key = nullptr);
    // The number of the named event in this control's class (-1 if it has none).
    int EventNumber(std::string_view name) const noexcept;

    // Whether Tab moves the keyboard focus to the control.
    virtual bool IsTabStop() const {
        return false;
    }

    // The user moved the keyboard focus into the control, or out of it.
    void PeerFocusChanged(const PeerKey&, bool gained);
    ControlPeer* Peer(const PeerKey&) const noexcept {
        return peer_.get();
    }

    static const ClassRecord& Record();

protected:
    Control();
    // Makes the control's native peer from its complete state, through the factory method
    // of the window peer for this kind of control.
    virtual std::unique_ptr<ControlPeer> CreatePeer(WindowPeer& window) = 0;
    virtual void FocusChanged(bool) {}
    ControlPeer* NativePeer() const noexcept {
        return peer_.get();
    }
    // The owner window orders its tab stops again.
    void ShowTabOrder();
    // The owner window tells its peers again which label captions which control.
    void ShowCaptions();

private:
    friend class Window;
    friend GUIRT_API void RuntimeAddEventHandler(Control&, int, EventAdaptor, const Ref<Delegate>&);
    void ShowName();

    struct Binding {
        int number;
        EventAdaptor adaptor;
        Ref<Delegate> delegate;
    };
    std::vector<Binding> bindings_;
    WeakRef<Window> owner_;
    std::unique_ptr<ControlPeer> peer_;
};

// Binds a delegate to a numbered event of the control (replacing an earlier binding of that
// event). Raises OutOfBoundsException for a number the control's class does not define.
GUIRT_API void RuntimeAddEventHandler(Control& control, int eventNumber, EventAdaptor adaptor,
                                      const Ref<Delegate>& delegate);

}  // namespace guirt
