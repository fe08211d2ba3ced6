#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "guirt/Export.h"
#include "guirt/PeerKey.h"
#include "guirt/PropertyValue.h"

namespace guirt {

class Label;
class MenuBar;
class MenuItem;
class PopupMenu;
class TextField;
class Window;

// Makes the passkey for peer-only entry points. Backends and the runtime's models include
// this header; the program sees only the public headers, so it cannot.
struct PeerAccess {
    static PeerKey Key() noexcept { return PeerKey{}; }
};

// The standard editing commands the runtime carries out on the focused text control.
enum class EditCommand { Undo, Cut, Copy, Paste, Clear, SelectAll };

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
    bool bold = false;
    bool italic = false;
    bool underline = false;
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

// What assistive technology says of a control that takes the focus: its name, and the
// longer help read on request. Empty texts: the platform's own guess.
struct AccessibleText {
    std::string name;
    std::string description;
};

// The native side of a control. A peer is made once from its model's complete state; after
// that the model calls the setter of what changed. Texts are UTF-8; CR LF and CR in them
// are line breaks. Each peer reports the user's actions to its model through the model's
// Peer... entry points, inside CallModel (Guard.h).
class GUIRT_API ControlPeer {
public:
    virtual ~ControlPeer() = default;
    virtual void SetName(std::string_view name) = 0;
    virtual void SetBounds(const Bounds& bounds) = 0;
    virtual void SetFont(const FontRequest& font) = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetHelpTag(std::string_view text) = 0;
    virtual void SetAccessibleText(const AccessibleText& text) = 0;
};

class GUIRT_API LabelPeer : public ControlPeer {
public:
    virtual void SetCaption(std::string_view text) = 0;
    // 0 default (left), 1 left, 2 centre, 3 right.
    virtual void SetTextAlign(std::int64_t align) = 0;
    virtual void SetTextColor(Color color) = 0;
    virtual void SetMultiLine(bool multiLine) = 0;
    virtual void SetSelectable(bool selectable) = 0;
    // The control this label is the caption of (null: none), so that the label's mnemonic
    // and assistive technology lead to it. A label that captions nothing shows output:
    // changes of its caption are announced to assistive technology. Labels learn their
    // buddies before controls get their AccessibleText.
    virtual void SetBuddy(ControlPeer* control) = 0;
};

class GUIRT_API TextEditPeer : public ControlPeer {
public:
    // Shows the program's text from its start; it is not reported back as a user's change.
    virtual void SetText(std::string_view text) = 0;
    virtual void SetTabStop(bool tabStop) = 0;
    virtual void SetBorder(bool border) = 0;
    virtual void SetReadOnly(bool readOnly) = 0;
    virtual void SetColors(Color text, Color back) = 0;
    // 0: no limit.
    virtual void SetLimitText(std::int64_t limit) = 0;
    virtual void SetAlignment(std::int64_t align) = 0;
    // Whether the command would do something now. Cheap: it may ask which formats the
    // clipboard offers, never for its contents.
    virtual bool CanPerform(EditCommand command) const = 0;
    virtual void Perform(EditCommand command) = 0;
};

class GUIRT_API TextFieldPeer : public TextEditPeer {
public:
    virtual void SetPassword(bool password) = 0;
    virtual void SetCueText(std::string_view text) = 0;
};

class GUIRT_API PopupMenuPeer : public ControlPeer {
public:
    virtual void AddRow(std::string_view text) = 0;
    // -1: no row selected. Not reported back as the user's pick.
    virtual void SetListIndex(std::int64_t row) = 0;
    virtual void SetTabStop(bool tabStop) = 0;
};

// The native side of a window. It makes the peers of the window's controls, one factory
// method per kind of control, so a backend that lacks a kind does not compile.
class GUIRT_API WindowPeer {
public:
    virtual ~WindowPeer() = default;
    virtual std::unique_ptr<LabelPeer> CreateLabel(Label& label) = 0;
    virtual std::unique_ptr<TextFieldPeer> CreateTextField(TextField& field) = 0;
    virtual std::unique_ptr<PopupMenuPeer> CreatePopupMenu(PopupMenu& popup) = 0;

    virtual void SetTitle(std::string_view title) = 0;
    virtual void SetFrame(const WindowFrame& frame) = 0;
    virtual void SetFullScreen(bool fullScreen) = 0;
    // No colour: the platform's window background.
    virtual void SetBackColor(std::optional<Color> color) = 0;
    // The bar to show (null: none) and whether it shows.
    virtual void SetMenuBar(const MenuBar* bar, bool visible) = 0;
    // An item of the shown bar changed its text, shortcut or state.
    virtual void MenuItemChanged(const MenuItem& item) = 0;
    // Items were added, removed or moved, or an item became or stopped being a separator.
    virtual void MenuTreeChanged() = 0;
    // The controls that take the keyboard focus with Tab, in order.
    virtual void SetTabOrder(const std::vector<ControlPeer*>& order) = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual void Close() = 0;
};

// What a backend installs: the factory of window peers and the native event loop.
class GUIRT_API PeerFactory {
public:
    virtual ~PeerFactory() = default;
    // Made from the window's complete model: title, frame, colours and menu bar.
    virtual std::unique_ptr<WindowPeer> CreateWindowPeer(Window& window) = 0;
    // Runs the native event loop until QuitEventLoop is called.
    virtual void RunEventLoop() = 0;
    // Ends a running loop; does nothing while none runs.
    virtual void QuitEventLoop() noexcept = 0;
    // Shows the item's children as a context menu at the screen position, or at the mouse
    // pointer without one, until the user chooses an item (then its PeerChosen, called
    // once the native menu has closed) or dismisses it.
    virtual void PopUp(MenuItem& menu, std::optional<std::pair<std::int64_t, std::int64_t>> at) = 0;
    // The one-line report of an exception that nothing handled, already written to
    // standard error; a backend whose programs have no console shows it to the user too.
    virtual void AlertUnhandledException(std::string_view report) = 0;
};

// The installed backend, or null while none is (the models then work on their own).
GUIRT_API void InstallPeerFactory(PeerFactory* factory) noexcept;
GUIRT_API PeerFactory* InstalledPeerFactory() noexcept;

}  // namespace guirt
