#pragma once

#include "Win32Api.h"

#include <memory>
#include <optional>
#include <string_view>

#include "LineFit.h"
#include "ModelState.h"
#include "Peers.h"
#include "WidthBound.h"

namespace guirt::win32 {

// A font that goes when the last control using it lets go.
using SharedFont = std::shared_ptr<std::remove_pointer_t<HFONT>>;

// The font for a request on a screen of the DPI, shared by every control that asks for the
// same one. No family is the system's message font for that DPI; a size in pixels is the em
// height in the layout's pixels (scaled by dpi/96), one in points follows the DPI.
SharedFont FontFor(const FontRequest& request, int dpi);
// The em height of the font in device pixels.
int EmPixels(HFONT font);
// How wide the text is in the font, and how tall a line of it is, in device pixels.
double TextWidth(HFONT font, std::string_view text);
int LineHeight(HFONT font);
// The request for the same font with an em height of `pixels` device pixels at the DPI.
FontRequest AtDevicePixels(FontRequest request, int pixels, int dpi);

// A control's font at its window's DPI, and the same font at other sizes: what one line of
// its text is measured and fitted in.
struct SizedFont {
    FontRequest request;
    int dpi = kLayoutDpi;
    SharedFont font;
    int own = 0;  // its em height in device pixels

    static SizedFont Of(const FontRequest& request, int dpi);
    SharedFont At(int pixels) const;
    // One line measured in device pixels into `width`: the floor and `limit` (in device
    // pixels, 0 for none) as LineMeasure's. It measures in this font, so lives no longer.
    LineMeasure Measure(double width, int limit) const;
};

// A control's font at its DPI, asked of GDI once per font and DPI, and how one line of text
// measures in it: a text the bound proves to fit is not measured by GDI.
class LineFont {
public:
    // The control's font changed: it is resolved and measured again (as on a new DPI).
    void Forget() noexcept { sized_.reset(); }

    const SizedFont& Sized(const FontRequest& request, int dpi);
    // One line in the font into `width` device pixels; `limit` as SizedFont::Measure's.
    LineMeasure Measure(const FontRequest& request, int dpi, double width, int limit);

private:
    std::optional<SizedFont> sized_;  // none until asked, and once the font changes
    WidthBound bound_;
};

}  // namespace guirt::win32
