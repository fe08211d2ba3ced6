#include "WebWindowPeer.h"

#include <cstdio>
#include <string>

#include "Guard.h"
#include "ModelState.h"
#include "WebKeys.h"
#include "WebStyle.h"

namespace guirt::web {

namespace {

// A text as a JSON string.
std::string Quoted(std::string_view text) {
    std::string json = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            json += escaped;
        } else {
            json += c;
        }
    }
    return json + "\"";
}

// The menus as menubar.js builds the menubar from them: each entry's number, text, whether
// it is enabled and its kind, a command's shortcut as the program wrote it, a menu's entries.
std::string Described(const std::vector<MenuEntry>& entries) {
    std::string json = "[";
    for (const MenuEntry& entry : entries) {
        if (json.size() > 1) json += ',';
        json += "{\"number\":" + std::to_string(entry.number) + ",\"text\":" + Quoted(entry.text) +
                ",\"enabled\":" + (entry.enabled ? "true" : "false") + ",\"kind\":";
        switch (entry.kind) {
            case MenuEntry::Kind::Separator:
                json += "\"separator\"";
                break;
            case MenuEntry::Kind::Menu:
                json += "\"menu\",\"entries\":" + Described(entry.entries);
                break;
            case MenuEntry::Kind::Command:
                json += "\"command\"";
                if (!entry.shortcutText.empty()) json += ",\"shortcut\":" + Quoted(entry.shortcutText);
                break;
        }
        json += '}';
    }
    return json + "]";
}

}  // namespace

WebWindowPeer::WebWindowPeer(Window& model, const ShownMenuBar& bar)
    : model_(model),
      root_("div", nullptr),
      titleBar_("div", &root_),
      title_("span", &titleBar_),
      closeButton_("button", &titleBar_),
      menubar_("div", &root_),
      content_("div", &root_) {
    root_.SetAttribute("class", "guirt-window");
    root_.SetAttribute("data-name", model_.Class().Name());
    root_.SetStyle("display", "none");  // until the model shows it
    titleBar_.SetAttribute("class", "guirt-title");
    closeButton_.SetText("\u00D7");
    closeButton_.SetAttribute("aria-label", "Close");
    closeButton_.SetAttribute("tabindex", "-1");
    closeButton_.Listen(*this);
    content_.SetAttribute("class", "guirt-content");
    SetMenuBar(bar);
    ShowAll<Window::Shown>(*this);
}

void WebWindowPeer::Handle(DomEvent event, int detail, std::string_view text) {
    switch (event) {
        case DomEvent::Click:
            Report(model_, &Window::PeerCloseRequested);
            return;
        case DomEvent::MenuOpening:
            Report(model_, &Window::PeerMenuOpening, static_cast<std::size_t>(detail));
            return;
        case DomEvent::MenuClosed:
            Report(model_, &Window::PeerMenuClosed, static_cast<std::size_t>(detail));
            return;
        case DomEvent::MenuChosen:
            Report(model_, &Window::PeerMenuChosen, static_cast<std::size_t>(detail));
            return;
        case DomEvent::Activated:
            Report(model_, &Window::PeerActivated);
            return;
        case DomEvent::Shortcut:
            if (Ask(model_, &Window::PeerShortcut, StrokeOf(text, detail))) guirt_web_refuse_event();
            return;
        default:
            return;
    }
}

void WebWindowPeer::Show(Window::Shown what) {
    switch (what) {
        case Window::Shown::Title: {
            const std::string title(TextOf(model_.Title()));
            title_.SetText(title);
            guirt_web_set_title(title.c_str());
            return;
        }
        case Window::Shown::Frame: {
            const WindowFrame frame = FrameOf(model_);
            content_.SetStyle("width", CssPixels(frame.width));
            content_.SetStyle("height", CssPixels(frame.height));
            closeButton_.SetStyle("display", frame.closeButton ? "" : "none");
            return;
        }
        case Window::Shown::FullScreen:
            // A page's window fills the page.
            root_.SetStyle("position", model_.FullScreen() ? "fixed" : "");
            root_.SetStyle("inset", model_.FullScreen() ? "0" : "");
            return;
        case Window::Shown::BackColor: {
            const std::optional<Color> color = BackColorOf(model_);
            content_.SetStyle("background-color", color ? CssColor(*color) : "");
            return;
        }
    }
}

void WebWindowPeer::SetMenuBar(const ShownMenuBar& bar) {
    guirt_web_menubar(menubar_.Handle(), root_.Handle(), Described(bar.menus).c_str());
    menubar_.ReportTo(*this);
    menubar_.SetStyle("display", !bar.menus.empty() && bar.visible ? "" : "none");
}

void WebWindowPeer::SetMenuEnabled(std::size_t entry, bool enabled) {
    guirt_web_menu_enabled(menubar_.Handle(), static_cast<int>(entry), enabled ? 1 : 0);
}

void WebWindowPeer::SetTabOrder(const std::vector<ControlPeer*>& order) {
    // Tab follows the document's order: the stops go last in the content area, in order.
    for (ControlPeer* peer : order) {
        if (const WebControl* control = controls_->Of(peer)) content_.Append(control->Node());
    }
}

void WebWindowPeer::SetVisible(bool visible) {
    root_.SetStyle("display", visible ? "" : "none");
}

void WebWindowPeer::Close() {
    root_.SetStyle("display", "none");
}

}  // namespace guirt::web
