#include "Captions.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace guirt {

namespace {

// How far right of the label the control starts, if it sits beside the label on its row.
std::optional<std::int64_t> GapBeside(const Label& label, const RectControl& control) {
    const std::int64_t middle = label.Top() + label.Height() / 2;
    if (middle < control.Top() || middle >= control.Top() + control.Height()) return std::nullopt;
    if (control.Left() < label.Left() + label.Width() / 2) return std::nullopt;
    return control.Left() - (label.Left() + label.Width());
}

std::string_view WithoutClosingColon(std::string_view text) {
    auto trimEnd = [](std::string_view t) {
        while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
        return t;
    };
    text = trimEnd(text);
    if (!text.empty() && text.back() == ':') text.remove_suffix(1);
    return trimEnd(text);
}

}  // namespace

std::vector<Caption> CaptionsOf(const std::vector<Ref<Control>>& controls) {
    struct Candidate {
        Caption caption;
        std::int64_t gap;
    };
    std::vector<Candidate> nearest;  // each label's nearest control
    for (const Ref<Control>& c : controls) {
        if (!c->IsA(Label::Record())) continue;
        const auto* label = static_cast<const Label*>(c.get());
        std::optional<Candidate> best;
        for (const Ref<Control>& other : controls) {
            if (!other->IsA(RectControl::Record()) || other->IsA(Label::Record())) continue;
            const auto* control = static_cast<const RectControl*>(other.get());
            const std::optional<std::int64_t> gap = GapBeside(*label, *control);
            if (gap && (!best || *gap < best->gap)) best = Candidate{{label, control}, *gap};
        }
        if (best) nearest.push_back(*best);
    }
    // Where two labels reach for one control, the nearer keeps it.
    std::vector<Caption> captions;
    for (const Candidate& candidate : nearest) {
        const bool nearer = std::none_of(nearest.begin(), nearest.end(), [&](const Candidate& rival) {
            return rival.caption.control == candidate.caption.control && rival.gap < candidate.gap;
        });
        const bool taken = std::any_of(captions.begin(), captions.end(),
                                       [&](const Caption& kept) { return kept.control == candidate.caption.control; });
        if (nearer && !taken) captions.push_back(candidate.caption);
    }
    return captions;
}

AccessibleText AccessibleTextOf(const RectControl& control, const Label* caption) {
    AccessibleText text;
    text.name = TextOf(control.AccessibleName());
    if (text.name.empty() && caption) text.name = WithoutClosingColon(TextOf(caption->Caption()));
    text.description = TextOf(control.HelpTag());
    if (text.description.empty() && caption) text.description = TextOf(caption->HelpTag());
    return text;
}

}  // namespace guirt
