#include "RecordingBackend.h"

#include "RecordingField.h"
#include "RecordingWindow.h"

namespace guirt::testing {

RecordingBackend::RecordingBackend() {
    InstallPeerFactory(this);
}

RecordingBackend::~RecordingBackend() {
    for (RecordingWindow* window : windows) window->BackendGone();
    InstallPeerFactory(nullptr);
}

std::unique_ptr<WindowPeer> RecordingBackend::CreateWindowPeer(Window& window, const ShownMenuBar& shown) {
    return std::make_unique<RecordingWindow>(*this, window, shown);
}

bool RecordingBackend::RunEventLoop() {
    log.push_back("run");
    if (pageLoop) return false;
    looping_ = true;
    quit_ = false;
    while (!quit_ && events && events()) {
    }
    looping_ = false;
    return true;
}

void RecordingBackend::QuitEventLoop() noexcept {
    ++quitRequests;
    if (looping_) quit_ = true;
}

std::optional<std::size_t> RecordingBackend::PopUp(const std::vector<MenuEntry>& entries,
                                                   std::optional<std::pair<std::int64_t, std::int64_t>> at) {
    lastPopUp = entries;
    log.push_back("popup" + (at ? " at " + std::to_string(at->first) + "," + std::to_string(at->second) : ""));
    return popUpChoice;
}

bool RecordingBackend::ClipboardOffersText() {
    return clipboard.has_value();
}

void RecordingBackend::Beep() {
    log.push_back("beep");
}

void RecordingBackend::AlertUnhandledException(std::string_view report) {
    log.push_back("alert " + std::string(report));
}

std::string RecordingBackend::DecimalSeparator() {
    return decimalSeparator;
}

void RecordingBackend::UserEdits(TextEdit& field, std::string_view text) {
    if (auto* peer = dynamic_cast<RecordingField*>(field.Peer(PeerAccess::Key()))) peer->UserSets(text);
}

std::string RecordingBackend::FieldText(const TextEdit& field) const {
    const auto* peer = dynamic_cast<const RecordingField*>(field.Peer(PeerAccess::Key()));
    return peer ? peer->ShownText() : std::string();
}

}  // namespace guirt::testing
