#pragma once

#include <vector>

#include "guirt/ClassRecord.h"

namespace guirt {

// The method table of MenuItem, in slot order.
const std::vector<MethodRecord>& MenuItemMethods();

}  // namespace guirt
