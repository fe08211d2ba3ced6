#pragma once

#include "Win32Api.h"

namespace guirt::win32 {

// A single-line edit control draws its text at the top of its client area. These keep the
// text in the middle of the control's height, as a one-line label shows its text: the space
// above and below a line goes to the non-client area, painted in the edit's background.
// Each runs after the control's own handling of the message.

// WM_NCCALCSIZE: takes the space off the client rectangle.
void PadClientArea(HWND edit, RECT& client);
// WM_NCPAINT: paints the space.
void PaintPadding(HWND edit);
// WM_NCHITTEST: the space is the text's, so a click there places the cursor.
LRESULT HitPadding(HWND edit, LPARAM point, LRESULT hit);

}  // namespace guirt::win32
