#include "guirt/TextEdit.h"

namespace guirt {

const ClassRecord& TextEdit::Record() {
    static const ClassRecord& record = [] {
        using C = TextEdit;
        ClassRecord& c = RuntimeNewClass("TextEdit", &RectControl::Record(), FactoryOf<TextEdit>);
        c.AddProperties({
            Property<&C::SetText>("Text"),
            Property<&C::SetTabStop>("TabStop"),
            Property<&C::SetBorder>("Border"),
            Property<&C::SetUseFocusRing>("UseFocusRing"),
            Property<&C::SetReadOnly>("ReadOnly"),
            Property<&C::SetAcceptTabs>("AcceptTabs"),
            Property<&C::SetAutomaticallyCheckSpelling>("AutomaticallyCheckSpelling"),
            Property<&C::SetTextColor>("TextColor"),
            Property<&C::SetBackColor>("BackColor"),
            Property<&C::SetFormat>("Format"),
            Property<&C::SetLimitText>("LimitText"),
            Property<&C::SetAlignment>("Alignment"),
        });
        return std::ref(c);
    }();
    return record;
}

Ref<String> TextEdit::Text() const {
    UIThreadOnly();
    return text_;
}

void TextEdit::SetText(const Ref<String>& text) {
    UIThreadOnly();
    if (StringsEqual(text_, text)) return;
    text_ = text;
    Changed("Text");
    RaiseEvent(EventNumber("TextChange"));
}

void TextEdit::PeerTextChanged(const PeerKey&, const Ref<String>& text) {
    if (StringsEqual(text_, text)) return;
    text_ = text;
    RaiseEvent(EventNumber("TextChange"));
}

void TextEdit::PeerKeyUp(const PeerKey&, const Ref<String>& key) {
    RaiseEvent(EventNumber("KeyUp"), key);
}

}  // namespace guirt
