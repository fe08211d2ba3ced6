#pragma once

#include <gtest/gtest.h>
#include <windows.h>
// Its old `pascal` calling-convention macro would rewrite the runtime's headers.
#undef pascal

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "CalcWindow.h"
#include "EventListener.h"
#include "PeerKinds.h"
#include "guirt/Exceptions.h"
#include "guirt/Label.h"
#include "guirt/MenuBar.h"
#include "guirt/PopupMenu.h"
#include "guirt/TextField.h"
#include "guirt/Window.h"

namespace win32test {

using namespace guirt;

using Listener = guirt::testing::EventListener;

using CalcWindow = guirt::testing::CalcWindow;

// One window per test, built through the runtime with the Win32 backend installed. Keys go
// to it as messages of this thread, not as input of the Wine desktop, whose foreground
// another test's program may hold.
class Win32WindowTest : public ::testing::Test {
protected:
    void Open() {
        window = New<CalcWindow>();
        window->bar = bar;
        WindowDefaultConstructor(*window);
        native = FindWindowW(L"GuirtWindow", L"Voltage Drop");
        ASSERT_NE(native, nullptr);
        Pump();
    }

    void TearDown() override {
        if (window) window->Close();
        window.reset();
        bar.reset();
        Pump();
        RuntimeTakeException();
    }

    // The control with the ID, checked to be of the window class.
    HWND Control(int id, const wchar_t* windowClass) const {
        HWND control = GetDlgItem(native, id);
        wchar_t name[32] = {};
        GetClassNameW(control, name, 32);
        EXPECT_EQ(std::wstring(name), windowClass) << id;
        return control;
    }
    // The control's place in the window's client area: left, top, width, height.
    std::tuple<LONG, LONG, LONG, LONG> Place(HWND control) const {
        RECT rect;
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, native, reinterpret_cast<POINT*>(&rect), 2);
        return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
    }

    // Runs the backend's message loop until what this thread has queued has been handled.
    static void Pump() {
        PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
        PostQuitMessage(0);  // comes once no posted message is left
        InstalledPeerFactory()->RunEventLoop();
    }
    // Presses and releases the keys, modifiers first, as the keyboard would: each message
    // goes to the focused control with the keyboard state it comes with, and is handled
    // before the next one, unless the test handles them later.
    static void Keys(std::initializer_list<WORD> keys, bool handle = true) {
        std::vector<std::pair<WORD, bool>> strokes;
        for (WORD key : keys) strokes.emplace_back(key, false);
        for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) strokes.emplace_back(*key, true);
        BYTE state[256];
        GetKeyboardState(state);
        for (auto [key, up] : strokes) {
            state[key] = up ? 0 : 0x80;
            SetKeyboardState(state);
            const auto scanCode = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
            PostMessageW(GetFocus(), up ? WM_KEYUP : WM_KEYDOWN, key, 1 | scanCode << 16 | (up ? 0xC0000000 : 0));
            if (handle) Pump();
        }
    }
    // Types the letters, digits and signs that need no Shift.
    static void Type(std::string_view text) {
        for (char c : text) Keys({static_cast<WORD>(LOBYTE(VkKeyScanW(static_cast<wchar_t>(c))))});
    }
    static std::wstring Text(HWND hwnd) {
        wchar_t text[256] = {};
        GetWindowTextW(hwnd, text, 256);
        return text;
    }

    Ref<guirt::MenuBar> bar;
    Ref<CalcWindow> window;
    HWND native = nullptr;
};

}  // namespace win32test
