#include "EditCommands.h"

#include <array>
#include <utility>

#include "Focus.h"
#include "guirt/TextEdit.h"

namespace guirt {

namespace {

constexpr std::array<std::pair<std::string_view, EditCommand>, 6> kEditItems{{
    {"EditUndo", EditCommand::Undo},
    {"EditCut", EditCommand::Cut},
    {"EditCopy", EditCommand::Copy},
    {"EditPaste", EditCommand::Paste},
    {"EditClear", EditCommand::Clear},
    {"EditSelectAll", EditCommand::SelectAll},
}};

}  // namespace

std::optional<EditCommand> EditCommandOf(const MenuItem& item) {
    std::string_view name = TextOf(item.Name());
    for (const auto& [itemName, command] : kEditItems) {
        if (itemName == name) return command;
    }
    return std::nullopt;
}

Ref<TextEdit> FocusedTextEdit() {
    Ref<Control> focused = FocusedControl();
    if (!focused || !focused->IsA(TextEdit::Record())) return nullptr;
    return Ref<TextEdit>(static_cast<TextEdit*>(focused.get()));
}

}  // namespace guirt
