#pragma once

#include <string_view>

#include "guirt/RectControl.h"

namespace guirt {

class TextEditPeer;
enum class Key : std::uint8_t;

// Editable text. Every change of the text raises "TextChange", whoever made it; the text a
// user types reaches the model from the peer before any event is raised, and every key
// released in the control raises "KeyUp" with the key's text.
class GUIRT_API TextEdit : public RectControl {
#define GUIRT_TEXT_EDIT_PROPERTIES(X)                                                \
    X(bool, TabStop, "TabStop", true, ShowTabStop)                                   \
    X(bool, Border, "Border", true, ShowBorder)                                      \
    X(bool, UseFocusRing, "UseFocusRing", true, Stored)                              \
    X(bool, ReadOnly, "ReadOnly", false, ShowReadOnly)                               \
    X(bool, AcceptTabs, "AcceptTabs", false, Stored)                                 \
    X(bool, AutomaticallyCheckSpelling, "AutomaticallyCheckSpelling", false, Stored) \
    X(Color, TextColor, "TextColor", Color{}, ShowColors)                            \
    X(Color, BackColor, "BackColor", Color{0x00FFFFFF}, ShowColors)                  \
    X(Ref<String>, Format, "Format", nullptr, Stored)                                \
    X(std::int64_t, LimitText, "LimitText", 0, ShowLimitText) /* 0: no limit */      \
    X(std::int64_t, Alignment, "Alignment", 0, ShowAlignment)
    GUIRT_PROPERTIES(TextEdit, GUIRT_TEXT_EDIT_PROPERTIES)

public:
    Ref<String> Text() const;
    void SetText(const Ref<String>& text);

    bool IsTabStop() const override {
        return TabStop_;
    }

    // True while "TextChange" is raised for a change the user made without a key held in
    // the control: a paste or drop with the mouse, an Edit command chosen from a menu.
    // Such a change is followed by no key release.
    bool EditedWithoutKey() const;

    // The user changed the text in the native control.
    void PeerTextChanged(const PeerKey&, const Ref<String>& text);
    // The user pressed a key in the native control (not a repeat).
    void PeerKeyPressed(const PeerKey&);
    // The user released a key in the native control (not a repeat): the text it typed, if
    // any, else the key's name.
    void PeerKeyUp(const PeerKey&, std::string_view typed, Key key);

    static const ClassRecord& Record();

protected:
    TextEdit() = default;
    TextEditPeer* Shown() const noexcept;
    void FocusChanged(bool gained) override;

private:
    void ShowTabStop();
    void ShowBorder();
    void ShowReadOnly();
    void ShowColors();
    void ShowLimitText();
    void ShowAlignment();

    Ref<String> text_;
    bool keyHeld_ = false;
    bool editedWithoutKey_ = false;
};

}  // namespace guirt
