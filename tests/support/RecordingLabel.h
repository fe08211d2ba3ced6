#pragma once

#include <string>

#include "LineFit.h"
#include "RecordingControl.h"

namespace guirt::testing {

// A label as the simulated toolkit shows it: its caption fitted to its box by the runtime's
// rule (ShowLabel), measured with the toolkit's one font, with the name and tooltip that go
// with what it shows.
class RecordingLabel final : public Recording<LabelPeer> {
public:
    RecordingLabel(Label& label, RecordingWindow& window);

    using Recording::Show;
    void Show(RectControl::Shown what) override;
    void Show(Label::Shown what) override;
    void SetBuddy(ControlPeer* control) override;
    double LinePixels() override;
    void LimitLinePixels(double pixels) override;

    std::string ShownText() const override { return shown_.line.text; }
    std::string AccessibleName() const override { return shown_.name; }
    std::string ToolTip() const override { return shown_.tip; }

private:
    LineMeasure Measure(int limit) const;
    void Fit();

    const Label& label_;
    ShownLabel shown_;
    int limit_ = 0;
};

}  // namespace guirt::testing
