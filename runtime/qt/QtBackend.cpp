#include <QApplication>
#include <QEvent>
#include <memory>
#include <string>
#include <vector>

#include "Backend.h"
#include "QtPopUp.h"
#include "QtWindowPeer.h"

namespace guirt {

namespace {

// The Qt backend: one QApplication for the process and its event loop. Without a display
// and without a usable platform plugin Qt aborts while making the QApplication.
class QtBackend final : public PeerFactory {
public:
    explicit QtBackend(const std::vector<std::string>& arguments) {
        words_.emplace_back("dravello");
        words_.insert(words_.end(), arguments.begin(), arguments.end());
        for (std::string& word : words_) argv_.push_back(word.data());
        argv_.push_back(nullptr);
        argc_ = static_cast<int>(words_.size());
        // Qt keeps argc and argv and takes its own options (-platform, -style...) from them.
        app_ = std::make_unique<QApplication>(argc_, argv_.data());
        // The program decides when to quit, not the last window closing.
        QApplication::setQuitOnLastWindowClosed(false);
    }

    ~QtBackend() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        app_.reset();
    }

    std::unique_ptr<WindowPeer> CreateWindowPeer(Window& window) override {
        return std::make_unique<qt::QtWindowPeer>(window);
    }

    void RunEventLoop() override {
        // A quit asked for before the loop ran (a handler failed while the first window was
        // being built) ends it at once; Qt would drop that request.
        if (quitPending_) {
            quitPending_ = false;
            return;
        }
        running_ = true;
        QApplication::exec();
        running_ = false;
    }

    void QuitEventLoop() override {
        if (running_) {
            QCoreApplication::exit(0);  // the runtime keeps the program's exit code
        } else {
            quitPending_ = true;
        }
    }

    void PopUp(MenuItem& menu, std::optional<std::pair<std::int64_t, std::int64_t>> at) override {
        qt::PopUpMenu(menu, at);
    }

private:
    std::vector<std::string> words_;
    std::vector<char*> argv_;
    int argc_ = 0;
    std::unique_ptr<QApplication> app_;
    bool running_ = false;
    bool quitPending_ = false;
};

}  // namespace

std::unique_ptr<PeerFactory> CreatePlatformBackend(const std::vector<std::string>& arguments) {
    return std::make_unique<QtBackend>(arguments);
}

}  // namespace guirt
