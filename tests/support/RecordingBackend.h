#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Peers.h"
#include "guirt/TextEdit.h"

namespace guirt::testing {

class RecordingWindow;

// A backend without a platform: a small simulated toolkit that does what any toolkit does
// natively and no more (focus and Tab, a line edit's editing and undo, a clipboard, drop-down
// lists, a menu bar and context menus, labels measured with one simple font), and reports
// what the user does to the models as every backend does. Its peers write each call they get
// into one log, as "name.Call" (the window is "window"; "current.Show Bounds" for an aspect
// shown), so tests can check what the models tell their peers and in which order.
class RecordingBackend : public PeerFactory {
public:
    RecordingBackend();
    ~RecordingBackend() override;

    std::unique_ptr<WindowPeer> CreateWindowPeer(Window& window, const ShownMenuBar& bar) override;
    bool RunEventLoop() override;
    void QuitEventLoop() noexcept override;
    std::optional<std::size_t> PopUp(const std::vector<MenuEntry>& entries,
                                     std::optional<std::pair<std::int64_t, std::int64_t>> at) override;
    bool ClipboardOffersText() override;
    void Beep() override;
    void AlertUnhandledException(std::string_view report) override;

    // The user changes the field's text: its peer holds the text and reports the change.
    void UserEdits(TextEdit& field, std::string_view text);
    // The text the field's peer holds.
    std::string FieldText(const TextEdit& field) const;

    std::vector<std::string> log;
    int quitRequests = 0;
    bool pageLoop = false;  // the loop goes on after RunEventLoop returns
    // The loop's source of events: each call waits for one and delivers it, false once there
    // will be no more. None: the loop ends at once.
    std::function<bool()> events;
    std::optional<EditFacts> facts;          // what every text control knows, where a test says
    std::optional<std::string> clipboard;    // the text on the clipboard, if it holds any
    std::optional<std::size_t> popUpChoice;  // the entry a pop-up menu's user chooses
    std::vector<MenuEntry> lastPopUp;        // what the last pop-up menu showed
    ShownMenuBar bar;                        // what the window's bar shows now
    std::map<std::size_t, bool> menuStates;  // entries enabled (true) or greyed since
    std::vector<RecordingWindow*> windows;   // the windows it made, in order

private:
    bool looping_ = false;
    bool quit_ = false;
};

}  // namespace guirt::testing
