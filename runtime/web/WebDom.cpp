#include "WebDom.h"

#include <emscripten.h>

#include "Guard.h"

namespace guirt::web {

Element::Element(const char* tag, const Element* parent)
    : handle_(guirt_web_create(tag, parent ? parent->handle_ : 0)) {}

Element::~Element() {
    guirt_web_destroy(handle_);
}

void Element::SetAttribute(const char* name, std::string_view value) const {
    guirt_web_set_attribute(handle_, name, value.empty() ? nullptr : std::string(value).c_str());
}

void Element::SetStyle(const char* property, std::string_view value) const {
    guirt_web_set_style(handle_, property, value.empty() ? nullptr : std::string(value).c_str());
}

void Element::SetFlag(const char* property, bool on) const {
    guirt_web_set_flag(handle_, property, on ? 1 : 0);
}

void Element::SetText(std::string_view text) const {
    guirt_web_set_text(handle_, std::string(text).c_str());
}

void Element::Append(const Element& child) const {
    guirt_web_append(handle_, child.handle_);
}

void Element::Listen(DomListener& listener) {
    if (!pageEvents_) guirt_web_listen(handle_);
    pageEvents_ = true;
    ReportTo(listener);
}

void Element::ReportTo(DomListener& listener) {
    guirt_web_report_to(handle_, &listener);
}

}  // namespace guirt::web

// Every event of the page reaches the runtime here, on the page's one thread, for the
// listener its element keeps.
extern "C" EMSCRIPTEN_KEEPALIVE void guirt_web_event(guirt::web::DomListener* listener, int event, int detail,
                                                     const char* text) {
    using namespace guirt::web;
    guirt::Caught(0, [&] {
        listener->Handle(static_cast<DomEvent>(event), detail, text);
        return 0;
    });
}
