#include "Win32Api.h"

#include "Backend.h"
#include "Win32Handles.h"
#include "Win32PopUp.h"
#include "Win32Text.h"
#include "Win32WindowPeer.h"

namespace guirt {

namespace {

// COM on the UI thread, in its single-threaded apartment, for the accessible objects the
// controls hand out. A program that has set up COM already keeps its own.
class ComApartment {
public:
    ComApartment() noexcept
        : joined_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ~ComApartment() {
        if (joined_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool joined_;
};

// The Win32 backend: COM, common controls 6, the runtime's window class and the thread's
// message loop.
class Win32Backend final : public PeerFactory {
public:
    // Nothing here reads words from the command line, so the tail is not split.
    Win32Backend() {
        INITCOMMONCONTROLSEX controls{};
        controls.dwSize = sizeof(controls);
        controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
        InitCommonControlsEx(&controls);
        win32::Win32WindowPeer::RegisterWindowClass();
    }

    ~Win32Backend() override {
        win32::DestroyPendingWindows();
        win32::Win32WindowPeer::UnregisterWindowClass();
    }

    std::unique_ptr<WindowPeer> CreateWindowPeer(Window& window, const ShownMenuBar& bar) override {
        return std::make_unique<win32::Win32WindowPeer>(window, bar);
    }

    bool RunEventLoop() override {
        running_ = true;
        quitting_ = false;
        MSG msg;
        // A modal loop running when the quit came (a menu's) may have taken its WM_QUIT: the
        // loop ends as soon as the message that ran it has been handled.
        while (!quitting_ && GetMessageW(&msg, nullptr, 0, 0) > 0) {
            if (!win32::Win32WindowPeer::TranslateForWindow(msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            win32::DestroyPendingWindows();
        }
        running_ = false;
        return true;
    }

    void QuitEventLoop() noexcept override {
        // The runtime keeps the program's exit code; outside the loop there is nothing to end.
        if (!running_) return;
        quitting_ = true;
        PostQuitMessage(0);
    }

    std::optional<std::size_t> PopUp(const std::vector<MenuEntry>& entries,
                                     std::optional<std::pair<std::int64_t, std::int64_t>> at) override {
        return win32::PopUpMenu(entries, at);
    }

    // Which formats the clipboard holds, not the text itself: that can be huge, or slow to come.
    bool ClipboardOffersText() override { return IsClipboardFormatAvailable(CF_UNICODETEXT); }

    void Beep() override { MessageBeep(MB_OK); }

    // A GUI program has no console for standard error, so the report is shown in a message
    // box too. Setting the environment variable DRAVELLO_NO_ALERT (to anything) leaves the
    // box out, for tests and scripts that read standard error and must not wait for a click.
    void AlertUnhandledException(std::string_view report) override {
        if (GetEnvironmentVariableW(L"DRAVELLO_NO_ALERT", nullptr, 0) > 0) return;
        MessageBoxW(nullptr, win32::Wide(report).c_str(), nullptr, MB_OK | MB_ICONERROR | MB_TASKMODAL);
    }

    // The user's own setting, which Control Panel's Region lets them change from the locale's.
    std::string DecimalSeparator() override {
        wchar_t separator[8]{};  // the setting holds at most 3 characters
        const int written = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
        return written > 1 ? win32::Utf8(std::wstring_view(separator, static_cast<std::size_t>(written - 1))) : ".";
    }

private:
    ComApartment com_;  // first in, last out: the windows go before it
    bool running_ = false;
    bool quitting_ = false;
};

}  // namespace

std::unique_ptr<PeerFactory> CreatePlatformBackend(std::wstring_view) {
    return std::make_unique<Win32Backend>();
}

}  // namespace guirt
