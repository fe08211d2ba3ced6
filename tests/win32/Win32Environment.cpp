#include <gtest/gtest.h>
#include <windows.h>
// Its old `pascal` calling-convention macro would rewrite the runtime's headers.
#undef pascal

#include "guirt/Runtime.h"

namespace {

// One backend per test process, made as a program makes it; an unhandled exception is
// reported on standard error only, never in a box that waits for a click.
class Win32Environment : public ::testing::Environment {
public:
    void SetUp() override {
        SetEnvironmentVariableW(L"DRAVELLO_NO_ALERT", L"1");
        guirt::RuntimeInit(GetModuleHandleW(nullptr), nullptr, L"", SW_SHOWNORMAL);
    }
    void TearDown() override { guirt::RuntimePerformFinalizers(); }
};

[[maybe_unused]] ::testing::Environment* const gEnvironment = ::testing::AddGlobalTestEnvironment(new Win32Environment);

}  // namespace
