#include <emscripten.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "Backend.h"
#include "WebDom.h"
#include "WebWindowPeer.h"

namespace guirt {

namespace {

// The web backend: windows in the page, and the page's own event loop. A page cannot block
// in a loop of its own: the loop goes on after RunEventLoop returns, and ends between two
// events once quit, with what the program's start-up does after its loop (LoopEnded).
class WebBackend final : public PeerFactory {
public:
    std::unique_ptr<WindowPeer> CreateWindowPeer(Window& window, const ShownMenuBar& bar) override {
        return std::make_unique<web::WebWindowPeer>(window, bar);
    }

    bool RunEventLoop() override {
        running_ = true;
        return false;
    }

    void QuitEventLoop() noexcept override {
        if (!running_) return;
        running_ = false;
        guirt_web_end_loop();
    }

    // A page cannot wait for a choice in a menu: a pop-up shows nothing and chooses nothing.
    std::optional<std::size_t> PopUp(const std::vector<MenuEntry>&,
                                     std::optional<std::pair<std::int64_t, std::int64_t>>) override {
        return std::nullopt;
    }

    bool ClipboardOffersText() override { return guirt_web_clipboard() != 0; }

    void Beep() override { guirt_web_beep(); }

    // Standard error is the browser's console; the page shows it too.
    void AlertUnhandledException(std::string_view report) override { guirt_web_alert(std::string(report).c_str()); }

    std::string DecimalSeparator() override {
        const std::unique_ptr<char, decltype(&std::free)> separator(guirt_web_decimal_separator(), &std::free);
        return separator.get();
    }

private:
    bool running_ = false;
};

}  // namespace

std::unique_ptr<PeerFactory> CreatePlatformBackend(std::wstring_view) {
    return std::make_unique<WebBackend>();
}

}  // namespace guirt

// The page's loop has ended: the program ends as it would after its loop, and the page says so.
extern "C" EMSCRIPTEN_KEEPALIVE void guirt_web_loop_ended() {
    const int status = guirt::LoopEnded();
    guirt_web_ended(GUIRT_APPLICATION_NAME, status);
}
