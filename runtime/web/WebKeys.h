#pragma once

#include <string_view>

#include "Input.h"

namespace guirt::web {

// The text a DOM key types: the key itself when it is one character ("a", "+"), else none
// ("ArrowLeft").
std::string_view TypedBy(std::string_view domKey);

// A DOM key ("ArrowLeft", "a", "+") with the modifiers of its KeyFlags.
KeyStroke StrokeOf(std::string_view domKey, int flags);

}  // namespace guirt::web
