#pragma once

#include "Win32Api.h"

#include <memory>
#include <optional>

#include "Peers.h"
#include "Win32ControlPeer.h"
#include "Win32Handles.h"
#include "Win32Menus.h"
#include "Win32ToolTips.h"
#include "guirt/Window.h"

namespace guirt::win32 {

// A Window as a top-level window of the runtime's class (kWindowClass) whose client area is
// exactly Width x Height below the menu bar; the controls are its children. A close asked
// for by the user goes to the model, which decides; the window goes when the model closes
// it or lets go of its peer.
class Win32WindowPeer final : public WindowPeer {
public:
    static constexpr const wchar_t* kWindowClass = L"GuirtWindow";
    // The backend registers the class as it starts and unregisters it as it ends; without
    // it, making a window raises.
    static void RegisterWindowClass() noexcept;
    static void UnregisterWindowClass() noexcept;

    explicit Win32WindowPeer(Window& model);
    ~Win32WindowPeer() override;

    std::unique_ptr<LabelPeer> CreateLabel(Label& label) override;
    std::unique_ptr<TextFieldPeer> CreateTextField(TextField& field) override;
    std::unique_ptr<PopupMenuPeer> CreatePopupMenu(PopupMenu& popup) override;

    void SetTitle(std::string_view title) override;
    void SetFrame(const WindowFrame& frame) override;
    void SetFullScreen(bool fullScreen) override;
    void SetBackColor(std::optional<Color> color) override;
    void SetMenuBar(const MenuBar* bar, bool visible) override;
    void MenuItemChanged(const MenuItem& item) override;
    void MenuTreeChanged() override;
    void SetTabOrder(const std::vector<ControlPeer*>& order) override;
    void Show() override;
    void Hide() override;
    void Close() override;

    HWND Handle() const noexcept { return hwnd_.get(); }
    // Gives a queued message to the accelerators and then the dialog keys (Tab, the access
    // keys) of the runtime window it is for; true when one of them took it.
    static bool TranslateForWindow(MSG& msg);

private:
    // Lets go of the window: its messages are no longer the peer's, and its menu bar,
    // which a window destroys with itself, stays the peer's to destroy.
    struct Detacher {
        void operator()(HWND hwnd) const noexcept;
    };

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static Win32WindowPeer* Of(HWND hwnd) noexcept;
    LRESULT Message(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    ChildSite NextSite();
    DWORD Style() const noexcept;
    // The window's style and size for the frame, full screen and menu bar now.
    void ApplyFrame();
    // Builds the bar's menus and accelerators again, once no menu is open.
    void RebuildMenus();
    void ShowMenuBar();
    // Gives the focus back to the control that had it last, or the first tab stop.
    void RestoreFocus(HWND hwnd) const;
    COLORREF BackColorRef() const noexcept;
    HBRUSH BackBrush() const noexcept;

    Window& model_;
    WindowFrame frame_;
    bool fullScreen_ = false;
    RECT normalPlace_{};  // where the window was before it went full screen
    bool placedFullScreen_ = false;
    std::optional<Color> backColor_;
    BrushHandle backBrush_;
    const MenuBar* bar_ = nullptr;
    bool barVisible_ = true;
    bool inMenuLoop_ = false;
    bool menusStale_ = false;
    int controls_ = 0;
    HWND lastFocus_ = nullptr;
    MenuBarMenus menus_;
    std::unique_ptr<std::remove_pointer_t<HWND>, Detacher> hwnd_;  // goes before the menus
    std::shared_ptr<ToolTips> tips_;
};

}  // namespace guirt::win32
