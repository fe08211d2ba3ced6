#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Peers.h"

namespace guirt::testing {

// A backend without a toolkit: every peer writes each call it gets into one log, as
// "name.Call" (the window is "window"; "current.Show Bounds" for an aspect shown), so tests
// can check what the models tell their peers and in which order. It reports the facts tests give it: what the text
// controls know, whether the clipboard offers text, which entry a pop-up menu's user chooses.
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

    std::vector<std::string> log;
    int quitRequests = 0;
    bool pageLoop = false;                   // the loop goes on after RunEventLoop returns
    EditFacts facts;                         // what every text control knows
    bool clipboardText = false;              // whether the clipboard offers text
    std::optional<std::size_t> popUpChoice;  // the entry a pop-up menu's user chooses
    std::vector<MenuEntry> lastPopUp;        // what the last pop-up menu showed
    ShownMenuBar bar;                        // what the window's bar shows now
    std::map<std::size_t, bool> menuStates;  // entries enabled (true) or greyed since
    // The text each field's peer holds, by the field's peer.
    std::map<const ControlPeer*, std::string> texts;
};

}  // namespace guirt::testing
