#include "guirt/TextEdit.h"

#include "Input.h"
#include "OwnClasses.h"
#include "PeerKinds.h"

namespace guirt {

const OwnClass kTextEditClass{&TextEdit::Record};

namespace {
int KeyUpEvent() {
    static const int number = TextEdit::Record().RequireEvent("KeyUp");
    return number;
}
int TextChangeEvent() {
    static const int number = TextEdit::Record().RequireEvent("TextChange");
    return number;
}

// Gives a flag a value for as long as it lives, and false after, however the scope is left.
class ScopedFlag {
public:
    ScopedFlag(bool& flag, bool value) noexcept : flag_(flag) { flag_ = value; }
    ~ScopedFlag() { flag_ = false; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

private:
    bool& flag_;
};

// The UTF-16 units of a UTF-8 text: one per sequence, two for those past the first plane.
std::int64_t Utf16Units(std::string_view text) noexcept {
    std::int64_t units = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        units += (byte & 0xC0) != 0x80;
        units += byte >= 0xF0;
    }
    return units;
}

void Beep() {
    if (PeerFactory* backend = InstalledPeerFactory()) backend->Beep();
}
}  // namespace

const ClassRecord& TextEdit::Record() {
    static const ClassRecord& record = [] {
        ClassRecord& c = RuntimeNewClass("TextEdit", &RectControl::Record(), nullptr);
        c.AddEvents({"EnableMenuItems", "GotFocus", "LostFocus", "MouseDown", "MouseUp", "SelChange", "TextChange",
                     "ValidationError"});
        c.AddProperties({
            Property<&TextEdit::SetText>("Text"),
            Property<&TextEdit::SetTabStop>("TabStop"),
            Property<&TextEdit::SetBorder>("Border"),
            Property<&TextEdit::SetUseFocusRing>("UseFocusRing"),
            Property<&TextEdit::SetReadOnly>("ReadOnly"),
            Property<&TextEdit::SetAcceptTabs>("AcceptTabs"),
            Property<&TextEdit::SetAutomaticallyCheckSpelling>("AutomaticallyCheckSpelling"),
            Property<&TextEdit::SetTextColor>("TextColor"),
            Property<&TextEdit::SetBackColor>("BackColor"),
            Property<&TextEdit::SetFormat>("Format"),
            Property<&TextEdit::SetLimitText>("LimitText"),
            Property<&TextEdit::SetAlignment>("Alignment"),
        });
        return std::ref(c);
    }();
    return record;
}

Ref<String> TextEdit::Text() const {
    return Read(text_);
}

void TextEdit::SetText(const Ref<String>& text) {
    UIThreadOnly();
    if (Utf16Units(TextOf(text)) > kMostText) {
        Beep();
        return;
    }
    if (!Assign(text_, text)) return;
    if (TextEditPeer* peer = EditPeer()) {
        {
            // The native control's notice of this change is no user's edit.
            const ScopedFlag showing(showingText_, true);
            peer->Show(Shown::Text);
        }
        ShowFromStart();
    }
    RaiseEvent(TextChangeEvent());
}

std::int64_t TextEdit::MostText() const {
    const std::int64_t limit = LimitText();
    return limit > 0 && limit < kMostText ? limit : kMostText;
}

bool TextEdit::Fits(std::string_view text, std::int64_t kept) const noexcept {
    // Counted as the field will hold it, and only as far as the bound.
    std::int64_t units = kept;
    for (std::size_t i = 0; i < text.size() && units <= kMostText; ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;  // one space with its LF
        units += Utf16Units(text.substr(i, 1));
    }
    return units <= kMostText;
}

bool TextEdit::PeerWouldTake(const PeerKey&, std::string_view text, std::int64_t kept) const {
    return !ReadOnly() && Fits(text, kept);
}

std::optional<std::string> TextEdit::PeerIncoming(const PeerKey&, std::string_view text, std::int64_t kept) {
    if (ReadOnly()) return std::nullopt;
    if (!Fits(text, kept)) {
        Beep();
        return std::nullopt;
    }
    std::string taken;
    taken.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        taken += text[i] == '\r' || text[i] == '\n' ? ' ' : text[i];
    }
    return taken;
}

bool TextEdit::PeerMayType(const PeerKey&, std::string_view typed, std::int64_t kept) {
    if (ReadOnly() || typed.empty()) return true;
    const auto first = static_cast<unsigned char>(typed.front());
    // C0 controls and DEL as one byte, C1 controls as U+0080..U+009F (C2 80..C2 9F).
    const bool control = first < 0x20 || first == 0x7F ||
                         (first == 0xC2 && typed.size() > 1 && static_cast<unsigned char>(typed[1]) < 0xA0);
    if (control || kept + Utf16Units(typed) <= kMostText) return true;
    Beep();
    return false;
}

void TextEdit::ShowFromStart() {
    if (TextEditPeer* peer = EditPeer()) peer->Select(0, 0);
}

void TextEdit::Show(Shown what) {
    if (TextEditPeer* peer = EditPeer()) peer->Show(what);
    if (what == Shown::TabStop) ShowTabOrder();
}

bool TextEdit::CanPerform(EditCommand command) const {
    UIThreadOnly();
    const TextEditPeer* peer = EditPeer();
    if (!peer) return false;
    const EditFacts facts = peer->Facts();
    const bool writable = !readOnly_;
    const bool readable = !IsSecret();
    switch (command) {
        case EditCommand::Undo:
            return writable && facts.canUndo;
        case EditCommand::Cut:
            return writable && readable && facts.selection;
        case EditCommand::Copy:
            return readable && facts.selection;
        case EditCommand::Paste: {
            PeerFactory* backend = InstalledPeerFactory();
            return writable && backend && backend->ClipboardOffersText();
        }
        case EditCommand::Clear:
            return writable && facts.selection;
        case EditCommand::SelectAll:
            return !facts.allSelected;
    }
    return false;
}

bool TextEdit::Perform(EditCommand command) {
    if (!CanPerform(command)) return false;
    // The change comes back through PeerTextChanged, whose handlers may let go of the peer.
    EditPeer()->Perform(command);
    return true;
}

void TextEdit::PeerCommand(const PeerKey&, EditCommand command) {
    Perform(command);
}

bool TextEdit::EditedWithoutKey() const {
    return Read(editedWithoutKey_);
}

void TextEdit::PeerTextChanged(const PeerKey&) {
    const TextEditPeer* peer = EditPeer();
    if (showingText_ || !peer) return;
    Ref<String> text = peer->Text();
    if (StringsEqual(text_, text)) return;
    text_ = std::move(text);
    const ScopedFlag withoutKey(editedWithoutKey_, !keyHeld_);
    RaiseEvent(TextChangeEvent());
}

void TextEdit::PeerKeyDown(const PeerKey&, bool repeat) {
    if (!repeat) keyHeld_ = true;
}

void TextEdit::PeerKeyUp(const PeerKey&, std::string_view typed, const KeyStroke& stroke, bool repeat) {
    // One press and one release per physical key, as the program counts them.
    if (repeat) return;
    keyHeld_ = false;
    RaiseEvent(KeyUpEvent(), String::FromBytes(KeyUpText(typed, stroke)));
}

void TextEdit::FocusChanged(bool gained) {
    if (!gained) {
        // A key pressed here and released elsewhere never comes back up here.
        keyHeld_ = false;
        return;
    }
    // The keyboard's way in (Tab) selects the whole text, with the cursor at its end, and a
    // long text would show only its tail. The cursor goes to the start, the text still
    // selected: it reads from its start, as the program's own text does.
    TextEditPeer* peer = EditPeer();
    if (!peer) return;
    const EditFacts facts = peer->Facts();
    if (facts.selection && facts.allSelected) peer->SelectAllFromStart();
}

std::string_view ShownName(TextEdit::Shown what) {
    switch (what) {
        case TextEdit::Shown::Text:
            return "Text";
        case TextEdit::Shown::TabStop:
            return "TabStop";
        case TextEdit::Shown::Border:
            return "Border";
        case TextEdit::Shown::ReadOnly:
            return "ReadOnly";
        case TextEdit::Shown::Colors:
            return "Colors";
        case TextEdit::Shown::LimitText:
            return "LimitText";
        case TextEdit::Shown::Alignment:
            return "Alignment";
    }
    return {};
}

}  // namespace guirt
