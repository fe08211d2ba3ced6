#include "Win32Fonts.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>
#include <string>
#include <string_view>
#include <utility>

#include "ModelState.h"
#include "Win32Handles.h"
#include "Win32Text.h"

namespace guirt::win32 {

namespace {

// A request at a DPI: what a created font is shared by, found by the requests' own equality
// (every field of theirs). A window asks for a handful.
using Key = std::pair<FontRequest, int>;

std::vector<std::pair<Key, std::weak_ptr<std::remove_pointer_t<HFONT>>>>& Fonts() {
    static std::vector<std::pair<Key, std::weak_ptr<std::remove_pointer_t<HFONT>>>> fonts;
    return fonts;
}

// Measures in a font on a memory DC of its own: a window's DC would ask the window system
// where the window shows.
template <class F>
auto Measured(HFONT font, F&& measure) {
    static HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, font);
    auto result = measure(dc);
    SelectObject(dc, previous);
    return result;
}

LOGFONTW Describe(const FontRequest& request, int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, static_cast<UINT>(dpi));
    LOGFONTW font = metrics.lfMessageFont;
    if (!request.family.empty()) {
        const std::wstring family = Wide(request.family);
        font.lfFaceName[family.copy(font.lfFaceName, LF_FACESIZE - 1)] = L'\0';
    }
    if (request.size > 0) {
        const double pixels = request.size * dpi / (request.unit == FontRequest::Unit::Pixels ? kLayoutDpi : 72.0);
        font.lfHeight = -std::max(1L, std::lround(pixels));
    }
    font.lfWeight = request.styles.bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = request.styles.italic ? TRUE : FALSE;
    font.lfUnderline = request.styles.underline ? TRUE : FALSE;
    return font;
}

}  // namespace

SharedFont FontFor(const FontRequest& request, int dpi) {
    auto& fonts = Fonts();
    const Key key{request, dpi};
    std::erase_if(fonts, [](const auto& entry) { return entry.second.expired(); });
    auto it = std::find_if(fonts.begin(), fonts.end(), [&key](const auto& entry) { return entry.first == key; });
    if (it != fonts.end()) return SharedFont(it->second);
    const LOGFONTW description = Describe(request, dpi);
    SharedFont font(CreateFontIndirectW(&description), GdiDeleter{});
    fonts.emplace_back(key, font);
    return font;
}

int EmPixels(HFONT font) {
    // The system's font may give its cell height rather than its em height; either is near.
    LOGFONTW description{};
    GetObjectW(font, sizeof(description), &description);
    return std::abs(static_cast<int>(description.lfHeight));
}

double TextWidth(HFONT font, std::string_view text) {
    return Measured(font, [wide = Wide(text)](HDC dc) {
        SIZE size{};
        GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
        return static_cast<double>(size.cx);
    });
}

int LineHeight(HFONT font) {
    return Measured(font, [](HDC dc) {
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        return static_cast<int>(metrics.tmHeight);
    });
}

FontRequest AtDevicePixels(FontRequest request, int pixels, int dpi) {
    request.size = static_cast<double>(pixels) * kLayoutDpi / dpi;
    request.unit = FontRequest::Unit::Pixels;
    return request;
}

SizedFont SizedFont::Of(const FontRequest& request, int dpi) {
    SharedFont font = FontFor(request, dpi);
    const int own = EmPixels(font.get());
    return {request, dpi, std::move(font), own};
}

SharedFont SizedFont::At(int pixels) const {
    return pixels == own ? font : FontFor(AtDevicePixels(request, pixels, dpi), dpi);
}

LineMeasure SizedFont::Measure(double width, int limit) const {
    return {own, static_cast<int>(ScaledPixels(kLeastLinePixels, dpi)), limit, width,
            [this](std::string_view part, int pixels) { return TextWidth(At(pixels).get(), part); }};
}

const SizedFont& LineFont::Sized(const FontRequest& request, int dpi) {
    if (!sized_ || sized_->dpi != dpi) {
        sized_ = SizedFont::Of(request, dpi);
        bound_.Forget();
    }
    return *sized_;
}

LineMeasure LineFont::Measure(const FontRequest& request, int dpi, double width, int limit) {
    LineMeasure measure = Sized(request, dpi).Measure(width, limit);
    measure.widthOf = bound_.Bounded(width, measure.widthOf, measure.widthOf);
    return measure;
}

}  // namespace guirt::win32
