#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <memory>
#include <unordered_map>
#include <vector>

#include "guirt/MenuBar.h"

namespace guirt::qt {

// Shows a window's menu bar model in the window's QMenuBar: items with children become
// menus, "-" separators, the rest actions with their shortcuts.
//
// An AutoEnable item's state is decided when it can be used: as its menu opens, and as its
// shortcut fires (the model's PeerChosen asks again). Between those its action stays
// enabled, since Qt would not deliver the shortcut of a disabled one; so nothing is asked
// of the model (or the clipboard) while the user types.
class QtMenuPeer {
public:
    explicit QtMenuPeer(QMainWindow& window);
    ~QtMenuPeer();

    // Builds the native menus afresh from the bar (null: no menus).
    void Rebuild(const MenuBar* bar);
    // Applies a change of one item's shortcut or state.
    void ItemChanged(const MenuItem& item);

private:
    struct Entry {
        Ref<MenuItem> item;
        QPointer<QAction> action;  // for a menu, its menuAction
        bool isMenu = false;
    };

    void AddItem(QWidget& parent, const Ref<MenuItem>& item);
    // shown: as the menu it is in opens; otherwise waiting to be used.
    void ApplyState(const Entry& entry, bool shown);
    void ApplyStates(bool shown);
    void Clear();

    QPointer<QMainWindow> window_;
    Ref<MenuBar> bar_;
    std::vector<Entry> entries_;
    std::unordered_map<const MenuItem*, std::size_t> index_;
    std::vector<QPointer<QObject>> topLevel_;  // what the bar owns: menus and bare actions
    std::unique_ptr<QObject> context_;
};

}  // namespace guirt::qt
