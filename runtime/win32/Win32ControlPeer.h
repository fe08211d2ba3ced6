#pragma once

#include "Win32Api.h"

#include <memory>
#include <string>
#include <string_view>

#include "Peers.h"
#include "Win32Accessible.h"
#include "Win32Handles.h"
#include "Win32ToolTips.h"
#include "guirt/RectControl.h"

namespace guirt::win32 {

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

    // A WM_COMMAND notification the control sent its window.
    virtual void Notified(WORD) {}
    // WM_CTLCOLOR...: sets the colours of the DC the control paints with; the brush of its
    // background, or null for the window's.
    virtual HBRUSH Colors(HDC) { return nullptr; }

protected:
    // Takes the new control over: its messages pass through Message first.
    explicit NativeControl(HWND hwnd);
    // A message of the control, before its own window procedure (DefSubclassProc).
    virtual LRESULT Message(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR self);
    WindowHandle hwnd_;
};

// A runtime colour (0xTTRRGGBB) as Win32 gives it to a DC; Win32 has no transparency there.
inline COLORREF ColorRefOf(Color color) noexcept {
    return RGB(color.Red(), color.Green(), color.Blue());
}

// Makes a child control in the site, where and as the model says, with the window styles
// every control has; raises a RuntimeException if Win32 cannot.
HWND CreateChild(const ChildSite& site, const RectControl& model, const wchar_t* windowClass, const std::wstring& text,
                 DWORD style, DWORD exStyle = 0);

// What every kind of control shares: its place, font, flags, help tag and accessible texts,
// and the focus it reports to its model. Interface is the seam's peer interface of the
// control's kind.
template <class Interface>
class Win32ControlPeer : public Interface, public NativeControl {
public:
    ~Win32ControlPeer() override;

    void SetName(std::string_view name) override;
    void SetBounds(const Bounds& bounds) override;
    void SetFont(const FontRequest& font) override;
    void SetEnabled(bool enabled) override;
    void SetVisible(bool visible) override;
    void SetHelpTag(std::string_view text) override;
    void SetAccessibleText(const AccessibleText& text) override;

protected:
    Win32ControlPeer(RectControl& model, const ChildSite& site, HWND hwnd);
    // Shows what every control has from the model; the subclass calls it once it is built.
    void ShowModel();
    LRESULT Message(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;
    // Sets a window style bit of the control.
    void SetStyle(DWORD bit, bool on) noexcept;

private:
    RectControl& model_;
    std::shared_ptr<ToolTips> tips_;
    std::shared_ptr<std::remove_pointer_t<HFONT>> font_;
    AccessibleTexts accessible_;
};

}  // namespace guirt::win32
