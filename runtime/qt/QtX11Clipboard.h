#pragma once

#include <cstddef>
#include <optional>
#include <string>

// Xlib's display, declared as Xlib declares it, without the names its header defines.
struct _XDisplay;

namespace guirt::qt {

// The text the X clipboard (or the primary selection) offers, as UTF-8, no more of it than
// `most` bytes: enough to decide whether a field can hold it, without holding or converting
// all of a text that may be huge (Qt's clipboard would, at three bytes a character). Asked on
// a connection of its own to the display of `application` (Qt's). None where the owner
// offers no UTF-8 text or does not answer.
std::optional<std::string> X11OfferedText(_XDisplay* application, bool primary, std::size_t most);

}  // namespace guirt::qt
