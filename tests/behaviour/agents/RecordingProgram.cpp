#include "RecordingProgram.h"

#include "RecordingMenus.h"

namespace recagent {

using behaviour::AgentError;

RecordingBackend& Toolkit() {
    auto* toolkit = dynamic_cast<RecordingBackend*>(guirt::InstalledPeerFactory());
    if (!toolkit) throw AgentError("the runtime runs on no recording backend");
    return *toolkit;
}

RecordingWindow* FindProgramWindow() {
    for (RecordingWindow* window : Toolkit().windows) {
        if (window->Shown()) return window;
    }
    return nullptr;
}

RecordingWindow& ProgramWindow() {
    RecordingWindow* window = FindProgramWindow();
    if (!window) throw AgentError("the program shows no window");
    return *window;
}

RecordingControl& Control(const std::string& name) {
    RecordingControl* control = ProgramWindow().Control(name);
    if (!control) throw AgentError("no control " + name);
    return *control;
}

std::size_t MenuItem(const std::string& name) {
    const auto lines = ProgramWindow().Menus().OpenLines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].separator && guirt::testing::DrawnText(lines[i].text) == name) return i;
    }
    throw AgentError("the open menu has no item " + name);
}

}  // namespace recagent
