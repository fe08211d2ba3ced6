#pragma once

#include <QFont>
#include <optional>
#include <string_view>

#include "LineFit.h"
#include "Peers.h"
#include "WidthBound.h"

class QWidget;

namespace guirt::qt {

// How wide a text is in the font, by Qt's own metrics; a single character by its advance,
// which asks nothing of the shaper.
double WidthIn(const QFont& font, std::string_view text);

// A control's font as Qt resolves it, asked of Qt once per font, and how one line of text
// measures in it: a text the bound proves to fit is not shaped.
class QtLineFont {
public:
    // The control's font changed: it is resolved and measured again.
    void Forget() noexcept { resolved_.reset(); }

    const QFont& Font(const FontRequest& request, const QWidget* widget);
    // The size of that font, in pixels.
    int Pixels(const FontRequest& request, const QWidget* widget);
    // One line in the font into `width`, by Qt's own metrics; `limit` as LineMeasure's.
    LineMeasure Measure(const FontRequest& request, const QWidget* widget, double width, int limit);

private:
    struct Resolved {
        QFont font;
        QFont measured;  // the font at the size being measured
        int pixels = 0;
    };
    const Resolved& Resolve(const FontRequest& request, const QWidget* widget);

    std::optional<Resolved> resolved_;  // none until asked, and once the font changes
    WidthBound bound_;
};

}  // namespace guirt::qt
