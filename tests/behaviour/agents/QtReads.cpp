// What the user sees, read from the widgets, and what a screen reader hears, read from Qt's
// accessibility interface of each.
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolTip>

#include "QtAgent.h"
#include "QtProgram.h"

namespace qtagent {

using behaviour::AgentError;
using behaviour::Fields;

namespace {

std::string Text(const std::string& control) {
    QWidget& widget = Control(control);
    if (auto* edit = qobject_cast<QLineEdit*>(&widget)) return edit->text().toStdString();
    if (auto* combo = qobject_cast<QComboBox*>(&widget)) return combo->currentText().toStdString();
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
        // A caption with a buddy draws its text with access marks.
        return (label->buddy() ? Drawn(label->text()) : label->text()).toStdString();
    }
    throw AgentError(control + " shows no text");
}

QAccessibleInterface& AccessibleOf(const std::string& control) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&Control(control));
    if (!accessible) throw AgentError(control + " has no accessible interface");
    return *accessible;
}

// What a screen reader calls the control: its accessible name, but for a combo box, whose
// name Qt on Linux makes its value, the label the accessibility interface relates it to.
std::string Name(const std::string& control) {
    QAccessibleInterface& accessible = AccessibleOf(control);
    const auto labels = accessible.relations(QAccessible::Label);
    if (accessible.role() == QAccessible::ComboBox && !labels.isEmpty()) {
        return labels.front().first->text(QAccessible::Name).toStdString();
    }
    return accessible.text(QAccessible::Name).toStdString();
}

std::string ToolTip(const Session& session, const std::string& control) {
    QWidget& widget = Control(control);
    if (QToolTip::isVisible() && session.hovered == &widget) return QToolTip::text().toStdString();
    return widget.toolTip().toStdString();
}

// The control with the focus, if it is one of the window's.
std::string Focus() {
    QWidget* focused = QApplication::focusWidget();
    if (!focused || focused->parentWidget() != ProgramWindow().centralWidget()) return {};
    return focused->objectName().toStdString();
}

std::string Selection(const std::string& control) {
    const auto& edit = ControlAs<QLineEdit>(control);
    const int cursor = edit.cursorPosition();
    int anchor = cursor;
    if (edit.hasSelectedText()) anchor = cursor == edit.selectionStart() ? edit.selectionEnd() : edit.selectionStart();
    return std::to_string(anchor) + "," + std::to_string(cursor);
}

// Where the line edit puts the cursor for a point just inside each end of its box, as for a
// click there: the first and last places of the text when the whole of it is in view.
std::string Whole(const std::string& control) {
    const auto& edit = ControlAs<QLineEdit>(control);
    const auto at = [&edit](int x) {
        return edit.inputMethodQuery(Qt::ImCursorPosition, QPointF(x, edit.height() / 2.0)).toInt();
    };
    return at(1) == 0 && at(edit.width() - 2) == edit.text().size() ? "yes" : "no";
}

std::string MenuShown() {
    const QMenu* menu = OpenMenu();
    if (!menu) return {};
    QStringList items;
    for (const QAction* item : menu->actions()) {
        const QString name = ItemName(*menu, *item);
        if (!name.isEmpty()) items << name + (item->isEnabled() ? QStringLiteral("=1") : QStringLiteral("=0"));
    }
    return items.join(u';').toStdString();
}

}  // namespace

void AddReads(behaviour::Operations& operations, const Session& session) {
    operations.Add("text", 1, [](const Fields& a) { return Text(a[0]); });
    operations.Add("length", 1,
                   [](const Fields& a) { return std::to_string(ControlAs<QLineEdit>(a[0]).text().size()); });
    operations.Add("name", 1, [](const Fields& a) { return Name(a[0]); });
    operations.Add("description", 1,
                   [](const Fields& a) { return AccessibleOf(a[0]).text(QAccessible::Description).toStdString(); });
    operations.Add("tooltip", 1, [&session](const Fields& a) { return ToolTip(session, a[0]); });
    operations.Add("enabled", 1, [](const Fields& a) { return std::string(Control(a[0]).isEnabled() ? "1" : "0"); });
    operations.Add("focus", 0, [](const Fields&) { return Focus(); });
    operations.Add("selection", 1, [](const Fields& a) { return Selection(a[0]); });
    operations.Add("whole", 1, [](const Fields& a) { return Whole(a[0]); });
    operations.Add("menu", 0, [](const Fields&) { return MenuShown(); });
    operations.Add("dropped", 0, [&session](const Fields&) { return session.dropped; });
}

}  // namespace qtagent
