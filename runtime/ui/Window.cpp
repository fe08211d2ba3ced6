#include "guirt/Window.h"

#include <algorithm>
#include <optional>
#include <string>

#include "Captions.h"
#include "Focus.h"
#include "OwnClasses.h"
#include "PeerKinds.h"
#include "ShownMenus.h"
#include "WindowRegistry.h"
#include "guirt/Exceptions.h"
#include "guirt/MenuBar.h"
#include "guirt/RectControl.h"

namespace guirt {

const OwnClass kWindowClass{&Window::Record};

namespace {
int OpenEvent() {
    static const int number = Control::Record().RequireEvent("Open");
    return number;
}

const RectControl* AsRectControl(const Control& control) {
    return control.IsA(RectControl::Record()) ? static_cast<const RectControl*>(&control) : nullptr;
}
}  // namespace

Window::Window() : captions_(std::make_unique<ShownCaptions>()) {}
Window::~Window() = default;

const ClassRecord& Window::Record() {
    static const ClassRecord& record = [] {
        ClassRecord& c = RuntimeNewClass("Window", &Object::Record(), FactoryOf<Window>);
        c.AddEvents({"Close", "CreateControls", "Layout", "Open"});
        c.AddProperties({
            Property<&Window::SetWidth>("Width"),
            Property<&Window::SetHeight>("Height"),
            Property<&Window::SetMinWidth>("MinWidth"),
            Property<&Window::SetMinHeight>("MinHeight"),
            Property<&Window::SetMaxWidth>("MaxWidth"),
            Property<&Window::SetMaxHeight>("MaxHeight"),
            Property<&Window::SetFrame>("Frame"),
            Property<&Window::SetPlacement>("Placement"),
            Property<&Window::SetMacProcId>("MacProcId"),
            Property<&Window::SetTitle>("Title"),
            Property<&Window::SetCloseButton>("CloseButton"),
            Property<&Window::SetResizeable>("Resizeable"),
            Property<&Window::SetMaximizeButton>("MaximizeButton"),
            Property<&Window::SetMinimizeButton>("MinimizeButton"),
            Property<&Window::SetFullScreenButton>("FullScreenButton"),
            Property<&Window::SetComposite>("Composite"),
            Property<&Window::SetLiveResize>("LiveResize"),
            Property<&Window::SetFullScreen>("FullScreen"),
            Property<&Window::SetHasBackColor>("HasBackColor"),
            Property<&Window::SetBackColor>("BackColor"),
            Property<&Window::SetMenuBarVisible>("MenuBarVisible"),
            Property<&Window::SetVisible>("Visible"),
        });
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

void Window::Show(Shown what) {
    if (peer_) peer_->Show(what);
}

void Window::ShowVisible() {
    if (!peer_) return;
    peer_->SetVisible(visible_);
    if (!visible_ || shownBefore_) return;
    shownBefore_ = true;
    // A window opens ready for the keyboard: its first tab stop has the focus and shows it,
    // as it would after a Tab.
    for (const Ref<Control>& control : TabOrder()) {
        const RectControl* rect = AsRectControl(*control);
        if (!rect || !rect->Enabled() || !rect->Visible()) continue;
        if (ControlPeer* peer = control->NativePeer()) {
            peer->Focus(FocusWay::Tab);
            return;
        }
    }
}

void Window::ShowMenus() {
    if (peer_) peer_->SetMenuBar(DescribeMenus());
}

ShownMenuBar Window::DescribeMenus() {
    if (!menus_) menus_ = std::make_unique<ShownMenus>(ShownMenus::Use::Bar);
    menus_->Describe(menuBar_.get());
    return {menus_->Entries(), menuBarVisible_};
}

std::vector<Ref<Control>> Window::TabOrder() const {
    UIThreadOnly();
    std::vector<Ref<Control>> stops;
    std::copy_if(controls_.begin(), controls_.end(), std::back_inserter(stops),
                 [](const Ref<Control>& c) { return c->IsTabStop() && AsRectControl(*c); });
    auto tabIndex = [](const Ref<Control>& c) { return AsRectControl(*c)->TabIndex(); };
    std::stable_sort(stops.begin(), stops.end(),
                     [&](const Ref<Control>& a, const Ref<Control>& b) { return tabIndex(a) < tabIndex(b); });
    return stops;
}

void Window::ShowTabOrder() {
    if (!peer_) return;
    std::vector<ControlPeer*> order;
    for (const Ref<Control>& control : TabOrder()) {
        if (ControlPeer* peer = control->NativePeer()) order.push_back(peer);
    }
    peer_->SetTabOrder(order);
}

void Window::ShowCaptions() {
    if (peer_) captions_->Show(controls_);
}

void Window::ShowCaptionText(const Control& control) {
    if (captions_->IsCaption(control)) ShowCaptions();
}

Ref<MenuBar> Window::MenuBar() const {
    UIThreadOnly();
    return menuBar_;
}

void Window::SetMenuBar(const Ref<class MenuBar>& bar) {
    UIThreadOnly();
    if (menuBar_ == bar) return;
    menuBar_ = bar;
    ShowMenus();
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
        control->CreatePeer(*peer_);
        ShowTabOrder();
        ShowCaptions();
    }
}

Ref<Control> Window::_ControlByName(const Ref<String>& name) const {
    UIThreadOnly();
    // A name given as the same string the control was named with needs no comparing.
    auto it = std::find_if(controls_.begin(), controls_.end(),
                           [&](const Ref<Control>& c) { return c->name_ == name || StringsEqual(c->name_, name); });
    return it == controls_.end() ? nullptr : *it;
}

void Window::CreatePeers() {
    PeerFactory* factory = InstalledPeerFactory();
    if (!factory) return;
    peer_ = factory->CreateWindowPeer(*this, DescribeMenus());
    for (const Ref<Control>& control : controls_) control->CreatePeer(*peer_);
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
    if (window.visible_) window.ShowVisible();
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

void Window::PeerActivated(const PeerKey&) {
    const Ref<Control> focused = FocusedControl();
    if (!focused || focused->Owner().get() != this) return;
    const RectControl* rect = AsRectControl(*focused);
    if (!rect || !rect->Enabled() || !rect->Visible()) return;
    if (ControlPeer* peer = focused->NativePeer()) peer->Focus(FocusWay::Back);
}

void Window::PeerMenuOpening(const PeerKey&, std::size_t menu) {
    if (!menus_ || !peer_) return;
    for (std::size_t entry : menus_->Inside(menu)) {
        const Ref<MenuItem> item = menus_->Item(entry);
        if (item && !item->IsSeparator()) peer_->SetMenuEnabled(entry, item->EnabledNow());
    }
}

void Window::PeerMenuClosed(const PeerKey&, std::size_t menu) {
    if (!menus_ || !peer_) return;
    for (std::size_t entry : menus_->Inside(menu)) {
        const Ref<MenuItem> item = menus_->Item(entry);
        if (item && !item->IsSeparator()) peer_->SetMenuEnabled(entry, ShownMenus::EnabledUntilUsed(*item));
    }
}

bool Window::PeerShortcut(const PeerKey& key, const KeyStroke& pressed) {
    const Shortcut shortcut = ShortcutOf(pressed);
    if (!menus_ || shortcut.Empty()) return false;
    const std::optional<std::size_t> entry = menus_->CommandWith(shortcut);
    if (entry) PeerMenuChosen(key, *entry);
    return entry.has_value();
}

void Window::PeerMenuChosen(const PeerKey& key, std::size_t entry) {
    // The item may rebuild the menus it was chosen from.
    if (const Ref<MenuItem> item = menus_ ? menus_->Item(entry) : nullptr) item->PeerChosen(key);
}

std::string_view ShownName(Window::Shown what) {
    switch (what) {
        case Window::Shown::Title:
            return "Title";
        case Window::Shown::Frame:
            return "Frame";
        case Window::Shown::FullScreen:
            return "FullScreen";
        case Window::Shown::BackColor:
            return "BackColor";
    }
    return {};
}

}  // namespace guirt
