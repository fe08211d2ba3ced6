#pragma once

#include <windows.h>

#include <string>

namespace blackbox {

// What a screen reader reads of a control in another process: the name and description of
// its client object, asked for through Active Accessibility. Empty when it tells none; the
// calling thread has joined a COM apartment.
struct AccessibleText {
    std::wstring name;
    std::wstring description;
};
AccessibleText accessibleText(HWND control);

}  // namespace blackbox
