#include "guirt/Label.h"

#include "Peers.h"

namespace guirt {

const ClassRecord& Label::Record() {
    static const ClassRecord& record = [] {
        ClassRecord& c = RuntimeNewClass("Label", &RectControl::Record(), FactoryOf<Label>);
        AddOwnProperties(c);
        return std::ref(c);
    }();
    return record;
}

std::unique_ptr<ControlPeer> Label::CreatePeer(WindowPeer& window) {
    return window.CreateLabel(*this);
}

// Made by CreateLabel, so it is a label's peer.
LabelPeer* Label::Shown() const noexcept {
    return static_cast<LabelPeer*>(NativePeer());
}

void Label::ShowCaption() {
    LabelPeer* peer = Shown();
    if (!peer) return;
    peer->SetCaption(TextOf(Caption_));
    // A caption names its control; other labels show output and need nothing more.
    if (captions_) ShowCaptions();
}
void Label::ShowTextAlign() {
    if (LabelPeer* peer = Shown()) peer->SetTextAlign(TextAlign_);
}
void Label::ShowTextColor() {
    if (LabelPeer* peer = Shown()) peer->SetTextColor(TextColor_);
}
void Label::ShowMultiLine() {
    if (LabelPeer* peer = Shown()) peer->SetMultiLine(MultiLine_);
}
void Label::ShowSelectable() {
    if (LabelPeer* peer = Shown()) peer->SetSelectable(Selectable_);
}

}  // namespace guirt
