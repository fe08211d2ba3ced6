#pragma once

#include <cstdint>
#include <optional>
#include <utility>

#include "guirt/MenuItem.h"

namespace guirt::win32 {

// Shows the item's children as a context menu and, once it has closed, reports the chosen
// item to its model, outside Win32's frames, so whatever that raises reaches the caller.
void PopUpMenu(MenuItem& menu, std::optional<std::pair<std::int64_t, std::int64_t>> at);

}  // namespace guirt::win32
