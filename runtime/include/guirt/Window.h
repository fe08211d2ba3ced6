#pragma once

#include <cstddef>
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
class ShownCaptions;
class ShownMenus;
class WindowPeer;
struct KeyStroke;
struct ShownMenuBar;

// A top-level window: its own properties, its controls by name, and its menu bar.
// A program's window class overrides Layout, CreateControls and Event_Close.
class GUIRT_API Window : public Object {
public:
    // What the window's native peer shows of it; the peer is told which one changed and
    // reads it from the model. Visibility and the menu bar it is told directly.
    enum class Shown : std::uint8_t { Title, Frame, FullScreen, BackColor, Last = BackColor };

    ~Window() override;

    // The size of the content area below the menu bar, and its limits.
    std::int64_t Width() const { return Read(width_); }
    void SetWidth(std::int64_t width) {
        if (Assign(width_, width)) Show(Shown::Frame);
    }
    std::int64_t Height() const { return Read(height_); }
    void SetHeight(std::int64_t height) {
        if (Assign(height_, height)) Show(Shown::Frame);
    }
    std::int64_t MinWidth() const { return Read(minWidth_); }
    void SetMinWidth(std::int64_t width) {
        if (Assign(minWidth_, width)) Show(Shown::Frame);
    }
    std::int64_t MinHeight() const { return Read(minHeight_); }
    void SetMinHeight(std::int64_t height) {
        if (Assign(minHeight_, height)) Show(Shown::Frame);
    }
    std::int64_t MaxWidth() const { return Read(maxWidth_); }
    void SetMaxWidth(std::int64_t width) {
        if (Assign(maxWidth_, width)) Show(Shown::Frame);
    }
    std::int64_t MaxHeight() const { return Read(maxHeight_); }
    void SetMaxHeight(std::int64_t height) {
        if (Assign(maxHeight_, height)) Show(Shown::Frame);
    }
    // 0: an ordinary window.
    std::int64_t Frame() const { return Read(frame_); }
    void SetFrame(std::int64_t frame) { Assign(frame_, frame); }
    // 0: where new windows go.
    std::int64_t Placement() const { return Read(placement_); }
    void SetPlacement(std::int64_t placement) { Assign(placement_, placement); }
    std::int64_t MacProcId() const { return Read(macProcId_); }
    void SetMacProcId(std::int64_t id) { Assign(macProcId_, id); }

    Ref<String> Title() const { return Read(title_); }
    void SetTitle(const Ref<String>& title) {
        if (Assign(title_, title)) Show(Shown::Title);
    }

    bool CloseButton() const { return Read(closeButton_); }
    void SetCloseButton(bool on) {
        if (Assign(closeButton_, on)) Show(Shown::Frame);
    }
    bool Resizeable() const { return Read(resizeable_); }
    void SetResizeable(bool on) {
        if (Assign(resizeable_, on)) Show(Shown::Frame);
    }
    bool MaximizeButton() const { return Read(maximizeButton_); }
    void SetMaximizeButton(bool on) {
        if (Assign(maximizeButton_, on)) Show(Shown::Frame);
    }
    bool MinimizeButton() const { return Read(minimizeButton_); }
    void SetMinimizeButton(bool on) {
        if (Assign(minimizeButton_, on)) Show(Shown::Frame);
    }
    bool FullScreenButton() const { return Read(fullScreenButton_); }
    void SetFullScreenButton(bool on) { Assign(fullScreenButton_, on); }
    bool Composite() const { return Read(composite_); }
    void SetComposite(bool on) { Assign(composite_, on); }
    bool LiveResize() const { return Read(liveResize_); }
    void SetLiveResize(bool on) { Assign(liveResize_, on); }
    bool FullScreen() const { return Read(fullScreen_); }
    void SetFullScreen(bool on) {
        if (Assign(fullScreen_, on)) Show(Shown::FullScreen);
    }
    // The content area's colour, if HasBackColor; else the platform's.
    bool HasBackColor() const { return Read(hasBackColor_); }
    void SetHasBackColor(bool on) {
        if (Assign(hasBackColor_, on)) Show(Shown::BackColor);
    }
    Color BackColor() const { return Read(backColor_); }
    void SetBackColor(Color color) {
        if (Assign(backColor_, color)) Show(Shown::BackColor);
    }
    bool MenuBarVisible() const { return Read(menuBarVisible_); }
    void SetMenuBarVisible(bool visible) {
        if (Assign(menuBarVisible_, visible)) ShowMenus();
    }
    bool Visible() const { return Read(visible_); }
    void SetVisible(bool visible) {
        if (Assign(visible_, visible)) ShowVisible();
    }

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
    // The controls that Tab visits, in order: tab stops by TabIndex, ties in the order
    // the controls were added.
    std::vector<Ref<Control>> TabOrder() const;

    // Closes the window: raises "Close" (Event_Close) and lets the runtime drop it.
    void Close();
    bool IsOpen() const noexcept { return open_; }

    // The user asked to close the window (title bar button, window manager).
    void PeerCloseRequested(const PeerKey&);
    // The window was activated again: the control of its own that last had the focus takes it
    // back, as it was, as in a dialog.
    void PeerActivated(const PeerKey&);
    // A menu of the bar is opening or has closed (the number of its entry), or the user
    // chose an entry from the bar or by its shortcut.
    void PeerMenuOpening(const PeerKey&, std::size_t menu);
    void PeerMenuClosed(const PeerKey&, std::size_t menu);
    void PeerMenuChosen(const PeerKey&, std::size_t entry);
    // A key was pressed in the window: a command of the bar with it as its shortcut is
    // chosen, whichever control has the focus, before the control sees the key. True when
    // one has it (chosen, or greyed and so doing nothing); the control then never sees it.
    bool PeerShortcut(const PeerKey&, const KeyStroke& pressed);
    WindowPeer* Peer(const PeerKey&) const noexcept { return peer_.get(); }

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

    void Show(Shown what);
    void ShowVisible();
    void ShowMenus();
    // The bar as the peer is to show it now.
    ShownMenuBar DescribeMenus();
    void ShowTabOrder();
    // Tells the peers what changed in which label captions which control.
    void ShowCaptions();
    // The text of a label changed: what it captions is named anew.
    void ShowCaptionText(const Control& control);
    // Makes the native window and its controls' peers from the complete model.
    void CreatePeers();

    std::int64_t width_ = 300, height_ = 300;
    std::int64_t minWidth_ = 64, minHeight_ = 64, maxWidth_ = 32000, maxHeight_ = 32000;
    std::int64_t frame_ = 0, placement_ = 0, macProcId_ = 0;
    Ref<String> title_;
    bool closeButton_ = true, resizeable_ = true, maximizeButton_ = true, minimizeButton_ = true;
    bool fullScreenButton_ = false, composite_ = false, liveResize_ = true, fullScreen_ = false;
    bool hasBackColor_ = false;
    Color backColor_{0x00FFFFFF};
    bool menuBarVisible_ = true;
    bool visible_ = true;

    std::vector<Ref<Control>> controls_;
    Ref<class MenuBar> menuBar_;
    std::unique_ptr<ShownMenus> menus_;  // the bar as the peer shows it
    std::unique_ptr<ShownCaptions> captions_;
    std::unique_ptr<WindowPeer> peer_;
    bool open_ = false;
    bool shownBefore_ = false;
};

// The name of an aspect the peer is told of, as logs and tools give it.
GUIRT_API std::string_view ShownName(Window::Shown what);

// The default window constructor: registers the window as its class's open implicit
// instance, raises Layout and CreateControls and the controls' "Open" events, and then
// gives the complete window and its controls their native peers and shows it if visible.
GUIRT_API void WindowDefaultConstructor(Window& window);

// The open implicit instance of the named window class, or nil.
GUIRT_API Ref<Window> RuntimeGetImplicitWindow(std::string_view className);

}  // namespace guirt
