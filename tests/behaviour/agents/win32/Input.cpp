#include "Input.h"

#include <map>
#include <string>
#include <vector>

namespace behaviour::win32 {

namespace {

struct Key {
    WORD code;
    bool extended;  // one of the keys beside the main block, which the keyboard marks so
};

const std::map<std::string, Key, std::less<>>& NamedKeys() {
    static const std::map<std::string, Key, std::less<>> keys{
        {"Backspace", {VK_BACK, false}}, {"Tab", {VK_TAB, false}},       {"Return", {VK_RETURN, false}},
        {"Enter", {VK_RETURN, false}},   {"Escape", {VK_ESCAPE, false}}, {"Space", {VK_SPACE, false}},
        {"Delete", {VK_DELETE, true}},   {"Insert", {VK_INSERT, true}},  {"Home", {VK_HOME, true}},
        {"End", {VK_END, true}},         {"PageUp", {VK_PRIOR, true}},   {"PageDown", {VK_NEXT, true}},
        {"Left", {VK_LEFT, true}},       {"Up", {VK_UP, true}},          {"Right", {VK_RIGHT, true}},
        {"Down", {VK_DOWN, true}},       {"F1", {VK_F1, false}},         {"F2", {VK_F2, false}},
        {"F3", {VK_F3, false}},          {"F4", {VK_F4, false}},         {"F5", {VK_F5, false}},
        {"F6", {VK_F6, false}},          {"F7", {VK_F7, false}},         {"F8", {VK_F8, false}},
        {"F9", {VK_F9, false}},          {"F10", {VK_F10, false}},       {"F11", {VK_F11, false}},
        {"F12", {VK_F12, false}},
    };
    return keys;
}

Key KeyNamed(std::string_view name) {
    if (auto it = NamedKeys().find(name); it != NamedKeys().end()) return it->second;
    // One character: the key that types it ("A", "7", "+").
    if (name.size() == 1) {
        const SHORT scan = VkKeyScanW(static_cast<wchar_t>(static_cast<unsigned char>(name[0])));
        if (scan != -1) return {static_cast<WORD>(LOBYTE(scan)), false};
    }
    throw AgentError("no key " + std::string(name));
}

INPUT KeyInput(Key key, bool release) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key.code;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key.code, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (release ? KEYEVENTF_KEYUP : 0) | (key.extended ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

INPUT UnicodeInput(wchar_t c, bool release) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = c;
    input.ki.dwFlags = KEYEVENTF_UNICODE | (release ? KEYEVENTF_KEYUP : 0);
    return input;
}

// Absolute pointer coordinates run from 0 to 65535 across the primary screen; rounded up,
// they map back to the pixel asked for.
LONG Normalised(LONG pixel, int screen) {
    return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + screen - 1) / screen);
}

INPUT MouseInput(DWORD flags, POINT at) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = Normalised(at.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = Normalised(at.y, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    return input;
}

void Send(std::vector<INPUT>& inputs) {
    if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size()) {
        throw AgentError("SendInput refused the input (Windows error " + std::to_string(GetLastError()) + ")");
    }
}

}  // namespace

void PressChord(const Chord& chord) {
    const Key key = KeyNamed(chord.key);
    std::vector<Key> held;
    if (chord.ctrl) held.push_back({VK_CONTROL, false});
    if (chord.shift) held.push_back({VK_SHIFT, false});
    if (chord.alt) held.push_back({VK_MENU, false});
    std::vector<INPUT> inputs;
    for (const Key& modifier : held) inputs.push_back(KeyInput(modifier, false));
    inputs.push_back(KeyInput(key, false));
    inputs.push_back(KeyInput(key, true));
    for (auto it = held.rbegin(); it != held.rend(); ++it) inputs.push_back(KeyInput(*it, true));
    Send(inputs);
}

void TypeText(std::wstring_view text) {
    std::vector<INPUT> inputs;
    for (const wchar_t c : text) {
        const SHORT scan = VkKeyScanW(c);
        // Shift is the only modifier typed with; a character that needs more comes as itself.
        if (scan == -1 || (HIBYTE(scan) & ~1) != 0) {
            inputs.push_back(UnicodeInput(c, false));
            inputs.push_back(UnicodeInput(c, true));
            continue;
        }
        const Key key{static_cast<WORD>(LOBYTE(scan)), false};
        const bool shifted = (HIBYTE(scan) & 1) != 0;
        if (shifted) inputs.push_back(KeyInput({VK_SHIFT, false}, false));
        inputs.push_back(KeyInput(key, false));
        inputs.push_back(KeyInput(key, true));
        if (shifted) inputs.push_back(KeyInput({VK_SHIFT, false}, true));
    }
    if (!inputs.empty()) Send(inputs);
}

void MoveMouse(POINT at) {
    std::vector<INPUT> inputs{MouseInput(MOUSEEVENTF_MOVE, at)};
    Send(inputs);
}

void Click(POINT at, bool right) {
    std::vector<INPUT> inputs{MouseInput(MOUSEEVENTF_MOVE, at),
                              MouseInput(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, at),
                              MouseInput(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, at)};
    Send(inputs);
}

POINT CentreOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

}  // namespace behaviour::win32
