// A close request as the window manager's close button sends it: the WM_PROTOCOLS client
// message carrying WM_DELETE_WINDOW, from a connection of its own to the X server.
#include <QEvent>
#include <QWidget>

#include "QtAgent.h"

// After Qt's headers: Xlib's macros (None, KeyPress, FocusIn...) would clash with their names.
#include <X11/Xlib.h>

namespace qtagent {

namespace {

// Notes the close event the window gets, and lets it through.
class CloseSeen final : public QObject {
public:
    bool seen = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Close) seen = true;
        return false;
    }
};

void SendWmDelete(unsigned long window) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) throw behaviour::AgentError("cannot open the X display");
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    XCloseDisplay(display);
    if (!sent) throw behaviour::AgentError("XSendEvent failed");
}

}  // namespace

void RequestClose(QWidget& window) {
    CloseSeen watch;  // goes from the window's filters as it is destroyed
    window.installEventFilter(&watch);
    SendWmDelete(window.winId());
    if (!WaitFor([&] { return watch.seen; })) throw behaviour::AgentError("the window got no close event");
}

}  // namespace qtagent
