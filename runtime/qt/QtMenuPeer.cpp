#include "QtMenuPeer.h"

#include <QMenuBar>

#include "Guard.h"
#include "QtConversions.h"
#include "QtObjects.h"
#include "guirt/Window.h"

namespace guirt::qt {

QtMenuPeer::QtMenuPeer(QMainWindow& window, Window& model)
    : window_(&window), model_(model), context_(std::make_unique<QObject>()) {}

QtMenuPeer::~QtMenuPeer() {
    context_.reset();
    Clear();
}

void QtMenuPeer::Clear() {
    if (window_) {
        window_->menuBar()->clear();
    }
    for (const QPointer<QObject>& object : topLevel_) DeleteSoon(object.data());
    topLevel_.clear();
    actions_.clear();
}

void QtMenuPeer::Rebuild(const std::vector<MenuEntry>& menus) {
    // A fresh context drops the old actions' connections, even those deleted later.
    context_ = std::make_unique<QObject>();
    Clear();
    if (!window_) return;
    for (const MenuEntry& menu : menus) Add(*window_->menuBar(), menu);
}

void QtMenuPeer::Add(QWidget& parent, const MenuEntry& entry) {
    auto* parentMenu = qobject_cast<QMenu*>(&parent);
    auto* parentBar = qobject_cast<QMenuBar*>(&parent);
    QAction* action = nullptr;
    switch (entry.kind) {
        case MenuEntry::Kind::Separator:
            action = parentMenu ? parentMenu->addSeparator() : parentBar->addSeparator();
            break;
        case MenuEntry::Kind::Menu: {
            QMenu* menu =
                parentMenu ? parentMenu->addMenu(ToQString(entry.text)) : parentBar->addMenu(ToQString(entry.text));
            if (parentBar) topLevel_.emplace_back(menu);
            action = menu->menuAction();
            const std::size_t number = entry.number;
            QObject::connect(menu, &QMenu::aboutToShow, context_.get(),
                             [this, number] { Report(model_, &Window::PeerMenuOpening, number); });
            QObject::connect(menu, &QMenu::aboutToHide, context_.get(),
                             [this, number] { Report(model_, &Window::PeerMenuClosed, number); });
            for (const MenuEntry& inside : entry.entries) Add(*menu, inside);
            break;
        }
        case MenuEntry::Kind::Command: {
            // The window takes the shortcuts (NativeWindow): the menus only show them.
            action = parentMenu->addAction(MenuText(entry));
            const std::size_t number = entry.number;
            QObject::connect(action, &QAction::triggered, context_.get(),
                             [this, number] { Report(model_, &Window::PeerMenuChosen, number); });
            break;
        }
    }
    action->setEnabled(entry.enabled);
    if (actions_.size() <= entry.number) actions_.resize(entry.number + 1);
    actions_[entry.number] = action;
}

void QtMenuPeer::SetEnabled(std::size_t entry, bool enabled) {
    if (entry < actions_.size() && actions_[entry]) actions_[entry]->setEnabled(enabled);
}

}  // namespace guirt::qt
