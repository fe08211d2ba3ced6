#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "LineFit.h"
#include "ModelState.h"
#include "WebControlPeer.h"
#include "WebStyle.h"
#include "WebWindowPeer.h"
#include "WidthBound.h"

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
        if (what == RectControl::Shown::Font) font_.reset();
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
    // The label's font as the page gives it, "{}" where its size goes, and its own size in
    // CSS pixels: asked of the page once per font, never per new text.
    struct Resolved {
        std::string font;
        int pixels = 0;
    };
    const Resolved& Font() {
        if (!font_) {
            const std::unique_ptr<char, decltype(&std::free)> font(guirt_web_font(Node().Handle()), &std::free);
            font_ = Resolved{font.get(), FontPixels()};
            bound_.Forget();
        }
        return *font_;
    }

    // The label measured in CSS pixels: a text the bound proves to fit is not measured whole.
    LineMeasure Measure(int limit) {
        const Resolved& resolved = Font();
        const std::size_t size = resolved.font.find("{}");
        const auto at = [&resolved, size](std::string_view text, int pixels) {
            const std::string font = std::string(resolved.font).replace(size, 2, std::to_string(pixels) + "px");
            return guirt_web_text_width(font.c_str(), std::string(text).c_str());
        };
        const auto width = static_cast<double>(BoundsOf(model_).width);
        return {resolved.pixels, kLeastLinePixels, limit, width, bound_.Bounded(width, at, at)};
    }

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
    std::optional<Resolved> font_;  // none until asked, and once the font changes
    WidthBound bound_;
    ShownLabel shown_;   // what the label shows now
    bool told_ = false;  // the page has been told all of it once
    int limit_ = 0;      // in CSS pixels; 0: none
};

}  // namespace

std::unique_ptr<LabelPeer> WebWindowPeer::Create(Label& label) {
    return std::make_unique<WebLabelPeer>(label, Site());
}

}  // namespace guirt::web
