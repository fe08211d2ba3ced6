#pragma once

#include "Win32Api.h"

#include <memory>
#include <string_view>

#include "ControlPeerOn.h"
#include "ControlRegistry.h"
#include "PeerKinds.h"
#include "Win32Accessible.h"
#include "Win32Fonts.h"
#include "Win32Handles.h"
#include "Win32ToolTips.h"

namespace guirt::win32 {

// Answered by a window of the runtime with the DPI its controls are laid out for.
constexpr UINT kWindowDpi = WM_APP + 4;

class Win32Control;
using Win32Controls = ControlRegistry<Win32Control>;

// Where a window puts a control it makes: its client area, the control's ID, the window's
// tooltips and its controls, which the control enters. Each control's ID is 1000 plus the
// order of its window's Create calls (the first control made is 1000): tools outside the
// runtime find controls by their window class ("Static", "Edit", "ComboBox") and this ID.
struct ChildSite {
    HWND parent = nullptr;
    int id = 0;
    std::shared_ptr<ToolTips> tips;
    std::shared_ptr<Win32Controls> controls;
};

// A runtime colour (0xTTRRGGBB) as Win32 gives it to a DC; Win32 has no transparency there.
inline COLORREF ColorRefOf(Color color) noexcept {
    return RGB(color.Red(), color.Green(), color.Blue());
}

// Makes a hidden child control of the window class and styles in the site, at the model's
// place, to be shown from its model; raises a RuntimeException if Win32 cannot.
HWND CreateChild(const ChildSite& site, const RectControl& model, const wchar_t* windowClass, DWORD style,
                 DWORD exStyle = 0);

// What every control's native side shares: the control it has taken over, which its window
// reaches through the control's HWND (the window procedure hands each child's notifications
// and colour requests to it), its place, font, flags, help tag and accessible texts, the
// focus it takes and the focus it reports to its model.
class Win32Control {
public:
    virtual ~Win32Control();
    Win32Control(const Win32Control&) = delete;
    Win32Control& operator=(const Win32Control&) = delete;

    HWND Handle() const noexcept { return hwnd_.get(); }

    // A WM_COMMAND notification the control sent its window.
    virtual void Notified(WORD) {}
    // WM_CTLCOLOR...: sets the colours of the DC the control paints with; the brush of its
    // background, or null for the window's.
    virtual HBRUSH Colors(HDC) { return nullptr; }
    // The window's DPI has changed: the control takes its place and font for the new one.
    virtual void Rescale() = 0;

protected:
    // Takes the new control, made in the site, over: its messages pass through Message first.
    // The peer is the control's.
    Win32Control(const ControlPeer& peer, RectControl& model, const ChildSite& site, HWND hwnd);
    // A message of the control, before its own window procedure (Default).
    virtual LRESULT Message(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // The control's own handling of a message.
    LRESULT Default(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    void ShowControl(Control::Shown what);
    void ShowRect(RectControl::Shown what);
    void ShowAccessible(const AccessibleText& text);
    void TakeFocus(FocusWay way);
    // Sets a window style bit of the control.
    void SetStyle(DWORD bit, bool on) noexcept;
    // Paints the control again, if it shows.
    void Repaint() noexcept;
    // The DPI of the control's window, and the model's bounds in its device pixels.
    int Dpi() const noexcept;
    Bounds DeviceBounds() const;
    // Shows the text in the font (kept while the control uses it).
    void UseFont(SharedFont font);
    // Shows the text as the control's tooltip; empty: none.
    void ShowTip(std::string_view text);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    const ControlPeer& peer_;
    RectControl& model_;
    std::shared_ptr<Win32Controls> controls_;
    WindowHandle hwnd_;
    WNDPROC previous_ = nullptr;
    std::shared_ptr<ToolTips> tips_;
    SharedFont font_;
    AccessibleTexts accessible_;
};

// A control peer of the kind whose seam interface is Interface, on the shared control.
template <class Interface>
class Win32ControlPeer : public ControlPeerOn<Interface, Win32Control> {
public:
    // As the kind shows its place and font (a label fits its text to them again).
    void Rescale() override {
        this->Show(RectControl::Shown::Bounds);
        this->Show(RectControl::Shown::Font);
    }

protected:
    using ControlPeerOn<Interface, Win32Control>::ControlPeerOn;
};

}  // namespace guirt::win32
