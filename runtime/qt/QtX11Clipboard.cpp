#include "QtX11Clipboard.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <memory>

namespace guirt::qt {

namespace {

using Clock = std::chrono::steady_clock;

// How long the owner of a selection may take to answer each request.
constexpr auto kOwnerTime = std::chrono::seconds(5);

struct DisplayCloser {
    void operator()(Display* display) const noexcept { XCloseDisplay(display); }
};

// Waits for the next event of the type on the window, or gives up at the deadline.
bool NextEvent(Display* display, Window window, int type, XEvent& event, Clock::time_point deadline) {
    while (!XCheckTypedWindowEvent(display, window, type, &event)) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return false;
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, static_cast<int>(left));
    }
    return true;
}

// What a property held: its type and size; no type where it could not be read.
struct Held {
    Atom type = None;
    std::size_t bytes = 0;
};

// Takes the property off the window and keeps what it held after `kept`, up to `most` bytes
// in all, reading no more of it than that.
Held TakeProperty(Display* display, Window window, Atom property, std::string& kept, std::size_t most) {
    Held held;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const long wanted = static_cast<long>((most - std::min(most, kept.size())) / 4 + 1);
    if (XGetWindowProperty(display, window, property, 0, wanted, False, AnyPropertyType, &held.type, &format, &items,
                           &after, &data) != Success) {
        return {};
    }
    const std::size_t read = items * static_cast<std::size_t>(format / 8);
    held.bytes = read + after;
    if (data && format == 8 && kept.size() < most) {
        kept.append(reinterpret_cast<const char*>(data), std::min(read, most - kept.size()));
    }
    if (data) XFree(data);
    XDeleteProperty(display, window, property);
    return held;
}

}  // namespace

std::optional<std::string> X11OfferedText(_XDisplay* application, bool primary, std::size_t most) {
    const std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(DisplayString(application)));
    if (!display) return std::nullopt;
    Display* d = display.get();
    const Window window = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0);
    XSelectInput(d, window, PropertyChangeMask);
    const Atom selection = primary ? XA_PRIMARY : XInternAtom(d, "CLIPBOARD", False);
    const Atom property = XInternAtom(d, "GUIRT_OFFERED_TEXT", False);
    const Atom incremental = XInternAtom(d, "INCR", False);
    std::string text;
    for (const char* target : {"UTF8_STRING", "text/plain;charset=utf-8"}) {
        XConvertSelection(d, selection, XInternAtom(d, target, False), property, window, CurrentTime);
        XEvent event;
        if (!NextEvent(d, window, SelectionNotify, event, Clock::now() + kOwnerTime)) return std::nullopt;
        if (event.xselection.property == None) continue;
        const Held held = TakeProperty(d, window, property, text, most);
        if (held.type == None) return std::nullopt;
        if (held.type != incremental) return text;
        // A large text comes in parts, each a new value of the property once the last was
        // taken; an empty one ends it. All of it is taken, so that its owner finishes, and no
        // more of it kept than decides whether a field can hold it. Each part is waited for
        // once the taking of the last is seen, past the news of values already taken.
        text.clear();
        while (true) {
            for (int state : {PropertyDelete, PropertyNewValue}) {
                do {
                    if (!NextEvent(d, window, PropertyNotify, event, Clock::now() + kOwnerTime)) return std::nullopt;
                } while (event.xproperty.atom != property || event.xproperty.state != state);
            }
            const Held part = TakeProperty(d, window, property, text, most);
            if (part.type == None) return std::nullopt;
            if (part.bytes == 0) return text;
        }
    }
    return std::nullopt;
}

}  // namespace guirt::qt
