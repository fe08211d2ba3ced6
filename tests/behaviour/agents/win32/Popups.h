#pragma once

#include <windows.h>

#include <chrono>
#include <string_view>

// The windows a program shows above its own for a while: an open menu ("#32768"), the
// popup's dropped list ("ComboLBox") and a tooltip ("tooltips_class32").
namespace behaviour::win32 {

inline constexpr std::wstring_view kMenuClass = L"#32768";
inline constexpr std::wstring_view kListClass = L"ComboLBox";
inline constexpr std::wstring_view kTipClass = L"tooltips_class32";

// The process's top-most top-level window of the class, shown or not, or null.
HWND TopWindowOf(DWORD process, std::wstring_view windowClass, bool shown);
// The shown one, once it shows within the limit; null if none does.
HWND WaitForShown(DWORD process, std::wstring_view windowClass, std::chrono::milliseconds limit);

}  // namespace behaviour::win32
