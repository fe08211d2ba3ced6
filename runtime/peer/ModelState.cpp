#include "ModelState.h"

#include <algorithm>
#include <cmath>

#include "AsciiCase.h"
#include "guirt/Window.h"

namespace guirt {

namespace {

std::int64_t Place(std::int64_t value) {
    return std::clamp<std::int64_t>(value, -32768, 32767);
}
std::int64_t Size(std::int64_t value) {
    return std::clamp<std::int64_t>(value, 0, 32767);
}

bool IsSystemFont(std::string_view family) {
    return family.empty() || EqualIgnoringCase(family, "System");
}

}  // namespace

Bounds BoundsOf(const RectControl& control) {
    return {Place(control.Left()), Place(control.Top()), Size(control.Width()), Size(control.Height())};
}

WindowFrame FrameOf(const Window& window) {
    WindowFrame frame;
    frame.width = Size(window.Width());
    frame.height = Size(window.Height());
    frame.minWidth = Size(window.MinWidth());
    frame.minHeight = Size(window.MinHeight());
    frame.maxWidth = Size(window.MaxWidth());
    frame.maxHeight = Size(window.MaxHeight());
    frame.resizeable = window.Resizeable();
    frame.closeButton = window.CloseButton();
    frame.minimizeButton = window.MinimizeButton();
    // A window that cannot be resized cannot be maximised either.
    frame.maximizeButton = window.MaximizeButton() && window.Resizeable();
    return frame;
}

std::int64_t ScaledPixels(std::int64_t pixels, int dpi) {
    return std::llround(static_cast<double>(pixels) * dpi / kLayoutDpi);
}

Bounds ScaledBounds(const Bounds& bounds, int dpi) {
    const std::int64_t left = ScaledPixels(bounds.left, dpi), top = ScaledPixels(bounds.top, dpi);
    return {left, top, ScaledPixels(bounds.left + bounds.width, dpi) - left,
            ScaledPixels(bounds.top + bounds.height, dpi) - top};
}

FontRequest FontOf(const RectControl& control) {
    FontRequest font;
    const Ref<String> family = control.TextFont();
    if (!IsSystemFont(TextOf(family))) font.family = std::string(TextOf(family));
    const double size = control.TextSize() > 0 ? control.TextSize() : 0.0;
    switch (control.TextUnit()) {
        case FontUnits::Default:
        case FontUnits::Pixel:
            font.size = size;
            font.unit = FontRequest::Unit::Pixels;
            break;
        case FontUnits::Point:
            font.size = size;
            font.unit = FontRequest::Unit::Points;
            break;
        case FontUnits::Inch:
            font.size = size * 72.0;
            font.unit = FontRequest::Unit::Points;
            break;
        case FontUnits::Millimeter:
            font.size = size * 72.0 / 25.4;
            font.unit = FontRequest::Unit::Points;
            break;
    }
    font.styles = control.Styles();
    return font;
}

std::optional<Color> BackColorOf(const Window& window) {
    if (!window.HasBackColor()) return std::nullopt;
    return window.BackColor();
}

TextAlignment AlignmentOf(std::int64_t code) {
    if (code == 2) return TextAlignment::Center;
    if (code == 3) return TextAlignment::Right;
    return TextAlignment::Left;
}

std::string WithLineFeeds(std::string_view text) {
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            lines += text[i];
            continue;
        }
        lines += '\n';
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
    return lines;
}

}  // namespace guirt
