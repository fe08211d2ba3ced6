#include "RecordingWindow.h"

#include <algorithm>
#include <utility>

#include "Guard.h"
#include "RecordingBackend.h"
#include "RecordingPopup.h"

namespace guirt::testing {

RecordingWindow::RecordingWindow(RecordingBackend& backend, Window& model, const ShownMenuBar& bar)
    : backend_(&backend), model_(model), menus_(model) {
    backend.bar = bar;
    menus_.SetBar(bar);
    backend.windows.push_back(this);
    Log("create window");
}

RecordingWindow::~RecordingWindow() {
    for (RecordingControl* control : controls_) control->WindowGone();
    if (backend_) std::erase(backend_->windows, this);
}

void RecordingWindow::Log(const std::string& line) {
    backend_->log.push_back(line);
}

void RecordingWindow::Show(Window::Shown what) {
    Log("window.Show " + std::string(ShownName(what)));
}

void RecordingWindow::SetMenuBar(const ShownMenuBar& bar) {
    backend_->bar = bar;
    backend_->menuStates.clear();
    menus_.SetBar(bar);
    Log("window.SetMenuBar");
}

void RecordingWindow::SetMenuEnabled(std::size_t entry, bool enabled) {
    backend_->menuStates[entry] = enabled;
    menus_.SetEnabled(entry, enabled);
}

void RecordingWindow::SetTabOrder(const std::vector<ControlPeer*>& order) {
    std::string names;
    tabOrder_.clear();
    for (ControlPeer* peer : order) {
        if (!names.empty()) names += ',';
        names += NameOf(peer);
        if (auto* control = dynamic_cast<RecordingControl*>(peer)) tabOrder_.push_back(control);
    }
    Log("tab order " + names);
}

void RecordingWindow::SetVisible(bool visible) {
    Log(visible ? "show window" : "hide window");
    if (closed_) return;
    if (!visible) Deactivate();
    visible_ = visible;
    // A window that shows becomes the active one.
    if (visible) Activate();
}

void RecordingWindow::Close() {
    Log("close window");
    // Its menus and lists go with it.
    Dismiss();
    closed_ = true;
    visible_ = false;
    active_ = false;
}

void RecordingWindow::Add(RecordingControl& control) {
    controls_.push_back(&control);
}

void RecordingWindow::Forget(RecordingControl& control) {
    std::erase(controls_, &control);
    std::erase(tabOrder_, &control);
    if (focus_ == &control) focus_ = nullptr;
    // Told from the control's own destructor, where only the upcast still finds it.
    if (openList_ && static_cast<RecordingControl*>(openList_) == &control) openList_ = nullptr;
}

RecordingControl* RecordingWindow::Control(std::string_view name) const {
    const auto it =
        std::find_if(controls_.begin(), controls_.end(), [&](RecordingControl* c) { return c->Name() == name; });
    return it == controls_.end() ? nullptr : *it;
}

// The control losing the focus hears of it first, then the one gaining it; each control
// takes it before its model hears of it (a field Tab enters has its text selected by then).
void RecordingWindow::SetFocus(RecordingControl* control, FocusReason reason) {
    // An inactive window has no keyboard to give.
    if (!active_ || control == focus_) return;
    RecordingControl* previous = std::exchange(focus_, control);
    if (previous) {
        previous->FocusOut(reason);
        Report(previous->Model(), &Control::PeerFocusChanged, false);
    }
    if (control) {
        control->FocusIn(reason);
        Report(control->Model(), &Control::PeerFocusChanged, true);
    }
}

// The toolkit keeps no memory of its own of the control that had the focus: a window
// activated again has the keyboard itself, until its model gives the focus back.
void RecordingWindow::Activate() {
    if (active_ || !visible_ || closed_) return;
    active_ = true;
    Report(model_, &Window::PeerActivated);
}

void RecordingWindow::Deactivate() {
    if (!active_) return;
    Dismiss();
    active_ = false;
    if (RecordingControl* previous = std::exchange(focus_, nullptr)) {
        previous->FocusOut(FocusReason::ActiveWindow);
        Report(previous->Model(), &Control::PeerFocusChanged, false);
    }
}

void RecordingWindow::MoveFocus(bool forward) {
    std::vector<RecordingControl*> stops;
    std::copy_if(tabOrder_.begin(), tabOrder_.end(), std::back_inserter(stops),
                 [](RecordingControl* c) { return c->Focusable(); });
    if (stops.empty()) return;
    const auto at = std::find(stops.begin(), stops.end(), focus_);
    std::size_t next = 0;
    if (at == stops.end()) {
        next = forward ? 0 : stops.size() - 1;
    } else {
        const auto here = static_cast<std::size_t>(at - stops.begin());
        next = forward ? (here + 1) % stops.size() : (here + stops.size() - 1) % stops.size();
    }
    SetFocus(stops[next], FocusReason::Tab);
}

void RecordingWindow::ListOpened(RecordingPopup& popup) {
    openList_ = &popup;
}

void RecordingWindow::ListClosed(RecordingPopup& popup) {
    if (openList_ == &popup) openList_ = nullptr;
}

void RecordingWindow::Dismiss() {
    menus_.Dismiss();
    if (openList_) openList_->CloseList();
}

std::string RecordingWindow::KeyText(const KeyStroke& stroke) {
    switch (stroke.key) {
        case Key::Backspace:
            return "\b";
        case Key::Tab:
            return "\t";
        case Key::Return:
            return "\r";
        case Key::Escape:
            return "\x1b";
        case Key::Delete:
            return "\x7f";
        case Key::Space:
            return " ";
        case Key::None:
        case Key::Character:
            break;
        default:
            return {};
    }
    const char c = stroke.character;
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (stroke.held.ctrl && letter) return std::string(1, static_cast<char>(c & 0x1F));
    return c > 0x20 && c < 0x7F ? std::string(1, c) : std::string();
}

void RecordingWindow::Press(const KeyStroke& stroke, std::string_view typed) {
    if (!active_) return;
    if (openList_) {
        openList_->ListKey(stroke);
        return;
    }
    if (menus_.Key(stroke)) return;
    if (Ask(model_, &Window::PeerShortcut, stroke)) return;
    if (focus_ && focus_->KeyDown(stroke, typed)) return;
    if (stroke.key == Key::Tab && !stroke.held.ctrl && !stroke.held.alt) MoveFocus(!stroke.held.shift);
}

void RecordingWindow::Release(const KeyStroke& stroke, std::string_view typed) {
    if (!active_ || openList_ || menus_.HoldsKeyboard()) return;
    if (focus_) focus_->KeyUp(stroke, typed);
}

// A click while a menu or a list is open only closes it.
void RecordingWindow::Click(RecordingControl& control) {
    if (!active_) return;
    if (menus_.HoldsKeyboard() || openList_) {
        Dismiss();
        return;
    }
    control.Click();
}

void RecordingWindow::RightClick(RecordingControl& control) {
    if (!active_) return;
    if (menus_.HoldsKeyboard() || openList_) {
        Dismiss();
        return;
    }
    control.RightClick();
}

void RecordingWindow::ClickTitle(std::size_t index) {
    if (!active_) return;
    if (openList_) openList_->CloseList();
    menus_.ClickTitle(index);
}

void RecordingWindow::ClickItem(std::size_t index) {
    if (active_) menus_.ClickItem(index);
}

void RecordingWindow::ClickRow(std::int64_t row) {
    if (active_ && openList_) openList_->PickRow(row);
}

bool RecordingWindow::Hover(RecordingControl& control) {
    return active_ && !control.ToolTip().empty();
}

bool RecordingWindow::Drop(RecordingControl& control, std::string_view text) {
    return !closed_ && control.Drop(text);
}

void RecordingWindow::RequestClose() {
    if (!closed_) Report(model_, &Window::PeerCloseRequested);
}

}  // namespace guirt::testing
