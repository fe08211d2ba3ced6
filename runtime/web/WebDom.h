#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace guirt::web {
class DomListener;
}

// The page as the web backend's C++ sees it: elements by handle, made and changed through
// the functions of guirt.js, and their events reported back (guirt_web_event) to the
// listener each element keeps. Texts cross as UTF-8.
extern "C" {
int guirt_web_create(const char* tag, int parent);
void guirt_web_destroy(int element);
void guirt_web_append(int parent, int child);
void guirt_web_set_attribute(int element, const char* name, const char* value);
void guirt_web_set_style(int element, const char* property, const char* value);
void guirt_web_set_flag(int element, const char* property, int on);
void guirt_web_set_text(int element, const char* text);
void guirt_web_set_value(int element, const char* text);
char* guirt_web_value(int element);
void guirt_web_listen(int element);
void guirt_web_report_to(int element, guirt::web::DomListener* listener);
void guirt_web_focus(int element);
void guirt_web_facts(int element, std::int32_t* facts);
void guirt_web_select(int element, int start, int end);
void guirt_web_select_all_from_start(int element);
void guirt_web_command(int element, const char* command);
void guirt_web_insert(int element, const char* text);
int guirt_web_clipboard();
void guirt_web_refuse_event();
void guirt_web_beep();
void guirt_web_add_option(int element, const char* text);
int guirt_web_option_count(int element);
void guirt_web_set_selected(int element, int index);
double guirt_web_text_width(const char* font, const char* text);
char* guirt_web_font(int element);
int guirt_web_inherited_pixels(int element);
double guirt_web_line_height(int element, int pixels);
double guirt_web_line_room(int element);
void guirt_web_set_title(const char* text);
void guirt_web_menubar(int element, int root, const char* description);
void guirt_web_menu_enabled(int element, int number, int enabled);
void guirt_web_end_loop();
void guirt_web_ended(const char* program, int status);
void guirt_web_alert(const char* report);
}

namespace guirt::web {

// The events guirt.js reports, with their detail.
enum class DomEvent {
    Input = 1,    // the text changed
    KeyDown = 2,  // detail: KeyFlags; text: the DOM key
    KeyUp = 3,
    Change = 4,  // detail: the row picked
    FocusIn = 5,
    FocusOut = 6,
    Click = 7,
    MenuOpening = 8,  // detail: the menu's entry number
    MenuClosed = 9,
    MenuChosen = 10,  // detail: the command's entry number
    Typing = 11,      // detail: the units of the text a key keeps; text: what it types
    Incoming = 12,    // the same for a paste by key, which the browser inserts unless refused
    Pasted = 13,      // the same for text the runtime inserts: Edit > Paste's, a drop's
    Shortcut = 14,    // detail: KeyFlags; text: the DOM key
    Activated = 15,   // the page has the focus again
};

// The modifier and repeat flags of a key event.
enum KeyFlags : int { kRepeat = 1, kCtrl = 2, kAlt = 4, kMeta = 8, kShift = 16 };

// What listens to the events of an element.
class DomListener {
public:
    virtual void Handle(DomEvent event, int detail, std::string_view text) = 0;

protected:
    ~DomListener() = default;
};

// One element of the page, removed with its handle. Its events go to the listener given,
// which must outlive the element's listening.
class Element {
public:
    Element(const char* tag, const Element* parent);
    ~Element();
    Element(const Element&) = delete;
    Element& operator=(const Element&) = delete;

    int Handle() const noexcept { return handle_; }
    // An empty value takes the attribute away.
    void SetAttribute(const char* name, std::string_view value) const;
    // An empty value takes the property away.
    void SetStyle(const char* property, std::string_view value) const;
    void SetFlag(const char* property, bool on) const;
    void SetText(std::string_view text) const;
    void Append(const Element& child) const;
    // The element's events of the page (input, keys, changes, focus, clicks) go to the
    // listener; ReportTo sends it only what guirt.js reports of the element on its own
    // (a menubar's).
    void Listen(DomListener& listener);
    void ReportTo(DomListener& listener);

private:
    int handle_;
    bool pageEvents_ = false;
};

}  // namespace guirt::web
