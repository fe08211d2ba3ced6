#include "EditCommands.h"

#include <array>
#include <utility>

#include "Focus.h"
#include "guirt/QuitMenuItem.h"
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

TextEditPeer* FocusedTextPeer() {
    Ref<Control> focused = FocusedControl();
    if (!focused || !focused->IsA(TextEdit::Record())) return nullptr;
    // A text control's peer is a text control's peer.
    return static_cast<TextEditPeer*>(focused->Peer(PeerAccess::Key()));
}

bool MenuItem::CanAct() const {
    if (IsSeparator()) return false;
    if (std::optional<EditCommand> command = EditCommandOf(*this)) {
        TextEditPeer* peer = FocusedTextPeer();
        return peer && peer->CanPerform(*command);
    }
    // A menu can always open, and quitting is always possible.
    if (Count() > 0 || IsA(QuitMenuItem::Record())) return true;
    return Enabled();
}

bool MenuItem::EnabledNow() const {
    UIThreadOnly();
    if (!AutoEnable_ || !children_.empty()) return Enabled_;
    return CanAct();
}

bool MenuItem::Action() {
    UIThreadOnly();
    std::optional<EditCommand> command = EditCommandOf(*this);
    if (!command) return false;
    TextEditPeer* peer = FocusedTextPeer();
    if (!peer || !peer->CanPerform(*command)) return false;
    peer->Perform(*command);
    return true;
}

}  // namespace guirt
