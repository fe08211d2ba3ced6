// One keystroke in the diameter field, end to end through the real program: the Qt key press
// and release, the field's KeyUp handler, the area field, calculate and the result label's
// peer, then the repaint. The baseline does the least plain Qt can: a key click in a bare
// QLineEdit and one QLabel::setText, repainted the same way.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTest>
#include <QVBoxLayout>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "app/Startup.h"
#include "guirt/Runtime.h"

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

// clipboardBytes: what the clipboard holds meanwhile; a keystroke must not pay for it.
void Keystrokes(benchmark::State& state, int clipboardBytes) {
    if (!gDiameter || !gResult) {
        state.SkipWithError("the diameter field or the result label was not found");
        return;
    }
    QGuiApplication::clipboard()->setText(QString(clipboardBytes, QLatin1Char('7')));
    const QString before = gResult->text();
    QTest::keyClick(gDiameter, Qt::Key_5);
    QApplication::processEvents();
    const bool recalculated = gResult->text() != before;
    QTest::keyClick(gDiameter, Qt::Key_Backspace);
    QApplication::processEvents();
    if (!recalculated || gResult->text() != before) {
        state.SkipWithError("a keystroke in the diameter field did not recalculate the result");
        return;
    }
    std::int64_t i = 0;
    for (auto _ : state) {
        QTest::keyClick(gDiameter, KeyFor(i));
        QApplication::processEvents();
        ++i;
    }
    // Leave the field as found for the next repetition.
    if (i & 1) {
        QTest::keyClick(gDiameter, Qt::Key_Backspace);
        QApplication::processEvents();
    }
    QGuiApplication::clipboard()->clear();
}

void BM_Keystroke_Dravello(benchmark::State& state) {
    Keystrokes(state, 0);
}
BENCHMARK(BM_Keystroke_Dravello)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

void BM_Keystroke_Dravello_10MBClipboard(benchmark::State& state) {
    Keystrokes(state, 10 << 20);
}
BENCHMARK(BM_Keystroke_Dravello_10MBClipboard)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

// Ctrl+V of a long number into the current field, to the recomputed result on screen; the
// field is emptied again outside the timing.
void BM_Paste_Dravello(benchmark::State& state) {
    if (!gCurrent || !gResult) {
        state.SkipWithError("the current field or the result label was not found");
        return;
    }
    const QString digits(static_cast<qsizetype>(state.range(0)), QLatin1Char('1'));
    QGuiApplication::clipboard()->setText(digits);
    const QString kept = gCurrent->text();
    gCurrent->setFocus();
    for (auto _ : state) {
        state.PauseTiming();
        gCurrent->selectAll();
        state.ResumeTiming();
        QTest::keyClick(gCurrent, Qt::Key_V, Qt::ControlModifier);
        QApplication::processEvents();
        if (gCurrent->text().size() != digits.size()) state.SkipWithError("the paste was cut");
    }
    gCurrent->setText(kept);
    QGuiApplication::clipboard()->clear();
}
BENCHMARK(BM_Paste_Dravello)
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

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
    ratio("BM_Keystroke_Dravello", "BM_Keystroke_Baseline", "keystroke median ratio dravello/baseline", 1.2);
    ratio("BM_Keystroke_Dravello_10MBClipboard", "BM_Keystroke_Dravello",
          "keystroke median ratio 10 MB on the clipboard/empty clipboard", 1.05);

    guirt::RuntimePerformFinalizers();
    return static_cast<int>(guirt::RuntimeExit());
}
