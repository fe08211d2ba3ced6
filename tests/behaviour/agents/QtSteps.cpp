// What a user does, through Qt's own input path: QTest hands keys and clicks to the window
// system interface as the X platform does, so they go through the shortcut map, popups'
// grabs, focus changes and the widgets as real ones do.
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QToolTip>
#include <QWindow>

#include "QtAgent.h"
#include "QtProgram.h"

namespace qtagent {

using behaviour::AgentError;
using behaviour::Fields;

namespace {

// The pointer moves to the point of the widget and clicks there.
void ClickAt(QWidget& widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QWidget* top = widget.window();
    QWindow* window = top->windowHandle();
    if (!window || !top->isVisible()) throw AgentError("the window to click is not shown");
    const QPoint inWindow = widget.mapTo(top, at);
    QTest::mouseMove(window, inWindow);
    QTest::mouseClick(window, button, Qt::NoModifier, inWindow);
}

void Click(QWidget& widget) {
    ClickAt(widget, widget.rect().center());
}

// Keys go to the window with the keyboard focus, which is a popup's while one is open. The
// release goes where the focus is once the press has been handled: a menu that the press
// closed has given the keyboard back by then, as on X.
QWindow& KeyWindow() {
    // A menu just opened may take a moment to be given the focus by the window system.
    QWindow* window = nullptr;
    if (!QTest::qWaitFor([&window] { return (window = QGuiApplication::focusWindow()) != nullptr; }, 5000)) {
        throw AgentError("no window has the keyboard focus");
    }
    return *window;
}

void SendKey(Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers) {
    QTest::sendKeyEvent(QTest::Press, &KeyWindow(), key, text, modifiers);
    QCoreApplication::processEvents();
    QTest::sendKeyEvent(QTest::Release, &KeyWindow(), key, text, modifiers);
}

// The text X gives a key: control characters for Ctrl with a letter and for the editing keys,
// none for keys that type nothing.
QString TextOf(Qt::Key key, const behaviour::Chord& chord) {
    switch (key) {
        case Qt::Key_Tab:
            return QStringLiteral("\t");
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return QStringLiteral("\r");
        case Qt::Key_Escape:
            return QStringLiteral("\x1b");
        case Qt::Key_Backspace:
            return QStringLiteral("\b");
        case Qt::Key_Delete:
            return QStringLiteral("\x7f");
        default:
            break;
    }
    if (key < Qt::Key_Space || key > 0xff) return {};
    const QChar character(static_cast<char16_t>(key));  // a Latin-1 key's code is its upper case
    if (chord.ctrl && character.isLetter()) return QChar(static_cast<char16_t>(character.unicode() & 0x1f));
    return chord.shift ? character : character.toLower();
}

void PressChord(const std::string& text) {
    const behaviour::Chord chord = behaviour::ParseChord(text);
    const QKeySequence sequence =
        QKeySequence::fromString(QString::fromStdString(chord.key), QKeySequence::PortableText);
    if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown) throw AgentError("no key " + chord.key);
    auto key = sequence[0].key();
    // X reports Shift with Tab as a key of its own.
    if (key == Qt::Key_Tab && chord.shift) key = Qt::Key_Backtab;
    Qt::KeyboardModifiers modifiers;
    modifiers.setFlag(Qt::ControlModifier, chord.ctrl);
    modifiers.setFlag(Qt::ShiftModifier, chord.shift);
    modifiers.setFlag(Qt::AltModifier, chord.alt);
    SendKey(key, TextOf(key, chord), modifiers);
}

void Type(const QString& text) {
    for (const QChar character : text) {
        const auto key = static_cast<Qt::Key>(character.toUpper().unicode());
        const Qt::KeyboardModifiers modifiers = character.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
        SendKey(key, QString(character), modifiers);
    }
}

// The bar's menu with this text.
QAction& BarMenu(const std::string& name) {
    QMenuBar* bar = ProgramWindow().menuBar();
    for (QAction* action : bar->actions()) {
        if (action->menu() && Drawn(action->text()) == QString::fromStdString(name)) return *action;
    }
    throw AgentError("the menu bar has no menu " + name);
}

void PressAccessKey(const QString& text, Qt::KeyboardModifiers modifiers) {
    const QChar access = AccessKey(text);
    if (access.isNull()) throw AgentError(Drawn(text).toStdString() + " has no access key");
    const auto key = static_cast<Qt::Key>(access.toUpper().unicode());
    SendKey(key, QString(access.toLower()), modifiers);
}

bool ByMouse(const std::string& by) {
    if (by != "mouse" && by != "keyboard") throw AgentError("no way " + by);
    return by == "mouse";
}

void OpenBarMenu(const std::string& name, const std::string& by) {
    QAction& menu = BarMenu(name);
    if (ByMouse(by)) {
        QMenuBar* bar = ProgramWindow().menuBar();
        ClickAt(*bar, bar->actionGeometry(&menu).center());
    } else {
        PressAccessKey(menu.text(), Qt::AltModifier);
    }
    if (!WaitFor([&] { return OpenMenu() == menu.menu(); })) throw AgentError("the " + name + " menu did not open");
}

void ChooseItem(const std::string& name, const std::string& by) {
    QMenu* menu = nullptr;
    if (!WaitFor([&] { return (menu = OpenMenu()) != nullptr; })) throw AgentError("no menu is open");
    QAction* item = MenuItem(*menu, QString::fromStdString(name));
    if (ByMouse(by)) {
        ClickAt(*menu, menu->actionGeometry(item).center());
    } else {
        PressAccessKey(item->text(), Qt::NoModifier);
    }
}

// A right click on the field, which on X opens its context menu as the button goes down.
void OpenContextMenu(const std::string& control) {
    ClickAt(ControlAs<QLineEdit>(control), Control(control).rect().center(), Qt::RightButton);
    if (!WaitFor([] { return OpenMenu() != nullptr; })) throw AgentError("no context menu opened on " + control);
}

QComboBox& OpenList(const std::string& control) {
    auto& popup = ControlAs<QComboBox>(control);
    Click(popup);
    if (!WaitFor([&] { return popup.view()->isVisible(); }))
        throw AgentError("the list of " + control + " did not open");
    return popup;
}

void Pick(const std::string& control, const std::string& row) {
    QComboBox& popup = OpenList(control);
    const int index = popup.findText(QString::fromStdString(row));
    if (index < 0) throw AgentError(control + " has no row " + row);
    QAbstractItemView* list = popup.view();
    ClickAt(*list->viewport(), list->visualRect(popup.model()->index(index, popup.modelColumn())).center());
    if (!WaitFor([&] { return !list->isVisible(); })) throw AgentError("the list of " + control + " stayed open");
}

// The text goes on the display's clipboard from the agent, which is the program's own process:
// Qt then hands the program the text without asking the X server, as it does the program's
// own copies, where another program's would come through the X selection.
void PutOnClipboard(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

// Another program drags text over the field and lets go. Qt's platform side of a drag (XDND
// with another X client) is left out: the events the widget gets from it are sent to it
// directly. The source hears of a refusal if the drag over the field was refused, or if the
// drop ends with no action; else it hears the action the drag over the field accepted.
std::string Drop(const std::string& control, const QString& text) {
    QWidget& target = Control(control);
    QMimeData data;
    data.setText(text);
    const QPoint at = target.rect().center();
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, offered, &data, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    QDragMoveEvent move(at, offered, &data, Qt::NoButton, Qt::NoModifier);
    if (enter.isAccepted()) QApplication::sendEvent(&target, &move);
    if (!enter.isAccepted() || !move.isAccepted()) {
        QDragLeaveEvent leave;
        QApplication::sendEvent(&target, &leave);
        return "refused";
    }
    QDropEvent drop(QPointF(at), offered, &data, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
    return drop.dropAction() != Qt::IgnoreAction ? "taken" : "refused";
}

// The pointer rests on the control until Qt's own tooltip timer shows its tooltip.
void Hover(Session& session, const std::string& control) {
    QWidget& widget = Control(control);
    QTest::mouseMove(widget.window()->windowHandle(), widget.mapTo(widget.window(), widget.rect().center()));
    session.hovered = &widget;
    if (!WaitFor([] { return QToolTip::isVisible(); })) throw AgentError("no tooltip showed over " + control);
}

void Activate(QWidget& window, const char* what) {
    window.activateWindow();
    if (!WaitFor([&] { return QGuiApplication::focusWindow() == window.windowHandle(); })) {
        throw AgentError(std::string(what) + " did not become active");
    }
}

// Another window, the agent's own, shown and made the active one.
void Leave(Session& session) {
    if (!session.elsewhere) {
        session.elsewhere = new QWidget;
        session.elsewhere->setWindowTitle(QStringLiteral("Elsewhere"));
        session.elsewhere->resize(200, 100);
    }
    session.elsewhere->show();
    Activate(*session.elsewhere, "the other window");
}

}  // namespace

void AddSteps(behaviour::Operations& operations, Session& session) {
    auto step = [&operations](const char* name, std::size_t arity, std::function<void(const Fields&)> step) {
        operations.Add(name, arity, [step = std::move(step)](const Fields& args) {
            step(args);
            return std::string();
        });
    };
    step("click", 1, [](const Fields& a) { Click(Control(a[0])); });
    step("key", 1, [](const Fields& a) { PressChord(a[0]); });
    step("type", 1, [](const Fields& a) { Type(QString::fromStdString(a[0])); });
    step("clipboard", 1, [](const Fields& a) { PutOnClipboard(a[0]); });
    step("drop", 2, [&session](const Fields& a) { session.dropped = Drop(a[0], QString::fromStdString(a[1])); });
    step("openmenu", 2, [](const Fields& a) { OpenBarMenu(a[0], a[1]); });
    step("chooseitem", 2, [](const Fields& a) { ChooseItem(a[0], a[1]); });
    step("opencontext", 1, [](const Fields& a) { OpenContextMenu(a[0]); });
    step("context", 2, [](const Fields& a) {
        OpenContextMenu(a[0]);
        ChooseItem(a[1], "mouse");
    });
    step("pick", 2, [](const Fields& a) { Pick(a[0], a[1]); });
    step("openlist", 1, [](const Fields& a) { OpenList(a[0]); });
    step("hover", 1, [&session](const Fields& a) { Hover(session, a[0]); });
    step("leave", 0, [&session](const Fields&) { Leave(session); });
    step("comeback", 0, [](const Fields&) { Activate(ProgramWindow(), "the program's window"); });
    step("close", 0, [](const Fields&) { RequestClose(ProgramWindow()); });
}

}  // namespace qtagent
