#pragma once

#include "Win32Api.h"

#include <memory>

#include "PeerKinds.h"
#include "Win32ControlPeer.h"
#include "Win32Handles.h"
#include "Win32Menus.h"
#include "Win32ToolTips.h"

namespace guirt::win32 {

// A Window as a top-level window of the runtime's class (kWindowClass) whose client area is
// exactly Width x Height below the menu bar; the controls are its children, each kind's
// peer made in its own file (Win32LabelPeer.cpp...). A close asked for by the user goes to
// the model, which decides; the window goes when the model closes it or lets go of its peer.
class Win32WindowPeer final : public WindowPeer {
public:
    static constexpr const wchar_t* kWindowClass = L"GuirtWindow";
    // The backend registers the class as it starts and unregisters it as it ends; without
    // it, making a window raises.
    static void RegisterWindowClass() noexcept;
    static void UnregisterWindowClass() noexcept;

    Win32WindowPeer(Window& model, const ShownMenuBar& bar);
    ~Win32WindowPeer() override;

    GUIRT_PEER_CREATE_OVERRIDES

    void Show(Window::Shown what) override;
    void SetMenuBar(const ShownMenuBar& bar) override;
    void SetMenuEnabled(std::size_t entry, bool enabled) override;
    void SetTabOrder(const std::vector<ControlPeer*>& order) override;
    void SetVisible(bool visible) override;
    void Close() override;

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
    // The control of this window with the HWND; null for none.
    Win32Control* ControlOf(HWND hwnd) const;
    DWORD Style() const;
    // The window's style and size for the model's frame and full screen and the menu bar now.
    void ShowFrame();
    // Lays the window and its controls out again for a screen of the DPI.
    void Rescale(int dpi, const RECT& suggested);
    // Builds the bar's menus and accelerators again, once no menu is open.
    void RebuildMenus();
    COLORREF BackColorRef() const;
    HBRUSH BackBrush() const noexcept;

    Window& model_;
    int dpi_ = USER_DEFAULT_SCREEN_DPI;  // what the layout is scaled for
    RECT normalPlace_{};                 // where the window was before it went full screen
    bool placedFullScreen_ = false;
    BrushHandle backBrush_;
    ShownMenuBar bar_;
    bool inMenuLoop_ = false;
    bool menusStale_ = false;
    int made_ = 0;  // controls so far, which numbers their IDs
    MenuBarMenus menus_;
    std::unique_ptr<std::remove_pointer_t<HWND>, Detacher> hwnd_;  // goes before the menus
    std::shared_ptr<ToolTips> tips_;
    std::shared_ptr<Win32Controls> controls_ = std::make_shared<Win32Controls>();
};

}  // namespace guirt::win32
