#pragma once

#include "guirt/Control.h"
#include "guirt/PropertyValue.h"

namespace guirt {

// A control with a place and a size in its window, a font and the common flags.
// AccessibleName names the control for assistive technology where no label beside it
// captions it.
class GUIRT_API RectControl : public Control {
#define GUIRT_RECT_CONTROL_PROPERTIES(X)                             \
    X(std::int64_t, Left, "Left", 0, ShowBounds)                     \
    X(std::int64_t, Top, "Top", 0, ShowBounds)                       \
    X(std::int64_t, Width, "Width", 80, ShowBounds)                  \
    X(std::int64_t, Height, "Height", 22, ShowBounds)                \
    X(bool, LockLeft, "LockLeft", true, Stored)                      \
    X(bool, LockTop, "LockTop", true, Stored)                        \
    X(bool, LockRight, "LockRight", false, Stored)                   \
    X(bool, LockBottom, "LockBottom", false, Stored)                 \
    X(std::int64_t, TabPanelIndex, "TabPanelIndex", 0, Stored)       \
    X(std::int64_t, TabIndex, "TabIndex", 0, ShowTabOrder)           \
    X(bool, Enabled, "Enabled", true, ShowEnabled)                   \
    X(bool, Visible, "Visible", true, ShowVisible)                   \
    X(bool, AutoDeactivate, "AutoDeactivate", true, Stored)          \
    X(Ref<String>, HelpTag, "HelpTag", nullptr, ShowHelpTag)         \
    X(Ref<String>, TextFont, "TextFont", nullptr, ShowFont)          \
    X(float, TextSize, "TextSize", 0.0F, ShowFont)                   \
    X(FontUnits, TextUnit, "TextUnit", FontUnits::Default, ShowFont) \
    X(bool, Bold, "Bold", false, ShowFont)                           \
    X(bool, Italic, "Italic", false, ShowFont)                       \
    X(bool, Underline, "Underline", false, ShowFont)                 \
    X(Ref<String>, DataSource, "DataSource", nullptr, Stored)        \
    X(Ref<String>, DataField, "DataField", nullptr, Stored)          \
    X(Ref<String>, InitialParent, "InitialParent", nullptr, Stored)  \
    X(Ref<String>, AccessibleName, "AccessibleName", nullptr, ShowCaptions)
    GUIRT_PROPERTIES(RectControl, GUIRT_RECT_CONTROL_PROPERTIES)

public:
    static const ClassRecord& Record();

protected:
    RectControl() = default;

private:
    void ShowBounds();
    void ShowEnabled();
    void ShowVisible();
    void ShowHelpTag();
    void ShowFont();
};

}  // namespace guirt
