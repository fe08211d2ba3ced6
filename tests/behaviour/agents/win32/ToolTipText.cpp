#include "ToolTipText.h"

#include <commctrl.h>

#include <memory>

#include "AgentProtocol.h"
#include "UserInput.h"

namespace behaviour::win32 {

namespace {

// Memory in another process, freed again.
class Lent {
public:
    Lent(HANDLE process, std::size_t bytes)
        : process_(process), at_(VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {
        if (!at_)
            throw AgentError("no memory lent in the program (Windows error " + std::to_string(GetLastError()) + ")");
    }
    ~Lent() { VirtualFreeEx(process_, at_, 0, MEM_RELEASE); }
    Lent(const Lent&) = delete;
    Lent& operator=(const Lent&) = delete;

    char* At() const { return static_cast<char*>(at_); }

private:
    HANDLE process_;
    void* at_;
};

// A comctl32 tooltip copies at most this many units of a tool's text.
constexpr std::size_t kTipUnits = 1024;

}  // namespace

std::wstring ToolTipText(HWND tips, HWND owner, HWND control) {
    DWORD processId = 0;
    GetWindowThreadProcessId(tips, &processId);
    const std::unique_ptr<void, decltype(&CloseHandle)> opened(
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId), &CloseHandle);
    if (!opened) throw AgentError("cannot open the program's process");
    HANDLE process = opened.get();
    std::wstring text(kTipUnits + 1, L'\0');
    {
        const Lent lent(process, sizeof(TTTOOLINFOW) + text.size() * sizeof(wchar_t));
        char* const buffer = lent.At() + sizeof(TTTOOLINFOW);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND;
        tool.hwnd = owner;
        tool.uId = reinterpret_cast<UINT_PTR>(control);
        tool.lpszText = reinterpret_cast<wchar_t*>(buffer);
        // The text stays empty for a control that is no tool.
        WriteProcessMemory(process, lent.At(), &tool, sizeof(tool), nullptr);
        WriteProcessMemory(process, buffer, text.data(), text.size() * sizeof(wchar_t), nullptr);
        DWORD_PTR ignored = 0;
        const bool answered =
            blackbox::ask(tips, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(lent.At()), ignored);
        if (answered) ReadProcessMemory(process, buffer, text.data(), text.size() * sizeof(wchar_t), nullptr);
        if (!answered) throw AgentError("the tooltip did not answer TTM_GETTEXTW");
    }
    text.resize(text.find(L'\0'));
    return text;
}

}  // namespace behaviour::win32
