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
#define GUIRT_WINDOW_PROPERTIES(X)                                              \
    X(std::int64_t, Width, "Width", 300, ShowFrame)                             \
    X(std::int64_t, Height, "Height", 300, ShowFrame)                           \
    X(std::int64_t, MinWidth, "MinWidth", 64, ShowFrame)                        \
    X(std::int64_t, MinHeight, "MinHeight", 64, ShowFrame)                      \
    X(std::int64_t, MaxWidth, "MaxWidth", 32000, ShowFrame)                     \
    X(std::int64_t, MaxHeight, "MaxHeight", 32000, ShowFrame)                   \
    X(std::int64_t, Frame, "Frame", 0, Stored)         /* an ordinary window */ \
    X(std::int64_t, Placement, "Placement", 0, Stored) /* where new ones go */  \
    X(std::int64_t, MacProcId, "MacProcId", 0, Stored)                          \
    X(Ref<String>, Title, "Title", nullptr, ShowTitle)                          \
    X(bool, CloseButton, "CloseButton", true, ShowFrame)                        \
    X(bool, Resizeable, "Resizeable", true, ShowFrame)                          \
    X(bool, MaximizeButton, "MaximizeButton", true, ShowFrame)                  \
    X(bool, MinimizeButton, "MinimizeButton", true, ShowFrame)                  \
    X(bool, FullScreenButton, "FullScreenButton", false, Stored)                \
    X(bool, Composite, "Composite", false, Stored)                              \
    X(bool, LiveResize, "LiveResize", true, Stored)                             \
    X(bool, FullScreen, "FullScreen", false, ShowFullScreen)                    \
    X(bool, HasBackColor, "HasBackColor", false, ShowBackColor)                 \
    X(Color, BackColor, "BackColor", Color{0x00FFFFFF}, ShowBackColor)          \
    X(bool, MenuBarVisible, "MenuBarVisible", true, ShowMenuBar)                \
    X(bool, Visible, "Visible", true, ShowVisible)
    GUIRT_PROPERTIES(Window, GUIRT_WINDOW_PROPERTIES)

public:
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
    const std::vector<Ref<Control>>& Controls() const noexcept {
        return controls_;
    }
    // The controls that Tab visits, in order: tab stops by TabIndex, ties in the order
    // the controls were added.
    std::vector<Ref<Control>> TabOrder() const;

    // Closes the window: raises "Close" (Event_Close) and lets the runtime drop it.
    void Close();
    bool IsOpen() const noexcept {
        return open_;
    }

    // The user asked to close the window (title bar button, window manager).
    void PeerCloseRequested(const PeerKey&);
    WindowPeer* Peer(const PeerKey&) const noexcept {
        return peer_.get();
    }

    static const ClassRecord& Record();

protected:
    Window();
    friend struct Construct;
    // The events a window class implements, raised while the runtime builds and closes it.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void Event_Close() {}

private:
    friend GUIRT_API void WindowDefaultConstructor(Window& window);
    friend class Control;
    friend class MenuItem;

    void ShowFrame();
    void ShowTitle();
    void ShowFullScreen();
    void ShowBackColor();
    void ShowMenuBar();
    void ShowVisible();
    void ShowTabOrder();
    void ShowCaptions();
    // Makes the native window and its controls' peers from the complete model.
    void CreatePeers();

    std::vector<Ref<Control>> controls_;
    Ref<class MenuBar> menuBar_;
    std::unique_ptr<WindowPeer> peer_;
    bool open_ = false;
};

// The default window constructor: registers the window as its class's open implicit
// instance, raises Layout and CreateControls and the controls' "Open" events, and then
// gives the complete window and its controls their native peers and shows it if visible.
GUIRT_API void WindowDefaultConstructor(Window& window);

// The open implicit instance of the named window class, or nil.
GUIRT_API Ref<Window> RuntimeGetImplicitWindow(std::string_view className);

}  // namespace guirt
