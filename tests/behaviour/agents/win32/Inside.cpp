#include "Inside.h"

#include <cstring>

#include "AgentProtocol.h"

namespace behaviour::win32 {

namespace {

std::string SystemError(const std::string& what) {
    return what + " (Windows error " + std::to_string(GetLastError()) + ")";
}

// The reader's DLL, in the agent's own folder.
std::wstring ReaderPath() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    return path.substr(0, path.find_last_of(L"\\/") + 1) + L"win32_agent_reader.dll";
}

}  // namespace

Inside::Inside() {
    reader_ = LoadLibraryW(ReaderPath().c_str());
    if (!reader_) throw AgentError(SystemError("cannot load win32_agent_reader.dll"));
    hook_ = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(reader_, "InsideReaderHook")));
    if (!hook_) throw AgentError("win32_agent_reader.dll has no InsideReaderHook");
    mapping_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kAnswerBytes,
                                  AnswerName(GetCurrentProcessId()).c_str());
    if (!mapping_) throw AgentError(SystemError("no shared memory for the reader's answers"));
    answer_ = MapViewOfFile(mapping_, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, kAnswerBytes);
    if (!answer_) throw AgentError(SystemError("cannot map the reader's answers"));
}

Inside::~Inside() {
    Detach();
    UnmapViewOfFile(answer_);
    CloseHandle(mapping_);
    FreeLibrary(reader_);
}

void Inside::Attach(DWORD thread) {
    Detach();
    hooked_ = SetWindowsHookExW(WH_CALLWNDPROC, hook_, reader_, thread);
    if (!hooked_) throw AgentError(SystemError("cannot hook the reader onto the program's thread"));
}

void Inside::Detach() {
    if (hooked_) UnhookWindowsHookEx(hooked_);
    hooked_ = nullptr;
}

std::optional<std::wstring> Inside::Ask(HWND window, Request request, std::chrono::milliseconds limit) const {
    // A length no answer has: one that stays means the reader never answered.
    constexpr DWORD kUnanswered = 0xFFFFFFFF;
    std::memcpy(answer_, &kUnanswered, sizeof(kUnanswered));
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutW(window, RequestMessage(), static_cast<WPARAM>(request), GetCurrentProcessId(),
                             SMTO_ABORTIFHUNG, static_cast<UINT>(limit.count()), &ignored)) {
        return std::nullopt;
    }
    DWORD units = 0;
    std::memcpy(&units, answer_, sizeof(units));
    if (units == kUnanswered) throw AgentError("the reader inside the program did not answer");
    return std::wstring(reinterpret_cast<const wchar_t*>(static_cast<const char*>(answer_) + sizeof(units)), units);
}

}  // namespace behaviour::win32
