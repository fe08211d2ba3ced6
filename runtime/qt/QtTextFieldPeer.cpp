#include <QClipboard>
#include <QContextMenuEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QStyle>
#include <QStyleOptionFrame>
#include <optional>
#include <string>
#include <utility>

#include "Guard.h"
#include "LineFit.h"
#include "ModelState.h"
#include "QtControlPeer.h"
#include "QtConversions.h"
#include "QtLineFont.h"
#include "QtWindowPeer.h"
#include "QtX11Clipboard.h"

namespace guirt::qt {

namespace {

// The editing commands the line edit knows keys of its own for (Shift+Insert...), and the
// model's command for each.
constexpr std::pair<QKeySequence::StandardKey, EditCommand> kEditingKeys[] = {
    {QKeySequence::Undo, EditCommand::Undo},   {QKeySequence::Cut, EditCommand::Cut},
    {QKeySequence::Copy, EditCommand::Copy},   {QKeySequence::Paste, EditCommand::Paste},
    {QKeySequence::SelectAll, EditCommand::SelectAll},
};

// The line edit's context menu's actions by the line edit's own words for them (before the
// tab and the shortcut), and the model's command for each.
constexpr std::pair<const char*, EditCommand> kContextActions[] = {
    {"&Undo", EditCommand::Undo},   {"Cu&t", EditCommand::Cut},     {"&Copy", EditCommand::Copy},
    {"&Paste", EditCommand::Paste}, {"Delete", EditCommand::Clear}, {"Select All", EditCommand::SelectAll},
};

// The text a mime source offers, as UTF-8 bytes: no conversion of what may be far too
// long to take.
QByteArray Utf8Text(const QMimeData* data) {
    if (!data || !data->hasText()) return {};
    QByteArray bytes = data->data(QStringLiteral("text/plain;charset=utf-8"));
    return bytes.isEmpty() ? data->text().toUtf8() : bytes;
}

std::string_view View(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// The text the clipboard offers, as UTF-8, read from X itself where the platform is X: no more
// of a huge text than shows it is too long for a field (a character is at most three bytes a
// unit, so more bytes than three a unit past the bound cannot fit).
std::string Offered(QClipboard::Mode mode) {
    constexpr std::size_t kDeciding = 3 * (static_cast<std::size_t>(TextEdit::kMostText) + 1) + 3;
    // A platform may answer for X with no display of its own (the offscreen one does).
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->display()) {
        if (auto text = X11OfferedText(x11->display(), mode == QClipboard::Selection, kDeciding)) {
            return std::move(*text);
        }
    }
    return Utf8Text(QGuiApplication::clipboard()->mimeData(mode)).toStdString();
}

// A TextField as a QLineEdit. Its changes and keys go to the model as they happen; the
// editing commands, from any menu or key, are the model's to decide and the line edit's to
// carry out, with its own undo, selection and clipboard. Text coming in by any way but a
// typed key (a paste by key, menu, context menu or middle button, a drop, an input method)
// is what the model says the field takes, before the line edit lays out a text it might
// never finish with.
class QtTextFieldPeer final : public QtControlPeer<TextFieldPeer> {
public:
    QtTextFieldPeer(TextField& model, const ControlSite& site)
        : QtControlPeer(model, site, new QLineEdit(site.content)), field_(model) {
        ShowAll<Control::Shown>(*this);
        ShowAll<RectControl::Shown>(*this);
        ShowAll<TextEdit::Shown>(*this);
        ShowAll<TextField::Shown>(*this);
        QObject::connect(Edit(), &QLineEdit::textChanged, Context(), [this] {
            FitText();
            Report(field_, &TextEdit::PeerTextChanged);
        });
    }

    using QtControlPeer::Show;
    void Show(RectControl::Shown what) override {
        QtControlPeer::Show(what);
        if (what == RectControl::Shown::Font) font_.Forget();
        if (what == RectControl::Shown::Font || what == RectControl::Shown::Bounds) Refit();
    }

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
                Refit();
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
                FitText();
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
                Insert(Offered(QClipboard::Clipboard), Kept());
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

    // The box or font changed: the field's room for a line is worked out again, once.
    void Refit() {
        room_.reset();
        pixels_ = 0;
        FitText();
    }

    // Shows the field's text whole where a smaller size can (FitFieldText), at its font's own
    // size otherwise. The room is the line edit's own: its contents inside the frame and text
    // margins, less the 2 px it keeps each side of the text and the cursor's pixel; worked out
    // once per font and box, not per keystroke.
    void FitText() {
        QLineEdit* edit = Edit();
        if (!edit) return;
        const FontRequest request = FontOf(field_);
        if (!room_) {
            QStyleOptionFrame option;
            option.initFrom(edit);
            option.rect = edit->rect();
            option.lineWidth =
                edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
            const QRect contents = edit->style()
                                       ->subElementRect(QStyle::SE_LineEditContents, &option, edit)
                                       .marginsRemoved(edit->textMargins());
            const int own = font_.Pixels(request, edit);
            QFont measured = font_.Font(request, edit);
            const int start = FitLineHeight(own, kLeastLinePixels, contents.height(), [&measured](int size) {
                measured.setPixelSize(size);
                return QFontMetricsF(measured).height();
            });
            room_ = Room{contents.width() - 2 * 2 - 1.0, own, start};
        }
        LineMeasure measure = font_.Measure(request, edit, room_->width, 0);
        measure.own = room_->start;
        const int pixels = FitFieldText(edit->displayText().toStdString(), measure);
        if (pixels == pixels_) return;
        pixels_ = pixels;
        QFont font = font_.Font(request, edit);
        if (pixels != room_->own) font.setPixelSize(pixels);
        edit->setFont(font);
    }

    // True swallows an edit the model refused, or one the peer makes itself.
    bool WidgetEvent(QEvent& event) override {
        switch (event.type()) {
            case QEvent::KeyPress: {
                const auto& key = static_cast<const QKeyEvent&>(event);
                Report(field_, &TextEdit::PeerKeyDown, key.isAutoRepeat());
                // Every editing key is a chord with Ctrl or Shift: a typed digit asks nothing.
                for (const auto& [keys, command] : kEditingKeys) {
                    if (!(key.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier)) || !key.matches(keys)) continue;
                    Report(field_, &TextEdit::PeerCommand, command);
                    return true;
                }
                const QByteArray typed = key.text().toUtf8();
                return !Ask(field_, &TextEdit::PeerMayType, View(typed), Kept());
            }
            case QEvent::KeyRelease: {
                const auto& key = static_cast<const QKeyEvent&>(event);
                const QByteArray typed = key.text().toUtf8();
                Report(field_, &TextEdit::PeerKeyUp, View(typed), StrokeOf(key), key.isAutoRepeat());
                return false;
            }
            case QEvent::MouseButtonRelease: {
                // The middle button pastes the primary selection, where the platform has one,
                // where the press put the cursor.
                const auto& mouse = static_cast<const QMouseEvent&>(event);
                if (mouse.button() != Qt::MiddleButton || !QGuiApplication::clipboard()->supportsSelection()) {
                    return false;
                }
                Edit()->deselect();
                Insert(Offered(QClipboard::Selection), Edit()->text().size());
                return true;
            }
            case QEvent::DragEnter:
            case QEvent::DragMove: {
                // Text the field would refuse is refused as it is dragged in: its source hears
                // that nothing is taken, and the pointer says so.
                auto& drag = static_cast<QDragMoveEvent&>(event);
                if (!drag.mimeData() || !drag.mimeData()->hasText()) return false;
                const QByteArray offered = Utf8Text(drag.mimeData());
                if (Ask(field_, &TextEdit::PeerWouldTake, View(offered), Edit()->text().size())) return false;
                drag.setDropAction(Qt::IgnoreAction);
                drag.ignore();
                return true;
            }
            case QEvent::Drop:
                return Dropped(static_cast<QDropEvent&>(event));
            case QEvent::InputMethod: {
                auto& input = static_cast<QInputMethodEvent&>(event);
                if (input.commitString().isEmpty()) return false;
                const QByteArray committed = input.commitString().toUtf8();
                const std::optional<std::string> taken =
                    Ask(field_, &TextEdit::PeerIncoming, View(committed), Kept());
                if (!taken) return true;
                input.setCommitString(ToQString(*taken));
                return false;
            }
            case QEvent::ContextMenu:
                ShowContextMenu(static_cast<const QContextMenuEvent&>(event).globalPos());
                return true;
            default:
                return false;
        }
    }

    // The characters of the text an edit in place of the selection keeps.
    qsizetype Kept() const { return Edit()->text().size() - Edit()->selectionLength(); }

    // Inserts what the model says the field takes of the offered text, if anything.
    void Insert(const std::string& offered, qsizetype kept) {
        if (const auto taken = Ask(field_, &TextEdit::PeerIncoming, std::string_view(offered), kept)) {
            Edit()->insert(ToQString(*taken));
        }
    }

    // A drop inserts at the pointer, the selection staying; a move within the field counts as
    // a copy. Refused, the source hears that nothing was taken; taken other than offered (its
    // line breaks as spaces), the line edit gets the taken text to drop.
    bool Dropped(QDropEvent& drop) {
        if (dropping_ || !drop.mimeData() || !drop.mimeData()->hasText()) return false;
        const QByteArray offered = Utf8Text(drop.mimeData());
        const std::optional<std::string> taken =
            Ask(field_, &TextEdit::PeerIncoming, View(offered), Edit()->text().size());
        if (!taken) {
            drop.setDropAction(Qt::IgnoreAction);
            drop.ignore();
            return true;
        }
        if (*taken == View(offered)) return false;
        QMimeData text;
        text.setText(ToQString(*taken));
        QDropEvent again(drop.position(), drop.possibleActions(), &text, drop.buttons(), drop.modifiers());
        again.setDropAction(drop.dropAction());
        dropping_ = true;
        QCoreApplication::sendEvent(Edit(), &again);
        dropping_ = false;
        drop.setDropAction(again.dropAction());
        drop.setAccepted(again.isAccepted());
        return true;
    }

    // The line edit's own context menu, each editing command enabled and carried out as the
    // model decides.
    void ShowContextMenu(const QPoint& at) {
        QMenu* menu = Edit()->createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        for (QAction* action : menu->actions()) {
            for (const auto& [words, command] : kContextActions) {
                if (action->text().section(u'\t', 0, 0) != QLineEdit::tr(words)) continue;
                action->setEnabled(Guarded(false, [this, command = command] { return field_.CanPerform(command); }));
                QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
                QObject::connect(action, &QAction::triggered, Context(),
                                 [this, command = command] { Report(field_, &TextEdit::PeerCommand, command); });
            }
        }
        menu->popup(at);
    }

    TextField& field_;
    QtLineFont font_;
    struct Room {
        double width = 0;  // for the text
        int own = 0;       // the font's own text size
        int start = 0;     // the largest text size whose line fits the height
    };
    std::optional<Room> room_;  // none until worked out, and once the box or font changes
    int pixels_ = 0;            // the text size shown, once fitted
    bool dropping_ = false;  // the line edit is being given the taken text to drop
};

}  // namespace

std::unique_ptr<TextFieldPeer> QtWindowPeer::Create(TextField& field) {
    return std::make_unique<QtTextFieldPeer>(field, Site());
}

}  // namespace guirt::qt
