#pragma once

#include <functional>

#include "guirt/Window.h"

namespace guirt {

// Calls f for each open window (the runtime's implicit instances).
void ForEachOpenWindow(const std::function<void(Window&)>& f);

// Drops every open window; the finalizers call it.
void CloseAllWindows();

}  // namespace guirt
