#pragma once

#include <thread>

namespace guirt {

// Names the thread that runs the event loop; RuntimeInit calls it before any window exists.
void SetUIThread(std::thread::id id) noexcept;

}  // namespace guirt
