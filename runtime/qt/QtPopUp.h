#pragma once

#include <cstdint>
#include <optional>
#include <utility>

#include "guirt/MenuItem.h"

namespace guirt::qt {

// Shows the item's children as a context menu and, once it closes, reports the chosen item
// to its model, outside Qt's frames, so whatever that raises reaches PopUp's caller.
void PopUpMenu(MenuItem& menu, std::optional<std::pair<std::int64_t, std::int64_t>> at);

}  // namespace guirt::qt
