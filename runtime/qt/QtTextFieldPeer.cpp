#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

#include "Guard.h"
#include "ModelState.h"
#include "QtControlPeer.h"
#include "QtConversions.h"
#include "QtWindowPeer.h"

namespace guirt::qt {

namespace {

// A TextField as a QLineEdit. Its changes and keys go to the model as they happen; the
// editing commands use the line edit's own undo, selection and clipboard. Every way text
// comes in (typing, an input method, a paste by key, menu, context menu or middle button, a
// drop) asks the model first whether the field may hold the result, before the line edit
// lays out a text it might never finish with.
class QtTextFieldPeer final : public QtControlPeer<TextFieldPeer> {
public:
    QtTextFieldPeer(TextField& model, QWidget* parent) : QtControlPeer(model, new QLineEdit(parent)), field_(model) {
        ShowAll<Control::Shown>(*this);
        ShowAll<RectControl::Shown>(*this);
        ShowAll<TextEdit::Shown>(*this);
        ShowAll<TextField::Shown>(*this);
        QObject::connect(Edit(), &QLineEdit::textChanged, Context(),
                         [this] { Report(field_, &TextEdit::PeerTextChanged); });
    }

    using QtControlPeer::Show;
    void Show(TextEdit::Shown what) override {
        QLineEdit* edit = Edit();
        if (!edit) return;
        switch (what) {
            case TextEdit::Shown::Text:
                edit->setText(ToQString(TextOf(field_.Text())));
                return;
            case TextEdit::Shown::TabStop:
                // Out of the tab chain, a click still focuses it.
                edit->setFocusPolicy(field_.TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
                return;
            case TextEdit::Shown::Border:
                edit->setFrame(field_.Border());
                return;
            case TextEdit::Shown::ReadOnly:
                edit->setReadOnly(field_.ReadOnly());
                return;
            case TextEdit::Shown::Colors: {
                QPalette palette = edit->palette();
                for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
                    palette.setColor(group, QPalette::Text, ToQColor(field_.TextColor()));
                    palette.setColor(group, QPalette::Base, ToQColor(field_.BackColor()));
                }
                edit->setPalette(palette);
                return;
            }
            case TextEdit::Shown::LimitText: {
                // The line edit sets its text again, which would move the cursor to the end.
                const int cursor = edit->cursorPosition();
                edit->setMaxLength(static_cast<int>(field_.MostText()));
                edit->setCursorPosition(cursor);
                return;
            }
            case TextEdit::Shown::Alignment:
                edit->setAlignment(ToQtAlignment(AlignmentOf(field_.Alignment())));
                return;
        }
    }

    void Show(TextField::Shown what) override {
        QLineEdit* edit = Edit();
        if (!edit) return;
        switch (what) {
            case TextField::Shown::Password:
                edit->setEchoMode(field_.Password() ? QLineEdit::Password : QLineEdit::Normal);
                return;
            case TextField::Shown::CueText:
                edit->setPlaceholderText(ToQString(TextOf(field_.CueText())));
                return;
        }
    }

    Ref<String> Text() const override { return Edit() ? ToRuntimeString(Edit()->text()) : nullptr; }

    void Select(std::int64_t start, std::int64_t length) override {
        if (!Edit()) return;
        if (length == 0) {
            Edit()->setCursorPosition(static_cast<int>(start));
        } else {
            Edit()->setSelection(static_cast<int>(start), static_cast<int>(length));
        }
    }

    void SelectAllFromStart() override {
        if (!Edit()) return;
        // A negative length selects backwards: the cursor ends at the start.
        const auto length = static_cast<int>(Edit()->text().size());
        Edit()->setSelection(length, -length);
    }

    EditFacts Facts() const override {
        const QLineEdit* edit = Edit();
        if (!edit) return {};
        return {edit->hasSelectedText(), edit->selectionLength() == edit->text().size(), edit->isUndoAvailable()};
    }

    void Perform(EditCommand command) override {
        QLineEdit* edit = Edit();
        if (!edit) return;
        switch (command) {
            case EditCommand::Undo:
                edit->undo();
                return;
            case EditCommand::Cut:
                edit->cut();
                return;
            case EditCommand::Copy:
                edit->copy();
                return;
            case EditCommand::Paste:
                if (MayHold(Kept() + Offered(QClipboard::Clipboard))) edit->paste();
                return;
            case EditCommand::Clear:
                edit->del();
                return;
            case EditCommand::SelectAll:
                edit->selectAll();
                return;
        }
    }

private:
    QLineEdit* Edit() const { return static_cast<QLineEdit*>(Widget()); }

    // True swallows an edit the model refused.
    bool WidgetEvent(QEvent& event) override {
        switch (event.type()) {
            case QEvent::KeyPress: {
                const auto& key = static_cast<const QKeyEvent&>(event);
                Report(field_, &TextEdit::PeerKeyDown, key.isAutoRepeat());
                if (key.matches(QKeySequence::Paste)) return !MayHold(Kept() + Offered(QClipboard::Clipboard));
                const QString typed = key.text();
                return !typed.isEmpty() && typed.front().isPrint() && !MayHold(Kept() + typed.size());
            }
            case QEvent::KeyRelease: {
                const auto& key = static_cast<const QKeyEvent&>(event);
                const QByteArray typed = key.text().toUtf8();
                Report(field_, &TextEdit::PeerKeyUp,
                       std::string_view(typed.constData(), static_cast<std::size_t>(typed.size())), ToKey(key.key()),
                       key.isAutoRepeat());
                return false;
            }
            case QEvent::MouseButtonRelease:
                // The middle button pastes the primary selection, where the platform has one,
                // at the pointer: the field's selection stays.
                return static_cast<const QMouseEvent&>(event).button() == Qt::MiddleButton &&
                       QGuiApplication::clipboard()->supportsSelection() &&
                       !MayHold(Edit()->text().size() + Offered(QClipboard::Selection));
            case QEvent::Drop: {
                // A drop inserts at the pointer too; a move within the field counts as a copy.
                const QMimeData* dropped = static_cast<const QDropEvent&>(event).mimeData();
                return dropped && dropped->hasText() && !MayHold(Edit()->text().size() + dropped->text().size());
            }
            case QEvent::InputMethod: {
                const QString committed = static_cast<const QInputMethodEvent&>(event).commitString();
                return !committed.isEmpty() && !MayHold(Kept() + committed.size());
            }
            case QEvent::ContextMenu:
                ShowContextMenu(static_cast<const QContextMenuEvent&>(event).globalPos());
                return true;
            default:
                return false;
        }
    }

    // Whether the model lets an edit leave the field holding this many characters; a
    // read-only line edit makes no edit, and nothing is asked.
    bool MayHold(qsizetype length) { return Edit()->isReadOnly() || Ask(field_, &TextEdit::PeerMayHold, length); }
    // The characters an edit in place of the selection keeps, and those the clipboard offers.
    qsizetype Kept() const { return Edit()->text().size() - Edit()->selectionLength(); }
    static qsizetype Offered(QClipboard::Mode mode) { return QGuiApplication::clipboard()->text(mode).size(); }

    // The line edit's own context menu, its Paste (known by the line edit's own words for it)
    // asking the model first.
    void ShowContextMenu(const QPoint& at) {
        QMenu* menu = Edit()->createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        const QString paste = QLineEdit::tr("&Paste");
        for (QAction* action : menu->actions()) {
            if (action->text().section(QLatin1Char('\t'), 0, 0) != paste) continue;
            QObject::disconnect(action, &QAction::triggered, Edit(), nullptr);
            QObject::connect(action, &QAction::triggered, Context(), [this] { Perform(EditCommand::Paste); });
        }
        menu->popup(at);
    }

    TextField& field_;
};

}  // namespace

std::unique_ptr<TextFieldPeer> QtWindowPeer::CreateTextField(TextField& field) {
    return std::make_unique<QtTextFieldPeer>(field, content_);
}

}  // namespace guirt::qt
