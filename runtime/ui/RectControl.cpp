#include "guirt/RectControl.h"

#include "ModelState.h"
#include "Peers.h"

namespace guirt {

const ClassRecord& RectControl::Record() {
    static const ClassRecord& record = [] {
        ClassRecord& c = RuntimeNewClass("RectControl", &Control::Record(), nullptr);
        c.AddEvents({"ConstructContextualMenu", "ContextualMenuAction", "DragEnter", "DragExit", "DragOver",
                     "DropObject", "KeyDown", "KeyUp", "MouseEnter", "MouseExit", "MouseMove", "MouseWheel"});
        AddOwnProperties(c);
        // The C++ constructor has already given the control its defaults.
        RuntimeNewVtable(c, {{"Constructor", "%%", "", Procedure{[](Object&) {}}}});
        return std::ref(c);
    }();
    return record;
}

void RectControl::ShowBounds() {
    ControlPeer* peer = NativePeer();
    if (!peer) return;
    peer->SetBounds(BoundsOf(*this));
    ShowCaptions();  // what captions what follows the layout
}
void RectControl::ShowEnabled() {
    if (ControlPeer* peer = NativePeer()) peer->SetEnabled(Enabled_);
}
void RectControl::ShowVisible() {
    if (ControlPeer* peer = NativePeer()) peer->SetVisible(Visible_);
}
void RectControl::ShowHelpTag() {
    ControlPeer* peer = NativePeer();
    if (!peer) return;
    peer->SetHelpTag(TextOf(HelpTag_));
    ShowCaptions();  // a caption's help describes its control
}
void RectControl::ShowFont() {
    if (ControlPeer* peer = NativePeer()) peer->SetFont(FontOf(*this));
}

}  // namespace guirt
