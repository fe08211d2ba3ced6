#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "guirt/MenuBar.h"

namespace guirt::qt {

// Shows a window's menu bar model in the window's QMenuBar: items with children become
// menus, "-" separators, the rest actions with their shortcuts.
class QtMenuPeer {
public:
    explicit QtMenuPeer(QMainWindow& window);
    ~QtMenuPeer();

    // Builds the native menus afresh from the bar (nil: no menus).
    void Rebuild(const Ref<MenuBar>& bar);
    // Applies a change of one item, or rebuilds when the tree's shape changed.
    void ItemChanged(const MenuItem* item, std::string_view property);
    // Sets every item's enabled and visible state from the model; run before a menu shows
    // and whenever what the edit commands could do may have changed.
    void RefreshStates();

private:
    struct Entry {
        Ref<MenuItem> item;
        QPointer<QAction> action;  // for a menu, its menuAction
        bool isMenu = false;
    };

    void AddItem(QWidget& parent, const Ref<MenuItem>& item);
    void RefreshState(const Entry& entry);
    void Clear();

    QPointer<QMainWindow> window_;
    Ref<MenuBar> bar_;
    std::vector<Entry> entries_;
    std::unordered_map<const MenuItem*, std::size_t> index_;
    std::vector<QPointer<QObject>> topLevel_;  // what the bar owns: menus and bare actions
    std::unique_ptr<QObject> context_;
};

}  // namespace guirt::qt
