#include "Win32ControlPeer.h"

#include <algorithm>
#include <utility>

#include "Guard.h"
#include "ModelState.h"
#include "Win32Fonts.h"
#include "guirt/Exceptions.h"

namespace guirt::win32 {

namespace {

// Asks a child which control of the runtime it is: ours answer with their NativeControl,
// Win32's own (through DefWindowProc) with 0.
constexpr UINT kWhichControl = WM_APP + 2;

int Clamped(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, -32768, 32767));
}

}  // namespace

NativeControl::NativeControl(HWND hwnd) : hwnd_(hwnd) {
    SetWindowSubclass(hwnd, SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

NativeControl::~NativeControl() {
    if (hwnd_) RemoveWindowSubclass(hwnd_.get(), SubclassProc, 0);
}

NativeControl* NativeControl::Of(HWND hwnd) noexcept {
    return hwnd ? reinterpret_cast<NativeControl*>(SendMessageW(hwnd, kWhichControl, 0, 0)) : nullptr;
}

LRESULT NativeControl::Message(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK NativeControl::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR self) {
    auto* control = reinterpret_cast<NativeControl*>(self);
    if (message == kWhichControl) return static_cast<LRESULT>(self);
    if (message == WM_NCDESTROY) {
        // Destroyed with its window: the peer no longer owns it.
        RemoveWindowSubclass(hwnd, SubclassProc, 0);
        static_cast<void>(control->hwnd_.release());
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }
    try {
        return control->Message(hwnd, message, wParam, lParam);
    } catch (...) {
        ParkAndEndLoop();
        return 0;
    }
}

HWND CreateChild(const ChildSite& site, const RectControl& model, const wchar_t* windowClass, const std::wstring& text,
                 DWORD style, DWORD exStyle) {
    style |= WS_CHILD | (model.Visible() ? WS_VISIBLE : 0) | (model.Enabled() ? 0 : WS_DISABLED);
    const Bounds b = BoundsOf(model);
    HWND hwnd = CreateWindowExW(exStyle, windowClass, text.c_str(), style, Clamped(b.left), Clamped(b.top),
                                Clamped(b.width), Clamped(b.height), site.parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(site.id)), RuntimeModule(), nullptr);
    if (!hwnd) {
        Raise<RuntimeException>("The native control of " + std::string(TextOf(model.Name())) + " could not be made.");
    }
    return hwnd;
}

template <class Interface>
Win32ControlPeer<Interface>::Win32ControlPeer(RectControl& model, const ChildSite& site, HWND hwnd)
    : NativeControl(hwnd), model_(model), tips_(site.tips) {}

template <class Interface>
Win32ControlPeer<Interface>::~Win32ControlPeer() {
    if (tips_) tips_->Remove(Handle());
}

template <class Interface>
void Win32ControlPeer<Interface>::ShowModel() {
    SetFont(FontOf(model_));
    SetBounds(BoundsOf(model_));
    SetHelpTag(TextOf(model_.HelpTag()));
}

template <class Interface>
LRESULT Win32ControlPeer<Interface>::Message(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETOBJECT) {
        if (const LRESULT answer = accessible_.Answer(hwnd, wParam, lParam)) return answer;
    }
    if (message != WM_SETFOCUS && message != WM_KILLFOCUS) return DefSubclassProc(hwnd, message, wParam, lParam);
    const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
    // Last: the model may let go of this peer.
    CallModel([&model = model_, gained = message == WM_SETFOCUS] {
        const Ref<RectControl> hold(&model);
        model.PeerFocusChanged(PeerAccess::Key(), gained);
    });
    return result;
}

template <class Interface>
void Win32ControlPeer<Interface>::SetStyle(DWORD bit, bool on) noexcept {
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    SetWindowLongPtrW(Handle(), GWL_STYLE, on ? (style | bit) : (style & ~static_cast<LONG_PTR>(bit)));
}

// Win32 controls have no name; tools find them by window class and ID instead.
template <class Interface>
void Win32ControlPeer<Interface>::SetName(std::string_view) {}

template <class Interface>
void Win32ControlPeer<Interface>::SetBounds(const Bounds& b) {
    if (Handle()) {
        MoveWindow(Handle(), Clamped(b.left), Clamped(b.top), Clamped(b.width), Clamped(b.height), TRUE);
    }
}

template <class Interface>
void Win32ControlPeer<Interface>::SetFont(const FontRequest& font) {
    // The font in use goes only once the control has the new one.
    const auto previous = std::exchange(font_, FontFor(font));
    if (Handle()) SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
}

template <class Interface>
void Win32ControlPeer<Interface>::SetEnabled(bool enabled) {
    if (Handle()) EnableWindow(Handle(), enabled);
}

template <class Interface>
void Win32ControlPeer<Interface>::SetVisible(bool visible) {
    if (Handle()) ShowWindow(Handle(), visible ? SW_SHOWNA : SW_HIDE);
}

template <class Interface>
void Win32ControlPeer<Interface>::SetHelpTag(std::string_view text) {
    if (tips_) tips_->Set(Handle(), text);
}

template <class Interface>
void Win32ControlPeer<Interface>::SetAccessibleText(const AccessibleText& text) {
    accessible_.Set(Handle(), text);
}

template class Win32ControlPeer<LabelPeer>;
template class Win32ControlPeer<TextFieldPeer>;
template class Win32ControlPeer<PopupMenuPeer>;

}  // namespace guirt::win32
