#include "ModelState.h"

#include <string>

#include "AsciiCase.h"

namespace guirt {

namespace {
bool IsSystemFont(std::string_view family) {
    return family.empty() || EqualIgnoringCase(family, "System");
}
}  // namespace

Bounds BoundsOf(const RectControl& control) {
    return {control.Left(), control.Top(), control.Width(), control.Height()};
}

FontRequest FontOf(const RectControl& control) {
    FontRequest font;
    const std::string_view family = TextOf(control.TextFont());
    if (!IsSystemFont(family)) font.family = std::string(family);
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
    font.bold = control.Bold();
    font.italic = control.Italic();
    font.underline = control.Underline();
    return font;
}

WindowFrame FrameOf(const Window& window) {
    WindowFrame frame;
    frame.width = window.Width();
    frame.height = window.Height();
    frame.minWidth = window.MinWidth();
    frame.minHeight = window.MinHeight();
    frame.maxWidth = window.MaxWidth();
    frame.maxHeight = window.MaxHeight();
    frame.resizeable = window.Resizeable();
    frame.closeButton = window.CloseButton();
    frame.minimizeButton = window.MinimizeButton();
    // A window that cannot be resized cannot be maximised either.
    frame.maximizeButton = window.MaximizeButton() && window.Resizeable();
    return frame;
}

std::optional<Color> BackColorOf(const Window& window) {
    if (!window.HasBackColor()) return std::nullopt;
    return window.BackColor();
}

}  // namespace guirt
