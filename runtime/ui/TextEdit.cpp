#include "guirt/TextEdit.h"

#include "Input.h"
#include "Peers.h"

namespace guirt {

namespace {
int KeyUpEvent() {
    static const int number = TextEdit::Record().RequireEvent("KeyUp");
    return number;
}
int TextChangeEvent() {
    static const int number = TextEdit::Record().RequireEvent("TextChange");
    return number;
}
}  // namespace

const ClassRecord& TextEdit::Record() {
    static const ClassRecord& record = [] {
        ClassRecord& c = RuntimeNewClass("TextEdit", &RectControl::Record(), nullptr);
        c.AddEvents({"EnableMenuItems", "GotFocus", "LostFocus", "MouseDown", "MouseUp", "SelChange", "TextChange",
                     "ValidationError"});
        c.AddProperties({Property<&TextEdit::SetText>("Text")});
        AddOwnProperties(c);
        return std::ref(c);
    }();
    return record;
}

// Made by CreateTextField, so it is a text field's peer.
TextEditPeer* TextEdit::Shown() const noexcept {
    return static_cast<TextEditPeer*>(NativePeer());
}

Ref<String> TextEdit::Text() const {
    UIThreadOnly();
    return text_;
}

void TextEdit::SetText(const Ref<String>& text) {
    UIThreadOnly();
    if (StringsEqual(text_, text)) return;
    text_ = text;
    if (TextEditPeer* peer = Shown()) peer->SetText(TextOf(text_));
    RaiseEvent(TextChangeEvent());
}

bool TextEdit::EditedWithoutKey() const {
    UIThreadOnly();
    return editedWithoutKey_;
}

void TextEdit::PeerTextChanged(const PeerKey&, const Ref<String>& text) {
    if (StringsEqual(text_, text)) return;
    text_ = text;
    editedWithoutKey_ = !keyHeld_;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{editedWithoutKey_};
    RaiseEvent(TextChangeEvent());
}

void TextEdit::PeerKeyPressed(const PeerKey&) {
    keyHeld_ = true;
}

void TextEdit::PeerKeyUp(const PeerKey&, std::string_view typed, Key key) {
    keyHeld_ = false;
    RaiseEvent(KeyUpEvent(), String::FromBytes(typed.empty() ? KeyName(key) : typed));
}

void TextEdit::FocusChanged(bool gained) {
    // A key pressed here and released elsewhere never comes back up here.
    if (!gained) keyHeld_ = false;
}

void TextEdit::ShowTabStop() {
    if (TextEditPeer* peer = Shown()) peer->SetTabStop(TabStop_);
    ShowTabOrder();
}
void TextEdit::ShowBorder() {
    if (TextEditPeer* peer = Shown()) peer->SetBorder(Border_);
}
void TextEdit::ShowReadOnly() {
    if (TextEditPeer* peer = Shown()) peer->SetReadOnly(ReadOnly_);
}
void TextEdit::ShowColors() {
    if (TextEditPeer* peer = Shown()) peer->SetColors(TextColor_, BackColor_);
}
void TextEdit::ShowLimitText() {
    if (TextEditPeer* peer = Shown()) peer->SetLimitText(LimitText_);
}
void TextEdit::ShowAlignment() {
    if (TextEditPeer* peer = Shown()) peer->SetAlignment(Alignment_);
}

}  // namespace guirt
