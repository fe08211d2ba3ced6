#pragma once

#include "Win32Api.h"

namespace guirt::win32 {

// The program's icon as Explorer and the taskbar pick it: the first icon group of the
// process's executable, at the given size in pixels (one of the system's icon sizes: the
// handle is shared, and never destroyed). Null when the program carries no icon, so its
// windows keep Windows' default.
HICON ProgramIcon(int size) noexcept;

}  // namespace guirt::win32
