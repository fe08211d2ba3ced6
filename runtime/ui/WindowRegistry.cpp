#include "WindowRegistry.h"

#include <map>
#include <string>

namespace guirt {

namespace {
std::map<std::string, Ref<Window>, std::less<>>& ImplicitWindows() {
    static std::map<std::string, Ref<Window>, std::less<>> windows;
    return windows;
}
}  // namespace

void RegisterOpenWindow(Window& window) {
    ImplicitWindows()[std::string(window.Class().Name())] = Ref<Window>(&window);
}

void ForgetOpenWindow(const Window& window) {
    auto& windows = ImplicitWindows();
    auto it = windows.find(window.Class().Name());
    if (it != windows.end() && it->second.get() == &window) windows.erase(it);
}

void ForEachOpenWindow(const std::function<void(Window&)>& f) {
    // A copy: f may close windows.
    auto windows = ImplicitWindows();
    for (auto& [name, window] : windows) f(*window);
}

void CloseAllWindows() {
    ImplicitWindows().clear();
}

Ref<Window> RuntimeGetImplicitWindow(std::string_view className) {
    UIThreadOnly();
    auto& windows = ImplicitWindows();
    auto it = windows.find(className);
    return it == windows.end() ? nullptr : it->second;
}

}  // namespace guirt
