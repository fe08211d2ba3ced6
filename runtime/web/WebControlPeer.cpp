#include "WebControlPeer.h"

#include <cmath>
#include <string>

#include "Guard.h"
#include "ModelState.h"
#include "WebStyle.h"

namespace guirt::web {

WebControl::WebControl(const ControlPeer& peer, RectControl& model, const char* tag, const ControlSite& site)
    : peer_(peer), model_(model), controls_(site.controls), content_(site.content), element_(tag, &site.content) {
    controls_->Enter(peer_, *this);
    // Captions point at their controls by this.
    element_.SetAttribute("id", "guirt-" + std::to_string(element_.Handle()));
    element_.Listen(*this);
}

WebControl::~WebControl() {
    controls_->Leave(peer_);
}

const Element* WebControl::ElementOf(const ControlPeer* peer) const {
    const WebControl* control = controls_->Of(peer);
    return control ? &control->Node() : nullptr;
}

void WebControl::Handle(DomEvent event, int detail, std::string_view text) {
    if (event == DomEvent::FocusIn || event == DomEvent::FocusOut) {
        Report(model_, &Control::PeerFocusChanged, event == DomEvent::FocusIn);
        return;
    }
    Event(event, detail, text);
}

void WebControl::ShowControl(Control::Shown what) {
    switch (what) {
        case Control::Shown::Name:
            // Named like the control, which helps when debugging and in tests.
            element_.SetAttribute("data-name", TextOf(model_.Name()));
            return;
    }
}

void WebControl::ShowRect(RectControl::Shown what) {
    switch (what) {
        case RectControl::Shown::Bounds: {
            const Bounds b = BoundsOf(model_);
            element_.SetStyle("left", CssPixels(b.left));
            element_.SetStyle("top", CssPixels(b.top));
            element_.SetStyle("width", CssPixels(b.width));
            element_.SetStyle("height", CssPixels(b.height));
            return;
        }
        case RectControl::Shown::Font: {
            const FontRequest font = FontOf(model_);
            element_.SetStyle("font-family", CssFontFamily(font));
            element_.SetStyle("font-size", CssFontSize(font));
            element_.SetStyle("font-weight", font.styles.bold ? "bold" : "");
            element_.SetStyle("font-style", font.styles.italic ? "italic" : "");
            element_.SetStyle("text-decoration", font.styles.underline ? "underline" : "");
            return;
        }
        case RectControl::Shown::Enabled:
            element_.SetFlag("disabled", !model_.Enabled());
            return;
        case RectControl::Shown::Visible:
            element_.SetStyle("display", model_.Visible() ? "" : "none");
            return;
        case RectControl::Shown::HelpTag:
            element_.SetAttribute("title", WithLineFeeds(TextOf(model_.HelpTag())));
            return;
    }
}

void WebControl::ShowAccessible(const AccessibleText& text) {
    element_.SetAttribute("aria-label", text.name);
    if (text.description.empty()) {
        element_.SetAttribute("aria-describedby", "");
        description_.reset();
        return;
    }
    if (!description_) {
        description_ = std::make_unique<Element>("span", &content_);
        description_->SetAttribute("id", "guirt-" + std::to_string(description_->Handle()));
        description_->SetStyle("display", "none");
    }
    description_->SetText(WithLineFeeds(text.description));
    element_.SetAttribute("aria-describedby", "guirt-" + std::to_string(description_->Handle()));
}

int WebControl::FontPixels() const {
    const FontRequest font = FontOf(model_);
    if (font.size <= 0) return guirt_web_inherited_pixels(element_.Handle());
    return static_cast<int>(std::lround(font.unit == FontRequest::Unit::Pixels ? font.size : font.size * 96 / 72));
}

void WebControl::TakeFocus(FocusWay) {
    guirt_web_focus(element_.Handle());
}

}  // namespace guirt::web
