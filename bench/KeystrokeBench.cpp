// One keystroke in the diameter field, end to end through the real program (the Qt key press
// and release, the field's KeyUp handler, the area field, calculate and the result label's
// peer, then the repaint), against the same window written directly in Qt (PlainWindow),
// which shows the same texts and does the same work per keystroke. Each window is typed into
// as a user types: the field is clicked, the window is the active one, and keys go to the
// window, which hands them to the widget with the focus.
//
// The figure is the processor time of the one thread all of it runs on (the offscreen
// platform paints in memory), so other processes on the machine do not count. The program
// and the plain window take turns in pairs of batches, the one going first changing from
// round to round, so that whatever drifts over a pair weighs on both alike; each pair gives
// one ratio.
//
// Usage: keystroke_bench [keystroke] [clipboard] [paste] [--pairs N]
// (the parts to run, all by default; N pairs for each, else each part's own number)
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <set>
#include <string>
#include <vector>

#include "PlainWindow.h"
#include "Stats.h"
#include "app/Startup.h"
#include "guirt/Runtime.h"
#include "guirt/TextEdit.h"

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fflush(stdout);
    std::fprintf(stderr, "keystroke_bench: %s\n", what);
    std::exit(1);
}

// The processor time this thread has used, in seconds.
double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// What one window shows, found by the texts it starts with, the same in both.
struct Shown {
    QWidget* window = nullptr;
    QLineEdit* length = nullptr;
    QLineEdit* diameter = nullptr;
    QLineEdit* area = nullptr;
    QLineEdit* current = nullptr;
    QLabel* result = nullptr;

    QString texts() const {
        return length->text() + u'|' + diameter->text() + u'|' + area->text() + u'|' + current->text() + u'|' +
               result->text();
    }
};

Shown Find(QWidget* window) {
    Shown shown{window};
    for (auto* edit : window->findChildren<QLineEdit*>()) {
        if (!edit->isVisible()) continue;
        if (edit->text() == QStringLiteral("60")) shown.length = edit;
        if (edit->text() == QStringLiteral("0.51054")) shown.diameter = edit;
        if (edit->text() == QStringLiteral("0.20471")) shown.area = edit;
        if (edit->text() == QStringLiteral("0.350")) shown.current = edit;
    }
    for (auto* label : window->findChildren<QLabel*>()) {
        if (label->isVisible() && label->text().startsWith(QStringLiteral("Voltage drop"))) shown.result = label;
    }
    if (!shown.length || !shown.diameter || !shown.area || !shown.current || !shown.result) {
        Fail("a window lacks one of its four fields or its result");
    }
    return shown;
}

// Makes the window the active one, as the one being typed into always is, and checks that
// the field still has the keyboard focus there.
void Activate(QWidget* field) {
    QWidget* window = field->window();
    if (QApplication::activeWindow() != window) {
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window)) Fail("a window did not become the active one");
    }
    QApplication::processEvents();
    if (QApplication::focusWidget() != field) Fail("the field typed into lost the keyboard focus");
}

// A click at the start of the field: the window becomes active, the field takes the focus and
// the cursor goes before the first character, where a digit changes the result.
void ClickIntoStart(QWidget* field) {
    QWidget* window = field->window();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window)) Fail("a window did not become the active one");
    const QPoint at = field->mapTo(window, QPoint(2, field->height() / 2));
    QTest::mouseMove(window->windowHandle(), at);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
    QApplication::processEvents();
    Activate(field);
}

void Key(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(window->windowHandle(), key, modifiers);
    QApplication::processEvents();
}

// A digit, then Backspace, so the text and the result alternate between two values.
Qt::Key KeyFor(int i) {
    return (i & 1) ? Qt::Key_Backspace : Qt::Key_5;
}

// Both windows show the same texts after each of a digit and a Backspace, and the digit
// changes the result: the two do the same work, and the text they lay out and paint is the
// same text.
void CheckSameTexts(const Shown& a, const Shown& b) {
    QString previous = a.result->text();
    for (int i = 0; i < 2; ++i) {
        for (const Shown* shown : {&a, &b}) {
            Activate(shown->diameter);
            Key(shown->window, KeyFor(i));
        }
        if (a.texts() != b.texts()) {
            std::fprintf(stderr, "keystroke_bench: the windows show different texts:\n  %s\n  %s\n",
                         qPrintable(a.texts()), qPrintable(b.texts()));
            std::exit(1);
        }
        if (a.result->text() == previous) Fail("a keystroke in the diameter field did not recalculate the result");
        previous = a.result->text();
    }
}

// Seconds of this thread for that many keystrokes in the field, each handled and repainted;
// an even count leaves the text as found.
double Batch(const Shown& shown, int keystrokes) {
    Activate(shown.diameter);
    const double start = ThreadSeconds();
    for (int i = 0; i < keystrokes; ++i) Key(shown.window, KeyFor(i));
    return ThreadSeconds() - start;
}

void Keystrokes(const Shown& dravello, const Shown& plain, int pairs, const char* what) {
    constexpr int kRounds = 100;
    constexpr int kKeystrokes = 10;  // per window and round
    ClickIntoStart(dravello.diameter);
    ClickIntoStart(plain.diameter);
    CheckSameTexts(dravello, plain);
    // One pair's worth to warm up, not counted.
    const auto a = [&] { return Batch(dravello, kKeystrokes); };
    const auto b = [&] { return Batch(plain, kKeystrokes); };
    bench::paired(1, kRounds, a, b);
    const bench::Paired keys = bench::paired(pairs, kRounds, a, b);
    constexpr double kPerKeystroke = 1e6 / (kRounds * kKeystrokes);
    const bench::Summary d = bench::summarise(keys.a);
    const bench::Summary p = bench::summarise(keys.b);
    std::printf("a keystroke in the diameter field%s, thread CPU, %d pairs of %d keystrokes each:\n", what, pairs,
                kRounds * kKeystrokes);
    std::printf("  dravello        median %6.1f us (middle half %.1f-%.1f, CV %.1f%%)\n", d.median * kPerKeystroke,
                d.lowerQuartile * kPerKeystroke, d.upperQuartile * kPerKeystroke, 100 * d.cv);
    std::printf("  plain-Qt window median %6.1f us (middle half %.1f-%.1f, CV %.1f%%)\n", p.median * kPerKeystroke,
                p.lowerQuartile * kPerKeystroke, p.upperQuartile * kPerKeystroke, 100 * p.cv);
    std::printf("  dravello / plain-Qt window:\n");
    bench::printRatios(keys.ratios, 1.03);
}

// Ctrl+V over the whole text of the current field, to the recomputed result on screen.
double Paste(const Shown& shown) {
    Activate(shown.current);
    shown.current->selectAll();
    const double start = ThreadSeconds();
    Key(shown.window, Qt::Key_V, Qt::ControlModifier);
    return ThreadSeconds() - start;
}

// A paste of the longest text a field takes, into each window's current field, in pairs of
// rounds as the keystrokes are; then the paste of 10 MB, which the program refuses whole.
void Pastes(const Shown& dravello, const Shown& plain, int pairs) {
    constexpr auto kMost = static_cast<qsizetype>(guirt::TextEdit::kMostText);
    constexpr int kRounds = 20;  // pastes per window and pair
    plain.current->setMaxLength(static_cast<int>(kMost));
    ClickIntoStart(dravello.current);
    ClickIntoStart(plain.current);
    const QString kept = dravello.current->text();
    QGuiApplication::clipboard()->setText(QStringLiteral("1") + QString(kMost - 1, QLatin1Char('0')));
    Paste(dravello);
    Paste(plain);
    if (dravello.current->text().size() != kMost || plain.current->text().size() != kMost) {
        Fail("a field did not take the whole paste of the most text a field takes");
    }
    if (dravello.texts() != plain.texts()) Fail("the windows show different texts after the paste");
    const auto a = [&] { return Paste(dravello); };
    const auto b = [&] { return Paste(plain); };
    bench::paired(1, kRounds, a, b);  // a pair's worth to warm up, not counted
    const bench::Paired paste = bench::paired(pairs, kRounds, a, b);
    const bench::Summary d = bench::summarise(paste.a);
    const bench::Summary p = bench::summarise(paste.b);
    std::printf("a paste of %lld characters over the current field, thread CPU, %d pairs of %d pastes each:\n",
                static_cast<long long>(kMost), pairs, kRounds);
    std::printf("  dravello        median %6.2f ms (middle half %.2f-%.2f, CV %.1f%%)\n", 1e3 * d.median / kRounds,
                1e3 * d.lowerQuartile / kRounds, 1e3 * d.upperQuartile / kRounds, 100 * d.cv);
    std::printf("  plain QLineEdit median %6.2f ms (middle half %.2f-%.2f, CV %.1f%%)\n", 1e3 * p.median / kRounds,
                1e3 * p.lowerQuartile / kRounds, 1e3 * p.upperQuartile / kRounds, 100 * p.cv);
    std::printf("  dravello / plain QLineEdit:\n");
    bench::printRatios(paste.ratios);

    QGuiApplication::clipboard()->setText(QString(10 << 20, QLatin1Char('1')));
    std::vector<double> refused;
    for (int i = 0; i < 20; ++i) refused.push_back(Paste(dravello));
    const bench::Summary r = bench::summarise(refused);
    std::printf("a paste of 10 MB, refused: median %.2f ms (middle half %.2f-%.2f), the field kept its text: %s\n",
                1e3 * r.median, 1e3 * r.lowerQuartile, 1e3 * r.upperQuartile,
                dravello.current->text().size() == kMost ? "yes" : "no");
    dravello.current->setText(kept);
    plain.current->setText(kept);
    QGuiApplication::clipboard()->clear();
}

}  // namespace

int main(int argc, char** argv) {
    std::set<std::string> parts;
    int pairs = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--pairs") == 0 && i + 1 < argc) {
            pairs = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "keystroke") == 0 || std::strcmp(argv[i], "clipboard") == 0 ||
                   std::strcmp(argv[i], "paste") == 0) {
            parts.insert(argv[i]);
        } else {
            std::fprintf(stderr, "usage: keystroke_bench [keystroke] [clipboard] [paste] [--pairs N]\n");
            return 2;
        }
    }
    if (parts.empty()) parts = {"keystroke", "clipboard", "paste"};

    guirt::RuntimeInit(nullptr, nullptr, L"-platform offscreen", 1);
    guirt::RuntimePerformInitializers();
    dravello::_EarlyStartup();
    dravello::_LateStartup();
    QApplication::processEvents();
    QWidget* program = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->windowTitle() == QStringLiteral("Dravello")) program = window;
    }
    if (!program) Fail("the program showed no window titled Dravello");
    {
        // Gone before the runtime ends Qt.
        PlainWindow plainWindow;
        plainWindow.show();
        if (!QTest::qWaitForWindowExposed(&plainWindow)) Fail("the plain window was not shown");
        const Shown dravello = Find(program);
        const Shown plain = Find(&plainWindow);

        if (parts.count("keystroke")) Keystrokes(dravello, plain, pairs > 0 ? pairs : 30, "");
        // A keystroke must not pay for what the clipboard holds.
        if (parts.count("clipboard")) {
            QGuiApplication::clipboard()->setText(QString(10 << 20, QLatin1Char('7')));
            Keystrokes(dravello, plain, pairs > 0 ? pairs : 10, " with 10 MB on the clipboard");
            QGuiApplication::clipboard()->clear();
        }
        if (parts.count("paste")) Pastes(dravello, plain, pairs > 0 ? pairs : 30);
    }
    guirt::RuntimePerformFinalizers();
    return static_cast<int>(guirt::RuntimeExit());
}
