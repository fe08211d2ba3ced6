// The platform the recording agent's runtime starts on: the recording backend's simulated
// toolkit. Defined here, it stands in for the platform backend of the runtime's objects
// (guirt_internals), which the linker then leaves out: no toolkit is started or linked in.
#include "Backend.h"
#include "RecordingBackend.h"

namespace guirt {

std::unique_ptr<PeerFactory> CreatePlatformBackend(std::wstring_view) {
    return std::make_unique<testing::RecordingBackend>();
}

}  // namespace guirt
