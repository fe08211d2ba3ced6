#include "guirt/Window.h"

#include <algorithm>
#include <map>
#include <string>

#include "Peers.h"
#include "WindowRegistry.h"
#include "guirt/Exceptions.h"
#include "guirt/MenuBar.h"

namespace guirt {

namespace {
// The open implicit instance of each window class, held by the runtime until it closes.
std::map<std::string, Ref<Window>, std::less<>>& ImplicitWindows() {
    static std::map<std::string, Ref<Window>, std::less<>> windows;
    return windows;
}
}  // namespace

void ForEachOpenWindow(const std::function<void(Window&)>& f) {
    // A copy: f may close windows.
    auto windows = ImplicitWindows();
    for (auto& [name, window] : windows) f(*window);
}

void CloseAllWindows() {
    ImplicitWindows().clear();
}

void NotifyMenuChanged(const MenuItem& root, const MenuItem* item, std::string_view property) {
    for (auto& [name, window] : ImplicitWindows()) {
        if (window->peer_ && window->menuBar_.get() == &root) window->peer_->MenuChanged(item, property);
    }
}

Window::Window() = default;
Window::~Window() = default;

const ClassRecord& Window::Record() {
    static const ClassRecord& record = [] {
        using W = Window;
        ClassRecord& c = RuntimeNewClass("Window", &Object::Record(), FactoryOf<Window>);
        c.AddEvents({"Close", "CreateControls", "Layout", "Open"});
        c.AddProperties({
            Property<&W::SetWidth>("Width"),
            Property<&W::SetHeight>("Height"),
            Property<&W::SetMinWidth>("MinWidth"),
            Property<&W::SetMinHeight>("MinHeight"),
            Property<&W::SetMaxWidth>("MaxWidth"),
            Property<&W::SetMaxHeight>("MaxHeight"),
            Property<&W::SetFrame>("Frame"),
            Property<&W::SetPlacement>("Placement"),
            Property<&W::SetMacProcId>("MacProcId"),
            Property<&W::SetTitle>("Title"),
            Property<&W::SetCloseButton>("CloseButton"),
            Property<&W::SetResizeable>("Resizeable"),
            Property<&W::SetMaximizeButton>("MaximizeButton"),
            Property<&W::SetMinimizeButton>("MinimizeButton"),
            Property<&W::SetFullScreenButton>("FullScreenButton"),
            Property<&W::SetComposite>("Composite"),
            Property<&W::SetLiveResize>("LiveResize"),
            Property<&W::SetFullScreen>("FullScreen"),
            Property<&W::SetHasBackColor>("HasBackColor"),
            Property<&W::SetBackColor>("BackColor"),
            Property<&W::SetMenuBarVisible>("MenuBarVisible"),
            Property<&W::SetVisible>("Visible"),
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

void Window::Changed(std::string_view property) {
    if (peer_) peer_->PropertyChanged(property);
}

Ref<MenuBar> Window::MenuBar() const {
    UIThreadOnly();
    return menuBar_;
}

void Window::SetMenuBar(const Ref<class MenuBar>& bar) {
    UIThreadOnly();
    menuBar_ = bar;
    Changed("MenuBar");
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
    if (peer_) control->AttachPeer(PeerAccess::Key(), peer_->CreateControlPeer(*control));
}

Ref<Control> Window::_ControlByName(const Ref<String>& name) const {
    UIThreadOnly();
    auto it = std::find_if(controls_.begin(), controls_.end(),
                           [&](const Ref<Control>& c) { return StringsEqual(c->Name(), name); });
    return it == controls_.end() ? nullptr : *it;
}

void WindowDefaultConstructor(Window& window) {
    UIThreadOnly();
    const Ref<Window> self(&window);
    ImplicitWindows()[std::string(window.Class().Name())] = self;
    window.open_ = true;
    if (PeerFactory* factory = InstalledPeerFactory()) window.peer_ = factory->CreateWindowPeer(window);
    window.Layout();
    window.CreateControls();
    for (const Ref<Control>& control : std::vector<Ref<Control>>(window.controls_)) {
        control->RaiseEvent(control->EventNumber("Open"));
    }
    if (window.peer_ && window.Visible_) window.peer_->Show();
}

Ref<Window> RuntimeGetImplicitWindow(std::string_view className) {
    UIThreadOnly();
    auto& windows = ImplicitWindows();
    auto it = windows.find(className);
    return it == windows.end() ? nullptr : it->second;
}

void Window::Close() {
    UIThreadOnly();
    if (!open_) return;
    open_ = false;
    const Ref<Window> self(this);
    Event_Close();
    if (peer_) peer_->Close();
    auto& windows = ImplicitWindows();
    auto it = windows.find(Class().Name());
    if (it != windows.end() && it->second.get() == this) windows.erase(it);
}

void Window::PeerCloseRequested(const PeerKey&) {
    Close();
}

}  // namespace guirt
