#include "guirt/Window.h"

#include <algorithm>
#include <string>

#include "Captions.h"
#include "ModelState.h"
#include "Peers.h"
#include "WindowRegistry.h"
#include "guirt/Exceptions.h"
#include "guirt/Label.h"
#include "guirt/MenuBar.h"
#include "guirt/RectControl.h"

namespace guirt {

namespace {
int OpenEvent() {
    static const int number = Control::Record().RequireEvent("Open");
    return number;
}
}  // namespace

Window::Window() = default;
Window::~Window() = default;

const ClassRecord& Window::Record() {
    static const ClassRecord& record = [] {
        ClassRecord& c = RuntimeNewClass("Window", &Object::Record(), FactoryOf<Window>);
        c.AddEvents({"Close", "CreateControls", "Layout", "Open"});
        AddOwnProperties(c);
        RuntimeNewVtable(c,
                         {
                             {"Constructor", "%%", "",
                              Procedure{[](Object& self) { WindowDefaultConstructor(static_cast<Window&>(self)); }}},
                             {"Close", "%%", "", Procedure{[](Object& self) { static_cast<Window&>(self).Close(); }}},
                         });
        return std::ref(c);
    }();
    return record;
}

void Window::ShowFrame() {
    if (peer_) peer_->SetFrame(FrameOf(*this));
}
void Window::ShowTitle() {
    if (peer_) peer_->SetTitle(TextOf(Title_));
}
void Window::ShowFullScreen() {
    if (peer_) peer_->SetFullScreen(FullScreen_);
}
void Window::ShowBackColor() {
    if (peer_) peer_->SetBackColor(BackColorOf(*this));
}
void Window::ShowMenuBar() {
    if (peer_) peer_->SetMenuBar(menuBar_.get(), MenuBarVisible_);
}
void Window::ShowVisible() {
    if (!peer_) return;
    if (Visible_) {
        peer_->Show();
    } else {
        peer_->Hide();
    }
}

std::vector<Ref<Control>> Window::TabOrder() const {
    UIThreadOnly();
    std::vector<Ref<Control>> stops;
    std::copy_if(controls_.begin(), controls_.end(), std::back_inserter(stops),
                 [](const Ref<Control>& c) { return c->IsTabStop(); });
    auto tabIndex = [](const Ref<Control>& c) { return static_cast<const RectControl&>(*c).TabIndex(); };
    std::stable_sort(stops.begin(), stops.end(),
                     [&](const Ref<Control>& a, const Ref<Control>& b) { return tabIndex(a) < tabIndex(b); });
    return stops;
}

void Window::ShowTabOrder() {
    if (!peer_) return;
    std::vector<ControlPeer*> order;
    for (const Ref<Control>& control : TabOrder()) {
        if (control->peer_) order.push_back(control->peer_.get());
    }
    peer_->SetTabOrder(order);
}

void Window::ShowCaptions() {
    if (!peer_) return;
    const std::vector<Caption> captions = CaptionsOf(controls_);
    auto captionOf = [&](const Control* control) -> const Caption* {
        auto it = std::find_if(captions.begin(), captions.end(),
                               [&](const Caption& c) { return c.label == control || c.control == control; });
        return it == captions.end() ? nullptr : &*it;
    };
    // The labels first, then the names: a backend may name a control by its caption.
    for (const Ref<Control>& control : controls_) {
        auto* label = dynamic_cast<Label*>(control.get());
        if (!label || !control->peer_) continue;
        const Caption* caption = captionOf(label);
        label->captions_ = caption != nullptr;
        static_cast<LabelPeer&>(*control->peer_).SetBuddy(caption ? caption->control->peer_.get() : nullptr);
    }
    for (const Ref<Control>& control : controls_) {
        const auto* rect = dynamic_cast<const RectControl*>(control.get());
        if (!rect || dynamic_cast<const Label*>(rect) || !control->peer_) continue;
        const Caption* caption = captionOf(rect);
        control->peer_->SetAccessibleText(AccessibleTextOf(*rect, caption ? caption->label : nullptr));
    }
}

Ref<MenuBar> Window::MenuBar() const {
    UIThreadOnly();
    return menuBar_;
}

void Window::SetMenuBar(const Ref<class MenuBar>& bar) {
    UIThreadOnly();
    menuBar_ = bar;
    ShowMenuBar();
}

Ref<Control> Window::__New(const ClassRecord& cls) {
    UIThreadOnly();
    Ref<Control> control = CheckCast<Control>(RuntimeNewObject(cls));
    control->owner_ = WeakRef<Window>(Ref<Window>(this));
    return control;
}

void Window::_AddControl(const Ref<String>& name, const Ref<Control>& control) {
    UIThreadOnly();
    if (!control) RaiseNilObjectException();
    if (std::find(controls_.begin(), controls_.end(), control) != controls_.end()) return;
    control->owner_ = WeakRef<Window>(Ref<Window>(this));
    control->SetName(name);
    controls_.push_back(control);
    // Added to a window that is already shown: its peer comes at once.
    if (peer_) {
        control->peer_ = control->CreatePeer(*peer_);
        ShowTabOrder();
        ShowCaptions();
    }
}

Ref<Control> Window::_ControlByName(const Ref<String>& name) const {
    UIThreadOnly();
    auto it = std::find_if(controls_.begin(), controls_.end(),
                           [&](const Ref<Control>& c) { return StringsEqual(c->Name(), name); });
    return it == controls_.end() ? nullptr : *it;
}

void Window::CreatePeers() {
    PeerFactory* factory = InstalledPeerFactory();
    if (!factory) return;
    peer_ = factory->CreateWindowPeer(*this);
    for (const Ref<Control>& control : controls_) control->peer_ = control->CreatePeer(*peer_);
    ShowTabOrder();
    ShowCaptions();
}

void WindowDefaultConstructor(Window& window) {
    UIThreadOnly();
    const Ref<Window> self(&window);
    RegisterOpenWindow(window);
    window.open_ = true;
    window.Layout();
    window.CreateControls();
    for (const Ref<Control>& control : std::vector<Ref<Control>>(window.controls_)) {
        control->RaiseEvent(OpenEvent());
    }
    // The model is complete: each native object is made once, from its full state.
    window.CreatePeers();
    if (window.Visible_) window.ShowVisible();
}

void Window::Close() {
    UIThreadOnly();
    if (!open_) return;
    open_ = false;
    const Ref<Window> self(this);
    Event_Close();
    if (peer_) peer_->Close();
    ForgetOpenWindow(*this);
}

void Window::PeerCloseRequested(const PeerKey&) {
    Close();
}

}  // namespace guirt
