#include "UserInput.h"

#include <cstring>
#include <stdexcept>
#include <thread>

#include "Utf8.h"

namespace blackbox {

namespace {

void selectAll(HWND edit) {
    DWORD_PTR reply = 0;
    if (!ask(edit, EM_SETSEL, 0, -1, reply)) throw std::runtime_error("the edit did not answer EM_SETSEL");
}

// The lParam of a key message: one repeat and the key's scan code; a release also carries
// the previous-state and transition bits.
LPARAM keyBits(UINT virtualKey, bool release) {
    LPARAM bits = 1 | static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    if (release) bits |= static_cast<LPARAM>(0xC0000000u);
    return bits;
}

UINT unshiftedKey(wchar_t c) {
    const SHORT scan = VkKeyScanW(c);
    if (scan == -1 || HIBYTE(scan) != 0) throw std::invalid_argument("no unshifted key types " + utf8({&c, 1}));
    return LOBYTE(scan);
}

}  // namespace

bool ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR& reply, std::chrono::milliseconds limit) {
    return SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, static_cast<UINT>(limit.count()),
                               &reply) != 0;
}

bool setClipboard(std::wstring_view text, std::string& error) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory) {
        error = "no memory for the clipboard";
        return false;
    }
    auto* target = static_cast<wchar_t*>(GlobalLock(memory));
    std::memcpy(target, text.data(), text.size() * sizeof(wchar_t));
    target[text.size()] = L'\0';
    GlobalUnlock(memory);
    // Another program may hold the clipboard for a moment.
    bool opened = false;
    for (int attempt = 0; attempt < 50 && !(opened = OpenClipboard(nullptr)); ++attempt) {
        std::this_thread::sleep_for(100ms);
    }
    if (!opened) {
        GlobalFree(memory);
        error = "the clipboard stays busy";
        return false;
    }
    EmptyClipboard();
    const bool set = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    if (!set) {
        GlobalFree(memory);
        error = "the clipboard refused the text";
    }
    return set;
}

std::wstring editText(HWND edit) {
    DWORD_PTR length = 0;
    if (!ask(edit, WM_GETTEXTLENGTH, 0, 0, length)) return L"<no reply>";
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!ask(edit, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), copied)) return L"<no reply>";
    text.resize(copied);
    return text;
}

std::wstring labelText(HWND label) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(label)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(label, text.data(), static_cast<int>(text.size()))));
    return text;
}

void typeOver(HWND edit, std::wstring_view text) {
    selectAll(edit);
    for (wchar_t c : text) {
        const UINT key = unshiftedKey(c);
        PostMessageW(edit, WM_KEYDOWN, key, keyBits(key, false));
        PostMessageW(edit, WM_KEYUP, key, keyBits(key, true));
    }
}

void pressKey(HWND edit, wchar_t c) {
    const UINT key = unshiftedKey(c);
    PostMessageW(edit, WM_KEYDOWN, key, keyBits(key, false));
}

void chooseRow(HWND combo, int row) {
    DWORD_PTR reply = 0;
    if (!ask(combo, CB_SETCURSEL, static_cast<WPARAM>(row), 0, reply) || static_cast<int>(reply) != row) {
        throw std::runtime_error("the combo box did not select row " + std::to_string(row));
    }
    PostMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

bool pasteOver(HWND edit, std::wstring_view text, std::string& error) {
    if (!setClipboard(text, error)) return false;
    selectAll(edit);
    DWORD_PTR reply = 0;
    if (!ask(edit, WM_PASTE, 0, 0, reply, 30s)) {
        error = "the edit did not answer WM_PASTE within 30 s";
        return false;
    }
    return true;
}

bool answers(HWND window) {
    DWORD_PTR reply = 0;
    return ask(window, WM_NULL, 0, 0, reply);
}

}  // namespace blackbox
