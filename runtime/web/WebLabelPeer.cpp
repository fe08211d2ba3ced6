#include <algorithm>
#include <cmath>

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
    WebLabelPeer(Label& model, const Element& content) : WebControlPeer(model, "label", content), model_(model) {
        ShowAll<Control::Shown>(*this);
        ShowAll<RectControl::Shown>(*this);
        ShowAll<Label::Shown>(*this);
    }

    using WebControlPeer::Show;
    void Show(RectControl::Shown what) override {
        if (what == RectControl::Shown::HelpTag) {
            const std::string tip = LineTip(caption_, WithLineFeeds(TextOf(model_.HelpTag())), shown_);
            Node().SetAttribute("title", tip);
            if (tip.empty()) Node().RemoveAttribute("title");
            return;
        }
        WebControlPeer::Show(what);
        if (what == RectControl::Shown::Bounds || what == RectControl::Shown::Font) Fit();
    }

    void Show(Label::Shown what) override {
        switch (what) {
            case Label::Shown::Caption:
                caption_ = WithLineFeeds(TextOf(model_.Caption()));
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
            Node().RemoveAttribute("aria-live");
        } else {
            Node().RemoveAttribute("for");
            Node().SetAttribute("aria-live", "polite");
        }
    }

    double LinePixels() override {
        const int own = StartPixels();
        return model_.MultiLine() ? own : FitFrom(own).pixels;
    }

    void LimitLinePixels(double pixels) override {
        limit_ = pixels;
        Fit();
    }

private:
    // The size the label's text starts at, in CSS pixels: its font's, or the page's.
    int StartPixels() const {
        const FontRequest font = FontOf(model_);
        if (font.size <= 0) return guirt_web_inherited_pixels(Node().Handle());
        return static_cast<int>(std::lround(font.unit == FontRequest::Unit::Pixels ? font.size : font.size * 96 / 72));
    }

    // The caption as it fits the box from a text size (LineFit.h).
    FittedLine FitFrom(int start) const {
        return FitLine(caption_, start, kLeastLinePixels, static_cast<double>(BoundsOf(model_).width),
                       [this](std::string_view text, int pixels) {
                           return guirt_web_text_width(Node().Handle(), std::string(text).c_str(), pixels);
                       });
    }

    // Shows the caption, no larger than the limit; a one-line caption fitted to the box.
    void Fit() {
        FittedLine line{caption_, 0, false};
        if (!model_.MultiLine()) {
            const int own = StartPixels();
            line = FitFrom(limit_ > 0 ? std::min(own, static_cast<int>(limit_)) : own);
            Node().SetStyle("font-size",
                            line.pixels == own ? CssFontSize(FontOf(model_)) : std::to_string(line.pixels) + "px");
        }
        Node().SetText(line.text);
        if (line.cut != shown_.cut) {
            if (line.cut) {
                Node().SetAttribute("aria-label", caption_);
            } else {
                Node().RemoveAttribute("aria-label");
            }
        }
        const bool retip = line.cut || shown_.cut;
        shown_ = std::move(line);
        if (retip) Show(RectControl::Shown::HelpTag);
    }

    const Label& model_;
    std::string caption_;
    FittedLine shown_;
    double limit_ = 0;  // in CSS pixels; 0: none
};

}  // namespace

std::unique_ptr<LabelPeer> WebWindowPeer::CreateLabel(Label& label) {
    return std::make_unique<WebLabelPeer>(label, content_);
}

}  // namespace guirt::web
