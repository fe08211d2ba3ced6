#pragma once

#include <string>
#include <string_view>

#include "Input.h"
#include "PeerKinds.h"

namespace guirt::testing {

class RecordingBackend;
class RecordingWindow;

// Why a control gains or loses the keyboard focus, where a native control cares: a field that
// Tab or Shift+Tab enters selects its whole text, and one left for another control loses its
// selection; the window going inactive and active again leaves the control as it was.
enum class FocusReason { Tab, Mouse, ActiveWindow };

// What the simulated toolkit keeps of every control, whatever its kind: its name, whether it
// is enabled and shown, what assistive technology says of it, its tooltip; and what it does
// with the keys and clicks its window hands it. It logs the calls its model makes as
// "name.Call".
class RecordingControl {
public:
    virtual ~RecordingControl();
    RecordingControl(const RecordingControl&) = delete;
    RecordingControl& operator=(const RecordingControl&) = delete;

    const std::string& Name() const noexcept { return name_; }
    RectControl& Model() const noexcept { return model_; }
    bool Enabled() const noexcept { return enabled_; }
    // Whether Tab or a click gives it the keyboard focus now.
    bool Focusable() const noexcept { return enabled_ && visible_ && TakesFocus(); }

    // What the user sees and assistive technology says.
    virtual std::string ShownText() const = 0;
    virtual std::string AccessibleName() const { return accessible_.name; }
    const std::string& Description() const noexcept { return description_; }
    virtual std::string ToolTip() const { return toolTip_; }

    // What the user does, handed on by the window. A key the control leaves alone (Tab) goes
    // back to the window: KeyDown then answers false.
    virtual void Click() {}
    virtual void RightClick() {}
    virtual bool KeyDown(const KeyStroke&, std::string_view) { return false; }
    virtual void KeyUp(const KeyStroke&, std::string_view) {}
    // Dropped text: true when the control took it.
    virtual bool Drop(std::string_view) { return false; }
    // The keyboard focus arrives or leaves, before the model hears of it.
    virtual void FocusIn(FocusReason) {}
    virtual void FocusOut(FocusReason) {}

    // The window goes before the controls it made.
    void WindowGone() noexcept { window_ = nullptr; }

protected:
    RecordingControl(RectControl& model, RecordingWindow& window, const char* kind);
    virtual bool TakesFocus() const { return false; }

    void ShowControl(Control::Shown what);
    void ShowRect(RectControl::Shown what);
    void ShowAccessible(const AccessibleText& text);
    void TakeFocus(FocusReason reason);
    RecordingWindow* Window() const noexcept { return window_; }
    RecordingBackend& Backend() const noexcept { return backend_; }

    template <class E>
    void LogShown(E what) const {
        Log(name_ + ".Show " + std::string(ShownName(what)));
    }
    void Note(const std::string& call) const { Log(name_ + "." + call); }
    void Log(const std::string& line) const;

private:
    RectControl& model_;
    RecordingWindow* window_;
    RecordingBackend& backend_;
    std::string name_;
    bool enabled_ = true;
    bool visible_ = true;
    AccessibleText accessible_;
    std::string description_;  // with its line breaks as LF
    std::string toolTip_;
};

// The name a control's peer logs under; "none" for no peer.
std::string NameOf(const ControlPeer* peer);

// The calls every kind of control peer takes, carried out by the simulated toolkit.
template <class Interface>
class Recording : public Interface, public RecordingControl {
public:
    using Interface::Show;
    void Show(Control::Shown what) override { ShowControl(what); }
    void Show(RectControl::Shown what) override { ShowRect(what); }
    void SetAccessibleText(const AccessibleText& text) override { ShowAccessible(text); }
    void Focus(FocusWay way) override {
        Note(way == FocusWay::Tab ? "Focus" : "Focus back");
        TakeFocus(way == FocusWay::Tab ? FocusReason::Tab : FocusReason::ActiveWindow);
    }

protected:
    using RecordingControl::RecordingControl;
};

}  // namespace guirt::testing
