#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>

#include "guirt/Export.h"
#include "guirt/PeerKey.h"

namespace guirt {

class Control;
class MenuBar;
class MenuItem;
class Window;

// Makes the passkey for peer-only entry points. Backends and the runtime's models include
// this header; the program sees only the public headers, so it cannot.
struct PeerAccess {
    static PeerKey Key() noexcept { return PeerKey{}; }
};

// The standard editing commands the runtime carries out on the focused text control.
enum class EditCommand { Undo, Cut, Copy, Paste, Clear, SelectAll };

// The native side of a control. It is created from the model's state and afterwards told
// which property changed; it reads the new value from the model.
class GUIRT_API ControlPeer {
public:
    virtual ~ControlPeer() = default;
    virtual void PropertyChanged(std::string_view property) = 0;
    virtual bool HasFocus() const { return false; }
    // Whether the command would do something now (text controls only).
    virtual bool CanPerform(EditCommand) const { return false; }
    virtual void Perform(EditCommand) {}
};

// The native side of a window. Controls' peers are made by the backend as children of it.
class GUIRT_API WindowPeer {
public:
    virtual ~WindowPeer() = default;
    virtual void PropertyChanged(std::string_view property) = 0;
    virtual std::unique_ptr<ControlPeer> CreateControlPeer(Control& control) = 0;
    // The menu bar's tree or an item of it changed (item is null when the whole tree did).
    virtual void MenuChanged(const MenuItem* item, std::string_view property) = 0;
    virtual void Show() = 0;
    virtual void Close() = 0;
};

// What a backend installs: the factory of window peers and the native event loop.
class GUIRT_API PeerFactory {
public:
    virtual ~PeerFactory() = default;
    virtual std::unique_ptr<WindowPeer> CreateWindowPeer(Window& window) = 0;
    // Runs the native event loop until QuitEventLoop is called.
    virtual void RunEventLoop() = 0;
    virtual void QuitEventLoop() = 0;
    // Shows the item's children as a context menu at the screen position, or at the mouse
    // pointer without one, until the user chooses an item (then its PeerChosen) or dismisses it.
    virtual void PopUp(MenuItem& menu, std::optional<std::pair<std::int64_t, std::int64_t>> at) = 0;
};

// The installed backend, or null while none is (the models then work on their own).
GUIRT_API void InstallPeerFactory(PeerFactory* factory) noexcept;
GUIRT_API PeerFactory* InstalledPeerFactory() noexcept;

}  // namespace guirt
