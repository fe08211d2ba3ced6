#pragma once

// The Win32 API as the backend's files see it: they include windows.h only through here.
// windows.h still defines `pascal` as a calling convention, and the runtime's headers use
// the word as a name, which the macro would quietly turn into something else.
#include <windows.h>
// windows.h first
#include <commctrl.h>

#undef pascal
