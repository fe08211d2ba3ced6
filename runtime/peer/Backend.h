#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Peers.h"

namespace guirt {

// Made by the one backend linked into the runtime (runtime/qt or runtime/win32). The
// arguments are the process's command-line words after the program name; the toolkit may
// take its own options from them.
std::unique_ptr<PeerFactory> CreatePlatformBackend(const std::vector<std::string>& arguments);

}  // namespace guirt
