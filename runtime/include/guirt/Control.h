#pragma once

#include <cstdint>
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
public:
    // What the native peer of every control shows of it; the peer is told which one changed
    // and reads it from the model.
    enum class Shown : std::uint8_t { Name, Last = Name };

    ~Control() override;

    Ref<String> Name() const { return Read(name_); }
    void SetName(const Ref<String>& name) {
        if (Assign(name_, name)) Show(Shown::Name);
    }
    // -2147483648: the control is in no control array.
    std::int64_t Index() const { return Read(index_); }
    void SetIndex(std::int64_t index) { Assign(index_, index); }

    // The window the control belongs to; nil before it is added or after the window is gone.
    Ref<Window> Owner() const;

    // Calls the handler bound to the numbered event, if any. A number that the control's
    // class does not define raises a RuntimeException.
    void RaiseEvent(int number, const Ref<String>& key = nullptr);
    // The number of the named event in this control's class (-1 if it has none).
    int EventNumber(std::string_view name) const noexcept;

    // Whether Tab moves the keyboard focus to the control.
    virtual bool IsTabStop() const { return false; }

    // The user moved the keyboard focus into the control, or out of it; told once the native
    // control has taken it, with the selection the toolkit gives a control the focus enters.
    void PeerFocusChanged(const PeerKey&, bool gained);
    // The control's native peer; null until its window has one.
    ControlPeer* Peer(const PeerKey&) const noexcept { return NativePeer(); }

    static const ClassRecord& Record();

protected:
    Control();
    // Makes the control's native peer from its complete state, through the factory method
    // of the window peer for this kind of control; the kind keeps it.
    virtual void CreatePeer(WindowPeer& window) = 0;
    // The peer the kind keeps, null before it has one.
    virtual ControlPeer* NativePeer() const noexcept = 0;
    virtual void FocusChanged(bool) {}
    // The owner window orders its tab stops again.
    void ShowTabOrder();
    // The owner window tells its peers again which label captions which control.
    void ShowCaptions();
    // The control's text changed: if it captions a control, the owner window names that anew.
    void ShowCaptionText();

private:
    friend class Window;
    friend GUIRT_API void RuntimeAddEventHandler(Control&, int, EventAdaptor, const Ref<Delegate>&);
    void Show(Shown what);

    struct Binding {
        int number;
        EventAdaptor adaptor;
        Ref<Delegate> delegate;
    };
    Ref<String> name_;
    std::int64_t index_ = -2147483648LL;
    std::vector<Binding> bindings_;
    WeakRef<Window> owner_;
};

// The name of an aspect the peer is told of, as logs and tools give it.
GUIRT_API std::string_view ShownName(Control::Shown what);

// Binds a delegate to a numbered event of the control (replacing an earlier binding of that
// event). Raises OutOfBoundsException for a number the control's class does not define.
GUIRT_API void RuntimeAddEventHandler(Control& control, int eventNumber, EventAdaptor adaptor,
                                      const Ref<Delegate>& delegate);

}  // namespace guirt
