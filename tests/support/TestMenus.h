#pragma once

#include <string_view>
#include <tuple>

#include "guirt/MenuBar.h"
#include "guirt/MenuItem.h"

namespace guirt::testing {

// A program's own menu item: counts how often it was chosen.
class CountingItem : public MenuItem {
public:
    static const ClassRecord& Record() {
        static const ClassRecord& record =
            RuntimeNewClass("CountingItem", &MenuItem::Record(), FactoryOf<CountingItem>);
        return record;
    }
    bool Action() override {
        ++chosen;
        return true;
    }
    int chosen = 0;
};

// An item of class T with its name, text and shortcut, appended to the menu.
template <class T = MenuItem>
Ref<T> AppendItem(MenuItem& parent, std::string_view name, std::string_view text, std::string_view key = {}) {
    Ref<T> item = New<T>();
    item->SetName(String::FromBytes(name));
    item->SetText(String::FromBytes(text));
    item->SetCommandKey(String::FromBytes(key));
    parent.Append(item);
    return item;
}

// The menus the backend tests open: File with a counting Calculate (Ctrl+R) and a
// separator; Edit with Undo, a separator and the clipboard commands with their shortcuts.
struct CalcMenus {
    Ref<MenuBar> bar = New<MenuBar>();
    Ref<MenuItem> file = AppendItem(*bar, "FileMenu", "&File");
    Ref<CountingItem> calculate = AppendItem<CountingItem>(*file, "FileCalculate", "&Calculate", "Ctrl+R");

    CalcMenus() {
        AppendItem(*file, "FileSeparator", "-");
        Ref<MenuItem> edit = AppendItem(*bar, "EditMenu", "&Edit");
        AppendItem(*edit, "EditUndo", "&Undo", "Ctrl+Z");
        AppendItem(*edit, "EditSeparator", "-");
        for (auto [name, text, key] : {std::tuple{"EditCut", "Cu&t", "Ctrl+X"},
                                       {"EditCopy", "&Copy", "Ctrl+C"},
                                       {"EditPaste", "&Paste", "Ctrl+V"},
                                       {"EditClear", "&Delete", ""},
                                       {"EditSelectAll", "Select &All", "Ctrl+A"}}) {
            AppendItem(*edit, name, text, key);
        }
    }
};

}  // namespace guirt::testing
