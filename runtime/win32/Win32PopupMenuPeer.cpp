#include "Win32PopupMenuPeer.h"

#include <algorithm>

#include "Guard.h"
#include "Win32Text.h"

namespace guirt::win32 {

Win32PopupMenuPeer::Win32PopupMenuPeer(PopupMenu& model, const ChildSite& site)
    : Win32ControlPeer(model, site,
                       CreateChild(site, model, WC_COMBOBOXW, {},
                                   CBS_DROPDOWNLIST | WS_VSCROLL | (model.TabStop() ? WS_TABSTOP : 0))),
      popup_(model) {
    const std::int64_t count = model.ListCount();
    for (std::int64_t row = 0; row < count; ++row) AddRow(TextOf(model.List(row)));
    SetListIndex(model.ListIndex());
    ShowModel();
}

void Win32PopupMenuPeer::AddRow(std::string_view text) {
    // Adding leaves the selection as it is.
    if (Handle()) SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(text).c_str()));
}

void Win32PopupMenuPeer::SetListIndex(std::int64_t row) {
    // Sends no CBN_SELCHANGE: only the user's picks are reported.
    if (Handle()) SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

void Win32PopupMenuPeer::SetTabStop(bool tabStop) {
    if (Handle()) SetStyle(WS_TABSTOP, tabStop);
}

void Win32PopupMenuPeer::SetBounds(const Bounds& bounds) {
    height_ = bounds.height;
    FitHeight();
    // The height a drop-down combo is given is that of its open list; common controls 6
    // size the list by its rows instead, and the closed combo keeps the field's height.
    Win32ControlPeer::SetBounds(bounds);
}

void Win32PopupMenuPeer::SetFont(const FontRequest& font) {
    // A new font sets the field's height from the font again.
    Win32ControlPeer::SetFont(font);
    FitHeight();
}

void Win32PopupMenuPeer::FitHeight() {
    if (!Handle() || height_ <= 0) return;
    // How the field's height maps to the combo's is the system's affair (it may read back
    // otherwise than it was set): measure the combo and correct what was asked, twice at most.
    LRESULT field = SendMessageW(Handle(), CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    for (int pass = 0; pass < 2 && field != CB_ERR; ++pass) {
        RECT shown{};
        GetWindowRect(Handle(), &shown);
        const std::int64_t off = height_ - (shown.bottom - shown.top);
        if (off == 0) return;
        field = static_cast<LRESULT>(std::clamp<std::int64_t>(field + off, 1, 255));
        SendMessageW(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    }
}

void Win32PopupMenuPeer::Notified(WORD code) {
    if (code != CBN_SELCHANGE || !Handle()) return;
    CallModel([&popup = popup_, combo = Handle()] {
        const Ref<PopupMenu> hold(&popup);
        popup.PeerPicked(PeerAccess::Key(), SendMessageW(combo, CB_GETCURSEL, 0, 0));
    });
}

}  // namespace guirt::win32
