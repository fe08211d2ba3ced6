#pragma once

// The Win32 API for the backend's files, which include it before anything else. windows.h
// still defines `pascal` as a calling convention; the runtime's headers use the word as a
// name, which the macro would quietly turn into something else.
#include <windows.h>
// windows.h first
#include <commctrl.h>

#undef pascal
