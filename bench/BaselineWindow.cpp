// The start-up baseline: Dravello's window built with plain Qt, no runtime in between
// (PlainWindow, shared with the keystroke benchmark). Runs until the window is closed.
#include <QApplication>

#include "PlainWindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    PlainWindow window;
    window.show();
    return app.exec();
}
