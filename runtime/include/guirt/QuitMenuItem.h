#pragma once

#include "guirt/MenuItem.h"

namespace guirt {

// A menu item whose action quits the application.
class GUIRT_API QuitMenuItem : public MenuItem {
public:
    bool Action() override;
    static const ClassRecord& Record();

protected:
    QuitMenuItem() = default;
    friend struct Construct;
};

}  // namespace guirt
