#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Input.h"
#include "guirt/PeerKey.h"
#include "guirt/PropertyValue.h"
#include "guirt/RectControl.h"

namespace guirt {

class Window;
class WindowPeer;  // PeerKinds.h, with the kinds of control it makes

// Makes the passkey for the models' Peer... entry points. Defined in the runtime and not
// exported: a program that reached this header still could not call it.
class PeerAccess {
public:
    static PeerKey Key() noexcept;
};

// A control's place in its window's content area.
struct Bounds {
    std::int64_t left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const Bounds&, const Bounds&) = default;
};

// The font a control asks for, its size already in one of the two units every toolkit has.
struct FontRequest {
    enum class Unit { Pixels, Points };
    std::string family;  // empty: the platform's user-interface font
    double size = 0;     // 0: the platform's default size
    Unit unit = Unit::Pixels;
    RectControl::FontStyles styles;
    // Every field takes part, so that a cache of fonts by request tells any two apart.
    friend bool operator==(const FontRequest&, const FontRequest&) = default;
};

// A window's outer shape: the content size below the menu bar, its limits and buttons.
struct WindowFrame {
    std::int64_t width = 0, height = 0;
    std::int64_t minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;
    bool resizeable = true;
    bool closeButton = true;
    bool minimizeButton = true;
    bool maximizeButton = true;  // only where the window is also resizeable
    friend bool operator==(const WindowFrame&, const WindowFrame&) = default;
};

enum class TextAlignment { Left, Center, Right };

// What assistive technology says of a control that takes the focus: its name, and the
// longer help read on request. Empty texts: the platform's own guess.
struct AccessibleText {
    std::string name;
    std::string description;
    friend bool operator==(const AccessibleText&, const AccessibleText&) = default;
};

// What only the native text control knows, from which the runtime decides which editing
// commands apply.
struct EditFacts {
    bool selection = false;   // some text is selected
    bool allSelected = true;  // the selection is the whole text (so an empty text is)
    bool canUndo = false;     // the control has an edit to undo
};

// One entry of a menu bar or pop-up menu as the runtime shows it. Entries are numbered;
// a backend reports what the user does with an entry by its number.
struct MenuEntry {
    enum class Kind { Command, Menu, Separator };
    std::size_t number = 0;
    Kind kind = Kind::Command;
    std::string text;          // "&" before the access key
    Shortcut shortcut;         // a command's; empty for none
    std::string shortcutText;  // how the program wrote it ("Ctrl+X"), where it has one
    bool enabled = true;
    std::vector<MenuEntry> entries;  // a menu's
};

// A window's menu bar as the runtime shows it: its menus (none: no bar) and whether it shows.
struct ShownMenuBar {
    std::vector<MenuEntry> menus;
    bool visible = true;
};

// How a control takes the keyboard focus: as Tab gives it (the focus showing, a field's whole
// text selected), or back as its window is activated again (the control as it was).
enum class FocusWay { Tab, Back };

// The native side of a control. A peer is made once from its model's complete state and
// then told which of the model's Shown aspects changed; it reads the model for the value.
// Texts are UTF-8; the conversions every backend needs are in ModelState.h. Each peer
// reports the user's actions to its model through Report (Guard.h).
class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    virtual void Show(Control::Shown what) = 0;
    virtual void Show(RectControl::Shown what) = 0;
    virtual void SetAccessibleText(const AccessibleText& text) = 0;
    virtual void Focus(FocusWay way) = 0;
};

// What a backend installs: the factory of window peers, the native event loop and what
// else of the platform the runtime asks for.
class PeerFactory {
public:
    virtual ~PeerFactory() = default;
    // Made from the window's complete model and its menu bar, not yet visible.
    virtual std::unique_ptr<WindowPeer> CreateWindowPeer(Window& window, const ShownMenuBar& bar) = 0;
    // Runs the native event loop until QuitEventLoop is called, then true. A platform whose
    // loop cannot block (a page) starts it and gives false at once: the loop goes on, and
    // once QuitEventLoop has ended it the backend calls LoopEnded (Backend.h).
    virtual bool RunEventLoop() = 0;
    // Ends a running loop; does nothing while none runs.
    virtual void QuitEventLoop() noexcept = 0;
    // Shows the entries as a context menu at the screen position, or at the mouse pointer
    // without one, until the user chooses an entry (its number) or dismisses the menu.
    virtual std::optional<std::size_t> PopUp(const std::vector<MenuEntry>& entries,
                                             std::optional<std::pair<std::int64_t, std::int64_t>> at) = 0;
    // Whether the clipboard offers text: which formats it holds, never its contents, which
    // can be huge or slow to come.
    virtual bool ClipboardOffersText() = 0;
    // Plays the platform's error sound: the user's action was refused.
    virtual void Beep() = 0;
    // The one-line report of an exception that nothing handled, already written to
    // standard error; a backend whose programs have no console shows it to the user too.
    virtual void AlertUnhandledException(std::string_view report) = 0;
};

// The installed backend, or null while none is (the models then work on their own).
void InstallPeerFactory(PeerFactory* factory) noexcept;
PeerFactory* InstalledPeerFactory() noexcept;

// Makes a peer show every aspect of the enumeration E once, in order: how a peer made
// from its model shows all of it.
template <class E, class Peer>
void ShowAll(Peer& peer) {
    for (int what = 0; what <= static_cast<int>(E::Last); ++what) peer.Show(static_cast<E>(what));
}

}  // namespace guirt
