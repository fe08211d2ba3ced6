#include "ProgramProcess.h"

#include <stdexcept>
#include <thread>
#include <vector>

#include "Utf8.h"

namespace blackbox {

namespace {

std::runtime_error systemError(const std::string& what) {
    return std::runtime_error(what + " (Windows error " + std::to_string(GetLastError()) + ")");
}

struct WindowSearch {
    DWORD processId;
    const std::wstring* title;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
    std::wstring title(256, L'\0');
    title.resize(static_cast<std::size_t>(GetWindowTextW(window, title.data(), static_cast<int>(title.size()))));
    if (title != *search->title) return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

ProgramProcess::ProgramProcess(const std::wstring& path) {
    // A relative or slash-separated path as a shell would resolve it.
    std::wstring fullPath(MAX_PATH, L'\0');
    DWORD length = GetFullPathNameW(path.c_str(), MAX_PATH, fullPath.data(), nullptr);
    if (length == 0 || length >= MAX_PATH) throw systemError("cannot resolve the program's path");
    fullPath.resize(length);

    std::wstring tempDir(MAX_PATH, L'\0');
    tempDir.resize(GetTempPathW(MAX_PATH, tempDir.data()));
    std::wstring log(MAX_PATH, L'\0');
    if (GetTempFileNameW(tempDir.c_str(), L"dbb", 0, log.data()) == 0) throw systemError("no scratch file");
    logPath_ = log.c_str();

    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE logFile = CreateFileW(logPath_.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable,
                                 CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr);
    if (logFile == INVALID_HANDLE_VALUE) throw systemError("cannot open the scratch file");

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = logFile;
    startup.hStdError = logFile;
    std::wstring commandLine = L"\"" + fullPath + L"\"";
    BOOL started = CreateProcessW(fullPath.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                  &startup, &process_);
    DWORD error = GetLastError();
    CloseHandle(logFile);
    if (!started) {
        SetLastError(error);
        throw systemError("cannot start " + utf8(fullPath));
    }
}

ProgramProcess::~ProgramProcess() {
    if (running()) {
        TerminateProcess(process_.hProcess, 255);
        WaitForSingleObject(process_.hProcess, 10000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
    DeleteFileW(logPath_.c_str());
}

HWND ProgramProcess::waitForWindow(const std::wstring& title, std::chrono::milliseconds timeout) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    WaitForInputIdle(process_.hProcess, static_cast<DWORD>(timeout.count()));
    WindowSearch search{process_.dwProcessId, &title, nullptr};
    while (running() && std::chrono::steady_clock::now() < deadline) {
        EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return nullptr;
}

bool ProgramProcess::running() const {
    return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> ProgramProcess::waitForExit(std::chrono::milliseconds timeout) const {
    if (WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) return {};
    DWORD status = 0;
    GetExitCodeProcess(process_.hProcess, &status);
    return status;
}

std::string ProgramProcess::output() const {
    HANDLE file = CreateFileW(logPath_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "(the program's output cannot be read)";
    std::string text;
    std::vector<char> chunk(4096);
    DWORD read = 0;
    while (ReadFile(file, chunk.data(), static_cast<DWORD>(chunk.size()), &read, nullptr) && read > 0) {
        text.append(chunk.data(), read);
    }
    CloseHandle(file);
    return text;
}

}  // namespace blackbox
