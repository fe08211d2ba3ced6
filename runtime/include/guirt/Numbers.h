#pragma once

#include "guirt/Export.h"
#include "guirt/String.h"

namespace guirt {

// The leading decimal number of the text; 0 where there is none. Never raises.
GUIRT_API double Val(const Ref<String>& text) noexcept;
// The value to 7 significant digits (as people read it), which Val reads back within 5e-7 of it.
GUIRT_API Ref<String> Str(double value);
// The value rendered by a pattern of '#', '0' and '.', e.g. "#.###".
GUIRT_API Ref<String> Format(double value, const Ref<String>& pattern);
GUIRT_API double Sqrt(double value) noexcept;

}  // namespace guirt
