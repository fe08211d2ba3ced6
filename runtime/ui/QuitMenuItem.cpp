#include "guirt/QuitMenuItem.h"

#include "OwnClasses.h"
#include "guirt/Runtime.h"

namespace guirt {

const OwnClass kQuitMenuItemClass{&QuitMenuItem::Record};

const ClassRecord& QuitMenuItem::Record() {
    static const ClassRecord& record = RuntimeNewClass("QuitMenuItem", &MenuItem::Record(), FactoryOf<QuitMenuItem>);
    return record;
}

// Choosing it ends the application with code 0, as closing the last window would.
bool QuitMenuItem::Action() {
    Quit(0);
    return true;
}

}  // namespace guirt
