#pragma once

#include "guirt/MenuItem.h"

namespace guirt {

// The top of a menu tree; its children are the menus shown in the bar.
class GUIRT_API MenuBar : public MenuItem {
public:
    static const ClassRecord& Record();
};

}  // namespace guirt
