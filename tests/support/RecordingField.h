#pragma once

#include <optional>
#include <string>

#include "RecordingControl.h"
#include "RecordingLineEdit.h"

namespace guirt::testing {

// A text field as the simulated toolkit's line edit: the text, its selection and its undo
// history (LineEdit), the keys that edit and move in it, the clipboard, a drop, and its own
// context menu. What the model decides it asks before it acts: whether a key may type, what
// a paste or a drop brings in, which editing command applies; the platform's editing keys
// and the context menu's items are the model's commands.
class RecordingField final : public Recording<TextFieldPeer> {
public:
    RecordingField(TextField& field, RecordingWindow& window);

    using Recording::Show;
    void Show(TextEdit::Shown what) override;
    void Show(TextField::Shown what) override;
    Ref<String> Text() const override;
    void Select(std::int64_t start, std::int64_t length) override;
    void SelectAllFromStart() override;
    EditFacts Facts() const override;
    void Perform(EditCommand command) override;

    void Click() override;
    void RightClick() override;
    bool KeyDown(const KeyStroke& stroke, std::string_view typed) override;
    void KeyUp(const KeyStroke& stroke, std::string_view typed) override;
    bool Drop(std::string_view text) override;
    void FocusIn(FocusReason reason) override;
    void FocusOut(FocusReason reason) override;
    // The user replaces the whole text at once, as a test says.
    void UserSets(std::string_view text);

    std::string ShownText() const override { return Utf8(line_.Text()); }
    const LineEdit& Line() const noexcept { return line_; }

protected:
    bool TakesFocus() const override { return true; }

private:
    // Carries out an edit of the line and tells the model if the text changed.
    template <class F>
    void Edit(F&& edit);
    // What the model takes of the text coming in, keeping `kept` units.
    std::optional<std::u16string> Incoming(std::string_view text, std::size_t kept);
    // The place between two characters nearest the middle of the box.
    std::size_t MiddlePosition() const;

    TextField& field_;
    LineEdit line_;
    bool readOnly_ = false;
};

}  // namespace guirt::testing
