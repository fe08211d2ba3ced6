#include "guirt/Control.h"

#include <algorithm>
#include <string>

#include "Focus.h"
#include "OwnClasses.h"
#include "Peers.h"
#include "guirt/Exceptions.h"
#include "guirt/Window.h"

namespace guirt {

const OwnClass kControlClass{&Control::Record};

Control::Control() = default;
Control::~Control() = default;

const ClassRecord& Control::Record() {
    static const ClassRecord& record = [] {
        ClassRecord& c = RuntimeNewClass("Control", &Object::Record(), nullptr);
        c.AddEvents({"Close", "CreatePane", "Open"});
        c.AddProperties({
            Property<&Control::SetName>("Name"),
            Property<&Control::SetIndex>("Index"),
        });
        return std::ref(c);
    }();
    return record;
}

Ref<Window> Control::Owner() const {
    UIThreadOnly();
    return owner_.Lock();
}

void Control::Show(Shown what) {
    if (ControlPeer* peer = NativePeer()) peer->Show(what);
}

void Control::ShowTabOrder() {
    if (Ref<Window> owner = owner_.Lock()) owner->ShowTabOrder();
}

void Control::ShowCaptions() {
    if (Ref<Window> owner = owner_.Lock()) owner->ShowCaptions();
}

void Control::ShowCaptionText() {
    if (Ref<Window> owner = owner_.Lock()) owner->ShowCaptionText(*this);
}

void Control::PeerFocusChanged(const PeerKey&, bool gained) {
    if (gained) SetFocusedControl(*this);
    FocusChanged(gained);
}

int Control::EventNumber(std::string_view name) const noexcept {
    return Class().EventNumber(name);
}

void Control::RaiseEvent(int number, const Ref<String>& key) {
    UIThreadOnly();
    if (!Class().EventByNumber(number)) {
        Raise<RuntimeException>("The class " + std::string(Class().Name()) + " has no event number " +
                                std::to_string(number) + " to raise.");
    }
    auto it = std::find_if(bindings_.begin(), bindings_.end(), [&](const Binding& b) { return b.number == number; });
    if (it == bindings_.end()) return;
    // Hold the control and the delegate: the handler may rebind or drop either.
    const Ref<Control> self(this);
    const Ref<Delegate> delegate = it->delegate;
    it->adaptor(*delegate, *this, key);
}

void RuntimeAddEventHandler(Control& control, int eventNumber, EventAdaptor adaptor, const Ref<Delegate>& delegate) {
    UIThreadOnly();
    if (!control.Class().EventByNumber(eventNumber)) {
        Raise<OutOfBoundsException>("The class " + std::string(control.Class().Name()) + " has no event number " +
                                    std::to_string(eventNumber) + ".");
    }
    if (!adaptor || !delegate) RaiseNilObjectException();
    auto& bindings = control.bindings_;
    auto it = std::find_if(bindings.begin(), bindings.end(), [&](const auto& b) { return b.number == eventNumber; });
    if (it != bindings.end()) {
        *it = {eventNumber, adaptor, delegate};
    } else {
        bindings.push_back({eventNumber, adaptor, delegate});
    }
}

std::string_view ShownName(Control::Shown what) {
    switch (what) {
        case Control::Shown::Name:
            return "Name";
    }
    return {};
}

}  // namespace guirt
