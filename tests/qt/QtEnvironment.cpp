#include <gtest/gtest.h>

#include <memory>

#include "Backend.h"

namespace {

// One QApplication per test process, on the offscreen platform.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        backend_ = guirt::CreatePlatformBackend({"-platform", "offscreen"});
        guirt::InstallPeerFactory(backend_.get());
    }
    void TearDown() override {
        guirt::InstallPeerFactory(nullptr);
        backend_.reset();
    }

private:
    std::unique_ptr<guirt::PeerFactory> backend_;
};

[[maybe_unused]] ::testing::Environment* const gEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
