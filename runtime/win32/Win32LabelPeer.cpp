#include "Win32LabelPeer.h"

#include "Win32Text.h"

namespace guirt::win32 {

Win32LabelPeer::Win32LabelPeer(Label& model, const ChildSite& site)
    : Win32ControlPeer(
          model, site,
          CreateChild(site, model, WC_STATICW, WideLines(TextOf(model.Caption())), SS_LEFT | SS_NOPREFIX | SS_NOTIFY)),
      align_(model.TextAlign()),
      multiLine_(model.MultiLine()) {
    ApplyType();
    SetTextColor(model.TextColor());
    ShowModel();
}

void Win32LabelPeer::SetCaption(std::string_view text) {
    if (Handle()) SetWindowTextW(Handle(), WideLines(text).c_str());
}

void Win32LabelPeer::SetTextAlign(std::int64_t align) {
    align_ = align;
    ApplyType();
}

void Win32LabelPeer::SetTextColor(Color color) {
    color_ = RGB(color.Red(), color.Green(), color.Blue());
    if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

void Win32LabelPeer::SetMultiLine(bool multiLine) {
    multiLine_ = multiLine;
    ApplyType();
}

// A STATIC has no selection to offer; the text shows the same either way.
void Win32LabelPeer::SetSelectable(bool) {}

HBRUSH Win32LabelPeer::Colors(HDC dc) {
    ::SetTextColor(dc, color_);
    return nullptr;
}

void Win32LabelPeer::ApplyType() {
    if (!Handle()) return;
    // Centred and right-aligned text always wraps; left-aligned text wraps only when the
    // label is multi-line, else it is cut off at the edge.
    DWORD type = multiLine_ ? SS_LEFT : SS_LEFTNOWORDWRAP;
    if (align_ == 2) type = SS_CENTER;
    if (align_ == 3) type = SS_RIGHT;
    // The types are a number in the low bits of the style, not flags.
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    SetWindowLongPtrW(Handle(), GWL_STYLE, (style & ~static_cast<LONG_PTR>(SS_TYPEMASK)) | type);
    InvalidateRect(Handle(), nullptr, TRUE);
}

}  // namespace guirt::win32
