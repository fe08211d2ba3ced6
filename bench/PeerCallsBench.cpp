// How many calls the runtime makes to the native side before the main window first shows,
// counted by the recording backend: the window and each control are made once, from the
// complete model, with no replay of the property changes that built it. Only the fields'
// cursors and what spans controls come after: the tab order, which label captions which
// control or what names it, and the one line size the captions share.
#include <algorithm>
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
    const bool onlySetUp =
        std::all_of(backend.log.begin(), backend.log.begin() + beforeShow, [](const std::string& call) {
            for (const char* kind : {"create ", ".Select 0,0", "tab order ", ".SetBuddy ", ".SetAccessibleText ",
                                     ".LimitLinePixels "}) {
                if (call.find(kind) != std::string::npos) return true;
            }
            return false;
        });
    return onlySetUp ? 0 : 1;
}
