#pragma once

#include <gtest/gtest.h>

#include <thread>

// Runs a callable on a thread of its own and waits for it. WebAssembly built without threads
// has no other thread to refuse, so there the test ends here, skipped.
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
#define ON_ANOTHER_THREAD(...)                        \
    do {                                              \
        (void)(__VA_ARGS__);                          \
        GTEST_SKIP() << "this target has no threads"; \
    } while (false)
#else
#define ON_ANOTHER_THREAD(...) std::thread(__VA_ARGS__).join()
#endif
