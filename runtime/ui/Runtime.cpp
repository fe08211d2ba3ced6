#include "guirt/Runtime.h"

#include <cstdio>
#include <optional>
#include <string>

#include "Backend.h"
#include "NumberText.h"
#include "OwnClasses.h"
#include "UIThread.h"
#include "WindowRegistry.h"

namespace guirt {

namespace {

struct RuntimeState {
    std::unique_ptr<PeerFactory> backend;  // the one installed, from RuntimeInit
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

}  // namespace

std::int64_t RuntimeInit(void*, void*, const wchar_t* commandLine, int) {
    SetUIThread(std::this_thread::get_id());
    RuntimeState& state = State();
    state.backend = CreatePlatformBackend(commandLine ? std::wstring_view(commandLine) : std::wstring_view());
    InstallPeerFactory(state.backend.get());
    // Before any window is built: every number shown from then on is written with it.
    numtext::setUserSeparator(state.backend ? numtext::separatorOf(state.backend->DecimalSeparator()) : '.');
    return 0;
}

void RuntimePerformInitializers() {
    RuntimeBuildOwnClasses();
    RuntimeBuildImageClasses();
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

Ref<Application> RuntimeApplication() {
    UIThreadOnly();
    return State().app;
}

void _RunFrameworkInitialization(const Ref<Delegate>& lateStartup) {
    UIThreadOnly();
    if (!lateStartup) RaiseNilObjectException();
    const Ref<Delegate> helper = State().exceptionHelper;
    if (!helper) {
        lateStartup->InvokeProcedure();
        return;
    }
    // The late start-up is the program's code: it runs through the exception helper the
    // program gave, which hands back what it raised instead of letting it unwind.
    const auto* entry = std::any_cast<ExceptionHelperEntry>(&helper->Entry());
    if (!entry || !*entry) Raise<RuntimeException>("The exception helper cannot be called as ( Ptr, Ptr ) as Object.");
    using Routine = void (*)(void*);
    const Routine run = [](void* delegate) { static_cast<const Delegate*>(delegate)->InvokeProcedure(); };
    const Ref<Object> raised = (*entry)(reinterpret_cast<void*>(run), lateStartup.get());
    if (raised) throw RuntimeError(CheckCast<RuntimeException>(raised));
}

void _RuntimeRun() {
    UIThreadOnly();
    RuntimeState& state = State();
    // A quit or a failure before the loop runs (while the first window was built) ends the
    // run before it starts.
    PeerFactory* backend = InstalledPeerFactory();
    if (!state.quitCode && !gCurrentException && backend) {
        state.running = true;
        // A page's loop goes on after this returns; its end runs what follows (LoopEnded).
        if (!backend->RunEventLoop()) return;
        state.running = false;
    }
    // An exception parked while the loop ran continues here, on this side of the toolkit.
    if (Ref<RuntimeException> pending = RuntimeTakeException()) {
        if (!pending->IsA(EndException::Record())) throw RuntimeError(pending);
    }
}

int LoopEnded() noexcept {
    RuntimeState& state = State();
    state.running = false;
    // What a program's start-up does after its loop: report what the loop's end raised, once.
    if (Ref<RuntimeException> pending = RuntimeTakeException(); pending && !pending->IsA(EndException::Record())) {
        try {
            _UnhandledException(pending);
        } catch (...) {
            // A report that cannot be made leaves nothing more to do than ending.
        }
    }
    const int status = RuntimeExit();
    RuntimePerformFinalizers();
    return status;
}

void Quit(std::int64_t code) {
    UIThreadOnly();
    RuntimeState& state = State();
    state.quitCode = code;
    if (PeerFactory* backend = InstalledPeerFactory(); state.running && backend) backend->QuitEventLoop();
}

void _UnhandledException(const Ref<RuntimeException>& exception) {
    RuntimeState& state = State();
    if (state.reported) return;
    state.reported = true;
    const std::string report = "Unhandled exception " + std::string(RuntimeError(exception).what());
    std::fprintf(stderr, "%s\n", report.c_str());
    std::fflush(stderr);
    if (PeerFactory* backend = InstalledPeerFactory()) backend->AlertUnhandledException(report);
}

void RuntimePerformFinalizers() {
    RuntimeState& state = State();
    // A page's loop that still goes on finalizes when it ends (LoopEnded).
    if (state.running) return;
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
