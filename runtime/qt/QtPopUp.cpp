#include "QtPopUp.h"

#include <QCursor>
#include <QMenu>
#include <map>

#include "Input.h"
#include "Peers.h"
#include "QtConversions.h"

namespace guirt::qt {

namespace {

void Fill(QMenu& menu, const MenuItem& parent, std::map<QAction*, Ref<MenuItem>>& items) {
    const std::int64_t count = parent.Count();
    for (std::int64_t i = 0; i < count; ++i) {
        Ref<MenuItem> item = parent.Item(i);
        if (!item->Visible()) continue;
        if (item->IsSeparator()) {
            menu.addSeparator();
        } else if (item->Count() > 0) {
            QMenu* sub = menu.addMenu(ToQString(TextOf(item->Text())));
            Fill(*sub, *item, items);
        } else {
            QAction* action = menu.addAction(ToQString(TextOf(item->Text())));
            action->setShortcut(ToKeySequence(ParseShortcut(TextOf(item->CommandKey()))));
            action->setEnabled(item->EnabledNow());
            items[action] = item;
        }
    }
}

}  // namespace

void PopUpMenu(MenuItem& menu, std::optional<std::pair<std::int64_t, std::int64_t>> at) {
    QMenu native;
    std::map<QAction*, Ref<MenuItem>> items;
    Fill(native, menu, items);
    const QPoint where = at ? QPoint(static_cast<int>(at->first), static_cast<int>(at->second)) : QCursor::pos();
    // Whatever triggers an action (a click, a key, the accessibility layer) counts as the choice.
    QAction* chosen = nullptr;
    QObject::connect(&native, &QMenu::triggered, [&chosen](QAction* action) { chosen = action; });
    native.exec(where);
    if (auto it = items.find(chosen); it != items.end()) it->second->PeerChosen(PeerAccess::Key());
}

}  // namespace guirt::qt
