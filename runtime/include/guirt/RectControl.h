#pragma once

#include "guirt/Control.h"
#include "guirt/PropertyValue.h"

namespace guirt {

// A control with a place and a size in its window, a font and the common flags.
class GUIRT_API RectControl : public Control {
    GUIRT_PROPERTY(std::int64_t, Left, 0)
    GUIRT_PROPERTY(std::int64_t, Top, 0)
    GUIRT_PROPERTY(std::int64_t, Width, 80)
    GUIRT_PROPERTY(std::int64_t, Height, 22)
    GUIRT_PROPERTY(bool, LockLeft, true)
    GUIRT_PROPERTY(bool, LockTop, true)
    GUIRT_PROPERTY(bool, LockRight, false)
    GUIRT_PROPERTY(bool, LockBottom, false)
    GUIRT_PROPERTY(std::int64_t, TabPanelIndex, 0)
    GUIRT_PROPERTY(std::int64_t, TabIndex, 0)
    GUIRT_PROPERTY(bool, Enabled, true)
    GUIRT_PROPERTY(bool, Visible, true)
    GUIRT_PROPERTY(bool, AutoDeactivate, true)
    GUIRT_PROPERTY(Ref<String>, HelpTag, nullptr)
    GUIRT_PROPERTY(Ref<String>, TextFont, nullptr)
    GUIRT_PROPERTY(float, TextSize, 0.0F)
    GUIRT_PROPERTY(FontUnits, TextUnit, FontUnits::Default)
    GUIRT_PROPERTY(bool, Bold, false)
    GUIRT_PROPERTY(bool, Italic, false)
    GUIRT_PROPERTY(bool, Underline, false)
    GUIRT_PROPERTY(Ref<String>, DataSource, nullptr)
    GUIRT_PROPERTY(Ref<String>, DataField, nullptr)
    GUIRT_PROPERTY(Ref<String>, InitialParent, nullptr)

public:
    static const ClassRecord& Record();
};

}  // namespace guirt
