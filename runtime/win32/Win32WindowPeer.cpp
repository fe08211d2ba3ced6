#include "Win32WindowPeer.h"

#include <algorithm>

#include "Guard.h"
#include "ModelState.h"
#include "Win32LabelPeer.h"
#include "Win32PopupMenuPeer.h"
#include "Win32Text.h"
#include "Win32TextFieldPeer.h"
#include "guirt/Exceptions.h"
#include "guirt/MenuBar.h"

namespace guirt::win32 {

namespace {

// Each control's ID is this plus the order it was made in.
constexpr int kFirstControlId = 1000;
// Posted to rebuild the menus after the command of a menu that just closed has arrived.
constexpr UINT kRebuildMenus = WM_APP + 1;

ATOM gWindowClass = 0;

int Clamped(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, 0, 32767));
}

// The outer size of a window of the style whose client area is the given size.
SIZE OuterSize(std::int64_t width, std::int64_t height, DWORD style, bool menu) {
    RECT rect{0, 0, Clamped(width), Clamped(height)};
    AdjustWindowRectEx(&rect, style, menu, 0);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

void Win32WindowPeer::RegisterWindowClass() noexcept {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = RuntimeModule();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    gWindowClass = RegisterClassExW(&windowClass);
}

void Win32WindowPeer::UnregisterWindowClass() noexcept {
    if (gWindowClass) UnregisterClassW(kWindowClass, RuntimeModule());
    gWindowClass = 0;
}

Win32WindowPeer::Win32WindowPeer(Window& model)
    : model_(model),
      frame_(FrameOf(model)),
      fullScreen_(model.FullScreen()),
      bar_(model.MenuBar().get()),
      barVisible_(model.MenuBarVisible()),
      menus_(bar_) {
    const DWORD style = Style();
    const SIZE size = OuterSize(frame_.width, frame_.height, style, barVisible_ && menus_.Menu());
    hwnd_.reset(CreateWindowExW(0, kWindowClass, Wide(TextOf(model.Title())).c_str(), style, CW_USEDEFAULT,
                                CW_USEDEFAULT, size.cx, size.cy, nullptr, barVisible_ ? menus_.Menu() : nullptr,
                                RuntimeModule(), this));
    if (!hwnd_) Raise<RuntimeException>("The native window could not be made.");
    tips_ = std::make_shared<ToolTips>(hwnd_.get());
    SetBackColor(BackColorOf(model));
    ApplyFrame();
}

Win32WindowPeer::~Win32WindowPeer() {
    if (tips_) tips_->Close();
}

void Win32WindowPeer::Detacher::operator()(HWND hwnd) const noexcept {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    SetMenu(hwnd, nullptr);
    DestroyWindowSoon(hwnd);
}

Win32WindowPeer* Win32WindowPeer::Of(HWND hwnd) noexcept {
    if (!hwnd || !gWindowClass || GetClassLongPtrW(hwnd, GCW_ATOM) != gWindowClass) return nullptr;
    return reinterpret_cast<Win32WindowPeer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

bool Win32WindowPeer::TranslateForWindow(MSG& msg) {
    const HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    Win32WindowPeer* peer = Of(root);
    if (!peer) return false;
    // The shortcuts work while the bar is hidden too.
    if (HACCEL table = peer->menus_.Accelerators(); table && TranslateAcceleratorW(root, table, &msg)) return true;
    return IsDialogMessageW(root, &msg);
}

LRESULT CALLBACK Win32WindowPeer::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* peer = reinterpret_cast<Win32WindowPeer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    // Before the peer knows it, or once the peer has gone and the window waits to go.
    if (!peer) return DefWindowProcW(hwnd, message, wParam, lParam);
    try {
        return peer->Message(hwnd, message, wParam, lParam);
    } catch (...) {
        ParkAndEndLoop();
        return 0;
    }
}

LRESULT Win32WindowPeer::Message(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            // The model decides; closing it closes this window.
            CallModel([&model = model_] {
                const Ref<Window> hold(&model);
                model.PeerCloseRequested(PeerAccess::Key());
            });
            return 0;
        case WM_COMMAND:
            if (lParam) {
                if (NativeControl* control = NativeControl::Of(reinterpret_cast<HWND>(lParam))) {
                    control->Notified(HIWORD(wParam));
                }
            } else if (Ref<MenuItem> item = menus_.ItemOf(LOWORD(wParam))) {
                // From the bar or an accelerator; the item checks whether it can act now.
                CallModel([item] { item->PeerChosen(PeerAccess::Key()); });
            }
            return 0;
        case WM_INITMENUPOPUP:
            if (!HIWORD(lParam)) CallModel([&] { menus_.Prepare(reinterpret_cast<HMENU>(wParam)); });
            return 0;
        case WM_ENTERMENULOOP:
            inMenuLoop_ = true;
            break;
        case WM_EXITMENULOOP:
            inMenuLoop_ = false;
            if (menusStale_) PostMessageW(hwnd, kRebuildMenus, 0, 0);
            break;
        case kRebuildMenus:
            RebuildMenus();
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
            if (NativeControl* control = NativeControl::Of(reinterpret_cast<HWND>(lParam))) {
                const auto dc = reinterpret_cast<HDC>(wParam);
                SetBkColor(dc, BackColorRef());
                HBRUSH brush = control->Colors(dc);
                return reinterpret_cast<LRESULT>(brush ? brush : BackBrush());
            }
            break;
        case WM_ERASEBKGND:
            if (backBrush_) {
                RECT client;
                GetClientRect(hwnd, &client);
                FillRect(reinterpret_cast<HDC>(wParam), &client, backBrush_.get());
                return 1;
            }
            break;
        case WM_ACTIVATE:
            // Activated, the window takes the focus (DefWindowProc), and hands it on.
            if (LOWORD(wParam) == WA_INACTIVE) {
                const HWND focused = GetFocus();
                if (focused && IsChild(hwnd, focused)) lastFocus_ = focused;
            }
            break;
        case WM_SETFOCUS:
            RestoreFocus(hwnd);
            return 0;
        case WM_GETMINMAXINFO:
            if (frame_.resizeable && !fullScreen_) {
                auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
                const bool menu = GetMenu(hwnd) != nullptr;
                const SIZE least = OuterSize(frame_.minWidth, frame_.minHeight, Style(), menu);
                const SIZE most = OuterSize(frame_.maxWidth, frame_.maxHeight, Style(), menu);
                limits->ptMinTrackSize = {least.cx, least.cy};
                limits->ptMaxTrackSize = {most.cx, most.cy};
                return 0;
            }
            break;
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// As a dialog does: the control that had the focus gets it back.
void Win32WindowPeer::RestoreFocus(HWND hwnd) const {
    HWND target = lastFocus_;
    if (!target || !IsWindow(target) || !IsChild(hwnd, target) || !IsWindowVisible(target) ||
        !IsWindowEnabled(target)) {
        target = GetNextDlgTabItem(hwnd, nullptr, FALSE);
    }
    if (target) SetFocus(target);
}

ChildSite Win32WindowPeer::NextSite() {
    return {hwnd_.get(), kFirstControlId + controls_++, tips_};
}

std::unique_ptr<LabelPeer> Win32WindowPeer::CreateLabel(Label& label) {
    return std::make_unique<Win32LabelPeer>(label, NextSite());
}

std::unique_ptr<TextFieldPeer> Win32WindowPeer::CreateTextField(TextField& field) {
    return std::make_unique<Win32TextFieldPeer>(field, NextSite());
}

std::unique_ptr<PopupMenuPeer> Win32WindowPeer::CreatePopupMenu(PopupMenu& popup) {
    return std::make_unique<Win32PopupMenuPeer>(popup, NextSite());
}

void Win32WindowPeer::SetTitle(std::string_view title) {
    if (hwnd_) SetWindowTextW(hwnd_.get(), Wide(title).c_str());
}

DWORD Win32WindowPeer::Style() const noexcept {
    if (fullScreen_) return WS_POPUP | WS_SYSMENU;
    DWORD style = WS_OVERLAPPED | WS_CAPTION;
    // The buttons need the window menu; without a close button its Close is greyed.
    if (frame_.closeButton || frame_.minimizeButton || frame_.maximizeButton) style |= WS_SYSMENU;
    if (frame_.minimizeButton) style |= WS_MINIMIZEBOX;
    if (frame_.maximizeButton) style |= WS_MAXIMIZEBOX;
    if (frame_.resizeable) style |= WS_THICKFRAME;
    return style;
}

void Win32WindowPeer::SetFrame(const WindowFrame& frame) {
    frame_ = frame;
    ApplyFrame();
}

void Win32WindowPeer::SetFullScreen(bool fullScreen) {
    fullScreen_ = fullScreen;
    ApplyFrame();
}

void Win32WindowPeer::ApplyFrame() {
    const HWND hwnd = hwnd_.get();
    if (!hwnd) return;
    const LONG_PTR kept = GetWindowLongPtrW(hwnd, GWL_STYLE) & (WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE);
    SetWindowLongPtrW(hwnd, GWL_STYLE, kept | static_cast<LONG_PTR>(Style()));
    constexpr UINT kFrameOnly = SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
    if (fullScreen_) {
        if (!placedFullScreen_) GetWindowRect(hwnd, &normalPlace_);
        placedFullScreen_ = true;
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &monitor);
        const RECT& screen = monitor.rcMonitor;
        SetWindowPos(hwnd, nullptr, screen.left, screen.top, screen.right - screen.left, screen.bottom - screen.top,
                     kFrameOnly);
        return;
    }
    if (!frame_.closeButton) {
        EnableMenuItem(GetSystemMenu(hwnd, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    } else {
        GetSystemMenu(hwnd, TRUE);
    }
    const SIZE size = OuterSize(frame_.width, frame_.height, Style(), GetMenu(hwnd) != nullptr);
    UINT flags = kFrameOnly | SWP_NOMOVE;
    if (placedFullScreen_) flags &= ~static_cast<UINT>(SWP_NOMOVE);
    SetWindowPos(hwnd, nullptr, normalPlace_.left, normalPlace_.top, size.cx, size.cy, flags);
    placedFullScreen_ = false;
    // A menu bar too wide for the window wraps onto more lines than AdjustWindowRectEx
    // counts: make up the difference.
    RECT client;
    if (IsIconic(hwnd) || !GetClientRect(hwnd, &client)) return;
    const int dx = Clamped(frame_.width) - client.right;
    const int dy = Clamped(frame_.height) - client.bottom;
    if (dx || dy) SetWindowPos(hwnd, nullptr, 0, 0, size.cx + dx, size.cy + dy, kFrameOnly | SWP_NOMOVE);
}

void Win32WindowPeer::SetBackColor(std::optional<Color> color) {
    backColor_ = color;
    backBrush_.reset(color ? CreateSolidBrush(BackColorRef()) : nullptr);
    if (hwnd_) RedrawWindow(hwnd_.get(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

COLORREF Win32WindowPeer::BackColorRef() const noexcept {
    return backColor_ ? ColorRefOf(*backColor_) : GetSysColor(COLOR_BTNFACE);
}

HBRUSH Win32WindowPeer::BackBrush() const noexcept {
    return backBrush_ ? backBrush_.get() : GetSysColorBrush(COLOR_BTNFACE);
}

void Win32WindowPeer::SetMenuBar(const MenuBar* bar, bool visible) {
    barVisible_ = visible;
    if (bar != bar_) {
        bar_ = bar;
        RebuildMenus();
    } else {
        ShowMenuBar();
    }
}

void Win32WindowPeer::MenuItemChanged(const MenuItem&) {
    RebuildMenus();
}

void Win32WindowPeer::MenuTreeChanged() {
    RebuildMenus();
}

void Win32WindowPeer::RebuildMenus() {
    // Not from under an open menu: once it has closed and its command has arrived.
    if (inMenuLoop_) {
        menusStale_ = true;
        return;
    }
    menusStale_ = false;
    MenuBarMenus fresh(bar_);
    if (hwnd_) SetMenu(hwnd_.get(), barVisible_ ? fresh.Menu() : nullptr);
    menus_ = std::move(fresh);  // the old bar is off the window by now
    ShowMenuBar();
}

void Win32WindowPeer::ShowMenuBar() {
    if (!hwnd_) return;
    HMENU shown = barVisible_ ? menus_.Menu() : nullptr;
    if (GetMenu(hwnd_.get()) != shown) SetMenu(hwnd_.get(), shown);
    DrawMenuBar(hwnd_.get());
    // The client area keeps its size whether the bar shows or not.
    ApplyFrame();
}

void Win32WindowPeer::SetTabOrder(const std::vector<ControlPeer*>& order) {
    // The dialog keys walk the tab stops in z-order: put them on top, in order.
    HWND after = HWND_TOP;
    for (ControlPeer* peer : order) {
        const auto* control = dynamic_cast<const NativeControl*>(peer);
        if (!control || !control->Handle()) continue;
        SetWindowPos(control->Handle(), after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = control->Handle();
    }
}

void Win32WindowPeer::Show() {
    if (!hwnd_) return;
    // Shown and activated, the window hands its focus to the first tab stop (WM_SETFOCUS).
    ShowWindow(hwnd_.get(), SW_SHOW);
    // Windows draws no focus until the keyboard is used; the user sees at once where typing goes.
    SendMessageW(hwnd_.get(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    UpdateWindow(hwnd_.get());
}

void Win32WindowPeer::Hide() {
    if (hwnd_) ShowWindow(hwnd_.get(), SW_HIDE);
}

// A closed window never shows again: it goes now rather than with its peer (hiding it
// first would only wait for the window manager).
void Win32WindowPeer::Close() {
    if (tips_) tips_->Close();
    hwnd_.reset();
}

}  // namespace guirt::win32
