#include "guirt/TextField.h"

#include "OwnClasses.h"
#include "PeerKinds.h"

namespace guirt {

const OwnClass kTextFieldClass{&TextField::Record};

TextField::TextField() = default;
TextField::~TextField() = default;

const ClassRecord& TextField::Record() {
    static const ClassRecord& record = [] {
        ClassRecord& c = RuntimeNewClass("TextField", &TextEdit::Record(), FactoryOf<TextField>);
        c.AddProperties({
            Property<&TextField::SetPassword>("Password"),
            Property<&TextField::SetCueText>("CueText"),
            Property<&TextField::SetMask>("Mask"),
        });
        return std::ref(c);
    }();
    return record;
}

void TextField::CreatePeer(WindowPeer& window) {
    peer_ = window.Create(*this);
    ShowFromStart();
}

ControlPeer* TextField::NativePeer() const noexcept {
    return peer_.get();
}

TextEditPeer* TextField::EditPeer() const noexcept {
    return peer_.get();
}

void TextField::Show(Shown what) {
    if (peer_) peer_->Show(what);
}

std::string_view ShownName(TextField::Shown what) {
    switch (what) {
        case TextField::Shown::Password:
            return "Password";
        case TextField::Shown::CueText:
            return "CueText";
    }
    return {};
}

}  // namespace guirt
