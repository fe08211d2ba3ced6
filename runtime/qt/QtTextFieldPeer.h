#pragma once

#include <QLineEdit>

#include "QtControlPeer.h"
#include "guirt/TextField.h"

namespace guirt::qt {

// A TextField as a QLineEdit. The user's edits and keys go to the model; the standard
// editing commands use the line edit's own undo, selection and clipboard.
class QtTextFieldPeer final : public QtControlPeer<TextFieldPeer> {
public:
    QtTextFieldPeer(TextField& model, QWidget* parent);

    void SetText(std::string_view text) override;
    void SetTabStop(bool tabStop) override;
    void SetBorder(bool border) override;
    void SetReadOnly(bool readOnly) override;
    void SetColors(Color text, Color back) override;
    void SetLimitText(std::int64_t limit) override;
    void SetAlignment(std::int64_t align) override;
    void SetPassword(bool password) override;
    void SetCueText(std::string_view text) override;
    bool CanPerform(EditCommand command) const override;
    void Perform(EditCommand command) override;

private:
    QLineEdit* Edit() const { return static_cast<QLineEdit*>(Widget()); }
    bool WidgetEvent(QEvent& event) override;
    void TextEdited(const QString& text);

    TextField& field_;
    bool applyingText_ = false;
};

}  // namespace guirt::qt
