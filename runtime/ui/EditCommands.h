#pragma once

#include <optional>

#include "guirt/MenuItem.h"
#include "guirt/TextEdit.h"

namespace guirt {

// The editing command a menu item stands for, by its name (EditUndo, EditCut, EditCopy,
// EditPaste, EditClear, EditSelectAll); none for other items.
std::optional<EditCommand> EditCommandOf(const MenuItem& item);

// The focused control of an open window, if it is a text control.
Ref<TextEdit> FocusedTextEdit();

}  // namespace guirt
