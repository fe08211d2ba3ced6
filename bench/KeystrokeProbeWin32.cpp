// Put into a program by keystroke_timer through a message hook, once: on the program's own
// thread it watches the window and its controls, and stamps the moment a key's press or
// release has been dealt with: the thread has nothing left to paint or to handle. Then the
// hook goes, and the program runs as it does for a user, with one window procedure more in
// front of each control's. Those are set in the plain way: common controls' subclasses look
// up a window property on every message, which under Wine is a call to its server.
#include <windows.h>

#include <unordered_map>

#include "KeystrokeProbe.h"

namespace {

bench::ProbeState* gState = nullptr;
HANDLE gDone = nullptr;
// A key message has arrived and what it started is not yet all done.
bool gKeyPending = false;
// The window procedure each watched window had.
std::unordered_map<HWND, WNDPROC> gProcedures;

// Checked as each key message and each paint is done with: the last of them leaves the queue
// empty. A press leaves its character in the queue, and a change its paints.
void stampWhenDone() {
    if (!gKeyPending || HIWORD(GetQueueStatus(QS_PAINT | QS_POSTMESSAGE | QS_INPUT | QS_SENDMESSAGE)) != 0) return;
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    gKeyPending = false;
    gState->doneAt = now.QuadPart;
    SetEvent(gDone);
}

LRESULT CALLBACK watch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallWindowProcW(gProcedures.at(hwnd), hwnd, message, wParam, lParam);
    switch (message) {
        case WM_KEYDOWN:
        case WM_CHAR:
        case WM_KEYUP:
            gKeyPending = true;
            stampWhenDone();
            break;
        case WM_PAINT:
            stampWhenDone();
            break;
        default:
            break;
    }
    return result;
}

BOOL CALLBACK watchWindow(HWND window, LPARAM) {
    gProcedures[window] =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&watch)));
    return TRUE;
}

void setUp() {
    const DWORD id = GetCurrentProcessId();
    HANDLE memory = OpenFileMappingW(FILE_MAP_WRITE, FALSE, bench::probeName(id, L"state").c_str());
    gDone = OpenEventW(EVENT_MODIFY_STATE, FALSE, bench::probeName(id, L"done").c_str());
    if (!memory || !gDone) return;
    gState = static_cast<bench::ProbeState*>(MapViewOfFile(memory, FILE_MAP_WRITE, 0, 0, sizeof(bench::ProbeState)));
    if (!gState) return;
    // The probe stays once the hook that brought it has gone.
    HMODULE self;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCWSTR>(&setUp), &self);
    watchWindow(gState->window, 0);
    EnumChildWindows(gState->window, watchWindow, 0);
    gState->ready = true;
    SetEvent(gDone);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK ProbeHook(int code, WPARAM wParam, LPARAM lParam) {
    // Called on the program's thread only, which the hook was set for.
    if (!gState) setUp();
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
