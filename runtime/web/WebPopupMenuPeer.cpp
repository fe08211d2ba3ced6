#include <string>

#include "LineFit.h"
#include "ModelState.h"
#include "WebStyle.h"

#include "Guard.h"
#include "WebControlPeer.h"
#include "WebWindowPeer.h"

namespace guirt::web {

namespace {

// A PopupMenu as a <select>. The model owns the selection: the element shows it (which
// fires no change event) and reports only what the user picks.
class WebPopupMenuPeer final : public WebControlPeer<PopupMenuPeer> {
public:
    WebPopupMenuPeer(PopupMenu& model, const ControlSite& site) : WebControlPeer(model, "select", site), popup_(model) {
        ShowAll<Control::Shown>(*this);
        ShowAll<RectControl::Shown>(*this);
        ShowAll<PopupMenu::Shown>(*this);
    }

    using WebControlPeer::Show;
    void Show(RectControl::Shown what) override {
        WebControlPeer::Show(what);
        if (what == RectControl::Shown::Bounds || what == RectControl::Shown::Font) FitFont();
    }

    void Show(PopupMenu::Shown what) override {
        const int select = Node().Handle();
        switch (what) {
            case PopupMenu::Shown::TabStop:
                Node().SetAttribute("tabindex", popup_.TabStop() ? "0" : "-1");
                return;
            case PopupMenu::Shown::Rows:
                for (std::int64_t row = guirt_web_option_count(select); row < popup_.ListCount(); ++row) {
                    guirt_web_add_option(select, std::string(TextOf(popup_.List(row))).c_str());
                }
                guirt_web_set_selected(select, static_cast<int>(popup_.ListIndex()));
                return;
            case PopupMenu::Shown::ListIndex:
                guirt_web_set_selected(select, static_cast<int>(popup_.ListIndex()));
                return;
        }
    }

private:
    // The chosen row whole in the box: a font too tall for it is made smaller (FitLineHeight).
    void FitFont() {
        Node().SetStyle("font-size", CssFontSize(FontOf(popup_)));
        const int own = FontPixels();
        const int pixels = FitLineHeight(own, kLeastLinePixels, guirt_web_line_room(Node().Handle()),
                                         [this](int size) { return guirt_web_line_height(Node().Handle(), size); });
        if (pixels != own) Node().SetStyle("font-size", std::to_string(pixels) + "px");
    }

    void Event(DomEvent event, int detail, std::string_view) override {
        if (event == DomEvent::Change) Report(popup_, &PopupMenu::PeerPicked, std::int64_t{detail});
    }

    PopupMenu& popup_;
};

}  // namespace

std::unique_ptr<PopupMenuPeer> WebWindowPeer::Create(PopupMenu& popup) {
    return std::make_unique<WebPopupMenuPeer>(popup, Site());
}

}  // namespace guirt::web
