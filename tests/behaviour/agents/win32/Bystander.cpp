#include "Bystander.h"

#include <chrono>

#include "AgentProtocol.h"

namespace behaviour::win32 {

namespace {

constexpr wchar_t kClass[] = L"GuirtBehaviourBystander";

}  // namespace

Bystander::~Bystander() {
    if (!thread_.joinable()) return;
    PostMessageW(window_, WM_CLOSE, 0, 0);
    thread_.join();
    CloseHandle(made_);
}

void Bystander::Run() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = [](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_DESTROY) PostQuitMessage(0);
        return DefWindowProcW(hwnd, message, wParam, lParam);
    };
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    windowClass.lpszClassName = kClass;
    RegisterClassW(&windowClass);
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    window_ = CreateWindowExW(0, kClass, L"Another program", WS_OVERLAPPEDWINDOW, width - 320, height - 240, 300, 200,
                              nullptr, nullptr, windowClass.hInstance, nullptr);
    SetEvent(made_);
    if (!window_) return;
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
}

void Bystander::Activate() {
    if (!thread_.joinable()) {
        made_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        thread_ = std::thread([this] { Run(); });
        WaitForSingleObject(made_, INFINITE);
    }
    if (!window_) throw AgentError("the other window could not be made");
    SetForegroundWindow(window_);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (GetForegroundWindow() != window_) {
        if (std::chrono::steady_clock::now() > deadline) throw AgentError("the other window did not become active");
        Sleep(10);
    }
}

}  // namespace behaviour::win32
