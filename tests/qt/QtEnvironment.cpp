#include <gtest/gtest.h>

#include "guirt/Runtime.h"

namespace {

// One QApplication per test process, on the offscreen platform, made as a program makes it.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override { guirt::RuntimeInit(nullptr, nullptr, L"-platform offscreen", 1); }
    void TearDown() override { guirt::RuntimePerformFinalizers(); }
};

[[maybe_unused]] ::testing::Environment* const gEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
