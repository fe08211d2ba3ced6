#pragma once

#include <string_view>

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

}  // namespace guirt::testing
