#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace guirt {

class Label;

// How a one-line label shows a text wider than its box. It never wraps and never drops
// the start of its text (a result's number follows its words): the text gets smaller, one
// pixel at a time down to a floor, and what still does not fit is cut at the end with an
// ellipsis. A label showing its text cut tells the whole text in its tooltip and as its
// accessible name. Backends measure; this decides.
struct FittedLine {
    std::string text;  // what the label shows, UTF-8
    int pixels = 0;    // the text size it shows it at
    bool cut = false;  // the text is shown up to an ellipsis
    friend bool operator==(const FittedLine&, const FittedLine&) = default;
};

// The width of the text at a text size, in the unit of the box's width.
using TextWidth = std::function<double(std::string_view text, int pixels)>;

// The smallest text size a label shrinks to, in the layout's pixels.
inline constexpr int kLeastLinePixels = 8;

// Fits the text (UTF-8, one line) starting at the text size `pixels`, shrinking no further
// than `least`, into `width`.
FittedLine FitLine(std::string_view text, int pixels, int least, double width, const TextWidth& widthOf);

// The largest text size from `start` down to `least` at which a line of text is no taller
// than the room a box has for it (`heightOf`: a line's height at a size, in the room's unit);
// the floor where even that is too tall. A control that shows one line of text (a popup's
// chosen row) shows it whole this way, whatever the desktop's font.
int FitLineHeight(int start, int least, double room, const std::function<double(int pixels)>& heightOf);

// A label's tooltip: its help tag, after the whole text when the label shows it cut.
std::string LineTip(std::string_view text, std::string_view helpTag, const FittedLine& shown);

// How a backend measures a label's text, in its own units.
struct LineMeasure {
    int own = 0;       // the text size of the label's font
    int least = 0;     // the floor it shrinks to (kLeastLinePixels in the backend's units)
    int limit = 0;     // the most it may show (LabelPeer::LimitLinePixels); 0: none
    double width = 0;  // the box's width
    TextWidth widthOf;
};

// The text size a one-line field shows its text at: the largest from `measure.own` down to
// the floor at which the text fits the box (`measure.width`: the room the field gives its
// text), so that a number it holds shows whole at any desktop font. `measure.own` is the
// field's own size where a line of it fits the box's height, else the size that does
// (FitLineHeight). A text too long to show whole even at the floor stays at that size and
// scrolls, as in any field: shrinking it would show no more of it.
int FitFieldText(std::string_view text, const LineMeasure& measure);

// Everything a label shows of its caption and help: a backend measures, and applies these.
struct ShownLabel {
    FittedLine line;  // a multi-line caption as it is, at the start size
    std::string name; // the accessible name: the whole caption, whatever part of it shows
    std::string tip;  // the tooltip (LineTip)
    friend bool operator==(const ShownLabel&, const ShownLabel&) = default;
};

// The caption (its line breaks as LF) from the start size, the font's own no larger than the
// limit; a one-line caption fitted to the box.
ShownLabel ShowLabel(const Label& label, const LineMeasure& measure);

}  // namespace guirt
