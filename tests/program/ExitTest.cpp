#include <QMenu>
#include <QTimer>

#include "ProgramSupport.h"

namespace programtest {
namespace {

using namespace guirt;
using ProgramExit = ProgramTest;

// File > Exit quits with code 0; the event loop, entered afterwards, returns at once.
TEST_F(ProgramExit, FileExitEndsTheRunWithCodeZero) {
    QAction* exit = nullptr;
    for (QAction* menu : native->menuBar()->actions()) {
        if (menu->text() == "&File" && menu->menu()) {
            for (QAction* item : menu->menu()->actions())
                if (item->text() == "E&xit") exit = item;
        }
    }
    ASSERT_NE(exit, nullptr);
    ASSERT_TRUE(exit->isEnabled());
    exit->trigger();
    EXPECT_EQ(RuntimeExit(), 0);

    // Should the loop not return by itself, end it with another code so the test fails
    // instead of hanging.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { Quit(99); });
    guard.start(5000);
    EXPECT_NO_THROW(_RuntimeRun());
    EXPECT_TRUE(guard.isActive()) << "the loop ran although the program had quit";
    EXPECT_EQ(RuntimeExit(), 0);
    EXPECT_FALSE(gCurrentException);
}

}  // namespace
}  // namespace programtest
