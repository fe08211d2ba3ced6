#pragma once

#include <functional>

#include "guirt/MenuItem.h"
#include "guirt/Window.h"

namespace guirt {

// Calls f for each open window (the runtime's implicit instances).
void ForEachOpenWindow(const std::function<void(Window&)>& f);

// Drops every open window; the finalizers call it.
void CloseAllWindows();

// Tells the peers of the windows showing the menu tree of `root` that `item` changed.
void NotifyMenuChanged(const MenuItem& root, const MenuItem* item, std::string_view property);

}  // namespace guirt
