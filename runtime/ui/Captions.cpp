#include "Captions.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "PeerKinds.h"

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

const Caption* CaptionOf(const std::vector<Caption>& captions, const Control* control) {
    auto it = std::find_if(captions.begin(), captions.end(),
                           [&](const Caption& c) { return c.label == control || c.control == control; });
    return it == captions.end() ? nullptr : &*it;
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

void ShownCaptions::Show(const std::vector<Ref<Control>>& controls) {
    const PeerKey key = PeerAccess::Key();
    const std::vector<Caption> captions = CaptionsOf(controls);
    // The labels first, then the names: a backend may name a control by its caption.
    for (const Ref<Control>& control : controls) {
        if (!control->IsA(Label::Record())) continue;
        const auto& label = static_cast<const Label&>(*control);
        LabelPeer* peer = label.Peer(key);
        if (!peer) continue;
        const Caption* caption = CaptionOf(captions, &label);
        const Control* captioned = caption ? caption->control : nullptr;
        Told& told = told_[&label];
        if (told.buddy && told.captioned == captioned) continue;
        told.buddy = true;
        told.captioned = captioned;
        peer->SetBuddy(captioned ? captioned->Peer(key) : nullptr);
    }
    for (const Ref<Control>& control : controls) {
        if (!control->IsA(RectControl::Record()) || control->IsA(Label::Record())) continue;
        ControlPeer* peer = control->Peer(key);
        if (!peer) continue;
        const auto& rect = static_cast<const RectControl&>(*control);
        const Caption* caption = CaptionOf(captions, &rect);
        AccessibleText text = AccessibleTextOf(rect, caption ? caption->label : nullptr);
        Told& told = told_[&rect];
        if (text.name == told.name && text.description == told.description) continue;
        told.name = text.name;
        told.description = text.description;
        peer->SetAccessibleText(text);
    }
    ShowSize(controls);
}

void ShownCaptions::ShowSize(const std::vector<Ref<Control>>& controls) {
    const PeerKey key = PeerAccess::Key();
    std::optional<double> size;
    for (const Ref<Control>& control : controls) {
        if (!control->IsA(Label::Record()) || !IsCaption(*control)) continue;
        LabelPeer* peer = static_cast<const Label&>(*control).Peer(key);
        if (!peer) continue;
        const double fits = peer->LinePixels();
        size = size ? std::min(*size, fits) : fits;
    }
    for (const Ref<Control>& control : controls) {
        if (!control->IsA(Label::Record())) continue;
        LabelPeer* peer = static_cast<const Label&>(*control).Peer(key);
        const double limit = IsCaption(*control) && size ? *size : 0;
        if (!peer) continue;
        Told& told = told_[control.get()];
        if (told.limit == limit) continue;
        told.limit = limit;
        peer->LimitLinePixels(limit);
    }
}

bool ShownCaptions::IsCaption(const Control& control) const {
    auto it = told_.find(&control);
    return it != told_.end() && it->second.captioned;
}

}  // namespace guirt
