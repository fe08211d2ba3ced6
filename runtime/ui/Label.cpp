#include "guirt/Label.h"

#include "OwnClasses.h"
#include "PeerKinds.h"

namespace guirt {

const OwnClass kLabelClass{&Label::Record};

Label::Label() = default;
Label::~Label() = default;

const ClassRecord& Label::Record() {
    static const ClassRecord& record = [] {
        ClassRecord& c = RuntimeNewClass("Label", &RectControl::Record(), FactoryOf<Label>);
        c.AddProperties({
            Property<&Label::SetCaption>("Text"),
            Property<&Label::SetTextAlign>("TextAlign"),
            Property<&Label::SetTextColor>("TextColor"),
            Property<&Label::SetMultiLine>("MultiLine"),
            Property<&Label::SetSelectable>("Selectable"),
            Property<&Label::SetTransparent>("Transparent"),
        });
        return std::ref(c);
    }();
    return record;
}

void Label::CreatePeer(WindowPeer& window) {
    peer_ = window.Create(*this);
}

ControlPeer* Label::NativePeer() const noexcept {
    return peer_.get();
}

void Label::Show(Shown what) {
    if (!peer_) return;
    peer_->Show(what);
    // A caption names its control; other labels show output and need nothing more.
    if (what == Shown::Caption) ShowCaptionText();
}

std::string_view ShownName(Label::Shown what) {
    switch (what) {
        case Label::Shown::Caption:
            return "Caption";
        case Label::Shown::TextAlign:
            return "TextAlign";
        case Label::Shown::TextColor:
            return "TextColor";
        case Label::Shown::MultiLine:
            return "MultiLine";
        case Label::Shown::Selectable:
            return "Selectable";
    }
    return {};
}

}  // namespace guirt
