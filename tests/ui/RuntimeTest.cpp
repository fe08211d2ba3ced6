#include <gtest/gtest.h>

#include "Backend.h"
#include "CalcWindow.h"
#include "RecordingBackend.h"
#include "guirt/Runtime.h"

using namespace guirt;

namespace {
int gHelperCalls = 0;
Ref<Object> CountingHelper(void* function, void* argument) {
    ++gHelperCalls;
    return _CallFunctionWithExceptionHandling(function, argument);
}
void FailingLateStartup() {
    Raise<OutOfBoundsException>("late start-up failed");
}
}  // namespace

// The helper the program hands over is what runs its late start-up, and what that raised
// comes back out of _RunFrameworkInitialization.
TEST(RuntimeStartup, TheLateStartupRunsThroughTheProgramsExceptionHelper) {
    _RuntimeSetExceptionHelper(
        RuntimeCreateDelegate(nullptr, ExceptionHelperEntry{&CountingHelper}, nullptr, "( Ptr, Ptr ) as Object", 0));
    const Ref<Delegate> lateStartup =
        RuntimeCreateDelegate(nullptr, StaticProcedure{&FailingLateStartup}, nullptr, "(  )", 0);
    try {
        _RunFrameworkInitialization(lateStartup);
        ADD_FAILURE() << "nothing was raised";
    } catch (const RuntimeError& e) {
        EXPECT_TRUE(e.Exception()->IsA(OutOfBoundsException::Record()));
    }
    EXPECT_EQ(gHelperCalls, 1);
    _RuntimeSetExceptionHelper(nullptr);
}

// A page's loop goes on after the run returns: the finalizers wait for its end, which then
// does what the program's start-up does after its loop: reports what it raised, once, and
// ends with the status. (In a process of its own: it ends the runtime.)
#if GTEST_HAS_DEATH_TEST
TEST(RuntimeStartupDeathTest, APagesLoopEndsAfterTheRunWithTheProgramsEnding) {
    auto run = [] {
        guirt::testing::RecordingBackend backend;
        backend.pageLoop = true;
        Ref<guirt::testing::CalcWindow> window = New<guirt::testing::CalcWindow>();
        WindowDefaultConstructor(*window);
        _RuntimeRun();
        RuntimePerformFinalizers();
        if (!RuntimeGetImplicitWindow("CalcTestWindow")) std::exit(10);
        window->listener->failOnTextChange = true;
        backend.UserEdits(*window->Get<TextField>("length"), "7");
        if (backend.quitRequests != 1) std::exit(11);
        const int status = LoopEnded();
        std::exit(RuntimeGetImplicitWindow("CalcTestWindow") ? 12 : status);
    };
    EXPECT_EXIT(run(), ::testing::ExitedWithCode(1), "Unhandled exception OutOfBoundsException: the handler failed");
}
#endif
