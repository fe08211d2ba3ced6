#pragma once

#include <optional>

#include "Peers.h"
#include "guirt/MenuItem.h"

namespace guirt {

// The editing command a menu item stands for, by its name (EditUndo, EditCut, EditCopy,
// EditPaste, EditClear, EditSelectAll); none for other items.
std::optional<EditCommand> EditCommandOf(const MenuItem& item);

// Whether choosing the item would do something now: an editing command only when the
// focused text control can carry it out; a menu or a quit item always; any other item
// as its Enabled says. Backends ask before they show a menu or run a
// shortcut, for items with AutoEnable set.
GUIRT_API bool MenuItemCanAct(const MenuItem& item);

}  // namespace guirt
