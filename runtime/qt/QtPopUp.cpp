#include "QtPopUp.h"

#include <QCursor>
#include <QMenu>
#include <map>

#include "QtConversions.h"

namespace guirt::qt {

namespace {

void Fill(QMenu& menu, const std::vector<MenuEntry>& entries, std::map<QAction*, std::size_t>& numbers) {
    for (const MenuEntry& entry : entries) {
        switch (entry.kind) {
            case MenuEntry::Kind::Separator:
                menu.addSeparator();
                break;
            case MenuEntry::Kind::Menu:
                Fill(*menu.addMenu(ToQString(entry.text)), entry.entries, numbers);
                break;
            case MenuEntry::Kind::Command: {
                QAction* action = menu.addAction(MenuText(entry));
                action->setEnabled(entry.enabled);
                numbers[action] = entry.number;
                break;
            }
        }
    }
}

}  // namespace

std::optional<std::size_t> PopUpMenu(const std::vector<MenuEntry>& entries,
                                     std::optional<std::pair<std::int64_t, std::int64_t>> at) {
    QMenu native;
    std::map<QAction*, std::size_t> numbers;
    Fill(native, entries, numbers);
    const QPoint where = at ? QPoint(static_cast<int>(at->first), static_cast<int>(at->second)) : QCursor::pos();
    // Whatever triggers an action (a click, a key, the accessibility layer) counts as the choice.
    QAction* chosen = nullptr;
    QObject::connect(&native, &QMenu::triggered, [&chosen](QAction* action) { chosen = action; });
    native.exec(where);
    auto it = numbers.find(chosen);
    return it == numbers.end() ? std::nullopt : std::optional<std::size_t>(it->second);
}

}  // namespace guirt::qt
