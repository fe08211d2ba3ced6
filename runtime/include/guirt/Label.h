#pragma once

#include <memory>
#include <string_view>

#include "guirt/RectControl.h"

namespace guirt {

class LabelPeer;

// Static text. Labels take no keyboard focus and raise no events of their own.
class GUIRT_API Label : public RectControl {
public:
    // What a label's native peer shows of it.
    enum class Shown : std::uint8_t { Caption, TextAlign, TextColor, MultiLine, Selectable, Last = Selectable };

    ~Label() override;

    // The text shown; property lists call it "Text". CR LF and CR break lines.
    Ref<String> Caption() const { return Read(caption_); }
    void SetCaption(const Ref<String>& text) {
        if (Assign(caption_, text)) Show(Shown::Caption);
    }
    // 0 the default (left), 1 left, 2 centre, 3 right.
    std::int64_t TextAlign() const { return Read(textAlign_); }
    void SetTextAlign(std::int64_t align) {
        if (Assign(textAlign_, align)) Show(Shown::TextAlign);
    }
    Color TextColor() const { return Read(textColor_); }
    void SetTextColor(Color color) {
        if (Assign(textColor_, color)) Show(Shown::TextColor);
    }
    // Whether the text wraps onto more lines.
    bool MultiLine() const { return Read(multiLine_); }
    void SetMultiLine(bool multiLine) {
        if (Assign(multiLine_, multiLine)) Show(Shown::MultiLine);
    }
    bool Selectable() const { return Read(selectable_); }
    void SetSelectable(bool selectable) {
        if (Assign(selectable_, selectable)) Show(Shown::Selectable);
    }
    bool Transparent() const { return Read(transparent_); }
    void SetTransparent(bool transparent) { Assign(transparent_, transparent); }

    // The label's native peer; null until its window has one.
    LabelPeer* Peer(const PeerKey&) const noexcept { return peer_.get(); }

    static const ClassRecord& Record();

protected:
    Label();
    friend struct Construct;
    void CreatePeer(WindowPeer& window) override;
    ControlPeer* NativePeer() const noexcept override;

private:
    void Show(Shown what);

    Ref<String> caption_;
    std::int64_t textAlign_ = 0;
    Color textColor_;
    bool multiLine_ = false;
    bool selectable_ = false;
    bool transparent_ = false;
    std::unique_ptr<LabelPeer> peer_;
};

// The name of an aspect the peer is told of, as logs and tools give it.
GUIRT_API std::string_view ShownName(Label::Shown what);

}  // namespace guirt
