// The start-up baseline: Dravello's window built with plain Qt, no runtime in between
// (PlainWindow, shared with the keystroke benchmark), started as the program starts: the menu
// bar in the window, the program's name (its windows' class) and desktop entry's id, and the
// program's icon from the desktop's icon theme, else from the hicolor tree in share/icons
// beside the program's folder (the build folder has it beside bench/ as beside app/). Runs
// until the window is closed.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>

#include "PlainWindow.h"

namespace {

const QString kDesktopId = QStringLiteral("org.dravello.Dravello");

QIcon programIcon() {
    QIcon icon = QIcon::fromTheme(kDesktopId);
    if (!icon.isNull()) return icon;
    const QDir hicolor(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/icons/hicolor"));
    for (const QString& size : hicolor.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString file = hicolor.filePath(size + QStringLiteral("/apps/") + kDesktopId + QStringLiteral(".png"));
        if (QFile::exists(file)) icon.addFile(file);
    }
    return icon;
}

}  // namespace

int main(int argc, char** argv) {
    // The menu bar lives in the window: no session-bus connection to export it.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dravello"));
    QGuiApplication::setDesktopFileName(kDesktopId);
    QApplication::setWindowIcon(programIcon());
    PlainWindow window;
    window.show();
    return app.exec();
}
