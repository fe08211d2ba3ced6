#include "RecordingControl.h"

#include "ModelState.h"
#include "RecordingBackend.h"
#include "RecordingWindow.h"

namespace guirt::testing {

std::string NameOf(const ControlPeer* peer) {
    const auto* control = dynamic_cast<const RecordingControl*>(peer);
    return control ? control->Name() : "none";
}

RecordingControl::RecordingControl(RectControl& model, RecordingWindow& window, const char* kind)
    : model_(model),
      window_(&window),
      backend_(window.Backend()),
      name_(TextOf(model.Name())),
      enabled_(model.Enabled()),
      visible_(model.Visible()),
      toolTip_(WithLineFeeds(TextOf(model.HelpTag()))) {
    Log("create " + std::string(kind) + " " + name_);
    window.Add(*this);
}

RecordingControl::~RecordingControl() {
    if (window_) window_->Forget(*this);
}

void RecordingControl::Log(const std::string& line) const {
    backend_.log.push_back(line);
}

void RecordingControl::ShowControl(Control::Shown what) {
    LogShown(what);
    switch (what) {
        case Control::Shown::Name:
            name_ = TextOf(model_.Name());
            return;
    }
}

void RecordingControl::ShowRect(RectControl::Shown what) {
    LogShown(what);
    switch (what) {
        case RectControl::Shown::Bounds:
        case RectControl::Shown::Font:
            return;
        case RectControl::Shown::Enabled:
            enabled_ = model_.Enabled();
            return;
        case RectControl::Shown::Visible:
            visible_ = model_.Visible();
            return;
        case RectControl::Shown::HelpTag:
            toolTip_ = WithLineFeeds(TextOf(model_.HelpTag()));
            return;
    }
}

void RecordingControl::ShowAccessible(const AccessibleText& text) {
    Note("SetAccessibleText " + text.name + (text.description.empty() ? "" : " (described)"));
    accessible_ = text;
    description_ = WithLineFeeds(text.description);
}

void RecordingControl::TakeFocus(FocusReason reason) {
    if (window_) window_->SetFocus(this, reason);
}

}  // namespace guirt::testing
