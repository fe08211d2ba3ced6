#include "QtTextFieldPeer.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>

#include "QtConversions.h"
#include "QtGuard.h"

namespace guirt::qt {

QtTextFieldPeer::QtTextFieldPeer(TextField& model, QWidget* parent)
    : QtControlPeer(model, new QLineEdit(parent)), field_(model) {
    ApplyLimit();  // first: setting the limit sets the text again, cursor at the end
    ApplyText();
    ApplyColors();
    Edit()->setAlignment(ToAlignment(field_.Alignment()));
    Edit()->setReadOnly(field_.ReadOnly());
    Edit()->setFrame(field_.Border());
    Edit()->setEchoMode(field_.Password() ? QLineEdit::Password : QLineEdit::Normal);
    Edit()->setPlaceholderText(ToQString(field_.CueText()));
    ApplyTabStop(Qt::StrongFocus);
    ApplyAllCommon();

    QObject::connect(Edit(), &QLineEdit::textChanged, Context(), [this](const QString& text) { TextEdited(text); });
    auto* filter = new EventFilter([this](QObject*, QEvent* event) {
        if (event->type() == QEvent::KeyRelease) KeyReleased(static_cast<const QKeyEvent&>(*event));
        return false;
    });
    filter->setParent(Context());
    Edit()->installEventFilter(filter);
}

void QtTextFieldPeer::PropertyChanged(std::string_view property) {
    if (!Widget() || ApplyCommon(property)) return;
    if (property == "Text") {
        ApplyText();
    } else if (property == "TextColor" || property == "BackColor") {
        ApplyColors();
    } else if (property == "Alignment") {
        Edit()->setAlignment(ToAlignment(field_.Alignment()));
    } else if (property == "ReadOnly") {
        Edit()->setReadOnly(field_.ReadOnly());
    } else if (property == "Border") {
        Edit()->setFrame(field_.Border());
    } else if (property == "Password") {
        Edit()->setEchoMode(field_.Password() ? QLineEdit::Password : QLineEdit::Normal);
    } else if (property == "CueText") {
        Edit()->setPlaceholderText(ToQString(field_.CueText()));
    } else if (property == "LimitText") {
        ApplyLimit();
    } else if (property == "TabStop") {
        ApplyTabStop(Qt::StrongFocus);
    }
}

void QtTextFieldPeer::ApplyText() {
    const QString text = ToQString(field_.Text());
    if (Edit()->text() == text) return;
    applyingText_ = true;
    Edit()->setText(text);
    applyingText_ = false;
    // A long number the program writes is read from its start, as the user types it.
    Edit()->setCursorPosition(0);
}

void QtTextFieldPeer::ApplyColors() {
    QPalette palette = Edit()->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Text, ToQColor(field_.TextColor()));
        palette.setColor(group, QPalette::Base, ToQColor(field_.BackColor()));
    }
    Edit()->setPalette(palette);
}

void QtTextFieldPeer::ApplyLimit() {
    const std::int64_t limit = field_.LimitText();
    // 32767 is the line edit's own default: no limit of the program's. The line edit sets
    // its text again, which would move the cursor to the end.
    const int cursor = Edit()->cursorPosition();
    Edit()->setMaxLength(limit > 0 && limit < 32767 ? static_cast<int>(limit) : 32767);
    Edit()->setCursorPosition(cursor);
}

void QtTextFieldPeer::TextEdited(const QString& text) {
    // The program's own SetText already raised TextChange in the model.
    if (applyingText_) return;
    CallModel([&] {
        if (ToQString(field_.Text()) == text) return;
        const Ref<TextField> hold(&field_);
        field_.PeerTextChanged(PeerAccess::Key(), ToRuntimeString(text));
    });
}

void QtTextFieldPeer::KeyReleased(const QKeyEvent& event) {
    if (event.isAutoRepeat()) return;
    QString key = event.text();
    if (key.isEmpty() && event.key() != 0 && event.key() != Qt::Key_unknown) {
        key = QKeySequence(event.key()).toString(QKeySequence::PortableText);
    }
    if (key.isEmpty()) return;
    CallModel([&] {
        const Ref<TextField> hold(&field_);
        field_.PeerKeyUp(PeerAccess::Key(), ToRuntimeString(key));
    });
}

bool QtTextFieldPeer::CanPerform(EditCommand command) const {
    if (!Widget()) return false;
    const QLineEdit& edit = *Edit();
    const bool writable = !edit.isReadOnly();
    // A password's text never leaves the field.
    const bool readable = edit.echoMode() == QLineEdit::Normal;
    switch (command) {
        case EditCommand::Undo:
            return writable && edit.isUndoAvailable();
        case EditCommand::Cut:
            return writable && readable && edit.hasSelectedText();
        case EditCommand::Copy:
            return readable && edit.hasSelectedText();
        case EditCommand::Paste:
            return writable && !QGuiApplication::clipboard()->text().isEmpty();
        case EditCommand::Clear:
            return writable && edit.hasSelectedText();
        case EditCommand::SelectAll:
            return !edit.text().isEmpty() && edit.selectedText() != edit.text();
    }
    return false;
}

void QtTextFieldPeer::Perform(EditCommand command) {
    if (!CanPerform(command)) return;
    QLineEdit& edit = *Edit();
    switch (command) {
        case EditCommand::Undo:
            edit.undo();
            break;
        case EditCommand::Cut:
            edit.cut();
            break;
        case EditCommand::Copy:
            edit.copy();
            break;
        case EditCommand::Paste:
            edit.paste();
            break;
        case EditCommand::Clear:
            edit.del();
            break;
        case EditCommand::SelectAll:
            edit.selectAll();
            break;
    }
}

}  // namespace guirt::qt
