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

// How wide the text is in the font, in device pixels. Measured on a memory DC of its own:
// a window's DC would ask the window system where the window shows.
double WidthIn(HFONT font, std::string_view text) {
    static HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, font);
    const std::wstring wide = Wide(text);
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    SelectObject(dc, previous);
    return size.cx;
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
                Fit();
                return;
            case RectControl::Shown::HelpTag:
                ShowTip(LineTip(TextOf(label_.Caption()), TextOf(label_.HelpTag()), shown_));
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
        const Sizing sizing = Size();
        const FittedLine line = FitFrom(sizing, WithLineFeeds(TextOf(label_.Caption())), sizing.own);
        return static_cast<double>(line.pixels) * kLayoutDpi / sizing.dpi;
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
    // The model's font at the window's DPI, and the same font at other sizes.
    struct Sizing {
        FontRequest request;
        int dpi = kLayoutDpi;
        SharedFont font;
        int own = 0;  // its em height in device pixels

        SharedFont At(int pixels) const {
            return pixels == own ? font : FontFor(AtDevicePixels(request, pixels, dpi), dpi);
        }
    };

    Sizing Size() const {
        const FontRequest request = FontOf(label_);
        const int dpi = Dpi();
        SharedFont font = FontFor(request, dpi);
        const int own = EmPixels(font.get());
        return {request, dpi, std::move(font), own};
    }

    // The caption as it fits the box from a text size in device pixels (LineFit.h); a
    // multi-line caption as it is.
    FittedLine FitFrom(const Sizing& sizing, const std::string& text, int start) const {
        if (label_.MultiLine()) return {text, start, false};
        return FitLine(text, start, static_cast<int>(ScaledPixels(kLeastLinePixels, sizing.dpi)),
                       static_cast<double>(DeviceBounds().width),
                       [&](std::string_view part, int pixels) { return WidthIn(sizing.At(pixels).get(), part); });
    }

    // Shows the caption in the model's font, no larger than the limit; a one-line caption
    // fitted to the box.
    void Fit() {
        if (!Handle() || !made_) return;
        const std::string text = WithLineFeeds(TextOf(label_.Caption()));
        const Sizing sizing = Size();
        const int start = limit_ > 0
                              ? std::min(sizing.own, static_cast<int>(std::lround(limit_ * sizing.dpi / kLayoutDpi)))
                              : sizing.own;
        FittedLine line = FitFrom(sizing, text, start);
        UseFont(sizing.At(line.pixels));
        SetWindowTextW(Handle(), WideLines(line.text).c_str());
        if (line.cut != shown_.cut) SetAccessibleText({line.cut ? text : std::string(), {}});
        const bool retip = line.cut || shown_.cut;
        shown_ = std::move(line);
        if (retip) Show(RectControl::Shown::HelpTag);
    }

    const Label& label_;
    FittedLine shown_;
    double limit_ = 0;   // in layout pixels; 0: none
    bool made_ = false;  // fitted once, when the whole model is shown
    bool live_ = false;
};

}  // namespace

std::unique_ptr<LabelPeer> Win32WindowPeer::CreateLabel(Label& label) {
    return std::make_unique<Win32LabelPeer>(label, NextSite());
}

}  // namespace guirt::win32
