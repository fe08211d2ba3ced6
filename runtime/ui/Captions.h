#pragma once

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

}  // namespace guirt
