#pragma once

#include <windows.h>

#include <string>

namespace behaviour::win32 {

// The text the tooltip control of the program's process holds for the control, "" when it
// has none: asked with TTM_GETTEXTW as screen readers ask another process's common control,
// through memory lent in that process, since the message carries pointers.
std::wstring ToolTipText(HWND tips, HWND owner, HWND control);

}  // namespace behaviour::win32
