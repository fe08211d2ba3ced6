#pragma once

#include <string>

#include "Peers.h"

namespace guirt::web {

// CSS for the runtime's values. A colour's top byte is transparency, not opacity.
std::string CssColor(Color color);
// "12px", "9.5pt"; empty for the platform's size.
std::string CssFontSize(const FontRequest& font);
// The family, quoted; empty for the platform's font.
std::string CssFontFamily(const FontRequest& font);
std::string CssPixels(std::int64_t pixels);
// The value of text-align and of a flex row's justify-content for an alignment.
const char* CssTextAlign(TextAlignment alignment);
const char* CssJustify(TextAlignment alignment);

}  // namespace guirt::web
