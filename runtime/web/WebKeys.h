#pragma once

#include <string>
#include <string_view>

#include "Input.h"

namespace guirt::web {

// The runtime's name for a DOM key ("ArrowLeft" is Left); None for a key that has none, such
// as one that types a character.
Key KeyOf(std::string_view domKey);

// The text a DOM key typed, as the desktop reports it: the character itself, a control
// character for Ctrl with a letter ("\x01" for Ctrl+A) and for Backspace, Tab, Return and
// Escape; empty for a key that types nothing.
std::string TypedBy(std::string_view domKey, bool ctrl);

// The DOM key a shortcut's key is: "Z", "Delete", "F5", "ArrowLeft"; empty for none.
std::string DomKeyOf(const Shortcut& shortcut);

}  // namespace guirt::web
