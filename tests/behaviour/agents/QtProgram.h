#pragma once

// The running program as Qt shows it, for the Qt agent's steps and reads: its window, its
// controls (widgets named after them) and the menu that is open.
#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QString>
#include <functional>
#include <string>

#include "AgentProtocol.h"

namespace qtagent {

// The program's main window, null while it does not exist; the second throws then.
QMainWindow* FindProgramWindow();
QMainWindow& ProgramWindow();

// The widget showing the named control, a child of the window's content area.
QWidget& Control(const std::string& name);

template <class Widget>
Widget& ControlAs(const std::string& name) {
    QWidget& control = Control(name);
    auto* widget = qobject_cast<Widget*>(&control);
    if (!widget) throw behaviour::AgentError(name + " is a " + control.metaObject()->className());
    return *widget;
}

// Runs the event loop's events until `done` holds, for at most `ms` milliseconds.
bool WaitFor(const std::function<bool()>& done, int ms = 5000);

// The open menu (the bar's or a context menu), null when none is.
QMenu* OpenMenu();

// The menu item a case names: a bar menu's by its text without access marks, a context
// menu's editing items by what they do, whatever words Qt gives them.
QAction* MenuItem(const QMenu& menu, const QString& name);
// How a case names an item; empty for one the cases do not name (a context menu's Redo).
QString ItemName(const QMenu& menu, const QAction& item);

// A menu text as drawn: "&&" as "&", an access mark left out, the shortcut after a tab too.
QString Drawn(const QString& text);
// The key a text's access mark is on, 0 when it has none.
QChar AccessKey(const QString& text);

// What the agent keeps between steps and reads.
struct Session {
    QPointer<QWidget> hovered;    // the control the pointer last rested on
    std::string dropped;          // what the last drop's source was told
    QPointer<QWidget> elsewhere;  // the other window that "leave" activates
};

}  // namespace qtagent
