#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <string_view>

// The user's side of another process's window: input as the keyboard and the mouse deliver
// it, and the text the controls show. Every call into the other process has a time limit,
// so a hung program fails a test instead of stopping it.
namespace blackbox {

using namespace std::chrono_literals;

// How long the program may take to answer one message.
inline constexpr auto kReplyTime = 5s;

// The text of an edit control (asked with WM_GETTEXT: another process's edit keeps its text
// where GetWindowTextW does not look), or "<no reply>".
std::wstring editText(HWND edit);
// A label's text as GetWindowTextW reads it.
std::wstring labelText(HWND label);

// Selects all of an edit's text, as a drag across it would, and types `text` over it: a key
// press and release per character, posted to the control. The program's message loop turns
// each press into the character, as it does for a real key. Only unshifted keys can be typed
// this way; others throw std::invalid_argument.
void typeOver(HWND edit, std::wstring_view text);
// The key press of `c` alone, its release never coming.
void pressKey(HWND edit, wchar_t c);

// Makes `row` the combo box's selection and tells its parent, as a choice from the list does.
void chooseRow(HWND combo, int row);

// Puts `text` on the clipboard, selects all of the edit's text and pastes over it. False with
// the reason in `error` when the clipboard cannot be set or the paste is not answered.
bool pasteOver(HWND edit, std::wstring_view text, std::string& error);

// SendMessageTimeoutW with a time limit; false when the program does not answer.
bool ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR& reply,
         std::chrono::milliseconds limit = kReplyTime);

// Puts `text` on the clipboard as another program does. False with the reason in `error`
// when the clipboard stays busy or refuses it.
bool setClipboard(std::wstring_view text, std::string& error);

// Whether the window's thread answers a message in time.
bool answers(HWND window);

}  // namespace blackbox
