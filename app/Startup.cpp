#include "app/Startup.h"

#include "app/App.h"
#include "guirt/Runtime.h"
#include "menus/MainMenuBar.h"
#include "window/Window1.h"

namespace dravello {

using namespace guirt;

namespace {
// The program's classes, built by the initializers after the runtime's own.
const ImageClasses kImageClasses{&App::Record, &Window1::Record, &MainMenuBar::Record};

// The program declares no file types and installs no menu handlers.
void nothingToDo() {}
}  // namespace

void _InitFileTypes() {
    nothingToDo();
}
void _ApplicationAddMenuHandlers() {
    nothingToDo();
}

int wWinMain(void* instance, void* previousInstance, const wchar_t* commandLine, int showMode) {
    RuntimeInit(instance, previousInstance, commandLine, showMode);
    try {
        RuntimePerformInitializers();
    } catch (...) {
        ParkCurrentException();
    }
    _Main();
    RuntimePerformFinalizers();
    return RuntimeExit();
}

void _Main() {
    try {
        if (Ref<RuntimeException> pending = RuntimeTakeException()) throw RuntimeError(pending);
        _RuntimeSetExceptionHelper(RuntimeCreateDelegate(
            nullptr, ExceptionHelperEntry{&_CallFunctionWithExceptionHandling}, nullptr, "( Ptr, Ptr ) as Object", 0));
        _EarlyStartup();
        _RunFrameworkInitialization(RuntimeCreateDelegate(nullptr, StaticProcedure{&_LateStartup}, nullptr, "(  )", 0));
        _RuntimeRun();
        return;
    } catch (...) {
        ParkCurrentException();
    }
    // Reported once; an exception raised while reporting stays pending for the caller.
    Ref<RuntimeException> exception = RuntimeTakeException();
    try {
        _UnhandledException(exception);
    } catch (...) {
        ParkCurrentException();
    }
}

void _EarlyStartup() {
    _RuntimeInitExternalClasses();
    _InitPluginEntrypoints();
    _InitFileTypes();
    _NewAppInstance();
    _ApplicationAddMenuHandlers();
}

void _NewAppInstance() {
    Ref<App> app = CheckCast<App>(RuntimeNewObject(App::Record()));
    if (!app) RaiseNilObjectException();
    CallMethod<Procedure>(*app, "Constructor");
    CallMethod<SetVersionDataEntry>(*app, "_x_SetVersionData", 1, 0, 0, 0, 0, nullptr, nullptr, nullptr);
    AppMenuBarSetter(*app, MainMenuBar::Implicit());
    _RuntimeRegisterAppObject(app);
}

void _LateStartup() {
    _MakeDefaultView();
}

void _MakeDefaultView() {
    Window1::Implicit();
}

}  // namespace dravello
