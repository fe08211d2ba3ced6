#pragma once

#include "guirt/Export.h"
#include "guirt/String.h"

namespace guirt {

// The leading decimal number of the text; 0 where there is none. Never raises.
GUIRT_API double Val(const Ref<String>& text) noexcept;
// The shortest text that Val reads back as the same double.
GUIRT_API Ref<String> Str(double value);
// The value rendered by a pattern of '#', '0' and '.', e.g. "#.###".
GUIRT_API Ref<String> Format(double value, const Ref<String>& pattern);
GUIRT_API double Sqrt(double value) noexcept;

}  // namespace guirt
