#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Peers.h"

namespace guirt::testing {

// A backend without a toolkit: every peer writes each call it gets into one log, as
// "name.Method" (the window is "window"), so tests can check what the models tell their
// peers and in which order.
class RecordingBackend : public PeerFactory {
public:
    RecordingBackend();
    ~RecordingBackend() override;

    std::unique_ptr<WindowPeer> CreateWindowPeer(Window& window) override;
    void RunEventLoop() override;
    void QuitEventLoop() noexcept override;
    void PopUp(MenuItem& menu, std::optional<std::pair<std::int64_t, std::int64_t>> at) override;
    void AlertUnhandledException(std::string_view report) override;

    std::vector<std::string> log;
    int quitRequests = 0;
};

}  // namespace guirt::testing
