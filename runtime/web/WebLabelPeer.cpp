#include <algorithm>
#include <cmath>
#include <string>

#include "LineFit.h"
#include "ModelState.h"
#include "WebControlPeer.h"
#include "WebStyle.h"
#include "WebWindowPeer.h"

namespace guirt::web {

namespace {

// A Label as a <label>, a one-line text fitted to its box (LineFit.h). A caption is the label of its field (for=), so
// the field is named after it and a click on it focuses the field; a label of output is a polite live region, whose
// every new text is announced.
class WebLabelPeer final : public WebControlPeer<LabelPeer> {
public:
    WebLabelPeer(Label& model, const ControlSite& site) : WebControlPeer(model, "label", site), model_(model) {
        ShowAll<Control::Shown>(*this);
        ShowAll<RectControl::Shown>(*this);
        ShowAll<Label::Shown>(*this);
    }

    using WebControlPeer::Show;
    void Show(RectControl::Shown what) override {
        if (what == RectControl::Shown::HelpTag) {
            Fit();
            return;
        }
        WebControlPeer::Show(what);
        if (what == RectControl::Shown::Bounds || what == RectControl::Shown::Font) Fit();
    }

    void Show(Label::Shown what) override {
        switch (what) {
            case Label::Shown::Caption:
                Fit();
                return;
            case Label::Shown::TextAlign: {
                const TextAlignment alignment = AlignmentOf(model_.TextAlign());
                Node().SetStyle("justify-content", CssJustify(alignment));
                Node().SetStyle("text-align", CssTextAlign(alignment));
                return;
            }
            case Label::Shown::TextColor:
                Node().SetStyle("color", CssColor(model_.TextColor()));
                return;
            case Label::Shown::MultiLine:
                // A label of one line keeps its line breaks, a multi-line one wraps too.
                Node().SetStyle("white-space", model_.MultiLine() ? "pre-wrap" : "pre");
                Fit();
                return;
            case Label::Shown::Selectable:
                Node().SetStyle("user-select", model_.Selectable() ? "text" : "none");
                return;
        }
    }

    void SetBuddy(ControlPeer* control) override {
        if (const Element* buddy = ElementOf(control)) {
            Node().SetAttribute("for", "guirt-" + std::to_string(buddy->Handle()));
            Node().SetAttribute("aria-live", "");
        } else {
            Node().SetAttribute("for", "");
            Node().SetAttribute("aria-live", "polite");
        }
    }

    double LinePixels() override { return ShowLabel(model_, Measure(0)).line.pixels; }

    void LimitLinePixels(double pixels) override {
        limit_ = static_cast<int>(pixels);
        Fit();
    }

private:
    LineMeasure Measure(int limit) { return MeasureLine(static_cast<double>(BoundsOf(model_).width), limit); }

    // Shows what the label shows (ShowLabel): its text at its size, its name and its tooltip.
    void Fit() {
        const LineMeasure measure = Measure(limit_);
        ShownLabel shown = ShowLabel(model_, measure);
        if (shown.line.pixels != shown_.line.pixels || !told_) {
            Node().SetStyle("font-size", shown.line.pixels == measure.own ? CssFontSize(FontOf(model_))
                                                                          : std::to_string(shown.line.pixels) + "px");
        }
        if (shown.line.text != shown_.line.text || !told_) Node().SetText(shown.line.text);
        if (shown.name != shown_.name || !told_) Node().SetAttribute("aria-label", shown.name);
        if (shown.tip != shown_.tip || !told_) Node().SetAttribute("title", shown.tip);
        told_ = true;
        shown_ = std::move(shown);
    }

    const Label& model_;
    ShownLabel shown_;   // what the label shows now
    bool told_ = false;  // the page has been told all of it once
    int limit_ = 0;      // in CSS pixels; 0: none
};

}  // namespace

std::unique_ptr<LabelPeer> WebWindowPeer::Create(Label& label) {
    return std::make_unique<WebLabelPeer>(label, Site());
}

}  // namespace guirt::web
