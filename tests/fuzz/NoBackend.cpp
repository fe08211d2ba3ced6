// The fuzzers exercise the runtime's models without any native toolkit.
#include "Backend.h"

namespace guirt {

std::unique_ptr<PeerFactory> CreatePlatformBackend(const std::vector<std::string>&) {
    return nullptr;
}

}  // namespace guirt
