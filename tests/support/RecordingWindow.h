#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Input.h"
#include "PeerKinds.h"
#include "RecordingControl.h"
#include "RecordingMenus.h"

namespace guirt::testing {

class RecordingBackend;
class RecordingPopup;

// A window of the simulated toolkit: its controls, its menus, the keyboard focus and the
// window's activation, logged as "window.Call". It hands the user's keys and clicks where any
// toolkit would: to an open menu or list first, which hold the keyboard; then Alt and a menu's
// access key to the bar; then every key to the window's model as a shortcut, before the
// control with the focus sees it; Tab and Shift+Tab, which no control here keeps, move the
// focus through the tab order. A key's release goes to whatever has the keyboard once its
// press has been handled.
class RecordingWindow final : public WindowPeer {
public:
    RecordingWindow(RecordingBackend& backend, Window& model, const ShownMenuBar& bar);
    ~RecordingWindow() override;

    GUIRT_PEER_CREATE_OVERRIDES
    void Show(Window::Shown what) override;
    void SetMenuBar(const ShownMenuBar& bar) override;
    void SetMenuEnabled(std::size_t entry, bool enabled) override;
    void SetTabOrder(const std::vector<ControlPeer*>& order) override;
    void SetVisible(bool visible) override;
    void Close() override;

    // What the user does.
    void Press(const KeyStroke& stroke, std::string_view typed);
    void Release(const KeyStroke& stroke, std::string_view typed);
    void Click(RecordingControl& control);
    void RightClick(RecordingControl& control);
    void ClickTitle(std::size_t index);
    void ClickItem(std::size_t index);
    void ClickRow(std::int64_t row);
    // The pointer rests on the control; false when it has no tooltip to show.
    bool Hover(RecordingControl& control);
    // Text dragged from elsewhere and let go over the control: true when it took it.
    bool Drop(RecordingControl& control, std::string_view text);
    // Another window becomes the active one, and this one again.
    void Deactivate();
    void Activate();
    // The window manager's close button.
    void RequestClose();

    // What it shows.
    bool Shown() const noexcept { return visible_ && !closed_; }
    bool Active() const noexcept { return active_; }
    RecordingControl* Control(std::string_view name) const;
    // The control with the keyboard focus; none while the window is inactive.
    RecordingControl* Focused() const noexcept { return focus_; }
    const RecordingMenus& Menus() const noexcept { return menus_; }
    RecordingMenus& Menus() noexcept { return menus_; }

    // The toolkit's own side, for its controls.
    RecordingBackend& Backend() const noexcept { return *backend_; }
    void Add(RecordingControl& control);
    void Forget(RecordingControl& control);
    void SetFocus(RecordingControl* control, FocusReason reason);
    void ListOpened(RecordingPopup& popup);
    void ListClosed(RecordingPopup& popup);
    void BackendGone() noexcept { backend_ = nullptr; }

    // The text a key types as the platform gives it: a control character for Backspace, Tab,
    // Return, Escape and Delete and for Ctrl with a letter, the character of a character key.
    static std::string KeyText(const KeyStroke& stroke);

private:
    void Log(const std::string& line);
    // Closes the open menu and list, as a click elsewhere or leaving the window does.
    void Dismiss();
    void MoveFocus(bool forward);

    RecordingBackend* backend_;
    Window& model_;
    RecordingMenus menus_;
    std::vector<RecordingControl*> controls_;  // in the order they were made
    std::vector<RecordingControl*> tabOrder_;
    RecordingControl* focus_ = nullptr;
    RecordingPopup* openList_ = nullptr;
    bool visible_ = false;
    bool active_ = false;
    bool closed_ = false;
};

}  // namespace guirt::testing
