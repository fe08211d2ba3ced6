#include <algorithm>

#include "Guard.h"
#include "LineFit.h"
#include "ModelState.h"
#include "Win32ControlPeer.h"
#include "Win32Text.h"
#include "Win32WindowPeer.h"

namespace guirt::win32 {

namespace {

// A PopupMenu as a drop-down list COMBOBOX exactly as tall as the model says. The model
// owns the selection: the combo shows it and reports only what the user picks.
class Win32PopupMenuPeer final : public Win32ControlPeer<PopupMenuPeer> {
public:
    Win32PopupMenuPeer(PopupMenu& model, const ChildSite& site)
        : Win32ControlPeer(model, site, CreateChild(site, model, WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL)),
          popup_(model) {
        ShowAll<Control::Shown>(*this);
        ShowAll<RectControl::Shown>(*this);
        ShowAll<PopupMenu::Shown>(*this);
    }

    using Win32ControlPeer::Show;
    void Show(RectControl::Shown what) override {
        Win32ControlPeer::Show(what);
        // The height a drop-down combo is given is that of its open list; common controls 6
        // size the list by its rows instead, and the closed combo keeps the field's height,
        // which a new font sets again.
        if (what == RectControl::Shown::Bounds || what == RectControl::Shown::Font) FitFont();
    }

    void Show(PopupMenu::Shown what) override {
        const HWND combo = Handle();
        if (!combo) return;
        switch (what) {
            case PopupMenu::Shown::TabStop:
                SetStyle(WS_TABSTOP, popup_.TabStop());
                return;
            case PopupMenu::Shown::Rows:
                // Adding leaves the selection as it is.
                for (auto row = SendMessageW(combo, CB_GETCOUNT, 0, 0); row < popup_.ListCount(); ++row) {
                    SendMessageW(combo, CB_ADDSTRING, 0,
                                 reinterpret_cast<LPARAM>(Wide(TextOf(popup_.List(row))).c_str()));
                }
                return;
            case PopupMenu::Shown::ListIndex:
                // Sends no CBN_SELCHANGE: only the user's picks are reported.
                SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(popup_.ListIndex()), 0);
                return;
        }
    }

    void Notified(WORD code) override {
        if (code != CBN_SELCHANGE || !Handle()) return;
        Report(popup_, &PopupMenu::PeerPicked, std::int64_t{SendMessageW(Handle(), CB_GETCURSEL, 0, 0)});
    }

private:
    // The closed combo as tall as the model, its chosen row whole in it: a font too tall for the
    // field that leaves is made smaller (FitLineHeight).
    void FitFont() {
        if (!Handle()) return;
        const FontRequest request = FontOf(popup_);
        const int dpi = Dpi();
        const SharedFont font = FontFor(request, dpi);
        UseFont(font);
        FitHeight();
        const LRESULT room = SendMessageW(Handle(), CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
        const int own = EmPixels(font.get());
        const int pixels = FitLineHeight(own, static_cast<int>(ScaledPixels(kLeastLinePixels, dpi)),
                                         static_cast<double>(room), [&](int size) {
                                             return LineHeight(FontFor(AtDevicePixels(request, size, dpi), dpi).get());
                                         });
        if (room == CB_ERR || pixels == own) return;
        UseFont(FontFor(AtDevicePixels(request, pixels, dpi), dpi));
        FitHeight();
    }

    // Sizes the selection field so the closed combo is as tall as the model.
    void FitHeight() {
        const std::int64_t height = DeviceBounds().height;
        if (!Handle() || height <= 0) return;
        // How the field's height maps to the combo's is the system's affair (it may read back
        // otherwise than it was set): measure the combo and correct what was asked, twice at most.
        LRESULT field = SendMessageW(Handle(), CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
        for (int pass = 0; pass < 2 && field != CB_ERR; ++pass) {
            RECT shown{};
            GetWindowRect(Handle(), &shown);
            const std::int64_t off = height - (shown.bottom - shown.top);
            if (off == 0) return;
            field = static_cast<LRESULT>(std::clamp<std::int64_t>(field + off, 1, 255));
            SendMessageW(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
        }
    }

    PopupMenu& popup_;
};

}  // namespace

std::unique_ptr<PopupMenuPeer> Win32WindowPeer::Create(PopupMenu& popup) {
    return std::make_unique<Win32PopupMenuPeer>(popup, NextSite());
}

}  // namespace guirt::win32
