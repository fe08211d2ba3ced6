#pragma once

#include "Win32Api.h"

#include <memory>

#include "Peers.h"
#include "Win32Accessible.h"
#include "Win32Fonts.h"
#include "Win32Handles.h"
#include "Win32ToolTips.h"

namespace guirt::win32 {

// Answered by a window of the runtime with the DPI its controls are laid out for.
constexpr UINT kWindowDpi = WM_APP + 4;

// Where a window puts a control it makes: its client area, the control's ID and the
// window's tooltips. Each control's ID is 1000 plus the order of its window's CreateX call
// (the first control made is 1000): tools outside the runtime find controls by their
// window class ("Static", "Edit", "ComboBox") and this ID.
struct ChildSite {
    HWND parent = nullptr;
    int id = 0;
    std::shared_ptr<ToolTips> tips;
};

// The part of every control's native side that its window reaches through the control's
// HWND: the window procedure hands each child's notifications and colour requests to it.
class NativeControl {
public:
    virtual ~NativeControl();
    NativeControl(const NativeControl&) = delete;
    NativeControl& operator=(const NativeControl&) = delete;

    HWND Handle() const noexcept { return hwnd_.get(); }
    // The runtime's control behind the HWND; null for any other window.
    static NativeControl* Of(HWND hwnd) noexcept;
    // The native control of a peer this backend made; null for any other.
    static NativeControl* Of(const ControlPeer* peer) noexcept;

    // A WM_COMMAND notification the control sent its window.
    virtual void Notified(WORD) {}
    // WM_CTLCOLOR...: sets the colours of the DC the control paints with; the brush of its
    // background, or null for the window's.
    virtual HBRUSH Colors(HDC) { return nullptr; }
    // The window's DPI has changed: the control takes its place and font for the new one.
    virtual void Rescale() {}

protected:
    // Takes the new control over: its messages pass through Message first.
    explicit NativeControl(HWND hwnd);
    // A message of the control, before its own window procedure (Default).
    virtual LRESULT Message(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // The control's own handling of a message.
    LRESULT Default(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    WindowHandle hwnd_;
    WNDPROC previous_ = nullptr;
};

// A runtime colour (0xTTRRGGBB) as Win32 gives it to a DC; Win32 has no transparency there.
inline COLORREF ColorRefOf(Color color) noexcept {
    return RGB(color.Red(), color.Green(), color.Blue());
}

// Makes a hidden child control of the window class and styles in the site, at the model's
// place, to be shown from its model; raises a RuntimeException if Win32 cannot.
HWND CreateChild(const ChildSite& site, const RectControl& model, const wchar_t* windowClass, DWORD style,
                 DWORD exStyle = 0);

// What every kind of control shares: its place, font, flags, help tag and accessible texts,
// the focus it takes and the focus it reports to its model. Interface is the seam's peer
// interface of the control's kind. The kind's constructor shows the whole model once its
// control is made (ShowAll).
template <class Interface>
class Win32ControlPeer : public Interface, public NativeControl {
public:
    ~Win32ControlPeer() override;

    using Interface::Show;
    void Show(Control::Shown what) override;
    void Show(RectControl::Shown what) override;
    void SetAccessibleText(const AccessibleText& text) override;
    void Focus(FocusWay way) override;
    void Rescale() override;

protected:
    Win32ControlPeer(RectControl& model, const ChildSite& site, HWND hwnd);
    LRESULT Message(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;
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
    RectControl& model_;
    std::shared_ptr<ToolTips> tips_;
    SharedFont font_;
    AccessibleTexts accessible_;
};

}  // namespace guirt::win32
