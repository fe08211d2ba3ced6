#pragma once

#include "Win32Api.h"

#include <string>
#include <string_view>

#include "guirt/String.h"

namespace guirt::win32 {

// Runtime texts are UTF-8, Win32's are UTF-16; a byte that is not UTF-8 becomes U+FFFD.
std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

// A program's text with its line breaks as CR LF, the only ones Win32 controls break at.
std::wstring WideLines(std::string_view utf8);

// The whole text of a window or control, as the runtime keeps texts.
Ref<String> WindowText(HWND hwnd);

}  // namespace guirt::win32
