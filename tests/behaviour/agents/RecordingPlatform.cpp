// The platform the recording agent's runtime starts on: the recording backend's simulated
// toolkit. Defined here, it stands in for the platform backend of the runtime's objects
// (guirt_internals), which the linker then leaves out: no toolkit is started or linked in.
#include <cstdlib>

#include "Backend.h"
#include "RecordingBackend.h"

namespace guirt {

// The simulated platform's user setting of the decimal separator, which the runner gives it.
std::unique_ptr<PeerFactory> CreatePlatformBackend(std::wstring_view) {
    auto backend = std::make_unique<testing::RecordingBackend>();
    if (const char* separator = std::getenv("RECORDING_DECIMAL_SEPARATOR")) backend->decimalSeparator = separator;
    return backend;
}

}  // namespace guirt
