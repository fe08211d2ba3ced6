// One keystroke in the diameter field, end to end through the real program: the Qt key press
// and release, the field's KeyUp handler, the area field, calculate and the result label's
// peer, then the repaint. Two baselines, repainted the same way: the same window written
// directly in Qt (PlainWindow), doing the same work per keystroke, and the least plain Qt
// can do, a key click in a bare QLineEdit and one QLabel::setText. After the benchmarks the
// program and the plain window also take turns in pairs of batches, for a ratio that holds
// while the machine's speed drifts.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTest>
#include <cstdio>
#include <ctime>
#include <map>
#include <string>
#include <vector>

#include "PlainWindow.h"
#include "Stats.h"
#include "app/Startup.h"
#include "guirt/Runtime.h"
#include "guirt/TextEdit.h"

namespace {

QLineEdit* gDiameter = nullptr;
QLineEdit* gCurrent = nullptr;
QLabel* gResult = nullptr;

QLineEdit* FindLineEdit(const QString& text) {
    for (QWidget* widget : QApplication::allWidgets()) {
        auto* edit = qobject_cast<QLineEdit*>(widget);
        if (edit && edit->isVisible() && edit->text() == text) return edit;
    }
    return nullptr;
}

QLabel* FindLabel(const QString& prefix) {
    for (QWidget* widget : QApplication::allWidgets()) {
        auto* label = qobject_cast<QLabel*>(widget);
        if (label && label->isVisible() && label->text().startsWith(prefix)) return label;
    }
    return nullptr;
}

// A digit, then Backspace, so the text and the result alternate between two values.
Qt::Key KeyFor(std::int64_t i) {
    return (i & 1) ? Qt::Key_Backspace : Qt::Key_5;
}

// Whether a 5 and a Backspace in the field change the result and then restore it.
bool Recalculates(QLineEdit* diameter, QLabel* result) {
    const QString before = result->text();
    QTest::keyClick(diameter, Qt::Key_5);
    QApplication::processEvents();
    const bool recalculated = result->text() != before;
    QTest::keyClick(diameter, Qt::Key_Backspace);
    QApplication::processEvents();
    return recalculated && result->text() == before;
}

// clipboardBytes: what the clipboard holds meanwhile; a keystroke must not pay for it.
void Keystrokes(benchmark::State& state, QLineEdit* diameter, QLabel* result, int clipboardBytes) {
    if (!diameter || !result) {
        state.SkipWithError("the diameter field or the result label was not found");
        return;
    }
    QGuiApplication::clipboard()->setText(QString(clipboardBytes, QLatin1Char('7')));
    if (!Recalculates(diameter, result)) {
        state.SkipWithError("a keystroke in the diameter field did not recalculate the result");
        return;
    }
    std::int64_t i = 0;
    for (auto _ : state) {
        QTest::keyClick(diameter, KeyFor(i));
        QApplication::processEvents();
        ++i;
    }
    // Leave the field as found for the next repetition.
    if (i & 1) {
        QTest::keyClick(diameter, Qt::Key_Backspace);
        QApplication::processEvents();
    }
    QGuiApplication::clipboard()->clear();
}

void BM_Keystroke_Dravello(benchmark::State& state) {
    Keystrokes(state, gDiameter, gResult, 0);
}
BENCHMARK(BM_Keystroke_Dravello)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

void BM_Keystroke_Dravello_10MBClipboard(benchmark::State& state) {
    Keystrokes(state, gDiameter, gResult, 10 << 20);
}
BENCHMARK(BM_Keystroke_Dravello_10MBClipboard)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

void BM_Keystroke_PlainQtWindow(benchmark::State& state) {
    PlainWindow window;
    window.show();
    QApplication::processEvents();
    Keystrokes(state, window.diameter(), window.result(), 0);
}
BENCHMARK(BM_Keystroke_PlainQtWindow)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

void BM_Keystroke_Baseline(benchmark::State& state) {
    QWidget window;
    window.setWindowTitle("Baseline");
    auto* edit = new QLineEdit("0.51054", &window);
    auto* label = new QLabel("Voltage drop = 1.795V", &window);
    edit->setGeometry(196, 106, 80, 22);
    label->setGeometry(20, 207, 256, 20);
    window.setFixedSize(296, 247);
    window.show();
    QApplication::processEvents();
    const QString texts[2] = {QStringLiteral("Voltage drop = 1.795V"), QStringLiteral("Voltage drop = 1.796V")};
    std::int64_t i = 0;
    for (auto _ : state) {
        QTest::keyClick(edit, KeyFor(i));
        label->setText(texts[i & 1]);
        QApplication::processEvents();
        ++i;
    }
}
BENCHMARK(BM_Keystroke_Baseline)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

// Prints as usual and keeps the medians, for the ratio printed at the end.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> medians;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                medians[run.run_name.function_name] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

// The processor time this thread has used, in seconds: all of a keystroke's work, from the
// key event to the repaint, runs on it (the offscreen platform paints in memory), and what
// other processes do on the machine does not count.
double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Seconds for that many keystrokes in the field, each repainted; an even count leaves the
// text as found. The window is made the active one first, outside the timing, as the one
// being typed into always is.
double Batch(QLineEdit* diameter, int keystrokes) {
    diameter->window()->activateWindow();
    QApplication::processEvents();
    const double start = ThreadSeconds();
    for (int i = 0; i < keystrokes; ++i) {
        QTest::keyClick(diameter, KeyFor(i));
        QApplication::processEvents();
    }
    return ThreadSeconds() - start;
}

// The program and the plain window in pairs. Within a pair the two take turns in short
// rounds, the one going first changing from round to round, so that whatever drifts on the
// machine over a pair (a virtual machine's processor speed does) weighs on both alike; each
// pair gives one ratio.
void PairedRatio() {
    constexpr int kPairs = 30;
    constexpr int kRounds = 100;
    constexpr int kKeystrokes = 10;  // per window and round
    PlainWindow plain;
    plain.show();
    QApplication::processEvents();
    if (!gDiameter || !gResult || !Recalculates(gDiameter, gResult) ||
        !Recalculates(plain.diameter(), plain.result())) {
        std::printf("keystroke paired ratio: a window did not recalculate on a keystroke\n");
        return;
    }
    // One pair's worth to warm up, not counted.
    Batch(gDiameter, kRounds * kKeystrokes);
    Batch(plain.diameter(), kRounds * kKeystrokes);
    const bench::Paired keys = bench::paired(kPairs, kRounds, [&] { return Batch(gDiameter, kKeystrokes); },
                                             [&] { return Batch(plain.diameter(), kKeystrokes); });
    std::vector<double> dravello, baseline;
    for (double d : keys.a) dravello.push_back(d / (kRounds * kKeystrokes) * 1e6);
    for (double b : keys.b) baseline.push_back(b / (kRounds * kKeystrokes) * 1e6);
    const bench::Summary r = bench::summarise(keys.ratios);
    const bench::Summary d = bench::summarise(dravello);
    const bench::Summary b = bench::summarise(baseline);
    std::printf(
        "keystroke within the pairs, median per keystroke: dravello %.1f us (CV %.1f%%), plain-Qt window "
        "%.1f us (CV %.1f%%)\n",
        d.median, 100 * d.cv, b.median, 100 * b.cv);
    std::printf(
        "keystroke paired ratio dravello/plain-Qt window: median %.2f (IQR %.2f-%.2f, min %.2f, max %.2f, "
        "CV %.1f%%, %d pairs x %d keystrokes each) target <= 1.05\n",
        r.median, r.lowerQuartile, r.upperQuartile, r.min, r.max, 100 * r.cv, kPairs, kRounds * kKeystrokes);
}

// Ctrl+V over the whole text of the current field, to the recomputed result on screen.
double Paste(QLineEdit* current) {
    current->selectAll();
    const double start = ThreadSeconds();
    QTest::keyClick(current, Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();
    return ThreadSeconds() - start;
}

// A paste of the longest text a field takes, into the program's current field and into the
// plain window's, in pairs of rounds as the keystrokes are; then the paste of 10 MB, which
// the program refuses whole.
void PastePairedRatio() {
    constexpr auto kMost = static_cast<qsizetype>(guirt::TextEdit::kMostText);
    constexpr int kPairs = 30;
    constexpr int kRounds = 20;  // pastes per window and pair
    PlainWindow plain;
    plain.show();
    plain.current()->setMaxLength(static_cast<int>(kMost));
    QApplication::processEvents();
    const QString kept = gCurrent->text();
    QGuiApplication::clipboard()->setText(QStringLiteral("1") + QString(kMost - 1, QLatin1Char('0')));
    Paste(gCurrent);
    Paste(plain.current());
    if (gCurrent->text().size() != kMost || plain.current()->text().size() != kMost) {
        std::printf("paste of the bound: a field did not take the whole paste\n");
        return;
    }
    const auto dravello = [&] { return Paste(gCurrent); };
    const auto baseline = [&] { return Paste(plain.current()); };
    bench::paired(1, kRounds, dravello, baseline);  // a pair's worth to warm up, not counted
    const bench::Paired paste = bench::paired(kPairs, kRounds, dravello, baseline);
    std::printf("paste of %lld characters, median: dravello %.2f ms, plain QLineEdit %.2f ms\n",
                static_cast<long long>(kMost), 1e3 * bench::summarise(paste.a).median / kRounds,
                1e3 * bench::summarise(paste.b).median / kRounds);
    bench::printRatios(paste.ratios);

    QGuiApplication::clipboard()->setText(QString(10 << 20, QLatin1Char('1')));
    std::vector<double> refused;
    for (int i = 0; i < 20; ++i) refused.push_back(Paste(gCurrent));
    std::printf("paste of 10 MB, refused: median %.2f ms, the field kept its text: %s\n",
                1e3 * bench::summarise(refused).median, gCurrent->text().size() == kMost ? "yes" : "no");
    gCurrent->setText(kept);
    QGuiApplication::clipboard()->clear();
}

}  // namespace

int main(int argc, char** argv) {
    guirt::RuntimeInit(nullptr, nullptr, L"-platform offscreen", 1);
    guirt::RuntimePerformInitializers();
    dravello::_EarlyStartup();
    dravello::_LateStartup();
    QApplication::processEvents();
    gDiameter = FindLineEdit(QStringLiteral("0.51054"));
    gCurrent = FindLineEdit(QStringLiteral("0.350"));
    gResult = FindLabel(QStringLiteral("Voltage drop"));

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    auto ratio = [&](const char* name, const char* against, const char* what, double target) {
        auto a = reporter.medians.find(name);
        auto b = reporter.medians.find(against);
        if (a != reporter.medians.end() && b != reporter.medians.end() && b->second > 0) {
            std::printf("%s: %.2f (target <= %.2f)\n", what, a->second / b->second, target);
        }
    };
    ratio("BM_Keystroke_Dravello", "BM_Keystroke_PlainQtWindow", "keystroke median ratio dravello/plain-Qt window",
          1.05);
    ratio("BM_Keystroke_Dravello", "BM_Keystroke_Baseline", "keystroke median ratio dravello/baseline", 1.2);
    ratio("BM_Keystroke_Dravello_10MBClipboard", "BM_Keystroke_Dravello",
          "keystroke median ratio 10 MB on the clipboard/empty clipboard", 1.05);
    // Only beside the two benchmarks it pairs, so that a filtered run stays short.
    if (reporter.medians.count("BM_Keystroke_Dravello") && reporter.medians.count("BM_Keystroke_PlainQtWindow")) {
        PairedRatio();
    }
    if (gCurrent) PastePairedRatio();

    guirt::RuntimePerformFinalizers();
    return static_cast<int>(guirt::RuntimeExit());
}
