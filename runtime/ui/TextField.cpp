#include "guirt/TextField.h"

namespace guirt {

const ClassRecord& TextField::Record() {
    static const ClassRecord& record = [] {
        ClassRecord& c = RuntimeNewClass("TextField", &TextEdit::Record(), FactoryOf<TextField>);
        c.AddEvents({"EnableMenuItems", "GotFocus", "LostFocus", "MouseDown", "MouseUp", "SelChange", "TextChange",
                     "ValidationError"});
        c.AddProperties({
            Property<&TextField::SetPassword>("Password"),
            Property<&TextField::SetCueText>("CueText"),
            Property<&TextField::SetMask>("Mask"),
        });
        return std::ref(c);
    }();
    return record;
}

}  // namespace guirt
