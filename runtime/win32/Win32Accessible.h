#pragma once

#include "Win32Api.h"

#include <string>

#include "Peers.h"

namespace guirt::win32 {

// A control's name and description for assistive technology. Win32 names a control from
// its own text or a guess, so the control answers WM_GETOBJECT for its client object
// itself: with the system's object for it, telling these texts instead (an empty one
// leaves the system's). Wine has no dynamic annotation, which would do the same.
class AccessibleTexts {
public:
    // Keeps the texts and tells assistive technology which of them changed.
    void Set(HWND control, const AccessibleText& text);
    // The control's answer to WM_GETOBJECT, or 0 to leave the message to the control.
    LRESULT Answer(HWND control, WPARAM wParam, LPARAM lParam) const;

private:
    std::wstring name_;
    std::wstring description_;
};

}  // namespace guirt::win32
