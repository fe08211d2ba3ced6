#include "QtTextFieldPeer.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <limits>

#include "Guard.h"
#include "QtConversions.h"

namespace guirt::qt {

QtTextFieldPeer::QtTextFieldPeer(TextField& model, QWidget* parent)
    : QtControlPeer(model, new QLineEdit(parent)), field_(model) {
    SetLimitText(field_.LimitText());  // first: setting the limit sets the text again
    SetText(TextOf(field_.Text()));
    SetColors(field_.TextColor(), field_.BackColor());
    SetAlignment(field_.Alignment());
    SetReadOnly(field_.ReadOnly());
    SetBorder(field_.Border());
    SetPassword(field_.Password());
    SetCueText(TextOf(field_.CueText()));
    SetTabStop(field_.TabStop());
    QObject::connect(Edit(), &QLineEdit::textChanged, Context(), [this](const QString& text) { TextEdited(text); });
}

void QtTextFieldPeer::SetText(std::string_view text) {
    if (!Edit()) return;
    const QString shown = ToQString(text);
    if (Edit()->text() == shown) return;
    applyingText_ = true;
    Edit()->setText(shown);
    applyingText_ = false;
    // A long number the program writes is read from its start, as the user types it.
    Edit()->setCursorPosition(0);
}

void QtTextFieldPeer::SetTabStop(bool tabStop) {
    // Out of the tab chain, a click still focuses it.
    if (Edit()) Edit()->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void QtTextFieldPeer::SetBorder(bool border) {
    if (Edit()) Edit()->setFrame(border);
}

void QtTextFieldPeer::SetReadOnly(bool readOnly) {
    if (Edit()) Edit()->setReadOnly(readOnly);
}

void QtTextFieldPeer::SetColors(Color text, Color back) {
    if (!Edit()) return;
    QPalette palette = Edit()->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Text, ToQColor(text));
        palette.setColor(group, QPalette::Base, ToQColor(back));
    }
    Edit()->setPalette(palette);
}

void QtTextFieldPeer::SetLimitText(std::int64_t limit) {
    if (!Edit()) return;
    // No limit means none at all, not the line edit's default of 32767. The line edit sets
    // its text again, which would move the cursor to the end.
    const int cursor = Edit()->cursorPosition();
    const std::int64_t most = std::numeric_limits<int>::max();
    Edit()->setMaxLength(static_cast<int>(limit > 0 && limit < most ? limit : most));
    Edit()->setCursorPosition(cursor);
}

void QtTextFieldPeer::SetAlignment(std::int64_t align) {
    if (Edit()) Edit()->setAlignment(ToAlignment(align));
}

void QtTextFieldPeer::SetPassword(bool password) {
    if (Edit()) Edit()->setEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
}

void QtTextFieldPeer::SetCueText(std::string_view text) {
    if (Edit()) Edit()->setPlaceholderText(ToQString(text));
}

void QtTextFieldPeer::TextEdited(const QString& text) {
    // The program's own SetText already raised TextChange in the model.
    if (applyingText_) return;
    CallModel([&] {
        const Ref<TextField> hold(&field_);
        field_.PeerTextChanged(PeerAccess::Key(), ToRuntimeString(text));
    });
}

bool QtTextFieldPeer::WidgetEvent(QEvent& event) {
    const bool press = event.type() == QEvent::KeyPress;
    if (!press && event.type() != QEvent::KeyRelease) return false;
    const auto& key = static_cast<const QKeyEvent&>(event);
    // One press and one release per physical key, as the program counts them.
    if (key.isAutoRepeat()) return false;
    CallModel([&] {
        const Ref<TextField> hold(&field_);
        if (press) {
            field_.PeerKeyPressed(PeerAccess::Key());
        } else {
            const QByteArray typed = key.text().toUtf8();
            field_.PeerKeyUp(PeerAccess::Key(),
                             std::string_view(typed.constData(), static_cast<std::size_t>(typed.size())),
                             ToKey(key.key()));
        }
    });
    return false;
}

bool QtTextFieldPeer::CanPerform(EditCommand command) const {
    if (!Edit()) return false;
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
        case EditCommand::Paste: {
            // Whether text is offered, not the text itself: that can be huge, or slow to come.
            const QMimeData* offered = QGuiApplication::clipboard()->mimeData();
            return writable && offered && offered->hasText();
        }
        case EditCommand::Clear:
            return writable && edit.hasSelectedText();
        case EditCommand::SelectAll:
            return edit.selectionLength() < edit.text().size();
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
