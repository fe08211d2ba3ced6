#include "LineFit.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "ModelState.h"
#include "guirt/Label.h"

namespace guirt {

namespace {

constexpr std::string_view kEllipsis = "\u2026";

// The byte offsets where a code point of the UTF-8 text starts, after the first.
std::vector<std::size_t> CutPoints(std::string_view text) {
    std::vector<std::size_t> points;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) points.push_back(i);
    }
    return points;
}

// The largest size from `pixels` down to `least` at which the text is no wider than `width`;
// none where even the floor is too wide.
std::optional<int> LargestFit(std::string_view text, int pixels, int least, double width, const TextWidth& widthOf) {
    if (widthOf(text, pixels) <= width) return pixels;
    // Measured as few times as it may: a size either fits the text or not.
    least = std::min(least, pixels);
    if (widthOf(text, least) > width) return std::nullopt;
    int low = least, high = pixels - 1;  // the largest size that fits lies in [low, high]
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        if (widthOf(text, mid) <= width) {
            low = mid;
        } else {
            high = mid - 1;
        }
    }
    return low;
}

}  // namespace

FittedLine FitLine(std::string_view text, int pixels, int least, double width, const TextWidth& widthOf) {
    FittedLine line{std::string(text), pixels, false};
    if (const std::optional<int> fit = LargestFit(text, pixels, least, width, widthOf)) {
        line.pixels = *fit;
        return line;
    }
    least = std::min(least, pixels);
    // At the floor, the longest start that fits with the ellipsis (the ellipsis alone at least).
    line.pixels = least;
    line.cut = true;
    const std::vector<std::size_t> points = CutPoints(text);
    const auto fits = [&](std::size_t end) {
        return widthOf(std::string(text.substr(0, end)) + std::string(kEllipsis), least) <= width;
    };
    const auto last = std::partition_point(points.begin(), points.end(), fits);
    const std::size_t end = last == points.begin() ? 0 : *std::prev(last);
    line.text = std::string(text.substr(0, end)) + std::string(kEllipsis);
    return line;
}

int FitLineHeight(int start, int least, double room, const std::function<double(int pixels)>& heightOf) {
    if (start <= least || heightOf(start) <= room) return start;
    int low = least, high = start - 1;  // the largest size that fits lies in [low, high], or it is the floor
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        if (heightOf(mid) <= room) {
            low = mid;
        } else {
            high = mid - 1;
        }
    }
    return low;
}

int FitFieldText(std::string_view text, const LineMeasure& measure) {
    // A text of more characters than the field is wide in pixels shows whole at no size worth
    // reading: it is not measured (a field may hold 65,536 of them).
    const auto characters = std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
    if (static_cast<double>(characters) > measure.width) return measure.own;
    return LargestFit(text, measure.own, measure.least, measure.width, measure.widthOf).value_or(measure.own);
}

std::string LineTip(std::string_view text, std::string_view helpTag, const FittedLine& shown) {
    if (!shown.cut) return std::string(helpTag);
    std::string tip(text);
    if (!helpTag.empty()) tip.append("\n").append(helpTag);
    return tip;
}

ShownLabel ShowLabel(const Label& label, const LineMeasure& measure) {
    std::string caption = WithLineFeeds(TextOf(label.Caption()));
    const int start = measure.limit > 0 ? std::min(measure.own, measure.limit) : measure.own;
    FittedLine line = label.MultiLine() ? FittedLine{caption, start, false}
                                        : FitLine(caption, start, measure.least, measure.width, measure.widthOf);
    std::string tip = LineTip(caption, WithLineFeeds(TextOf(label.HelpTag())), line);
    return {std::move(line), std::move(caption), std::move(tip)};
}

}  // namespace guirt
