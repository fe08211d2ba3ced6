#include "QtProgram.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <array>
#include <utility>

namespace qtagent {

using behaviour::AgentError;

QMainWindow* FindProgramWindow() {
    // The program shows one main window; the agent's own window is a plain widget.
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* main = qobject_cast<QMainWindow*>(widget)) return main;
    }
    return nullptr;
}

QMainWindow& ProgramWindow() {
    QMainWindow* window = FindProgramWindow();
    if (!window) throw AgentError("the program has no window");
    return *window;
}

QWidget& Control(const std::string& name) {
    QWidget* content = ProgramWindow().centralWidget();
    auto* control =
        content ? content->findChild<QWidget*>(QString::fromStdString(name), Qt::FindDirectChildrenOnly) : nullptr;
    if (!control) throw AgentError("no control " + name);
    return *control;
}

bool WaitFor(const std::function<bool()>& done, int ms) {
    return QTest::qWaitFor(done, ms);
}

QMenu* OpenMenu() {
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

namespace {

// The line edit's own context menu, and its editing items in the line edit's own words.
const QString kEditMenu = QStringLiteral("qt_edit_menu");
const std::array<std::pair<const char*, const char*>, 6> kEditingItems{{{"&Undo", "Undo"},
                                                                        {"Cu&t", "Cut"},
                                                                        {"&Copy", "Copy"},
                                                                        {"&Paste", "Paste"},
                                                                        {"Delete", "Delete"},
                                                                        {"Select All", "Select All"}}};

}  // namespace

QString ItemName(const QMenu& menu, const QAction& item) {
    if (item.isSeparator() || !item.isVisible()) return {};
    if (menu.objectName() != kEditMenu) return Drawn(item.text());
    for (const auto& [words, name] : kEditingItems) {
        if (Drawn(item.text()) == Drawn(QLineEdit::tr(words))) return QString::fromLatin1(name);
    }
    return {};
}

QAction* MenuItem(const QMenu& menu, const QString& name) {
    for (QAction* item : menu.actions()) {
        if (!name.isEmpty() && ItemName(menu, *item) == name) return item;
    }
    throw AgentError("the open menu has no item " + name.toStdString());
}

QString Drawn(const QString& text) {
    const QString label = text.section(QLatin1Char('\t'), 0, 0);
    QString drawn;
    for (qsizetype i = 0; i < label.size(); ++i) {
        if (label[i] == u'&' && i + 1 < label.size()) ++i;
        drawn += label[i];
    }
    return drawn;
}

QChar AccessKey(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&') continue;
        if (text[i + 1] != u'&') return text[i + 1];
        ++i;
    }
    return {};
}

}  // namespace qtagent
