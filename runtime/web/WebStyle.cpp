#include "WebStyle.h"

#include <cstdio>

namespace guirt::web {

namespace {
// A number as CSS reads it: "%g" is locale-free for these.
std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}
}  // namespace

std::string CssColor(Color color) {
    return "rgba(" + std::to_string(color.Red()) + "," + std::to_string(color.Green()) + "," +
           std::to_string(color.Blue()) + "," + Number((255 - color.Transparency()) / 255.0) + ")";
}

std::string CssFontSize(const FontRequest& font) {
    if (font.size <= 0) return {};
    return Number(font.size) + (font.unit == FontRequest::Unit::Pixels ? "px" : "pt");
}

std::string CssFontFamily(const FontRequest& font) {
    if (font.family.empty()) return {};
    std::string quoted = "\"";
    for (char c : font.family) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

std::string CssPixels(std::int64_t pixels) {
    return std::to_string(pixels) + "px";
}

const char* CssTextAlign(TextAlignment alignment) {
    switch (alignment) {
        case TextAlignment::Center:
            return "center";
        case TextAlignment::Right:
            return "right";
        case TextAlignment::Left:
            break;
    }
    return "left";
}

const char* CssJustify(TextAlignment alignment) {
    switch (alignment) {
        case TextAlignment::Center:
            return "center";
        case TextAlignment::Right:
            return "flex-end";
        case TextAlignment::Left:
            break;
    }
    return "flex-start";
}

}  // namespace guirt::web
