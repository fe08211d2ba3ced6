#pragma once

#include <memory>
#include <string_view>

#include "guirt/TextEdit.h"

namespace guirt {

class TextFieldPeer;

// A one-line text field.
class GUIRT_API TextField : public TextEdit {
public:
    // What a text field's native peer shows of it beyond any text control's.
    enum class Shown : std::uint8_t { Password, CueText, Last = CueText };

    ~TextField() override;

    // The text shows as dots and never leaves the field.
    bool Password() const { return Read(password_); }
    void SetPassword(bool password) {
        if (Assign(password_, password)) Show(Shown::Password);
    }
    // Shown while the field is empty.
    Ref<String> CueText() const { return Read(cueText_); }
    void SetCueText(const Ref<String>& text) {
        if (Assign(cueText_, text)) Show(Shown::CueText);
    }
    Ref<String> Mask() const { return Read(mask_); }
    void SetMask(const Ref<String>& mask) { Assign(mask_, mask); }

    bool IsSecret() const override { return Password(); }

    static const ClassRecord& Record();

protected:
    TextField();
    friend struct Construct;
    void CreatePeer(WindowPeer& window) override;
    ControlPeer* NativePeer() const noexcept override;
    TextEditPeer* EditPeer() const noexcept override;

private:
    void Show(Shown what);

    bool password_ = false;
    Ref<String> cueText_;
    Ref<String> mask_;
    std::unique_ptr<TextFieldPeer> peer_;
};

// The name of an aspect the peer is told of, as logs and tools give it.
GUIRT_API std::string_view ShownName(TextField::Shown what);

}  // namespace guirt
