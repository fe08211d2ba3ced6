#include "guirt/Label.h"

namespace guirt {

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

}  // namespace guirt
