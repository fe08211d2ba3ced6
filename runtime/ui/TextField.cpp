#include "guirt/TextField.h"

#include "Peers.h"

namespace guirt {

const ClassRecord& TextField::Record() {
    static const ClassRecord& record = [] {
        ClassRecord& c = RuntimeNewClass("TextField", &TextEdit::Record(), FactoryOf<TextField>);
        AddOwnProperties(c);
        return std::ref(c);
    }();
    return record;
}

std::unique_ptr<ControlPeer> TextField::CreatePeer(WindowPeer& window) {
    return window.CreateTextField(*this);
}

TextFieldPeer* TextField::FieldShown() const noexcept {
    return static_cast<TextFieldPeer*>(Shown());
}

void TextField::ShowPassword() {
    if (TextFieldPeer* peer = FieldShown()) peer->SetPassword(Password_);
}
void TextField::ShowCueText() {
    if (TextFieldPeer* peer = FieldShown()) peer->SetCueText(TextOf(CueText_));
}

}  // namespace guirt
