#pragma once

#include "guirt/Export.h"

namespace guirt {

// Raises ThreadAccessingUIException unless called on the UI thread: the thread that
// initialised the runtime, or else the one that loaded it.
GUIRT_API void UIThreadOnly();

}  // namespace guirt
