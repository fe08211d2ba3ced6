#include "RecordingBackend.h"

#include "guirt/Control.h"
#include "guirt/MenuItem.h"
#include "guirt/Window.h"

namespace guirt::testing {

namespace {

std::string NameOf(const Control& control) {
    return std::string(TextOf(control.Name()));
}

class RecordingControlPeer : public ControlPeer {
public:
    RecordingControlPeer(Control& control, std::vector<std::string>& log) : control_(control), log_(log) {
        log_.push_back("create " + NameOf(control_));
    }
    void PropertyChanged(std::string_view property) override {
        log_.push_back(NameOf(control_) + "." + std::string(property));
    }

private:
    Control& control_;
    std::vector<std::string>& log_;
};

class RecordingWindowPeer : public WindowPeer {
public:
    explicit RecordingWindowPeer(std::vector<std::string>& log) : log_(log) { log_.push_back("create window"); }
    void PropertyChanged(std::string_view property) override { log_.push_back("window." + std::string(property)); }
    std::unique_ptr<ControlPeer> CreateControlPeer(Control& control) override {
        return std::make_unique<RecordingControlPeer>(control, log_);
    }
    void MenuChanged(const MenuItem* item, std::string_view property) override {
        log_.push_back("menu " + std::string(item ? TextOf(item->Name()) : "*") + "." + std::string(property));
    }
    void Show() override { log_.push_back("show window"); }
    void Close() override { log_.push_back("close window"); }

private:
    std::vector<std::string>& log_;
};

}  // namespace

RecordingBackend::RecordingBackend() {
    InstallPeerFactory(this);
}
RecordingBackend::~RecordingBackend() {
    InstallPeerFactory(nullptr);
}

std::unique_ptr<WindowPeer> RecordingBackend::CreateWindowPeer(Window&) {
    return std::make_unique<RecordingWindowPeer>(log);
}

void RecordingBackend::RunEventLoop() {
    log.push_back("run");
}
void RecordingBackend::QuitEventLoop() {
    ++quitRequests;
}

void RecordingBackend::PopUp(MenuItem& menu, std::optional<std::pair<std::int64_t, std::int64_t>> at) {
    log.push_back("popup " + std::string(TextOf(menu.Name())) +
                  (at ? " at " + std::to_string(at->first) + "," + std::to_string(at->second) : ""));
}

}  // namespace guirt::testing
