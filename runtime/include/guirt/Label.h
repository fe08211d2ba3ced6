#pragma once

#include "guirt/RectControl.h"

namespace guirt {

// Static text. Labels take no keyboard focus and raise no events of their own.
class GUIRT_API Label : public RectControl {
    // The label's text; property lists call it "Text".
    GUIRT_PROPERTY(Ref<String>, Caption, nullptr)
    GUIRT_PROPERTY(std::int64_t, TextAlign, 0)  // 0 default, 1 left, 2 centre, 3 right
    GUIRT_PROPERTY(Color, TextColor, Color{})
    GUIRT_PROPERTY(bool, MultiLine, false)
    GUIRT_PROPERTY(bool, Selectable, false)
    GUIRT_PROPERTY(bool, Transparent, false)

public:
    static const ClassRecord& Record();
};

}  // namespace guirt
