#pragma once

#include <QLineEdit>

#include "QtControlPeer.h"
#include "guirt/TextField.h"

namespace guirt::qt {

// A TextField as a QLineEdit. The user's edits and key releases go to the model; the
// standard editing commands use the line edit's own undo, selection and clipboard.
class QtTextFieldPeer final : public QtControlPeer {
public:
    QtTextFieldPeer(TextField& model, QWidget* parent);
    void PropertyChanged(std::string_view property) override;
    bool TabStop() const override { return field_.TabStop(); }
    bool CanPerform(EditCommand command) const override;
    void Perform(EditCommand command) override;

private:
    QLineEdit* Edit() const { return static_cast<QLineEdit*>(Widget()); }
    void ApplyText();
    void ApplyColors();
    void ApplyLimit();
    void TextEdited(const QString& text);
    void KeyReleased(const class QKeyEvent& event);

    TextField& field_;
    bool applyingText_ = false;
};

}  // namespace guirt::qt
