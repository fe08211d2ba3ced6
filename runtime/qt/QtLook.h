#pragma once

namespace guirt::qt {

// Gives the whole application one light palette, whatever the desktop's theme.
void UseLightLook();

}  // namespace guirt::qt
