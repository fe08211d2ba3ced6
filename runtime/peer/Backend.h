#pragma once

#include <memory>
#include <string_view>

#include "Peers.h"

namespace guirt {

// Made by the one backend linked into the runtime (runtime/qt, runtime/win32, runtime/web),
// from the process's command-line tail as the platform gave it. The backend splits it by its
// own rules where it needs words (the toolkit may take its options from them).
std::unique_ptr<PeerFactory> CreatePlatformBackend(std::wstring_view commandLineTail);

// The end of a loop that went on after _RuntimeRun returned (a page's, see RunEventLoop):
// the runtime does what the program's start-up does after its loop, reports what the end
// raised, runs the finalizers, which delete the backend, and gives the exit status. The
// backend calls it once, from no frame of its own.
int LoopEnded() noexcept;

}  // namespace guirt
