#include "QtLineFont.h"

#include <QFontInfo>
#include <QFontMetricsF>

#include "QtConversions.h"

namespace guirt::qt {

double WidthIn(const QFont& font, std::string_view text) {
    const QString characters = ToQString(text);
    const QFontMetricsF metrics(font);
    return characters.size() == 1 ? metrics.horizontalAdvance(characters.front()) : metrics.horizontalAdvance(characters);
}

const QtLineFont::Resolved& QtLineFont::Resolve(const FontRequest& request, const QWidget* widget) {
    if (!resolved_) {
        QFont font = ToQFont(request, widget);
        resolved_ = Resolved{font, font, QFontInfo(font).pixelSize()};
        bound_.Forget();
    }
    return *resolved_;
}

const QFont& QtLineFont::Font(const FontRequest& request, const QWidget* widget) {
    return Resolve(request, widget).font;
}

int QtLineFont::Pixels(const FontRequest& request, const QWidget* widget) {
    return Resolve(request, widget).pixels;
}

LineMeasure QtLineFont::Measure(const FontRequest& request, const QWidget* widget, double width, int limit) {
    const Resolved& resolved = Resolve(request, widget);
    // Small enough for std::function to hold without allocating.
    const auto at = [this](std::string_view text, int pixels) {
        resolved_->measured.setPixelSize(pixels);
        return WidthIn(resolved_->measured, text);
    };
    return {resolved.pixels, kLeastLinePixels, limit, width, bound_.Bounded(width, at, at)};
}

}  // namespace guirt::qt
