#pragma once

#include "guirt/TextEdit.h"

namespace guirt {

// A one-line text field.
class GUIRT_API TextField : public TextEdit {
    GUIRT_PROPERTY(bool, Password, false)
    GUIRT_PROPERTY(Ref<String>, CueText, nullptr)
    GUIRT_PROPERTY(Ref<String>, Mask, nullptr)

public:
    static const ClassRecord& Record();
};

}  // namespace guirt
