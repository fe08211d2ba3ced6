#include "RecordingField.h"

#include <array>
#include <cmath>
#include <utility>

#include "Guard.h"
#include "ModelState.h"
#include "RecordingBackend.h"
#include "RecordingMetrics.h"
#include "RecordingWindow.h"

namespace guirt::testing {

namespace {

// The platform's own editing keys, and the model's command for each.
const std::array<std::pair<Shortcut, EditCommand>, 8> kEditingKeys{{
    {ParseShortcut("Ctrl+Z"), EditCommand::Undo},
    {ParseShortcut("Ctrl+X"), EditCommand::Cut},
    {ParseShortcut("Shift+Del"), EditCommand::Cut},
    {ParseShortcut("Ctrl+C"), EditCommand::Copy},
    {ParseShortcut("Ctrl+Ins"), EditCommand::Copy},
    {ParseShortcut("Ctrl+V"), EditCommand::Paste},
    {ParseShortcut("Shift+Ins"), EditCommand::Paste},
    {ParseShortcut("Ctrl+A"), EditCommand::SelectAll},
}};

// The field's own context menu, in the toolkit's words.
const std::array<std::pair<const char*, EditCommand>, 6> kContextItems{{
    {"&Undo", EditCommand::Undo},
    {"Cu&t", EditCommand::Cut},
    {"&Copy", EditCommand::Copy},
    {"&Paste", EditCommand::Paste},
    {"Delete", EditCommand::Clear},
    {"Select All", EditCommand::SelectAll},
}};

bool Printable(std::string_view typed) {
    return !typed.empty() && static_cast<unsigned char>(typed.front()) >= 0x20 && typed.front() != 0x7F;
}

}  // namespace

RecordingField::RecordingField(TextField& field, RecordingWindow& window)
    : Recording(field, window, "field"), field_(field), readOnly_(field.ReadOnly()) {
    line_.Reset(Utf16(TextOf(field.Text())));
    line_.SetMost(static_cast<std::size_t>(field.MostText()));
}

void RecordingField::Show(TextEdit::Shown what) {
    LogShown(what);
    switch (what) {
        case TextEdit::Shown::Text:
            // As a native control does: the history goes, and the control tells of its new text.
            line_.Reset(Utf16(TextOf(field_.Text())));
            Report(field_, &TextEdit::PeerTextChanged);
            return;
        case TextEdit::Shown::ReadOnly:
            readOnly_ = field_.ReadOnly();
            return;
        case TextEdit::Shown::LimitText:
            line_.SetMost(static_cast<std::size_t>(field_.MostText()));
            return;
        case TextEdit::Shown::TabStop:
        case TextEdit::Shown::Border:
        case TextEdit::Shown::Colors:
        case TextEdit::Shown::Alignment:
            return;
    }
}

void RecordingField::Show(TextField::Shown what) {
    LogShown(what);
}

Ref<String> RecordingField::Text() const {
    Note("Text");
    return String::FromBytes(Utf8(line_.Text()));
}

void RecordingField::Select(std::int64_t start, std::int64_t length) {
    Note("Select " + std::to_string(start) + "," + std::to_string(length));
    const auto anchor = static_cast<std::size_t>(start);
    line_.Select(anchor, static_cast<std::size_t>(start + length));
}

void RecordingField::SelectAllFromStart() {
    Note("SelectAllFromStart");
    line_.Select(line_.Text().size(), 0);
}

EditFacts RecordingField::Facts() const {
    return Backend().facts ? *Backend().facts : line_.Facts();
}

template <class F>
void RecordingField::Edit(F&& edit) {
    const std::u16string before = line_.Text();
    std::forward<F>(edit)();
    if (line_.Text() != before) Report(field_, &TextEdit::PeerTextChanged);
}

std::optional<std::u16string> RecordingField::Incoming(std::string_view text, std::size_t kept) {
    const std::optional<std::string> taken =
        Ask(field_, &TextEdit::PeerIncoming, text, static_cast<std::int64_t>(kept));
    if (!taken) return std::nullopt;
    return Utf16(*taken);
}

void RecordingField::Perform(EditCommand command) {
    Note("Perform " + std::to_string(static_cast<int>(command)));
    std::optional<std::string>& clipboard = Backend().clipboard;
    switch (command) {
        case EditCommand::Undo:
            Edit([&] { line_.Undo(); });
            return;
        case EditCommand::Cut:
            clipboard = Utf8(line_.Selected());
            Edit([&] { line_.Erase(true); });
            return;
        case EditCommand::Copy:
            clipboard = Utf8(line_.Selected());
            return;
        case EditCommand::Paste:
            if (!clipboard) return;
            if (const auto taken = Incoming(*clipboard, line_.Kept())) {
                Edit([&] { line_.Replace(*taken, LineEdit::Edit::Other); });
            }
            return;
        case EditCommand::Clear:
            Edit([&] { line_.Erase(true); });
            return;
        case EditCommand::SelectAll:
            line_.Select(0, line_.Text().size());
            return;
    }
}

std::size_t RecordingField::MiddlePosition() const {
    const double width = kCharacterWidth * PixelsOf(FontOf(field_));
    return static_cast<std::size_t>(std::lround(static_cast<double>(BoundsOf(field_).width) / 2 / width));
}

// The press gives the focus, then puts the cursor where it fell.
void RecordingField::Click() {
    if (!Focusable()) return;
    TakeFocus(FocusReason::Mouse);
    line_.MoveTo(MiddlePosition(), false);
}

// The press gives the focus and leaves the selection for the menu's commands.
void RecordingField::RightClick() {
    if (!Focusable()) return;
    TakeFocus(FocusReason::Mouse);
    std::vector<RecordingMenus::ContextItem> items;
    for (const auto& [words, command] : kContextItems) {
        const EditCommand each = command;
        const bool can = Guarded(false, [&] { return field_.CanPerform(each); });
        items.push_back({words, can, [this, each] { Report(field_, &TextEdit::PeerCommand, each); }});
    }
    if (Window()) Window()->Menus().OpenContext(std::move(items));
}

bool RecordingField::KeyDown(const KeyStroke& stroke, std::string_view typed) {
    Report(field_, &TextEdit::PeerKeyDown, false);
    const Shortcut keys = ShortcutOf(stroke);
    for (const auto& [editing, command] : kEditingKeys) {
        if (keys.Empty() || keys != editing) continue;
        Report(field_, &TextEdit::PeerCommand, command);
        return true;
    }
    if (!Ask(field_, &TextEdit::PeerMayType, typed, static_cast<std::int64_t>(line_.Kept()))) return true;
    const bool extend = stroke.held.shift;
    switch (stroke.key) {
        case Key::Tab:
            return false;
        case Key::Backspace:
        case Key::Delete:
            if (!readOnly_) Edit([&] { line_.Erase(stroke.key == Key::Delete); });
            return true;
        case Key::Home:
            line_.MoveTo(0, extend);
            return true;
        case Key::End:
            line_.MoveTo(line_.Text().size(), extend);
            return true;
        case Key::Left:
        case Key::Right:
            line_.Step(stroke.key == Key::Right, extend);
            return true;
        default:
            break;
    }
    const bool plain = !stroke.held.ctrl && !stroke.held.alt && !stroke.held.meta;
    if (plain && !readOnly_ && Printable(typed)) {
        Edit([&] { line_.Replace(Utf16(typed), LineEdit::Edit::Typed); });
    }
    return true;
}

void RecordingField::KeyUp(const KeyStroke& stroke, std::string_view typed) {
    Report(field_, &TextEdit::PeerKeyUp, typed, stroke, false);
}

// A drop goes in where it falls, whatever is selected: the field keeps its whole text.
bool RecordingField::Drop(std::string_view text) {
    const auto taken = Incoming(text, line_.Text().size());
    if (!taken) return false;
    Edit([&] { line_.InsertAt(MiddlePosition(), *taken); });
    return true;
}

void RecordingField::FocusIn(FocusReason reason) {
    if (reason == FocusReason::Tab) line_.Select(0, line_.Text().size());
}

void RecordingField::FocusOut(FocusReason reason) {
    if (reason != FocusReason::ActiveWindow) line_.MoveTo(line_.Cursor(), false);
}

void RecordingField::UserSets(std::string_view text) {
    Edit([&] {
        line_.Select(0, line_.Text().size());
        line_.Replace(Utf16(text), LineEdit::Edit::Other);
    });
}

std::unique_ptr<TextFieldPeer> RecordingWindow::Create(TextField& field) {
    return std::make_unique<RecordingField>(field, *this);
}

}  // namespace guirt::testing
