#pragma once

#include <optional>

#include "Peers.h"
#include "guirt/MenuItem.h"

namespace guirt {

// The editing command a menu item stands for, by its name (EditUndo, EditCut, EditCopy,
// EditPaste, EditClear, EditSelectAll); none for other items.
std::optional<EditCommand> EditCommandOf(const MenuItem& item);

// The peer of the focused text control of an open window, if the focused control is one.
TextEditPeer* FocusedTextPeer();

}  // namespace guirt
