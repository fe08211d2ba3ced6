#include "Win32ToolTips.h"

#include <string>

#include "Win32Look.h"
#include "Win32Text.h"

namespace guirt::win32 {

namespace {

// Lines break where the text breaks them; one longer than this wraps.
constexpr int kMaxTipWidth = 480;

TTTOOLINFOW ToolOf(HWND window, HWND control, wchar_t* text) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_SUBCLASS | TTF_IDISHWND;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text;
    return tool;
}

}  // namespace

void ToolTips::Set(HWND control, std::string_view text) {
    if (closed_ || !control) return;
    if (text.empty()) {
        Remove(control);
        return;
    }
    if (!tips_) {
        tips_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                                    RuntimeModule(), nullptr));
        if (!tips_) return;
        SendMessageW(tips_.get(), TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
        SendMessageW(tips_.get(), TTM_SETTIPBKCOLOR, kTipColor, 0);
        SendMessageW(tips_.get(), TTM_SETTIPTEXTCOLOR, kTextColor, 0);
    }
    // A tool added twice would be there twice: take any earlier one off first.
    Remove(control);
    std::wstring shown = WideLines(text);
    TTTOOLINFOW tool = ToolOf(window_, control, shown.data());
    SendMessageW(tips_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void ToolTips::Remove(HWND control) noexcept {
    if (!tips_ || !control) return;
    TTTOOLINFOW tool = ToolOf(window_, control, nullptr);
    SendMessageW(tips_.get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void ToolTips::Close() noexcept {
    closed_ = true;
    tips_.reset();
}

}  // namespace guirt::win32
