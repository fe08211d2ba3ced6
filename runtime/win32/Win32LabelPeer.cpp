#include <algorithm>
#include <cmath>
#include <utility>

#include "LineFit.h"
#include "ModelState.h"
#include "Win32ControlPeer.h"
#include "Win32LiveRegion.h"
#include "Win32Text.h"
#include "Win32WindowPeer.h"

namespace guirt::win32 {

namespace {

// A multi-line label wraps its text at the box's edge. A one-line label shows one line,
// centred in the box's height, and never wraps (SS_CENTERIMAGE makes any type one line).
DWORD StyleOf(const Label& label) {
    const DWORD line = label.MultiLine() ? 0 : SS_CENTERIMAGE;
    switch (AlignmentOf(label.TextAlign())) {
        case TextAlignment::Center:
            return SS_CENTER | line;
        case TextAlignment::Right:
            return SS_RIGHT | line;
        case TextAlignment::Left:
            break;
    }
    return SS_LEFT | line;
}

// A Label as a STATIC control showing plain text ("&" is no access key, a caption's too) in
// the model's colour on the window's background, a one-line text fitted to its box
// (LineFit.h). It takes no focus; it notifies its window only so that its tooltip sees the
// mouse. A label that captions nothing shows output: it is a live region, announced as its
// text changes.
class Win32LabelPeer final : public Win32ControlPeer<LabelPeer> {
public:
    Win32LabelPeer(Label& model, const ChildSite& site)
        : Win32ControlPeer(model, site, CreateChild(site, model, WC_STATICW, SS_NOPREFIX | SS_NOTIFY | StyleOf(model))),
          label_(model) {
        ShowAll<Control::Shown>(*this);
        ShowAll<RectControl::Shown>(*this);
        ShowAll<Label::Shown>(*this);
        made_ = true;
        Fit();
    }

    using Win32ControlPeer::Show;
    void Show(RectControl::Shown what) override {
        switch (what) {
            case RectControl::Shown::Font:
                font_.Forget();
                Fit();
                return;
            case RectControl::Shown::HelpTag:
                Fit();
                return;
            default:
                Win32ControlPeer::Show(what);
                if (what == RectControl::Shown::Bounds) Fit();
                return;
        }
    }

    void Show(Label::Shown what) override {
        if (!Handle()) return;
        switch (what) {
            case Label::Shown::Caption:
                Fit();
                if (live_) AnnounceLiveRegion(Handle());
                return;
            case Label::Shown::TextAlign:
            case Label::Shown::MultiLine: {
                // The types are a number in the low bits of the style, not flags.
                const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
                const LONG_PTR wanted =
                    (style & ~static_cast<LONG_PTR>(SS_TYPEMASK | SS_CENTERIMAGE)) | StyleOf(label_);
                if (wanted == style) return;
                SetWindowLongPtrW(Handle(), GWL_STYLE, wanted);
                if (what == Label::Shown::MultiLine) Fit();
                Repaint();
                return;
            }
            case Label::Shown::TextColor:
                Repaint();
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

    double LinePixels() override {
        if (!Handle()) return 0;
        return static_cast<double>(ShowLabel(label_, Measure(0)).line.pixels) * kLayoutDpi / Size().dpi;
    }

    void LimitLinePixels(double pixels) override {
        limit_ = pixels;
        Fit();
    }

    HBRUSH Colors(HDC dc) override {
        ::SetTextColor(dc, ColorRefOf(label_.TextColor()));
        return nullptr;
    }

private:
    const SizedFont& Size() { return font_.Sized(FontOf(label_), Dpi()); }

    // The label measured in device pixels: the floor and the limit scaled for the DPI.
    LineMeasure Measure(int limit) {
        return font_.Measure(FontOf(label_), Dpi(), static_cast<double>(DeviceBounds().width), limit);
    }

    // Shows what the label shows (ShowLabel): its text at its size, its name and its tooltip.
    void Fit() {
        if (!Handle() || !made_) return;
        const SizedFont& sizing = Size();
        const int limit = limit_ > 0 ? static_cast<int>(std::lround(limit_ * sizing.dpi / kLayoutDpi)) : 0;
        ShownLabel shown = ShowLabel(label_, Measure(limit));
        UseFont(sizing.At(shown.line.pixels));
        if (shown.line.text != shown_.line.text || !told_) SetWindowTextW(Handle(), WideLines(shown.line.text).c_str());
        if (shown.name != shown_.name || !told_) SetAccessibleText({shown.name, {}});
        if (shown.tip != shown_.tip || !told_) ShowTip(shown.tip);
        told_ = true;
        shown_ = std::move(shown);
    }

    const Label& label_;
    LineFont font_;
    ShownLabel shown_;   // what the label shows now
    bool told_ = false;  // the control has been told all of it once
    double limit_ = 0;   // in layout pixels; 0: none
    bool made_ = false;  // fitted once, when the whole model is shown
    bool live_ = false;
};

}  // namespace

std::unique_ptr<LabelPeer> Win32WindowPeer::Create(Label& label) {
    return std::make_unique<Win32LabelPeer>(label, NextSite());
}

}  // namespace guirt::win32
