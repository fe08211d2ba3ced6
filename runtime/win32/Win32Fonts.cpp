#include "Win32Fonts.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <tuple>

#include "Win32Handles.h"
#include "Win32Text.h"

namespace guirt::win32 {

namespace {

struct RequestOrder {
    static auto Tied(const FontRequest& r) { return std::tie(r.family, r.size, r.unit, r.bold, r.italic, r.underline); }
    bool operator()(const FontRequest& a, const FontRequest& b) const { return Tied(a) < Tied(b); }
};

std::map<FontRequest, std::weak_ptr<std::remove_pointer_t<HFONT>>, RequestOrder>& Fonts() {
    static std::map<FontRequest, std::weak_ptr<std::remove_pointer_t<HFONT>>, RequestOrder> fonts;
    return fonts;
}

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

LOGFONTW Describe(const FontRequest& request) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    LOGFONTW font = metrics.lfMessageFont;
    if (!request.family.empty()) {
        const std::wstring family = Wide(request.family);
        font.lfFaceName[family.copy(font.lfFaceName, LF_FACESIZE - 1)] = L'\0';
    }
    if (request.size > 0) {
        const double pixels =
            request.unit == FontRequest::Unit::Pixels ? request.size : request.size * ScreenDpi() / 72.0;
        font.lfHeight = -std::max(1L, std::lround(pixels));
    }
    font.lfWeight = request.bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = request.italic ? TRUE : FALSE;
    font.lfUnderline = request.underline ? TRUE : FALSE;
    return font;
}

}  // namespace

SharedFont FontFor(const FontRequest& request) {
    auto& fonts = Fonts();
    if (auto it = fonts.find(request); it != fonts.end()) {
        if (SharedFont font = it->second.lock()) return font;
    }
    std::erase_if(fonts, [](const auto& entry) { return entry.second.expired(); });
    const LOGFONTW description = Describe(request);
    SharedFont font(CreateFontIndirectW(&description), GdiDeleter{});
    fonts[request] = font;
    return font;
}

}  // namespace guirt::win32
