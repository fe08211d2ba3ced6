// What a user does, handed to the simulated toolkit's window as its input: keys as strokes
// with the text the platform gives them, clicks on a control, a menu's title or item or a
// list's row, the pointer resting, a drop, the window deactivated and activated again, and
// the window manager's close request.
#include <algorithm>
#include <functional>

#include "Input.h"
#include "RecordingAgent.h"
#include "RecordingField.h"
#include "RecordingMenus.h"
#include "RecordingPopup.h"

namespace recagent {

using behaviour::AgentError;
using behaviour::Fields;
using guirt::Key;
using guirt::KeyStroke;

namespace {

void PressAndRelease(const KeyStroke& stroke, const std::string& typed) {
    ProgramWindow().Press(stroke, typed);
    // The press may have ended the program and closed its window.
    if (RecordingWindow* window = FindProgramWindow()) window->Release(stroke, typed);
}

// The key a chord names: its name ("Tab", "Down"), or the character key it is ("A", "7").
KeyStroke StrokeOf(const behaviour::Chord& chord) {
    KeyStroke stroke{Key::None, 0, {chord.ctrl, chord.shift, chord.alt, false}};
    if (chord.key.size() == 1) {
        const char c = chord.key[0];
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        // A letter key types its capital only with Shift.
        stroke.character = letter ? static_cast<char>(chord.shift ? c & ~0x20 : c | 0x20) : c;
        return stroke;
    }
    for (auto key = static_cast<int>(Key::Backspace); key <= static_cast<int>(Key::F12); ++key) {
        if (guirt::KeyName(static_cast<Key>(key)) == chord.key) {
            stroke.key = static_cast<Key>(key);
            return stroke;
        }
    }
    throw AgentError("no key " + chord.key);
}

void PressChord(const std::string& text) {
    const KeyStroke stroke = StrokeOf(behaviour::ParseChord(text));
    PressAndRelease(stroke, RecordingWindow::KeyText(stroke));
}

// Each character as a key of its own: a capital with Shift held, a character beyond ASCII
// as a key with no name that types it.
void Type(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 1;
        while (i + length < text.size() && (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80) ++length;
        const std::string character = text.substr(i, length);
        i += length;
        const char c = character[0];
        KeyStroke stroke{c == ' ' ? Key::Space : Key::None, 0, {}};
        if (length == 1 && c > 0x20 && c < 0x7F) stroke.character = c;
        stroke.held.shift = c >= 'A' && c <= 'Z';
        PressAndRelease(stroke, character);
    }
}

bool ByMouse(const std::string& by) {
    if (by != "mouse" && by != "keyboard") throw AgentError("no way " + by);
    return by == "mouse";
}

// Presses the key of a menu text's access mark, with Alt for a title of the bar.
void PressAccessKey(const std::string& text, bool alt) {
    const char key = guirt::testing::AccessKeyOf(text);
    if (key == 0) throw AgentError(guirt::testing::DrawnText(text) + " has no access key");
    const KeyStroke stroke{Key::None, static_cast<char>(key | 0x20), {false, false, alt, false}};
    PressAndRelease(stroke, RecordingWindow::KeyText(stroke));
}

void OpenBarMenu(const std::string& name, const std::string& by) {
    RecordingWindow& window = ProgramWindow();
    const std::vector<std::string> titles = window.Menus().Titles();
    std::size_t index = 0;
    while (index < titles.size() && guirt::testing::DrawnText(titles[index]) != name) ++index;
    if (index == titles.size()) throw AgentError("the menu bar has no menu " + name);
    if (ByMouse(by)) {
        window.ClickTitle(index);
    } else {
        PressAccessKey(titles[index], true);
    }
    if (!window.Menus().IsOpen()) throw AgentError("the " + name + " menu did not open");
}

void ChooseItem(const std::string& name, const std::string& by) {
    RecordingWindow& window = ProgramWindow();
    if (!window.Menus().IsOpen()) throw AgentError("no menu is open");
    const std::size_t item = MenuItem(name);
    if (ByMouse(by)) {
        window.ClickItem(item);
    } else {
        PressAccessKey(window.Menus().OpenLines()[item].text, false);
    }
}

// A right click on the field, which opens its own context menu.
void OpenContextMenu(const std::string& control) {
    RecordingWindow& window = ProgramWindow();
    window.RightClick(ControlAs<guirt::testing::RecordingField>(control));
    if (!window.Menus().IsOpen()) throw AgentError("no context menu opened on " + control);
}

guirt::testing::RecordingPopup& OpenList(const std::string& control) {
    auto& popup = ControlAs<guirt::testing::RecordingPopup>(control);
    ProgramWindow().Click(popup);
    if (!popup.ListOpen()) throw AgentError("the list of " + control + " did not open");
    return popup;
}

void Pick(const std::string& control, const std::string& row) {
    guirt::testing::RecordingPopup& popup = OpenList(control);
    const std::vector<std::string>& rows = popup.Rows();
    const auto it = std::find(rows.begin(), rows.end(), row);
    if (it == rows.end()) throw AgentError(control + " has no row " + row);
    ProgramWindow().ClickRow(it - rows.begin());
    if (popup.ListOpen()) throw AgentError("the list of " + control + " stayed open");
}

void Hover(const std::string& control) {
    if (!ProgramWindow().Hover(Control(control))) throw AgentError("no tooltip showed over " + control);
}

}  // namespace

void AddSteps(behaviour::Operations& operations, Session& session) {
    auto step = [&operations](const char* name, std::size_t arity, std::function<void(const Fields&)> step) {
        operations.Add(name, arity, [step = std::move(step)](const Fields& args) {
            step(args);
            return std::string();
        });
    };
    step("click", 1, [](const Fields& a) { ProgramWindow().Click(Control(a[0])); });
    step("key", 1, [](const Fields& a) { PressChord(a[0]); });
    step("type", 1, [](const Fields& a) { Type(a[0]); });
    step("clipboard", 1, [](const Fields& a) { Toolkit().clipboard = a[0]; });
    step("drop", 2, [&session](const Fields& a) {
        session.dropped = ProgramWindow().Drop(Control(a[0]), a[1]) ? "taken" : "refused";
    });
    step("openmenu", 2, [](const Fields& a) { OpenBarMenu(a[0], a[1]); });
    step("chooseitem", 2, [](const Fields& a) { ChooseItem(a[0], a[1]); });
    step("opencontext", 1, [](const Fields& a) { OpenContextMenu(a[0]); });
    step("context", 2, [](const Fields& a) {
        OpenContextMenu(a[0]);
        ChooseItem(a[1], "mouse");
    });
    step("pick", 2, [](const Fields& a) { Pick(a[0], a[1]); });
    step("openlist", 1, [](const Fields& a) { OpenList(a[0]); });
    step("hover", 1, [](const Fields& a) { Hover(a[0]); });
    step("leave", 0, [](const Fields&) { ProgramWindow().Deactivate(); });
    step("comeback", 0, [](const Fields&) { ProgramWindow().Activate(); });
    step("close", 0, [](const Fields&) { ProgramWindow().RequestClose(); });
}

}  // namespace recagent
