#pragma once

#include "Win32Api.h"

namespace guirt::win32 {

// Marks a control whose text is output as a polite live region, whose every change
// assistive technology reads out once the user is idle; or takes the mark off. Wine keeps
// no such marks: there the announcements alone remain.
void SetLiveRegion(HWND control, bool live) noexcept;
// Tells assistive technology that the text of a live region changed.
void AnnounceLiveRegion(HWND control) noexcept;

}  // namespace guirt::win32
