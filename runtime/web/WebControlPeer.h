#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "ControlPeerOn.h"
#include "ControlRegistry.h"
#include "LineFit.h"
#include "PeerKinds.h"
#include "WebDom.h"
#include "WidthBound.h"

namespace guirt::web {

class WebControl;
using WebControls = ControlRegistry<WebControl>;

// Where a window puts a control it makes: its content area, and the window's controls,
// which the control enters.
struct ControlSite {
    const Element& content;
    std::shared_ptr<WebControls> controls;
};

// What every control's element shares: its place in the window's content area, name, font,
// flags and help (the tooltip), the accessible texts, the focus it takes and the focus it
// reports.
class WebControl : protected DomListener {
public:
    virtual ~WebControl();
    WebControl(const WebControl&) = delete;
    WebControl& operator=(const WebControl&) = delete;

    const Element& Node() const noexcept { return element_; }

protected:
    // The element, a child of the site's content area, with its events listened to; the peer
    // is the control's.
    WebControl(const ControlPeer& peer, RectControl& model, const char* tag, const ControlSite& site);

    // The element of another control of this window; null for none.
    const Element* ElementOf(const ControlPeer* peer) const;
    // The size of the control's text in CSS pixels: its font's, or the page's.
    int FontPixels() const;
    // One line of text in the control's font into `width` CSS pixels (`limit` as
    // LineMeasure's): the font is asked of the page once per font, never per new text, and a
    // text the bound proves to fit is not measured whole.
    LineMeasure MeasureLine(double width, int limit);
    // The events of the element other than the focus's.
    virtual void Event(DomEvent, int, std::string_view) {}

    void ShowControl(Control::Shown what);
    void ShowRect(RectControl::Shown what);
    void ShowAccessible(const AccessibleText& text);
    void TakeFocus(FocusWay way);

private:
    void Handle(DomEvent event, int detail, std::string_view text) override;

    const ControlPeer& peer_;
    RectControl& model_;
    std::shared_ptr<WebControls> controls_;
    const Element& content_;
    Element element_;
    std::unique_ptr<Element> description_;  // read by assistive technology, never shown
    // The element's font as the page gives it, "{}" where its size goes, and its own size:
    // none until a line is measured, and once the font changes.
    struct LineFont {
        std::string font;
        int pixels = 0;
    };
    std::optional<LineFont> lineFont_;
    // Each measuring is a call into the page.
    WidthBound bound_{WidthBound::First::Whole};
};

// A control peer of the kind whose seam interface is Interface, on the shared element.
template <class Interface>
class WebControlPeer : public ControlPeerOn<Interface, WebControl> {
protected:
    using ControlPeerOn<Interface, WebControl>::ControlPeerOn;
};

}  // namespace guirt::web
