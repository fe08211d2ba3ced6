#include "Win32LabelPeer.h"

#include "Win32LiveRegion.h"
#include "Win32Text.h"

namespace guirt::win32 {

namespace {

// Centred and right-aligned text always wraps; left-aligned text wraps only when the label
// is multi-line, and is cut off at the edge otherwise.
DWORD TypeOf(std::int64_t align, bool multiLine) {
    if (align == 2) return SS_CENTER;
    if (align == 3) return SS_RIGHT;
    return multiLine ? SS_LEFT : SS_LEFTNOWORDWRAP;
}

}  // namespace

Win32LabelPeer::Win32LabelPeer(Label& model, const ChildSite& site)
    : Win32ControlPeer(model, site,
                       CreateChild(site, model, WC_STATICW, WideLines(TextOf(model.Caption())),
                                   TypeOf(model.TextAlign(), model.MultiLine()) | SS_NOPREFIX | SS_NOTIFY)),
      align_(model.TextAlign()),
      multiLine_(model.MultiLine()),
      color_(ColorRefOf(model.TextColor())),
      caption_(WideLines(TextOf(model.Caption()))) {
    ShowModel();
}

void Win32LabelPeer::SetCaption(std::string_view text) {
    std::wstring caption = WideLines(text);
    if (caption == caption_ || !Handle()) return;
    caption_ = std::move(caption);
    SetWindowTextW(Handle(), caption_.c_str());
    if (live_) AnnounceLiveRegion(Handle());
}

void Win32LabelPeer::SetTextAlign(std::int64_t align) {
    align_ = align;
    ApplyType();
}

void Win32LabelPeer::SetTextColor(Color color) {
    color_ = ColorRefOf(color);
    if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

void Win32LabelPeer::SetMultiLine(bool multiLine) {
    multiLine_ = multiLine;
    ApplyType();
}

// A STATIC has no selection to offer; the text shows the same either way.
void Win32LabelPeer::SetSelectable(bool) {}

// A caption's control is named after it already (SetAccessibleText), and its "&" shows as
// typed rather than leading to the control: what counts here is whether it shows output.
void Win32LabelPeer::SetBuddy(ControlPeer* control) {
    const bool live = control == nullptr;
    if (live != live_) SetLiveRegion(Handle(), live);
    live_ = live;
}

HBRUSH Win32LabelPeer::Colors(HDC dc) {
    ::SetTextColor(dc, color_);
    return nullptr;
}

void Win32LabelPeer::ApplyType() {
    if (!Handle()) return;
    // The types are a number in the low bits of the style, not flags.
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    SetWindowLongPtrW(Handle(), GWL_STYLE, (style & ~static_cast<LONG_PTR>(SS_TYPEMASK)) | TypeOf(align_, multiLine_));
    InvalidateRect(Handle(), nullptr, TRUE);
}

}  // namespace guirt::win32
