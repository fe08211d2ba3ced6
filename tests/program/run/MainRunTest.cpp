// The program run through _Main and its real event loop, each run in a child process:
// the runtime's state (one application, one quit code, one report) lasts the process.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <string>

#include "app/CommandLine.h"
#include "app/Startup.h"
#include "guirt/Exceptions.h"
#include "guirt/Runtime.h"
#include "menus/MainMenuBar.h"
#include "window/Window1.h"

namespace {

// As the entry does, with `whileRunning` called from the event loop once it runs; exits
// with the runtime's exit code.
[[noreturn]] void RunProgram(const std::function<void()>& whileRunning) {
    guirt::RuntimeInit(nullptr, nullptr, L"-platform offscreen", 1);
    guirt::RuntimePerformInitializers();
    QTimer::singleShot(0, whileRunning);
    QTimer::singleShot(10000, [] { guirt::Quit(99); });  // a hang becomes a wrong code
    dravello::_Main();
    guirt::RuntimePerformFinalizers();
    std::exit(guirt::RuntimeExit());
}

QMainWindow* Native() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* main = qobject_cast<QMainWindow*>(widget);
        if (main && main->windowTitle() == "Dravello") return main;
    }
    return nullptr;
}

std::size_t Occurrences(const std::string& text, const std::string& what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
    return count;
}

// A class the program images register after the program's own; it fails to build when a
// test asks it to, as an initializer of the program could.
bool gFailInitializer = false;
const guirt::ClassRecord& FailingClass() {
    if (gFailInitializer) guirt::Raise<guirt::OutOfBoundsException>("an initializer failed");
    return guirt::Object::Record();
}
const guirt::ImageClasses kFailingImage{&FailingClass};

// The process entry itself, as the platform calls it.
[[noreturn]] void RunEntry() {
    std::exit(dravello::wWinMain(nullptr, nullptr, L"-platform offscreen", 1));
}

bool ReportedOnce(const std::string& err, const std::string& what) {
    return Occurrences(err, "Unhandled exception") == 1 && err.find(what) != std::string::npos;
}

class ProgramRun : public ::testing::Test {
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

// The words a program is started with reach the toolkit unchanged, quotes and blanks too.
TEST_F(ProgramRun, CommandLineWordsSurviveTheTripThroughTheRuntime) {
    auto run = [] {
        const char* argv[] = {"dravello", "a\"b c", "d e", "\"\"x", "-platform", "offscreen"};
        const std::wstring tail = dravello::commandLineTail(6, argv);
        guirt::RuntimeInit(nullptr, nullptr, tail.c_str(), 1);
        const QStringList expected{"dravello", "a\"b c", "d e", "\"\"x"};
        std::_Exit(QCoreApplication::arguments() == expected ? 0 : 1);
    };
    EXPECT_EXIT(run(), ::testing::ExitedWithCode(0), "");
}

// Failures during start-up, through the real entry: reported once, and the run still
// finalises with status 1.
TEST_F(ProgramRun, AStartUpFailureIsReportedOnceAndGivesStatusOne) {
    EXPECT_EXIT(
        {
            gFailInitializer = true;
            RunEntry();
        },
        ::testing::ExitedWithCode(1), ::testing::Truly([](const std::string& err) {
            return ReportedOnce(err, "OutOfBoundsException: an initializer failed");
        }));
    EXPECT_EXIT(
        {
            // The Edit menu's builder fails, as any step of building the bar could.
            auto& bar = const_cast<guirt::ClassRecord&>(dravello::MainMenuBar::Record());
            std::vector<guirt::MethodRecord> methods = bar.Methods();
            for (guirt::MethodRecord& m : methods) {
                if (m.name == "Untitled1") {
                    m.entry = guirt::Procedure{[](guirt::Object&) { guirt::RaiseNilObjectException(); }};
                }
            }
            bar.SetMethods(methods);
            RunEntry();
        },
        ::testing::ExitedWithCode(1),
        ::testing::Truly([](const std::string& err) { return ReportedOnce(err, "NilObjectException"); }));
}

// A runtime exception out of a handler, raised while Qt delivers a key, ends the run; it
// is reported once and the process still finalises, with exit code 1.
TEST_F(ProgramRun, AnExceptionInAHandlerIsReportedOnceAndTheRunStillFinalises) {
    EXPECT_EXIT(RunProgram([] {
                    auto window = dravello::Window1::Implicit();
                    try {
                        window->PopupMenu1()->SetListIndex(-1);  // no material: calculate has no tag
                    } catch (const guirt::RuntimeError&) {
                    }
                    guirt::RuntimeTakeException();
                    QLineEdit* current = Native() ? Native()->findChild<QLineEdit*>("current") : nullptr;
                    if (!current) std::_Exit(42);
                    QTest::keyClick(current, '5');  // current_TextChange -> calculate raises
                    QTest::keyClick(current, '6');  // after the quit request: must not be reported again
                }),
                ::testing::ExitedWithCode(1),
                ::testing::Truly([](const std::string& err) { return Occurrences(err, "Unhandled exception") == 1; }));
}

}  // namespace
