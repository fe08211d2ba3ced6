// The agent's reader inside the program's process, loaded there as a hook on its thread.
// Wine keeps a menu in the memory of the process that made it, so no other process can read
// its items or where they are; a screen reader's helper runs inside the program for the same
// reason. It reads only what the platform shows: the native menus and the thread's queue.
#include <cstring>
#include <string>
#include <string_view>

#include "InsideRequests.h"

namespace {

using namespace behaviour::win32;

void Answer(DWORD agent, std::wstring_view text) {
    HANDLE mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, AnswerName(agent).c_str());
    if (!mapping) return;
    if (void* view = MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, kAnswerBytes)) {
        const DWORD most = (kAnswerBytes - sizeof(DWORD)) / sizeof(wchar_t);
        const DWORD units = text.size() < most ? static_cast<DWORD>(text.size()) : most;
        std::memcpy(view, &units, sizeof(units));
        std::memcpy(static_cast<char*>(view) + sizeof(units), text.data(), units * sizeof(wchar_t));
        UnmapViewOfFile(view);
    }
    CloseHandle(mapping);
}

std::wstring ItemText(HMENU menu, int position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info)) return {};
    std::wstring text(info.cch + 1, L'\0');
    info.dwTypeData = text.data();
    info.cch = static_cast<UINT>(text.size());
    GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
    text.resize(info.cch);
    return text;
}

// `window` is the bar's window for the bar; null for a menu that drops down or pops up.
std::wstring ItemsOf(HMENU menu, HWND window) {
    std::wstring answer = std::to_wstring(reinterpret_cast<UINT_PTR>(menu)) + L'\n';
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info)) continue;
        unsigned flags = 0;
        if (info.fType & MFT_SEPARATOR) flags |= kSeparator;
        if (info.fState & (MFS_DISABLED | MFS_GRAYED)) flags |= kDisabled;
        RECT rect{};
        GetMenuItemRect(window, menu, static_cast<UINT>(position), &rect);
        for (const long number : {static_cast<long>(flags), rect.left, rect.top, rect.right, rect.bottom}) {
            answer += std::to_wstring(number) + L'\t';
        }
        answer += std::to_wstring(reinterpret_cast<UINT_PTR>(info.hSubMenu)) + L'\t' + ItemText(menu, position) + L'\n';
    }
    return answer;
}

void Serve(HWND window, Request request, DWORD agent) {
    switch (request) {
        case Request::OpenMenu:
            Answer(agent, ItemsOf(reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0)), nullptr));
            return;
        case Request::MenuBar:
            Answer(agent, ItemsOf(GetMenu(window), window));
            return;
        case Request::Backlog:
            Answer(agent, std::to_wstring(HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE))));
            return;
    }
}

}  // namespace

// A WH_CALLWNDPROC hook: it sees each message sent to the thread's windows before they do.
extern "C" __declspec(dllexport) LRESULT CALLBACK InsideReaderHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (sent->message == RequestMessage()) {
            Serve(sent->hwnd, static_cast<Request>(sent->wParam), static_cast<DWORD>(sent->lParam));
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
