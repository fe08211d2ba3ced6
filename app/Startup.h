#pragma once

namespace dravello {

// The start-up routines, in the order they run; each stops at the first runtime exception
// and passes it on, and only _Main reports it.
int wWinMain(void* instance, void* previousInstance, const wchar_t* commandLine, int showMode);
void _Main();
void _EarlyStartup();
void _InitFileTypes();
void _NewAppInstance();
void _ApplicationAddMenuHandlers();
void _LateStartup();
void _MakeDefaultView();

}  // namespace dravello
