#pragma once

#include <functional>
#include <string_view>

#include "guirt/Window.h"

namespace guirt {

// The runtime's open windows: the implicit instance of each window class, held until it
// closes or the finalizers run.

// Makes the window its class's open implicit instance.
void RegisterOpenWindow(Window& window);
// The window closed: it is no longer its class's implicit instance.
void ForgetOpenWindow(const Window& window);

// Calls f for each open window.
void ForEachOpenWindow(const std::function<void(Window&)>& f);

// Drops every open window; the finalizers call it.
void CloseAllWindows();

}  // namespace guirt
