#include "Win32Fonts.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <string>
#include <tuple>
#include <utility>

#include "ModelState.h"
#include "Win32Handles.h"
#include "Win32Text.h"

namespace guirt::win32 {

namespace {

// A request at a DPI: what a created font is shared by.
using Key = std::pair<FontRequest, int>;

struct KeyOrder {
    static auto Tied(const Key& k) {
        const FontRequest& r = k.first;
        return std::tie(r.family, r.size, r.unit, r.bold, r.italic, r.underline, k.second);
    }
    bool operator()(const Key& a, const Key& b) const { return Tied(a) < Tied(b); }
};

std::map<Key, std::weak_ptr<std::remove_pointer_t<HFONT>>, KeyOrder>& Fonts() {
    static std::map<Key, std::weak_ptr<std::remove_pointer_t<HFONT>>, KeyOrder> fonts;
    return fonts;
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
    font.lfWeight = request.bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = request.italic ? TRUE : FALSE;
    font.lfUnderline = request.underline ? TRUE : FALSE;
    return font;
}

}  // namespace

SharedFont FontFor(const FontRequest& request, int dpi) {
    auto& fonts = Fonts();
    Key key{request, dpi};
    if (auto it = fonts.find(key); it != fonts.end()) {
        if (SharedFont font = it->second.lock()) return font;
    }
    std::erase_if(fonts, [](const auto& entry) { return entry.second.expired(); });
    const LOGFONTW description = Describe(request, dpi);
    SharedFont font(CreateFontIndirectW(&description), GdiDeleter{});
    fonts[std::move(key)] = font;
    return font;
}

int EmPixels(HFONT font) {
    // The system's font may give its cell height rather than its em height; either is near.
    LOGFONTW description{};
    GetObjectW(font, sizeof(description), &description);
    return std::abs(static_cast<int>(description.lfHeight));
}

FontRequest AtDevicePixels(FontRequest request, int pixels, int dpi) {
    request.size = static_cast<double>(pixels) * kLayoutDpi / dpi;
    request.unit = FontRequest::Unit::Pixels;
    return request;
}

}  // namespace guirt::win32
