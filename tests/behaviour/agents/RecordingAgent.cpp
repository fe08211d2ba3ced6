// The behaviour suite's agent for the recording backend: the program itself, started in this
// process as its entry starts it, on the recording backend's simulated toolkit in place of a
// platform's. The toolkit's event loop takes its events from here: each one is a request of
// the runner (targets/agent.py), read from standard input and answered on standard output,
// until the program ends the loop. Once it has ended, the agent still says how the program
// ended, until it is stopped.
#include <iostream>
#include <optional>
#include <string>

#include "RecordingAgent.h"
#include "app/Startup.h"
#include "guirt/Runtime.h"

namespace recagent {

namespace {

using behaviour::AgentError;
using behaviour::Fields;

void Answer(const std::string& reply) {
    std::cout << reply << '\n' << std::flush;
}

std::optional<std::string> NextRequest() {
    std::string line;
    if (!std::getline(std::cin, line)) return std::nullopt;
    return line;
}

class Agent {
public:
    Agent() {
        AddSteps(running_, session_);
        AddReads(running_, session_);
        running_.Add("start", 0, [](const Fields&) {
            const RecordingWindow* window = FindProgramWindow();
            if (!window || !window->Active()) throw AgentError("the program's window did not show as the active one");
            return std::string();
        });
        // Asked while the loop runs, the program has not ended: nothing but a request can end it.
        running_.Add("exit", 0, [](const Fields&) { return std::string("running"); });
        running_.Add("running", 0, [](const Fields&) { return std::string("yes"); });
        running_.Add("stop", 0, [this](const Fields&) {
            stopped_ = true;
            return std::string();
        });
    }

    // One turn of the toolkit's loop: a request answered. False once none will come, which
    // ends the loop as a toolkit's ends when its platform goes.
    bool ServeOne() {
        if (stopped_) return false;
        const std::optional<std::string> line = NextRequest();
        if (!line) return false;
        Answer(running_.Reply(*line));
        return !stopped_;
    }

    void ServeEnded(int status) {
        behaviour::Operations ended;
        const auto gone = [status](const Fields&) -> std::string {
            throw AgentError("the program has ended with status " + std::to_string(status));
        };
        ended.Add("start", 0, gone);
        ended.Add("exit", 0, [status](const Fields&) { return std::to_string(status); });
        ended.Add("running", 0, [](const Fields&) { return std::string("no"); });
        ended.Add("stop", 0, [this](const Fields&) {
            stopped_ = true;
            return std::string();
        });
        while (!stopped_) {
            const std::optional<std::string> line = NextRequest();
            if (!line) return;
            Answer(ended.Reply(*line));
        }
    }

private:
    Session session_;
    behaviour::Operations running_;
    bool stopped_ = false;
};

// The program's entry, with the agent serving from the loop and after it.
int Run() {
    guirt::RuntimeInit(nullptr, nullptr, L"", 1);
    try {
        guirt::RuntimePerformInitializers();
    } catch (...) {
        guirt::ParkCurrentException();  // the program reports it, as from its own entry
    }
    Agent agent;
    Toolkit().events = [&agent] { return agent.ServeOne(); };
    dravello::_Main();
    guirt::RuntimePerformFinalizers();
    agent.ServeEnded(guirt::RuntimeExit());
    return 0;
}

}  // namespace

}  // namespace recagent

int main() {
    try {
        return recagent::Run();
    } catch (const std::exception& failure) {
        std::cerr << "recording_behaviour_agent: " << failure.what() << '\n';
    }
    return 2;
}
