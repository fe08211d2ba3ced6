#include "Win32Look.h"

namespace guirt::win32 {

HBRUSH FaceBrush() noexcept {
    static const HBRUSH brush = CreateSolidBrush(kFaceColor);
    return brush;
}

}  // namespace guirt::win32
