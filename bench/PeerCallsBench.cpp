// How many calls the runtime makes to the native side before the main window first shows,
// counted by the recording backend: the window and each control are set up once, from the
// complete model, with no replay of the property changes that built it. Only what spans
// controls comes after: the tab order, and which label captions which control.
#include <cstdio>
#include <string>

#include "RecordingBackend.h"
#include "app/Startup.h"
#include "guirt/Runtime.h"

int main() {
    guirt::testing::RecordingBackend backend;
    guirt::RuntimePerformInitializers();
    dravello::_EarlyStartup();
    dravello::_LateStartup();
    std::size_t beforeShow = 0, creations = 0;
    for (const std::string& call : backend.log) {
        if (call == "show window") break;
        ++beforeShow;
        if (call.rfind("create ", 0) == 0) ++creations;
    }
    std::printf("native calls before the main window first shows: %zu (%zu peers made, one per object)\n", beforeShow,
                creations);
    for (std::size_t i = 0; i < beforeShow; ++i) std::printf("  %s\n", backend.log[i].c_str());
    guirt::RuntimePerformFinalizers();
    // Plus the tab order, and for each control what it captions or what names it.
    const std::size_t controls = creations - 1;
    return beforeShow == creations + 1 + controls ? 0 : 1;
}
