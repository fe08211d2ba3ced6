#pragma once

#include "guirt/TextEdit.h"

namespace guirt {

class TextFieldPeer;

// A one-line text field.
class GUIRT_API TextField : public TextEdit {
#define GUIRT_TEXT_FIELD_PROPERTIES(X)                       \
    X(bool, Password, "Password", false, ShowPassword)       \
    X(Ref<String>, CueText, "CueText", nullptr, ShowCueText) \
    X(Ref<String>, Mask, "Mask", nullptr, Stored)
    GUIRT_PROPERTIES(TextField, GUIRT_TEXT_FIELD_PROPERTIES)

public:
    static const ClassRecord& Record();

protected:
    TextField() = default;
    friend struct Construct;
    std::unique_ptr<ControlPeer> CreatePeer(WindowPeer& window) override;

private:
    TextFieldPeer* FieldShown() const noexcept;
    void ShowPassword();
    void ShowCueText();
};

}  // namespace guirt
