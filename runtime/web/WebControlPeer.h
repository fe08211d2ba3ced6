#pragma once

#include <memory>

#include "Peers.h"
#include "WebDom.h"

namespace guirt::web {

// The element of a control peer this backend made; null for any other.
const Element* ElementOf(const ControlPeer* peer);

// What every control's element shares: its place in the window's content area, name, font,
// flags and help (the tooltip), the accessible texts, the focus it takes and the focus it
// reports. Interface is the seam's peer interface of the control's kind; the kind's
// constructor shows the whole model once its element is set up (ShowAll).
template <class Interface>
class WebControlPeer : public Interface, protected DomListener {
public:
    ~WebControlPeer() override;

    using Interface::Show;
    void Show(Control::Shown what) override;
    void Show(RectControl::Shown what) override;
    void SetAccessibleText(const AccessibleText& text) override;
    void Focus(FocusWay way) override;

protected:
    // The element, a child of the content area, with its events listened to.
    WebControlPeer(RectControl& model, const char* tag, const Element& content);

    const Element& Node() const noexcept { return element_; }
    // The size of the control's text in CSS pixels: its font's, or the page's.
    int FontPixels() const;
    // The events of the element other than the focus's.
    virtual void Event(DomEvent, int, std::string_view) {}

private:
    void Handle(DomEvent event, int detail, std::string_view text) override;

    RectControl& model_;
    const Element& content_;
    Element element_;
    std::unique_ptr<Element> description_;  // read by assistive technology, never shown
};

}  // namespace guirt::web
