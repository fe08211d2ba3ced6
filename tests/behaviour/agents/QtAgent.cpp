// The behaviour suite's agent for Qt: the program itself, started in this process as its entry
// starts it, on the real X display, answering the runner (targets/agent.py) on standard input
// and output while the program's own event loop runs. Once the loop has ended it still says
// how the program ended, until it is stopped.
#include <unistd.h>

#include <QEventLoop>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <iostream>
#include <optional>

#include "QtAgent.h"
#include "app/Startup.h"
#include "guirt/Runtime.h"

namespace qtagent {

namespace {

using behaviour::AgentError;
using behaviour::Fields;

// How long the program has to show its window, and to end once it is expected to.
constexpr int kStartMs = 10000;
constexpr int kExitMs = 5000;

// Whether the program has asked its event loop to end, waiting up to `ms` for it to. Qt ends
// every loop that runs when the program quits, and will not start one after, so a loop of the
// agent's own tells.
bool LoopEnding(int ms) {
    constexpr int kWaited = 0x7a17;
    QEventLoop wait;
    QTimer::singleShot(ms, &wait, [&wait] { wait.exit(kWaited); });
    return wait.exec() != kWaited;
}

// Request lines from standard input: read as they come while the loop runs, waited for after.
class Requests {
public:
    // Reads what has come; false at the end of the input.
    bool Read() {
        char chunk[65536];
        ssize_t got = 0;
        do {
            got = ::read(STDIN_FILENO, chunk, sizeof chunk);
        } while (got < 0 && errno == EINTR);
        if (got <= 0) return false;
        buffer_.append(chunk, static_cast<std::size_t>(got));
        return true;
    }

    std::optional<std::string> Next() {
        const std::size_t end = buffer_.find('\n');
        if (end == std::string::npos) return std::nullopt;
        std::string line = buffer_.substr(0, end);
        buffer_.erase(0, end + 1);
        return line;
    }

    std::optional<std::string> WaitNext() {
        std::optional<std::string> line;
        while (!(line = Next()) && Read()) {
        }
        return line;
    }

private:
    std::string buffer_;
};

void Answer(const std::string& reply) {
    std::cout << reply << '\n' << std::flush;
}

class Agent {
public:
    Agent() {
        AddSteps(running_, session_);
        AddReads(running_, session_);
        running_.Add("start", 0, [](const Fields&) {
            const bool shown = WaitFor(
                [] {
                    QMainWindow* window = FindProgramWindow();
                    return window && window->isVisible() && QGuiApplication::focusWindow() == window->windowHandle();
                },
                kStartMs);
            if (!shown) throw AgentError("the program's window did not show as the active one");
            return std::string();
        });
        // Asked once the program has not ended within kExitMs (Take).
        running_.Add("exit", 0, [](const Fields&) { return std::string("running"); });
        running_.Add("running", 0, [](const Fields&) { return std::string(LoopEnding(0) ? "no" : "yes"); });
        running_.Add("stop", 0, [this](const Fields&) {
            stopped_ = true;
            QCoreApplication::exit(0);
            return std::string();
        });
    }

    // From the loop's first turn: requests are answered as they come.
    void Listen() {
        notifier_ = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read);
        QObject::connect(notifier_, &QSocketNotifier::activated, notifier_, [this] { Take(); });
    }

    // Before the toolkit goes, what the agent made of it goes.
    void LoopEnded() {
        delete notifier_;
        delete session_.elsewhere.data();
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
        if (owed_) Answer(ended.Reply(*owed_));
        while (!stopped_) {
            const std::optional<std::string> line = requests_.WaitNext();
            if (!line) return;
            Answer(ended.Reply(*line));
        }
    }

private:
    void Take() {
        // The steps run the event loop while they wait; no request starts inside another.
        notifier_->setEnabled(false);
        if (!requests_.Read()) {
            stopped_ = true;  // the runner has gone
            QCoreApplication::exit(0);
            return;
        }
        while (std::optional<std::string> line = requests_.Next()) {
            // The exit status is known only once the loop has ended: the answer waits for that.
            if (behaviour::ParseRequest(*line).front() == "exit" && LoopEnding(kExitMs)) {
                owed_ = std::move(line);
                return;
            }
            Answer(running_.Reply(*line));
            if (stopped_) return;
        }
        notifier_->setEnabled(true);
    }

    Session session_;
    behaviour::Operations running_;
    Requests requests_;
    QSocketNotifier* notifier_ = nullptr;
    std::optional<std::string> owed_;
    bool stopped_ = false;
};

// The program's entry, with the agent serving while the loop runs and after it.
int Run() {
    guirt::RuntimeInit(nullptr, nullptr, L"", 1);
    try {
        guirt::RuntimePerformInitializers();
    } catch (...) {
        guirt::ParkCurrentException();  // the program reports it, as from its own entry
    }
    Agent agent;
    QTimer::singleShot(0, [&agent] { agent.Listen(); });
    dravello::_Main();
    agent.LoopEnded();
    guirt::RuntimePerformFinalizers();
    agent.ServeEnded(guirt::RuntimeExit());
    return 0;
}

}  // namespace

}  // namespace qtagent

int main() {
    try {
        return qtagent::Run();
    } catch (const std::exception& failure) {
        std::cerr << "qt_behaviour_agent: " << failure.what() << '\n';
    }
    return 2;
}
