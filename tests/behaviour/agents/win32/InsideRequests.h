#pragma once

// What the agent asks its reader inside the program's process (InsideReader.cpp), and where
// the answer goes. A request is a message sent to one of the program's windows, the request
// in wParam and the agent's process ID in lParam; the reader writes the answer into the
// agent's shared memory before the send returns.
#include <windows.h>

#include <string>

namespace behaviour::win32 {

inline UINT RequestMessage() {
    static const UINT message = RegisterWindowMessageW(L"guirt behaviour agent: read");
    return message;
}

enum class Request : WPARAM {
    OpenMenu = 1,  // the items of the menu this menu window shows
    MenuBar = 2,   // the items of this window's menu bar
    Backlog = 3,   // whether input or posted messages wait for this window's thread
};

// The answer: its length in UTF-16 units (a DWORD), then the units.
inline constexpr DWORD kAnswerBytes = 1 << 16;

inline std::wstring AnswerName(DWORD agentProcess) {
    return L"Local\\guirt-behaviour-agent-" + std::to_wstring(agentProcess);
}

// A menu's answer: the menu's handle on the first line, then a line per item:
// flags, the item's screen rectangle (left, top, right, bottom), its submenu's handle and its
// text as the menu holds it ("&Copy\tCtrl+C"), separated by tabs.
enum ItemFlags : unsigned { kSeparator = 1, kDisabled = 2 };

}  // namespace behaviour::win32
