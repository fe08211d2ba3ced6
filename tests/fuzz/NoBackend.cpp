// The fuzzers exercise the runtime's models without any native toolkit.
#include "Backend.h"

namespace guirt {

std::unique_ptr<PeerFactory> CreatePlatformBackend(std::wstring_view) {
    return nullptr;
}

}  // namespace guirt
