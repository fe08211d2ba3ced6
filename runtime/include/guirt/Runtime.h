#pragma once

#include <cstdint>

#include "guirt/Application.h"
#include "guirt/Events.h"
#include "guirt/Exceptions.h"
#include "guirt/Export.h"

namespace guirt {

// Start-up and shut-down, in the order a program calls them:
//   RuntimeInit, RuntimePerformInitializers, then the program's own start-up with
//   _RuntimeSetExceptionHelper, _RuntimeInitExternalClasses, _InitPluginEntrypoints,
//   _RuntimeRegisterAppObject, _RunFrameworkInitialization and _RuntimeRun, and at the
//   end RuntimePerformFinalizers and RuntimeExit.

// Initialises the runtime and its native backend with the process's entry arguments; the
// command-line tail is handed to the backend as it came, and the toolkit may read its own
// options from it.
GUIRT_API std::int64_t RuntimeInit(void* instance, void* previousInstance, const wchar_t* commandLine, int showMode);

// Builds the runtime's own class records, then those of the registered program images.
GUIRT_API void RuntimePerformInitializers();

// Entry shape of the runtime's exception-handling routine: ( Ptr, Ptr ) as Object.
using ExceptionHelperEntry = Ref<Object> (*)(void* function, void* argument);
// Calls function(argument) and gives back the runtime exception it raised, or nil.
GUIRT_API Ref<Object> _CallFunctionWithExceptionHandling(void* function, void* argument);
// Keeps the program's exception-handling routine (nil: none); the late start-up runs
// through it.
GUIRT_API void _RuntimeSetExceptionHelper(const Ref<Delegate>& helper);

GUIRT_API void _RuntimeInitExternalClasses();
GUIRT_API void _InitPluginEntrypoints();

// The runtime keeps the application object until the process ends.
GUIRT_API void _RuntimeRegisterAppObject(const Ref<Application>& app);
GUIRT_API Ref<Application> RuntimeApplication();

// Calls the late start-up entry once, when the framework is ready, through the exception
// helper if the program gave one; what it raised is raised again here.
GUIRT_API void _RunFrameworkInitialization(const Ref<Delegate>& lateStartup);
// Runs the event loop until Quit. An exception parked while the loop ran is raised again here.
GUIRT_API void _RuntimeRun();
// Ends the event loop; RuntimeExit then gives the code.
GUIRT_API void Quit(std::int64_t code = 0);

// Reports an exception that nothing handled, once, on standard error.
GUIRT_API void _UnhandledException(const Ref<RuntimeException>& exception);

// Closes what is open and releases what the runtime holds.
GUIRT_API void RuntimePerformFinalizers();
// The process exit status: the code given to Quit, 0 if the loop ended without Quit, and
// 1 when an unhandled exception was reported.
GUIRT_API int RuntimeExit();

}  // namespace guirt
