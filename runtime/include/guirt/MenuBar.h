#pragma once

#include "guirt/MenuItem.h"

namespace guirt {

class Window;

// The top of a menu tree; its children are the menus shown in the bar.
class GUIRT_API MenuBar : public MenuItem {
public:
    // How many open windows show this bar.
    std::int64_t _DependencyList() const;
    // Gives the window a copy of this bar as its menu bar.
    void _InstallClone(Window& window) const;

    static const ClassRecord& Record();

protected:
    MenuBar() = default;
    friend struct Construct;
};

}  // namespace guirt
