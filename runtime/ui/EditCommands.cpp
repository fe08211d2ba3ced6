#include "EditCommands.h"

#include <array>
#include <utility>

#include "WindowRegistry.h"
#include "guirt/Control.h"
#include "guirt/QuitMenuItem.h"

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

// The peer of the control that has the keyboard focus in an open window, if any.
ControlPeer* FocusedPeer() {
    ControlPeer* focused = nullptr;
    ForEachOpenWindow([&](Window& window) {
        for (const Ref<Control>& control : window.Controls()) {
            ControlPeer* peer = control->Peer(PeerAccess::Key());
            if (peer && peer->HasFocus()) focused = peer;
        }
    });
    return focused;
}

}  // namespace

std::optional<EditCommand> EditCommandOf(const MenuItem& item) {
    std::string_view name = TextOf(item.Name());
    for (const auto& [itemName, command] : kEditItems) {
        if (itemName == name) return command;
    }
    return std::nullopt;
}

bool MenuItemCanAct(const MenuItem& item) {
    if (item.IsSeparator()) return false;
    if (std::optional<EditCommand> command = EditCommandOf(item)) {
        ControlPeer* peer = FocusedPeer();
        return peer && peer->CanPerform(*command);
    }
    // A menu can always open, and quitting is always possible.
    if (item.Count() > 0 || item.IsA(QuitMenuItem::Record())) return true;
    return item.Enabled();
}

bool MenuItem::Action() {
    std::optional<EditCommand> command = EditCommandOf(*this);
    if (!command) return false;
    ControlPeer* peer = FocusedPeer();
    if (!peer || !peer->CanPerform(*command)) return false;
    peer->Perform(*command);
    return true;
}

}  // namespace guirt
