#include "guirt/MenuBar.h"

#include "guirt/QuitMenuItem.h"

namespace guirt {

const ClassRecord& MenuBar::Record() {
    static const ClassRecord& record = RuntimeNewClass("MenuBar", &MenuItem::Record(), FactoryOf<MenuBar>);
    return record;
}

const ClassRecord& QuitMenuItem::Record() {
    static const ClassRecord& record =
        RuntimeNewClass("QuitMenuItem", &MenuItem::Record(), FactoryOf<QuitMenuItem>);
    return record;
}

}  // namespace guirt
