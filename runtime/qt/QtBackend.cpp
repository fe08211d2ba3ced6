#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMimeData>
#include <QProcess>
#include <dlfcn.h>
#include <malloc.h>
#include <pthread.h>
#include <sys/mman.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <memory>
#include <string>
#include <vector>

#include "Backend.h"
#include "Guard.h"
#include "QtLook.h"
#include "QtPopUp.h"
#include "QtWindowPeer.h"

namespace guirt {

namespace {

// The stack each of Qt's threads reserves.
constexpr std::size_t kThreadStack = 1 << 20;
// The room Qt takes while it starts and the window is built, with a margin: where less is
// left, the start would fail somewhere inside Qt, which not every part of survives.
constexpr std::size_t kStartingRoom = 24 << 20;

// Whether the process may still take that room: reserved (taking no memory) and given back.
bool RoomToStart() {
    void* room = mmap(nullptr, kStartingRoom, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (room == MAP_FAILED) return false;
    munmap(room, kStartingRoom);
    return true;
}

// Says in one line why the program cannot start, and ends it with status 1 without a core
// dump or any of the teardown that would follow a half-made start.
[[noreturn]] void CannotStart(const QString& reason) {
    std::fprintf(stderr, "%s\n", qUtf8Printable(QStringLiteral("dravello: %1").arg(reason)));
    std::fflush(stderr);
    std::_Exit(1);
}

// Whether the platform's plugin, which Qt found but could not load, failed for lack of
// memory, as the system's loader tells when asked to load it again.
bool PluginLacksMemory(const QString& plugin) {
    const QString file = QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms/libq") +
                         plugin + QStringLiteral(".so");
    if (void* loaded = dlopen(QFile::encodeName(file).constData(), RTLD_NOW | RTLD_LOCAL)) {
        dlclose(loaded);
        return false;
    }
    const char* error = dlerror();
    return error && (std::strstr(error, "failed to map segment") || std::strstr(error, "Cannot allocate memory"));
}

// Qt's word for a thread it could not start, as when memory runs short: parts of Qt then wait
// for that thread for ever.
bool ThreadFailed(const QString& message) {
    return message.startsWith(QStringLiteral("QThread::start: Thread creation error"));
}

// What Qt said while it looked for a display, kept in case it then gives up.
QStringList& StartupMessages() {
    static QStringList messages;
    return messages;
}

// Qt ends the process when no platform can start (no display, a wrong one, an unknown
// -platform), after several lines that send a user in the wrong direction. Say in one line
// what could not be opened instead, and exit with status 1 without a core dump.
void StartupMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (ThreadFailed(message)) CannotStart(QStringLiteral("memory ran out while starting"));
    if (type != QtFatalMsg) {
        StartupMessages() << message;
        return;
    }
    // The display that could not be opened says most; a plugin Qt could not load follows from it.
    QString reason = QStringLiteral("no platform to show windows on could be started");
    for (const QString& said : StartupMessages()) {
        static const QString kMissing = QStringLiteral("Could not find the Qt platform plugin");
        static const QString kUnloaded = QStringLiteral("Could not load the Qt platform plugin");
        if (!said.contains(kMissing) && !said.contains(kUnloaded)) continue;
        const qsizetype at = said.indexOf(said.contains(kMissing) ? kMissing : kUnloaded);
        QString plugin = said.mid(at + kMissing.size()).section(QStringLiteral(" in "), 0, 0).trimmed();
        plugin.remove(u'"');
        reason = said.contains(kUnloaded) && PluginLacksMemory(plugin)
                     ? QStringLiteral("memory ran out while starting")
                     : QStringLiteral("cannot load the platform %1").arg(plugin);
    }
    for (const QString& said : StartupMessages()) {
        static const QString kDisplay = QStringLiteral("could not connect to display");
        if (!said.contains(kDisplay)) continue;
        const QString display = said.mid(said.indexOf(kDisplay) + kDisplay.size()).trimmed();
        reason = display.isEmpty() ? QStringLiteral("cannot open a display: DISPLAY is not set")
                                   : QStringLiteral("cannot open the display %1").arg(display);
    }
    CannotStart(reason);
}

// The display the program shows on: the one its -display option names, else DISPLAY's.
QString DisplayOf(const std::vector<std::string>& words) {
    for (std::size_t i = 1; i + 1 < words.size(); ++i) {
        if (words[i] == "-display") return QString::fromStdString(words[i + 1]);
    }
    return qEnvironmentVariable("DISPLAY");
}

// Once the window shows, what Qt says goes where it went before, but for the display going
// away (Qt then ends the process with exit(), and the runtime's objects would be torn down
// around a platform that has gone) and a thread Qt could not start: say in one line what
// happened and end at once.
QtMessageHandler gPassedOn = nullptr;
QString& LostDisplay() {
    static QString display;
    return display;
}
void RunningMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QStringLiteral("The X11 connection broke"))) {
        CannotStart(QStringLiteral("lost the connection to the display %1").arg(LostDisplay()));
    }
    if (ThreadFailed(message)) CannotStart(QStringLiteral("memory ran out"));
    if (gPassedOn) gPassedOn(type, context, message);
}

// The program's icon from the desktop's icon theme, where installing puts it. Elsewhere (the
// program not installed, or no theme, as on the offscreen platform) its sizes are read from
// the hicolor tree in share/icons beside the program's folder, where both an installed tree
// and the build folder have it.
QIcon ProgramIcon() {
    const QString name = QStringLiteral(GUIRT_DESKTOP_ID);
    QIcon icon = QIcon::fromTheme(name);
    if (!icon.isNull()) return icon;
    const QDir hicolor(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/icons/hicolor"));
    for (const QString& size : hicolor.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString file = hicolor.filePath(size + QStringLiteral("/apps/") + name + QStringLiteral(".png"));
        if (QFile::exists(file)) icon.addFile(file);
    }
    return icon;
}

// The application every event goes through. A key pressed in a window of the runtime's is
// the window's shortcut first, whichever of its widgets has the focus. An exception out of
// Qt's own handling of an event (memory running out while a widget works) is parked as the
// program's own are, and ends the loop, before it can unwind through Qt's loop, which
// cannot take one.
class RuntimeApplication final : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            if (event->type() == QEvent::KeyPress && TakenAsShortcut(receiver, static_cast<QKeyEvent&>(*event))) {
                return true;
            }
            return QApplication::notify(receiver, event);
        } catch (...) {
            ParkAndEndLoop();
            return false;
        }
    }

private:
    static bool TakenAsShortcut(QObject* receiver, const QKeyEvent& key) {
        const auto* widget = qobject_cast<QWidget*>(receiver);
        const auto* window = widget ? dynamic_cast<qt::NativeWindow*>(widget->window()) : nullptr;
        return window && window->shortcut && window->shortcut(key);
    }
};

// The Qt backend: one QApplication for the process and its event loop.
class QtBackend final : public PeerFactory {
public:
    explicit QtBackend(std::wstring_view commandLineTail) {
        // Qt's own splitter reads the tail back into the words it was made from.
        const QStringList words = QProcess::splitCommand(
            QString::fromWCharArray(commandLineTail.data(), static_cast<qsizetype>(commandLineTail.size())));
        words_.emplace_back("dravello");
        for (const QString& word : words) words_.push_back(word.toStdString());
        for (std::string& word : words_) argv_.push_back(word.data());
        argv_.push_back(nullptr);
        argc_ = static_cast<int>(words_.size());
        // Qt keeps argc and argv and takes its own options (-platform, -style...) from them.
        if (!RoomToStart()) CannotStart(QStringLiteral("memory ran out while starting"));
        LostDisplay() = DisplayOf(words_);
        // Qt's own threads (the X connection's reader among them) need little stack, and
        // share the one heap: a heap of their own would take 64 MB of address space each,
        // at a moment that depends on how busy the machine is, and the room checked above
        // would not hold.
        mallopt(M_ARENA_MAX, 1);
        pthread_attr_t threads;
        if (pthread_attr_init(&threads) == 0) {
            pthread_attr_setstacksize(&threads, kThreadStack);
            pthread_setattr_default_np(&threads);
            pthread_attr_destroy(&threads);
        }
        // The menu bar lives in the window: no session-bus connection to export it.
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
        const QtMessageHandler previous = qInstallMessageHandler(StartupMessageHandler);
        try {
            app_ = std::make_unique<RuntimeApplication>(argc_, argv_.data());
        } catch (const std::bad_alloc&) {
            CannotStart(QStringLiteral("memory ran out while starting"));
        }
        qInstallMessageHandler(RunningMessageHandler);
        gPassedOn = previous;
        for (const QString& said : StartupMessages()) qWarning("%s", qUtf8Printable(said));
        StartupMessages().clear();
        // The program decides when to quit, not the last window closing.
        QApplication::setQuitOnLastWindowClosed(false);
        // WM_CLASS "dravello", "Dravello" and the desktop entry's id, so launchers and
        // compositors match the window to its entry and show its icon.
        QApplication::setApplicationName(QStringLiteral(GUIRT_APPLICATION_NAME));
        QGuiApplication::setDesktopFileName(QStringLiteral(GUIRT_DESKTOP_ID));
        QApplication::setWindowIcon(ProgramIcon());
        qt::UseLightLook();
    }

    ~QtBackend() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        app_.reset();
    }

    std::unique_ptr<WindowPeer> CreateWindowPeer(Window& window, const ShownMenuBar& bar) override {
        return std::make_unique<qt::QtWindowPeer>(window, bar);
    }

    bool RunEventLoop() override {
        QApplication::exec();
        return true;
    }

    void QuitEventLoop() noexcept override {
        QCoreApplication::exit(0);  // the runtime keeps the program's exit code
    }

    std::optional<std::size_t> PopUp(const std::vector<MenuEntry>& entries,
                                     std::optional<std::pair<std::int64_t, std::int64_t>> at) override {
        return qt::PopUpMenu(entries, at);
    }

    bool ClipboardOffersText() override {
        const QMimeData* offered = QGuiApplication::clipboard()->mimeData();
        return offered && offered->hasText();
    }

    void Beep() override { QApplication::beep(); }

    // Standard error is where a program started from a desktop on Linux reports.
    void AlertUnhandledException(std::string_view) override {}

    // Qt's system locale follows LC_ALL, LC_NUMERIC and LANG, as the desktop sets them.
    std::string DecimalSeparator() override { return QLocale::system().decimalPoint().toStdString(); }

private:
    std::vector<std::string> words_;
    std::vector<char*> argv_;
    int argc_ = 0;
    std::unique_ptr<QApplication> app_;
};

}  // namespace

std::unique_ptr<PeerFactory> CreatePlatformBackend(std::wstring_view commandLineTail) {
    return std::make_unique<QtBackend>(commandLineTail);
}

}  // namespace guirt
