#include <gtest/gtest.h>

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
    _RuntimeSetExceptionHelper(RuntimeCreateDelegate(nullptr, ExceptionHelperEntry{&CountingHelper}, nullptr,
                                                     "( Ptr, Ptr ) as Object", 0));
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
