#pragma once

#include <string>

#include "Win32ControlPeer.h"
#include "guirt/Label.h"

namespace guirt::win32 {

// A Label as a STATIC control showing plain text ("&" is no access key, a caption's too) in
// the model's colour on the window's background. It takes no focus; it notifies its window
// only so that its tooltip sees the mouse. A label that captions nothing shows output: it
// is a live region, announced as its text changes.
class Win32LabelPeer final : public Win32ControlPeer<LabelPeer> {
public:
    Win32LabelPeer(Label& model, const ChildSite& site);

    void SetCaption(std::string_view text) override;
    void SetTextAlign(std::int64_t align) override;
    void SetTextColor(Color color) override;
    void SetMultiLine(bool multiLine) override;
    void SetSelectable(bool selectable) override;
    void SetBuddy(ControlPeer* control) override;
    HBRUSH Colors(HDC dc) override;

private:
    // The STATIC type for the alignment and wrapping.
    void ApplyType();

    std::int64_t align_ = 0;
    bool multiLine_ = false;
    COLORREF color_ = 0;
    std::wstring caption_;
    bool live_ = false;
};

}  // namespace guirt::win32
