#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "guirt/ClassRecord.h"
#include "guirt/Control.h"
#include "guirt/Export.h"
#include "guirt/PeerKey.h"
#include "guirt/Property.h"
#include "guirt/PropertyValue.h"
#include "guirt/String.h"

namespace guirt {

class MenuBar;
class MenuItem;
class WindowPeer;

// A top-level window: its own properties, its controls by name, and its menu bar.
// A program's window class overrides Layout, CreateControls and Event_Close.
class GUIRT_API Window : public Object {
    GUIRT_PROPERTY(std::int64_t, Width, 300)
    GUIRT_PROPERTY(std::int64_t, Height, 300)
    GUIRT_PROPERTY(std::int64_t, MinWidth, 64)
    GUIRT_PROPERTY(std::int64_t, MinHeight, 64)
    GUIRT_PROPERTY(std::int64_t, MaxWidth, 32000)
    GUIRT_PROPERTY(std::int64_t, MaxHeight, 32000)
    GUIRT_PROPERTY(std::int64_t, Frame, 0)      // 0: an ordinary document window
    GUIRT_PROPERTY(std::int64_t, Placement, 0)  // 0: where the platform puts new windows
    GUIRT_PROPERTY(std::int64_t, MacProcId, 0)
    GUIRT_PROPERTY(Ref<String>, Title, nullptr)
    GUIRT_PROPERTY(bool, CloseButton, true)
    GUIRT_PROPERTY(bool, Resizeable, true)
    GUIRT_PROPERTY(bool, MaximizeButton, true)
    GUIRT_PROPERTY(bool, MinimizeButton, true)
    GUIRT_PROPERTY(bool, FullScreenButton, false)
    GUIRT_PROPERTY(bool, Composite, false)
    GUIRT_PROPERTY(bool, LiveResize, true)
    GUIRT_PROPERTY(bool, FullScreen, false)
    GUIRT_PROPERTY(bool, HasBackColor, false)
    GUIRT_PROPERTY(Color, BackColor, Color{0x00FFFFFF})
    GUIRT_PROPERTY(bool, MenuBarVisible, true)
    GUIRT_PROPERTY(bool, Visible, true)

public:
    Window();
    ~Window() override;

    Ref<class MenuBar> MenuBar() const;
    void SetMenuBar(const Ref<class MenuBar>& bar);

    // Allocates a control of the class as part of this window (not yet registered).
    Ref<Control> __New(const ClassRecord& cls);
    // Registers the control under the name; it then belongs to this window.
    void _AddControl(const Ref<String>& name, const Ref<Control>& control);
    // The control registered under the name, or nil.
    Ref<Control> _ControlByName(const Ref<String>& name) const;
    // The controls in the order they were added.
    const std::vector<Ref<Control>>& Controls() const noexcept { return controls_; }

    // Closes the window: raises "Close" (Event_Close) and lets the runtime drop it.
    void Close();
    bool IsOpen() const noexcept { return open_; }

    // The user asked to close the window (title bar button, window manager).
    void PeerCloseRequested(const PeerKey&);
    WindowPeer* Peer(const PeerKey&) const noexcept { return peer_.get(); }

    static const ClassRecord& Record();

protected:
    // The events a window class implements, raised while the runtime builds and closes it.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void Event_Close() {}
    void Changed(std::string_view property);

private:
    friend GUIRT_API void WindowDefaultConstructor(Window& window);
    friend void NotifyMenuChanged(const MenuItem& root, const MenuItem* item, std::string_view property);

    std::vector<Ref<Control>> controls_;
    Ref<class MenuBar> menuBar_;
    std::unique_ptr<WindowPeer> peer_;
    bool open_ = false;
};

// The default window constructor: registers the window as its class's open implicit
// instance, raises Layout and CreateControls, gives the window and its controls their
// native peers, raises the controls' "Open" events and shows the window if it is visible.
GUIRT_API void WindowDefaultConstructor(Window& window);

// The open implicit instance of the named window class, or nil.
GUIRT_API Ref<Window> RuntimeGetImplicitWindow(std::string_view className);

}  // namespace guirt
