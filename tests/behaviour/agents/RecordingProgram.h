#pragma once

// The running program as the recording backend's simulated toolkit shows it, for the
// recording agent's steps and reads: its window, its controls by name and the open menu.
#include <string>

#include "AgentProtocol.h"
#include "RecordingBackend.h"
#include "RecordingControl.h"
#include "RecordingWindow.h"

namespace recagent {

using guirt::testing::RecordingBackend;
using guirt::testing::RecordingControl;
using guirt::testing::RecordingWindow;

// The toolkit the runtime made as the program started (RecordingPlatform.cpp).
RecordingBackend& Toolkit();

// The program's window, null while it has none shown; the second throws then.
RecordingWindow* FindProgramWindow();
RecordingWindow& ProgramWindow();

// The named control of the window, as the kind of control the step needs.
RecordingControl& Control(const std::string& name);

template <class Kind>
Kind& ControlAs(const std::string& name) {
    auto* control = dynamic_cast<Kind*>(&Control(name));
    if (!control) throw behaviour::AgentError(name + " is no control of that kind");
    return *control;
}

// The item of the open menu a case names, by its text without access marks; separators have
// no name.
std::size_t MenuItem(const std::string& name);

// What the agent keeps between steps and reads.
struct Session {
    std::string dropped;  // what the last drop's source was told
};

}  // namespace recagent
