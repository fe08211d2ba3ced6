#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <memory>
#include <vector>

#include "Peers.h"

namespace guirt::qt {

// Shows a window's menu bar in its QMenuBar: menus, separators, and actions with their
// shortcuts shown (the window takes the keys, whether the bar shows or not). What the user
// does goes to the window's model by entry number; the model decides the states.
class QtMenuPeer {
public:
    QtMenuPeer(QMainWindow& window, Window& model);
    ~QtMenuPeer();

    // Builds the native menus afresh (none: no menus).
    void Rebuild(const std::vector<MenuEntry>& menus);
    void SetEnabled(std::size_t entry, bool enabled);

private:
    void Add(QWidget& parent, const MenuEntry& entry);
    void Clear();

    QPointer<QMainWindow> window_;
    Window& model_;
    std::vector<QPointer<QAction>> actions_;   // by entry number; a menu's is its menuAction
    std::vector<QPointer<QObject>> topLevel_;  // what the bar owns: its menus
    std::unique_ptr<QObject> context_;
};

}  // namespace guirt::qt
