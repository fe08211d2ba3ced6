#pragma once

#include "guirt/RectControl.h"

namespace guirt {

class LabelPeer;

// Static text. Labels take no keyboard focus and raise no events of their own.
class GUIRT_API Label : public RectControl {
    // The label's text is its Caption; property lists call it "Text".
#define GUIRT_LABEL_PROPERTIES(X)                             \
    X(Ref<String>, Caption, "Text", nullptr, ShowCaption)     \
    X(std::int64_t, TextAlign, "TextAlign", 0, ShowTextAlign) \
    X(Color, TextColor, "TextColor", Color{}, ShowTextColor)  \
    X(bool, MultiLine, "MultiLine", false, ShowMultiLine)     \
    X(bool, Selectable, "Selectable", false, ShowSelectable)  \
    X(bool, Transparent, "Transparent", false, Stored)
    GUIRT_PROPERTIES(Label, GUIRT_LABEL_PROPERTIES)

public:
    static const ClassRecord& Record();

protected:
    Label() = default;
    friend struct Construct;
    std::unique_ptr<ControlPeer> CreatePeer(WindowPeer& window) override;

private:
    friend class Window;
    LabelPeer* Shown() const noexcept;
    void ShowCaption();
    void ShowTextAlign();
    void ShowTextColor();
    void ShowMultiLine();
    void ShowSelectable();

    bool captions_ = false;  // it is the caption of a control beside it
};

}  // namespace guirt
