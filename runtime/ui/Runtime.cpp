#include "guirt/Runtime.h"

#include <cstdio>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "Backend.h"
#include "RuntimeClasses.h"
#include "UIThread.h"
#include "WindowRegistry.h"
#include "guirt/QuitMenuItem.h"

namespace guirt {

namespace {

struct RuntimeState {
    std::unique_ptr<PeerFactory> backend;
    Ref<Application> app;
    Ref<Delegate> exceptionHelper;
    std::optional<std::int64_t> quitCode;
    bool running = false;
    bool reported = false;
};

RuntimeState& State() {
    static RuntimeState state;
    return state;
}

// wchar_t holds UTF-32 on Linux and UTF-16 on Windows; both become UTF-8 here.
std::string Utf8Of(const wchar_t* text) {
    std::string out;
    for (const wchar_t* p = text; p && *p; ++p) {
        auto cp = static_cast<std::uint32_t>(static_cast<std::make_unsigned_t<wchar_t>>(*p));
        if constexpr (sizeof(wchar_t) == 2) {
            if (cp >= 0xD800 && cp < 0xDC00 && p[1] >= 0xDC00 && p[1] < 0xE000) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (static_cast<std::uint32_t>(*++p) - 0xDC00);
            }
        }
        if (cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000)) cp = 0xFFFD;
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

// Splits a command-line tail into words: blanks separate, double quotes group.
std::vector<std::string> WordsOf(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    bool quoted = false, inWord = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(std::move(word));
    return words;
}

}  // namespace

std::int64_t RuntimeInit(void*, void*, const wchar_t* commandLine, int) {
    SetUIThread(std::this_thread::get_id());
    RuntimeState& state = State();
    state.backend = CreatePlatformBackend(WordsOf(Utf8Of(commandLine)));
    InstallPeerFactory(state.backend.get());
    return 0;
}

Ref<Object> _CallFunctionWithExceptionHandling(void* function, void* argument) {
    try {
        reinterpret_cast<void (*)(void*)>(function)(argument);
    } catch (const RuntimeError& e) {
        return e.Exception();
    }
    return nullptr;
}

void _RuntimeSetExceptionHelper(const Ref<Delegate>& helper) {
    State().exceptionHelper = helper;
}

// This runtime's own classes need nothing beyond their records, and it loads no plug-ins.
void _RuntimeInitExternalClasses() {
    RuntimeBuildOwnClasses();
}
void _InitPluginEntrypoints() {}

void _RuntimeRegisterAppObject(const Ref<Application>& app) {
    if (!app) RaiseNilObjectException();
    State().app = app;
}

Ref<Application> RuntimeApplication() noexcept {
    return State().app;
}

void _RunFrameworkInitialization(const Ref<Delegate>& lateStartup) {
    UIThreadOnly();
    if (!lateStartup) RaiseNilObjectException();
    lateStartup->InvokeProcedure();
}

void _RuntimeRun() {
    UIThreadOnly();
    RuntimeState& state = State();
    if (!state.quitCode && state.backend) {
        state.running = true;
        state.backend->RunEventLoop();
        state.running = false;
    }
    // An exception parked while the loop ran continues here, on this side of the toolkit.
    if (Ref<RuntimeException> pending = RuntimeTakeException()) {
        if (!pending->IsA(EndException::Record())) throw RuntimeError(pending);
    }
}

void Quit(std::int64_t code) {
    RuntimeState& state = State();
    state.quitCode = code;
    if (state.running && state.backend) state.backend->QuitEventLoop();
}

bool QuitMenuAction() {
    Quit(0);
    return true;
}

bool QuitMenuItem::Action() {
    EndException::Record();
    return QuitMenuAction();
}

void _UnhandledException(const Ref<RuntimeException>& exception) {
    RuntimeState& state = State();
    if (state.reported) return;
    state.reported = true;
    std::string what = RuntimeError(exception).what();
    std::fprintf(stderr, "Unhandled exception %s\n", what.c_str());
    std::fflush(stderr);
}

void RuntimePerformFinalizers() {
    RuntimeState& state = State();
    // Windows and their native peers go before the toolkit that made them.
    CloseAllWindows();
    state.app = nullptr;
    state.exceptionHelper = nullptr;
    gCurrentException = nullptr;
    InstallPeerFactory(nullptr);
    state.backend.reset();
}

int RuntimeExit() {
    const RuntimeState& state = State();
    if (state.reported) return 1;
    return static_cast<int>(state.quitCode.value_or(0));
}

}  // namespace guirt
