#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "Peers.h"
#include "guirt/Label.h"

namespace guirt {

// A label and the control it is the caption of.
struct Caption {
    const Label* label;
    const RectControl* control;
};

// Which labels caption which controls, read from the layout as a person reads it: a label
// captions the nearest control that starts to its right on its row (the label's middle
// lies within the control's height). A control has one caption at most, the nearest.
std::vector<Caption> CaptionsOf(const std::vector<Ref<Control>>& controls);

// What assistive technology says of a control: its AccessibleName, or else its caption
// without the closing colon; its help tag, or else its caption's.
AccessibleText AccessibleTextOf(const RectControl& control, const Label* caption);

// What a window's peers have been told of its captions: which control each label captions
// (SetBuddy), what assistive technology calls each other control (SetAccessibleText), and
// the size the captions show their texts at (LimitLinePixels). Each peer is told only what
// changed since it was last told. A window holds one for its controls.
class ShownCaptions {
public:
    // Tells the peers of the controls what changed.
    void Show(const std::vector<Ref<Control>>& controls);
    // Whether the control is a label that captions a control, as its peer was last told: a
    // change of its text then names that control anew.
    bool IsCaption(const Control& control) const;

private:
    // The captions read as one column: they show their texts at one size, the largest at
    // which each of them fits its box. Other labels have no limit.
    void ShowSize(const std::vector<Ref<Control>>& controls);

    // What one control's peer was last told.
    struct Told {
        bool buddy = false;                  // a label: it has been told its buddy,
        const Control* captioned = nullptr;  // this one
        double limit = 0;                    // a label: the text size it is limited to
        std::string name, description;       // any other control: what assistive technology says
    };
    std::unordered_map<const Control*, Told> told_;
};

}  // namespace guirt
