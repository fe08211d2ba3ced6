#include "Win32ControlPeer.h"

#include <memory>
#include <string>
#include <utility>

#include "Guard.h"
#include "ModelState.h"
#include "guirt/Exceptions.h"

namespace guirt::win32 {

namespace {

// What a control the runtime has taken over keeps in its own window until the window is
// destroyed: its native control (null once the peer has gone) and the window procedure it
// had before. In the user data of the window, which the system's control classes leave to
// the program, rather than a window property or the common controls' subclassing: under
// Wine each of those asks the server on every message.
struct TakenOver {
    Win32Control* control;
    WNDPROC previous;
};

TakenOver* TakenOverOf(HWND hwnd) noexcept {
    return reinterpret_cast<TakenOver*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

// The DPI a window of the runtime lays its controls out for.
int DpiOf(HWND window) noexcept {
    const auto dpi = static_cast<int>(SendMessageW(window, kWindowDpi, 0, 0));
    return dpi > 0 ? dpi : kLayoutDpi;
}

}  // namespace

Win32Control::Win32Control(const ControlPeer& peer, RectControl& model, const ChildSite& site, HWND hwnd)
    : peer_(peer), model_(model), controls_(site.controls), hwnd_(hwnd), tips_(site.tips) {
    auto taken = std::make_unique<TakenOver>(TakenOver{this, nullptr});
    controls_->Enter(peer_, *this);
    // The window owns what it keeps from here on, until WM_NCDESTROY.
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(taken.get()));
    taken->previous =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc)));
    previous_ = taken.release()->previous;
}

Win32Control::~Win32Control() {
    controls_->Leave(peer_);
    if (tips_) tips_->Remove(Handle());
    // The window may outlive the peer for a while, with its messages going to its own procedure.
    if (TakenOver* taken = hwnd_ ? TakenOverOf(hwnd_.get()) : nullptr) taken->control = nullptr;
}

LRESULT Win32Control::Default(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(previous_, hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Win32Control::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    TakenOver* taken = TakenOverOf(hwnd);
    if (!taken) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // Destroyed with its window: the peer no longer owns it.
        const std::unique_ptr<TakenOver> gone(taken);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        if (gone->control) static_cast<void>(gone->control->hwnd_.release());
        return CallWindowProcW(gone->previous, hwnd, message, wParam, lParam);
    }
    Win32Control* control = taken->control;
    if (!control) return CallWindowProcW(taken->previous, hwnd, message, wParam, lParam);
    return Caught(LRESULT{0}, [&] { return control->Message(hwnd, message, wParam, lParam); });
}

HWND CreateChild(const ChildSite& site, const RectControl& model, const wchar_t* windowClass, DWORD style,
                 DWORD exStyle) {
    // Made where the model puts it, so that showing its bounds has nothing left to do.
    const Bounds b = ScaledBounds(BoundsOf(model), DpiOf(site.parent));
    HWND hwnd =
        CreateWindowExW(exStyle, windowClass, nullptr, style | WS_CHILD, static_cast<int>(b.left),
                        static_cast<int>(b.top), static_cast<int>(b.width), static_cast<int>(b.height), site.parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(site.id)), RuntimeModule(), nullptr);
    if (!hwnd) {
        Raise<RuntimeException>("The native control of " + std::string(TextOf(model.Name())) + " could not be made.");
    }
    return hwnd;
}

LRESULT Win32Control::Message(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETOBJECT:
            if (const LRESULT answer = accessible_.Answer(hwnd, wParam, lParam)) return answer;
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS: {
            const LRESULT result = Default(hwnd, message, wParam, lParam);
            const bool gained = message == WM_SETFOCUS;
            // Last: the model may let go of this peer.
            Report(model_, &Control::PeerFocusChanged, gained);
            return result;
        }
        default:
            break;
    }
    return Default(hwnd, message, wParam, lParam);
}

void Win32Control::SetStyle(DWORD bit, bool on) noexcept {
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    const LONG_PTR wanted = on ? (style | bit) : (style & ~static_cast<LONG_PTR>(bit));
    if (wanted != style) SetWindowLongPtrW(Handle(), GWL_STYLE, wanted);
}

void Win32Control::Repaint() noexcept {
    // A control not on screen yet is painted whole when it shows.
    if (IsWindowVisible(Handle())) InvalidateRect(Handle(), nullptr, TRUE);
}

int Win32Control::Dpi() const noexcept {
    return DpiOf(GetParent(Handle()));
}

Bounds Win32Control::DeviceBounds() const {
    return ScaledBounds(BoundsOf(model_), Dpi());
}

void Win32Control::UseFont(SharedFont font) {
    if (font == font_) return;
    // The font in use goes only once the control has the new one.
    const SharedFont previous = std::exchange(font_, std::move(font));
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
}

void Win32Control::ShowTip(std::string_view text) {
    if (tips_) tips_->Set(Handle(), text);
}

void Win32Control::ShowControl(Control::Shown what) {
    switch (what) {
        case Control::Shown::Name:
            // Win32 controls have no name; tools find them by window class and ID instead.
            return;
    }
}

void Win32Control::ShowRect(RectControl::Shown what) {
    if (!Handle()) return;
    switch (what) {
        case RectControl::Shown::Bounds: {
            const Bounds b = DeviceBounds();
            RECT now{};
            GetWindowRect(Handle(), &now);
            MapWindowPoints(nullptr, GetParent(Handle()), reinterpret_cast<POINT*>(&now), 2);
            if (Bounds{now.left, now.top, now.right - now.left, now.bottom - now.top} == b) return;
            MoveWindow(Handle(), static_cast<int>(b.left), static_cast<int>(b.top), static_cast<int>(b.width),
                       static_cast<int>(b.height), IsWindowVisible(Handle()));
            return;
        }
        case RectControl::Shown::Font:
            UseFont(FontFor(FontOf(model_), Dpi()));
            return;
        case RectControl::Shown::Enabled:
            EnableWindow(Handle(), model_.Enabled());
            return;
        case RectControl::Shown::Visible:
            ShowWindow(Handle(), model_.Visible() ? SW_SHOWNA : SW_HIDE);
            return;
        case RectControl::Shown::HelpTag:
            ShowTip(TextOf(model_.HelpTag()));
            return;
    }
}

void Win32Control::ShowAccessible(const AccessibleText& text) {
    accessible_.Set(Handle(), text);
}

void Win32Control::TakeFocus(FocusWay way) {
    if (!Handle()) return;
    SetFocus(Handle());
    if (way == FocusWay::Back) return;
    // Windows draws no focus until the keyboard is used; the user sees at once where typing goes.
    SendMessageW(GetAncestor(Handle(), GA_ROOT), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

}  // namespace guirt::win32
