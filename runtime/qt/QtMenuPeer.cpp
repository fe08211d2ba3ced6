#include "QtMenuPeer.h"

#include <QKeySequence>
#include <QMenuBar>

#include "EditCommands.h"
#include "QtConversions.h"
#include "QtGuard.h"

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

void QtMenuPeer::Rebuild(const Ref<MenuBar>& bar) {
    // A fresh context drops the old actions' connections, even those deleted later.
    context_ = std::make_unique<QObject>();
    Clear();
    bar_ = bar;
    if (bar_ && window_) {
        const std::int64_t count = bar_->Count();
        for (std::int64_t i = 0; i < count; ++i) AddItem(*window_->menuBar(), bar_->Item(i));
    }
    RefreshStates();
}

void QtMenuPeer::AddItem(QWidget& parent, const Ref<MenuItem>& item) {
    auto* parentMenu = qobject_cast<QMenu*>(&parent);
    auto* parentBar = qobject_cast<QMenuBar*>(&parent);
    Entry entry{item, nullptr, false};
    if (item->IsSeparator()) {
        entry.action = parentMenu ? parentMenu->addSeparator() : parentBar->addSeparator();
    } else if (item->Count() > 0 || parentBar) {
        // What the bar shows is always a menu, even while it has no items yet.
        QMenu* menu =
            parentMenu ? parentMenu->addMenu(ToQString(item->Text())) : parentBar->addMenu(ToQString(item->Text()));
        if (parentBar) topLevel_.emplace_back(menu);
        entry.action = menu->menuAction();
        entry.isMenu = true;
        QObject::connect(menu, &QMenu::aboutToShow, context_.get(), [this] { CallModel([&] { RefreshStates(); }); });
        const std::int64_t count = item->Count();
        for (std::int64_t i = 0; i < count; ++i) AddItem(*menu, item->Item(i));
    } else {
        QAction* action = parentMenu->addAction(ToQString(item->Text()));
        action->setShortcut(QKeySequence::fromString(ToQString(item->CommandKey()), QKeySequence::PortableText));
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

void QtMenuPeer::ItemChanged(const MenuItem* item, std::string_view property) {
    const auto it = item ? index_.find(item) : index_.end();
    if (it == index_.end() || property == "Children") {
        Rebuild(bar_);
        return;
    }
    const Entry& entry = entries_[it->second];
    if (!entry.action) return;
    if (property == "Text") {
        // Becoming or ceasing to be a separator changes the kind of native object.
        if (entry.item->IsSeparator() != entry.action->isSeparator()) {
            Rebuild(bar_);
            return;
        }
        entry.action->setText(ToQString(entry.item->Text()));
    } else if (property == "CommandKey" && !entry.isMenu) {
        entry.action->setShortcut(
            QKeySequence::fromString(ToQString(entry.item->CommandKey()), QKeySequence::PortableText));
    } else {
        RefreshState(entry);
    }
}

void QtMenuPeer::RefreshStates() {
    for (const Entry& entry : entries_) RefreshState(entry);
}

void QtMenuPeer::RefreshState(const Entry& entry) {
    if (!entry.action) return;
    const MenuItem& item = *entry.item;
    entry.action->setVisible(item.Visible());
    if (entry.action->isSeparator()) return;
    const bool enabled = item.AutoEnable() && !entry.isMenu ? MenuItemCanAct(item) : item.Enabled();
    entry.action->setEnabled(enabled);
}

}  // namespace guirt::qt
