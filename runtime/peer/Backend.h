#pragma once

#include <memory>
#include <string_view>

#include "Peers.h"

namespace guirt {

// Made by the one backend linked into the runtime (runtime/qt or runtime/win32), from the
// process's command-line tail as the platform gave it. The backend splits it by its own
// rules where it needs words (the toolkit may take its options from them).
std::unique_ptr<PeerFactory> CreatePlatformBackend(std::wstring_view commandLineTail);

}  // namespace guirt
