#pragma once

#include "guirt/RectControl.h"

namespace guirt {

// Editable text. Every change of the text raises "TextChange", whoever made it; the text a
// user types reaches the model from the peer before any event is raised.
class GUIRT_API TextEdit : public RectControl {
    GUIRT_PROPERTY(bool, TabStop, true)
    GUIRT_PROPERTY(bool, Border, true)
    GUIRT_PROPERTY(bool, UseFocusRing, true)
    GUIRT_PROPERTY(bool, ReadOnly, false)
    GUIRT_PROPERTY(bool, AcceptTabs, false)
    GUIRT_PROPERTY(bool, AutomaticallyCheckSpelling, false)
    GUIRT_PROPERTY(Color, TextColor, Color{})
    GUIRT_PROPERTY(Color, BackColor, Color{0x00FFFFFF})
    GUIRT_PROPERTY(Ref<String>, Format, nullptr)
    GUIRT_PROPERTY(std::int64_t, LimitText, 0)
    GUIRT_PROPERTY(std::int64_t, Alignment, 0)

public:
    Ref<String> Text() const;
    void SetText(const Ref<String>& text);

    // The user changed the text in the native control.
    void PeerTextChanged(const PeerKey&, const Ref<String>& text);
    // The user released a key in the native control.
    void PeerKeyUp(const PeerKey&, const Ref<String>& key);

    static const ClassRecord& Record();

private:
    Ref<String> text_;
};

}  // namespace guirt
