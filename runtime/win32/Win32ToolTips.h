#pragma once

#include "Win32Api.h"

#include <string_view>

#include "Win32Handles.h"

namespace guirt::win32 {

// One window's tooltip control, made when the first control gets a help tag; each control
// with a help tag is a tool of it. The controls share it and may outlive their window.
class ToolTips {
public:
    explicit ToolTips(HWND window) noexcept : window_(window) {}

    // Shows the text (line breaks as CR LF) over the control; empty text removes the tip.
    void Set(HWND control, std::string_view text);
    void Remove(HWND control) noexcept;
    // The window is going: the tooltip goes with it, and later calls do nothing.
    void Close() noexcept;

private:
    HWND window_;
    WindowHandle tips_;
    bool closed_ = false;
};

}  // namespace guirt::win32
