#include "ModelState.h"
#include "Win32ControlPeer.h"
#include "Win32LiveRegion.h"
#include "Win32Text.h"
#include "Win32WindowPeer.h"

namespace guirt::win32 {

namespace {

// Centred and right-aligned text always wraps; left-aligned text wraps only when the label
// is multi-line, and is cut off at the edge otherwise.
DWORD TypeOf(TextAlignment alignment, bool multiLine) {
    switch (alignment) {
        case TextAlignment::Center:
            return SS_CENTER;
        case TextAlignment::Right:
            return SS_RIGHT;
        case TextAlignment::Left:
            break;
    }
    return multiLine ? SS_LEFT : SS_LEFTNOWORDWRAP;
}

// A Label as a STATIC control showing plain text ("&" is no access key, a caption's too) in
// the model's colour on the window's background. It takes no focus; it notifies its window
// only so that its tooltip sees the mouse. A label that captions nothing shows output: it
// is a live region, announced as its text changes.
class Win32LabelPeer final : public Win32ControlPeer<LabelPeer> {
public:
    Win32LabelPeer(Label& model, const ChildSite& site)
        : Win32ControlPeer(model, site, CreateChild(site, model, WC_STATICW, SS_NOPREFIX | SS_NOTIFY)), label_(model) {
        ShowAll<Control::Shown>(*this);
        ShowAll<RectControl::Shown>(*this);
        ShowAll<Label::Shown>(*this);
    }

    using Win32ControlPeer::Show;
    void Show(Label::Shown what) override {
        if (!Handle()) return;
        switch (what) {
            case Label::Shown::Caption:
                SetWindowTextW(Handle(), WideLines(TextOf(label_.Caption())).c_str());
                if (live_) AnnounceLiveRegion(Handle());
                return;
            case Label::Shown::TextAlign:
            case Label::Shown::MultiLine: {
                // The types are a number in the low bits of the style, not flags.
                const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE) & ~static_cast<LONG_PTR>(SS_TYPEMASK);
                SetWindowLongPtrW(Handle(), GWL_STYLE,
                                  style | TypeOf(AlignmentOf(label_.TextAlign()), label_.MultiLine()));
                InvalidateRect(Handle(), nullptr, TRUE);
                return;
            }
            case Label::Shown::TextColor:
                InvalidateRect(Handle(), nullptr, TRUE);
                return;
            case Label::Shown::Selectable:
                // A STATIC has no selection to offer; the text shows the same either way.
                return;
        }
    }

    // A caption's control is named after it already (SetAccessibleText), and its "&" shows as
    // typed rather than leading to the control: what counts here is whether it shows output.
    void SetBuddy(ControlPeer* control) override {
        const bool live = control == nullptr;
        // Labels start unmarked, so a caption has no mark to take off.
        if (live != live_) SetLiveRegion(Handle(), live);
        live_ = live;
    }

    HBRUSH Colors(HDC dc) override {
        ::SetTextColor(dc, ColorRefOf(label_.TextColor()));
        return nullptr;
    }

private:
    const Label& label_;
    bool live_ = false;
};

}  // namespace

std::unique_ptr<LabelPeer> Win32WindowPeer::CreateLabel(Label& label) {
    return std::make_unique<Win32LabelPeer>(label, NextSite());
}

}  // namespace guirt::win32
