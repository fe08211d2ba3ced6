#include "RecordingLabel.h"

#include "ModelState.h"
#include "RecordingMetrics.h"
#include "RecordingWindow.h"

namespace guirt::testing {

RecordingLabel::RecordingLabel(Label& label, RecordingWindow& window)
    : Recording(label, window, "label"), label_(label) {
    Fit();
}

void RecordingLabel::Show(RectControl::Shown what) {
    Recording::Show(what);
    if (what == RectControl::Shown::Bounds || what == RectControl::Shown::Font || what == RectControl::Shown::HelpTag) {
        Fit();
    }
}

void RecordingLabel::Show(Label::Shown what) {
    LogShown(what);
    if (what == Label::Shown::Caption || what == Label::Shown::MultiLine) Fit();
}

void RecordingLabel::SetBuddy(ControlPeer* control) {
    Note("SetBuddy " + NameOf(control));
}

double RecordingLabel::LinePixels() {
    return ShowLabel(label_, Measure(0)).line.pixels;
}

void RecordingLabel::LimitLinePixels(double pixels) {
    Note("LimitLinePixels " + std::to_string(pixels));
    limit_ = static_cast<int>(pixels);
    Fit();
}

LineMeasure RecordingLabel::Measure(int limit) const {
    return {PixelsOf(FontOf(label_)), kLeastLinePixels, limit, static_cast<double>(BoundsOf(label_).width),
            [](std::string_view text, int pixels) { return WidthOf(text, pixels); }};
}

void RecordingLabel::Fit() {
    shown_ = ShowLabel(label_, Measure(limit_));
}

std::unique_ptr<LabelPeer> RecordingWindow::Create(Label& label) {
    return std::make_unique<RecordingLabel>(label, *this);
}

}  // namespace guirt::testing
