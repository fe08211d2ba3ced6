#include "ModelState.h"
#include "WebControlPeer.h"
#include "WebStyle.h"
#include "WebWindowPeer.h"

namespace guirt::web {

namespace {

// A Label as a <label>. A caption is the label of its field (for=), so the field is named
// after it and a click on it focuses the field; a label of output is a polite live region,
// whose every new text is announced.
class WebLabelPeer final : public WebControlPeer<LabelPeer> {
public:
    WebLabelPeer(Label& model, const Element& content) : WebControlPeer(model, "label", content), model_(model) {
        ShowAll<Control::Shown>(*this);
        ShowAll<RectControl::Shown>(*this);
        ShowAll<Label::Shown>(*this);
    }

    using WebControlPeer::Show;
    void Show(RectControl::Shown what) override {
        WebControlPeer::Show(what);
        if (what == RectControl::Shown::Bounds || what == RectControl::Shown::Font) Fit();
    }

    void Show(Label::Shown what) override {
        switch (what) {
            case Label::Shown::Caption:
                Node().SetText(WithLineFeeds(TextOf(model_.Caption())));
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

private:
    // A one-line label in the default size takes the page's font, made smaller where that is
    // too large for the box the layout gives it: the text is never cut.
    void Fit() {
        if (FontOf(model_).size <= 0 && !model_.MultiLine()) guirt_web_fit(Node().Handle());
    }

    const Label& model_;
};

}  // namespace

std::unique_ptr<LabelPeer> WebWindowPeer::CreateLabel(Label& label) {
    return std::make_unique<WebLabelPeer>(label, content_);
}

}  // namespace guirt::web
