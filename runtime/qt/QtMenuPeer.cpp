#include "QtMenuPeer.h"

#include <QMenuBar>

#include "Guard.h"
#include "Input.h"
#include "QtConversions.h"
#include "QtObjects.h"

namespace guirt::qt {

QtMenuPeer::QtMenuPeer(QMainWindow& window) : window_(&window), context_(std::make_unique<QObject>()) {}

QtMenuPeer::~QtMenuPeer() {
    context_.reset();
    Clear();
}

void QtMenuPeer::Clear() {
    if (window_) {
        for (const Entry& entry : entries_) {
            if (entry.action && !entry.isMenu) window_->removeAction(entry.action);
        }
        window_->menuBar()->clear();
    }
    for (const QPointer<QObject>& object : topLevel_) DeleteSoon(object.data());
    topLevel_.clear();
    entries_.clear();
    index_.clear();
}

void QtMenuPeer::Rebuild(const MenuBar* bar) {
    // A fresh context drops the old actions' connections, even those deleted later.
    context_ = std::make_unique<QObject>();
    Clear();
    bar_ = Ref<MenuBar>(const_cast<MenuBar*>(bar));
    if (bar_ && window_) {
        const std::int64_t count = bar_->Count();
        for (std::int64_t i = 0; i < count; ++i) AddItem(*window_->menuBar(), bar_->Item(i));
    }
    ApplyStates(false);
}

void QtMenuPeer::AddItem(QWidget& parent, const Ref<MenuItem>& item) {
    auto* parentMenu = qobject_cast<QMenu*>(&parent);
    auto* parentBar = qobject_cast<QMenuBar*>(&parent);
    Entry entry{item, nullptr, false};
    if (item->IsSeparator()) {
        entry.action = parentMenu ? parentMenu->addSeparator() : parentBar->addSeparator();
    } else if (item->Count() > 0 || parentBar) {
        // What the bar shows is always a menu, even while it has no items yet.
        QMenu* menu = parentMenu ? parentMenu->addMenu(ToQString(TextOf(item->Text())))
                                 : parentBar->addMenu(ToQString(TextOf(item->Text())));
        if (parentBar) topLevel_.emplace_back(menu);
        entry.action = menu->menuAction();
        entry.isMenu = true;
        QObject::connect(menu, &QMenu::aboutToShow, context_.get(), [this] { CallModel([&] { ApplyStates(true); }); });
        QObject::connect(menu, &QMenu::aboutToHide, context_.get(), [this] { CallModel([&] { ApplyStates(false); }); });
        const std::int64_t count = item->Count();
        for (std::int64_t i = 0; i < count; ++i) AddItem(*menu, item->Item(i));
    } else {
        QAction* action = parentMenu->addAction(ToQString(TextOf(item->Text())));
        action->setShortcut(ToKeySequence(ParseShortcut(TextOf(item->CommandKey()))));
        // The window carries the shortcut too, so it works while the bar is hidden.
        window_->addAction(action);
        QObject::connect(action, &QAction::triggered, context_.get(), [chosen = item] {
            CallModel([&] {
                // The action may rebuild the menus, dropping this lambda and its capture.
                const Ref<MenuItem> hold = chosen;  // NOLINT(performance-unnecessary-copy-initialization)
                hold->PeerChosen(PeerAccess::Key());
            });
        });
        entry.action = action;
    }
    index_[item.get()] = entries_.size();
    entries_.push_back(std::move(entry));
}

void QtMenuPeer::ItemChanged(const MenuItem& item) {
    const auto it = index_.find(&item);
    if (it == index_.end()) return;
    const Entry& entry = entries_[it->second];
    if (!entry.action) return;
    if (!entry.isMenu && !entry.action->isSeparator()) {
        entry.action->setShortcut(ToKeySequence(ParseShortcut(TextOf(item.CommandKey()))));
    }
    ApplyState(entry, false);
}

void QtMenuPeer::ApplyStates(bool shown) {
    for (const Entry& entry : entries_) ApplyState(entry, shown);
}

void QtMenuPeer::ApplyState(const Entry& entry, bool shown) {
    if (!entry.action) return;
    const MenuItem& item = *entry.item;
    entry.action->setVisible(item.Visible());
    if (entry.action->isSeparator()) return;
    const bool decidedLater = !shown && item.AutoEnable() && !entry.isMenu;
    entry.action->setEnabled(decidedLater || item.EnabledNow());
}

}  // namespace guirt::qt
