#include "Win32WindowPeer.h"

#include "Guard.h"
#include "ModelState.h"
#include "Win32Icons.h"
#include "Win32Keys.h"
#include "Win32Look.h"
#include "Win32Text.h"
#include "guirt/Exceptions.h"

namespace guirt::win32 {

namespace {

// Each control's ID is this plus the order it was made in.
constexpr int kFirstControlId = 1000;
// Posted to rebuild the menus after the command of a menu that just closed has arrived.
constexpr UINT kRebuildMenus = WM_APP + 1;

ATOM gWindowClass = 0;

// The outer size of a window of the style whose client area is the given size in the
// layout's pixels, on a screen of the DPI.
SIZE OuterSize(std::int64_t width, std::int64_t height, DWORD style, bool menu, int dpi) {
    RECT rect{0, 0, static_cast<LONG>(ScaledPixels(width, dpi)), static_cast<LONG>(ScaledPixels(height, dpi))};
    AdjustWindowRectExForDpi(&rect, style, menu, 0, static_cast<UINT>(dpi));
    return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

void Win32WindowPeer::RegisterWindowClass() noexcept {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = RuntimeModule();
    windowClass.hIcon = ProgramIcon(GetSystemMetrics(SM_CXICON));
    windowClass.hIconSm = ProgramIcon(GetSystemMetrics(SM_CXSMICON));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kWindowClass;
    gWindowClass = RegisterClassExW(&windowClass);
}

void Win32WindowPeer::UnregisterWindowClass() noexcept {
    if (gWindowClass) UnregisterClassW(kWindowClass, RuntimeModule());
    gWindowClass = 0;
}

Win32WindowPeer::Win32WindowPeer(Window& model, const ShownMenuBar& bar) : model_(model), bar_(bar), menus_(bar.menus) {
    // Sized and titled from the model once it is made (ShowAll).
    hwnd_.reset(CreateWindowExW(0, kWindowClass, nullptr, Style(), CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr,
                                bar_.visible ? menus_.Menu() : nullptr, RuntimeModule(), this));
    if (!hwnd_) Raise<RuntimeException>("The native window could not be made.");
    dpi_ = static_cast<int>(GetDpiForWindow(hwnd_.get()));
    tips_ = std::make_shared<ToolTips>(hwnd_.get());
    ShowAll<Window::Shown>(*this);
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
    // A key is the window's shortcut first, whichever control has the focus.
    if ((msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) &&
        Ask(peer->model_, &Window::PeerShortcut, StrokeOf(msg.wParam))) {
        return true;
    }
    return IsDialogMessageW(root, &msg);
}

LRESULT CALLBACK Win32WindowPeer::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    auto* peer = reinterpret_cast<Win32WindowPeer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    // Before the peer knows it, or once the peer has gone and the window waits to go.
    if (!peer) return DefWindowProcW(hwnd, message, wParam, lParam);
    return Caught(LRESULT{0}, [&] { return peer->Message(hwnd, message, wParam, lParam); });
}

LRESULT Win32WindowPeer::Message(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            // The model decides; closing it closes this window. A menu open in it (a control's
            // own context menu, say) ends first, so that nothing is left of a closed window.
            EndMenu();
            Report(model_, &Window::PeerCloseRequested);
            return 0;
        case WM_COMMAND:
            if (lParam) {
                if (Win32Control* control = ControlOf(reinterpret_cast<HWND>(lParam))) {
                    control->Notified(HIWORD(wParam));
                }
            } else if (const auto entry = menus_.EntryOf(LOWORD(wParam))) {
                // From the bar; the model checks whether the item can act now.
                Report(model_, &Window::PeerMenuChosen, *entry);
            }
            return 0;
        case WM_INITMENUPOPUP:
            // As one of the bar's menus opens.
            if (const auto menu = menus_.MenuOf(reinterpret_cast<HMENU>(wParam))) {
                Report(model_, &Window::PeerMenuOpening, *menu);
            }
            return 0;
        case WM_UNINITMENUPOPUP:
            if (const auto menu = menus_.MenuOf(reinterpret_cast<HMENU>(wParam))) {
                Report(model_, &Window::PeerMenuClosed, *menu);
            }
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
            if (Win32Control* control = ControlOf(reinterpret_cast<HWND>(lParam))) {
                const auto dc = reinterpret_cast<HDC>(wParam);
                SetBkColor(dc, BackColorRef());
                ::SetTextColor(dc, kTextColor);
                HBRUSH brush = control->Colors(dc);
                return reinterpret_cast<LRESULT>(brush ? brush : BackBrush());
            }
            break;
        case WM_CTLCOLORLISTBOX: {
            // The popup's open list.
            const auto dc = reinterpret_cast<HDC>(wParam);
            ::SetTextColor(dc, kTextColor);
            SetBkColor(dc, kListColor);
            return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
        }
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(hwnd, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, BackBrush());
            return 1;
        }
        case kWindowDpi:
            return dpi_;
        case WM_DPICHANGED:
            Rescale(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_SETFOCUS:
            // Activated again, the window has the focus; the model gives it to a control.
            Report(model_, &Window::PeerActivated);
            return 0;
        case WM_GETMINMAXINFO:
            if (const WindowFrame frame = FrameOf(model_); frame.resizeable && !model_.FullScreen()) {
                auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
                const bool menu = GetMenu(hwnd) != nullptr;
                const SIZE least = OuterSize(frame.minWidth, frame.minHeight, Style(), menu, dpi_);
                const SIZE most = OuterSize(frame.maxWidth, frame.maxHeight, Style(), menu, dpi_);
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

ChildSite Win32WindowPeer::NextSite() {
    return {hwnd_.get(), kFirstControlId + made_++, tips_, controls_};
}

Win32Control* Win32WindowPeer::ControlOf(HWND hwnd) const {
    return controls_->Find([hwnd](const Win32Control& control) { return control.Handle() == hwnd; });
}

void Win32WindowPeer::Show(Window::Shown what) {
    if (!hwnd_) return;
    switch (what) {
        case Window::Shown::Title:
            SetWindowTextW(hwnd_.get(), Wide(TextOf(model_.Title())).c_str());
            return;
        case Window::Shown::Frame:
        case Window::Shown::FullScreen:
            ShowFrame();
            return;
        case Window::Shown::BackColor: {
            const std::optional<Color> color = BackColorOf(model_);
            backBrush_.reset(color ? CreateSolidBrush(ColorRefOf(*color)) : nullptr);
            RedrawWindow(hwnd_.get(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
            return;
        }
    }
}

DWORD Win32WindowPeer::Style() const {
    if (model_.FullScreen()) return WS_POPUP | WS_SYSMENU;
    const WindowFrame frame = FrameOf(model_);
    DWORD style = WS_OVERLAPPED | WS_CAPTION;
    // The buttons need the window menu; without a close button its Close is greyed.
    if (frame.closeButton || frame.minimizeButton || frame.maximizeButton) style |= WS_SYSMENU;
    if (frame.minimizeButton) style |= WS_MINIMIZEBOX;
    if (frame.maximizeButton) style |= WS_MAXIMIZEBOX;
    if (frame.resizeable) style |= WS_THICKFRAME;
    return style;
}

void Win32WindowPeer::ShowFrame() {
    const HWND hwnd = hwnd_.get();
    if (!hwnd) return;
    const LONG_PTR kept = GetWindowLongPtrW(hwnd, GWL_STYLE) & (WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE);
    SetWindowLongPtrW(hwnd, GWL_STYLE, kept | static_cast<LONG_PTR>(Style()));
    constexpr UINT kFrameOnly = SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
    if (model_.FullScreen()) {
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
    const WindowFrame frame = FrameOf(model_);
    if (!frame.closeButton) {
        EnableMenuItem(GetSystemMenu(hwnd, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    } else {
        GetSystemMenu(hwnd, TRUE);
    }
    const SIZE size = OuterSize(frame.width, frame.height, Style(), GetMenu(hwnd) != nullptr, dpi_);
    UINT flags = kFrameOnly | SWP_NOMOVE;
    if (placedFullScreen_) flags &= ~static_cast<UINT>(SWP_NOMOVE);
    SetWindowPos(hwnd, nullptr, normalPlace_.left, normalPlace_.top, size.cx, size.cy, flags);
    placedFullScreen_ = false;
    // A menu bar too wide for the window wraps onto more lines than AdjustWindowRectEx
    // counts: make up the difference.
    RECT client;
    if (IsIconic(hwnd) || !GetClientRect(hwnd, &client)) return;
    const auto dx = static_cast<int>(ScaledPixels(frame.width, dpi_) - client.right);
    const auto dy = static_cast<int>(ScaledPixels(frame.height, dpi_) - client.bottom);
    if (dx || dy) SetWindowPos(hwnd, nullptr, 0, 0, size.cx + dx, size.cy + dy, kFrameOnly | SWP_NOMOVE);
}

void Win32WindowPeer::Rescale(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    // Where the system suggests (the window stays under the mouse as it crosses screens), at
    // the size the layout takes at the new DPI.
    if (!model_.FullScreen()) {
        SetWindowPos(hwnd_.get(), nullptr, suggested.left, suggested.top, 0, 0,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
    }
    ShowFrame();
    controls_->ForEach([](Win32Control& control) { control.Rescale(); });
}

COLORREF Win32WindowPeer::BackColorRef() const {
    const std::optional<Color> color = BackColorOf(model_);
    return color ? ColorRefOf(*color) : kFaceColor;
}

HBRUSH Win32WindowPeer::BackBrush() const noexcept {
    return backBrush_ ? backBrush_.get() : FaceBrush();
}

void Win32WindowPeer::SetMenuBar(const ShownMenuBar& bar) {
    bar_ = bar;
    RebuildMenus();
}

void Win32WindowPeer::SetMenuEnabled(std::size_t entry, bool enabled) {
    menus_.SetEnabled(entry, enabled);
}

void Win32WindowPeer::RebuildMenus() {
    // Not from under an open menu: once it has closed and its command has arrived.
    if (inMenuLoop_) {
        menusStale_ = true;
        return;
    }
    menusStale_ = false;
    MenuBarMenus fresh(bar_.menus);
    if (hwnd_) SetMenu(hwnd_.get(), bar_.visible ? fresh.Menu() : nullptr);
    menus_ = std::move(fresh);  // the old bar is off the window by now
    if (!hwnd_) return;
    DrawMenuBar(hwnd_.get());
    // The client area keeps its size whether the bar shows or not.
    ShowFrame();
}

void Win32WindowPeer::SetTabOrder(const std::vector<ControlPeer*>& order) {
    // The dialog keys walk the tab stops in z-order: put them on top, in order.
    HWND after = HWND_TOP;
    for (ControlPeer* peer : order) {
        const Win32Control* control = controls_->Of(peer);
        if (!control || !control->Handle()) continue;
        SetWindowPos(control->Handle(), after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = control->Handle();
    }
}

void Win32WindowPeer::SetVisible(bool visible) {
    if (!hwnd_) return;
    // Shown, the window is activated (and gives the focus back to the control that had it).
    ShowWindow(hwnd_.get(), visible ? SW_SHOW : SW_HIDE);
    if (visible) UpdateWindow(hwnd_.get());
}

// A closed window never shows again: it goes now rather than with its peer (hiding it
// first would only wait for the window manager).
void Win32WindowPeer::Close() {
    if (tips_) tips_->Close();
    hwnd_.reset();
}

}  // namespace guirt::win32
