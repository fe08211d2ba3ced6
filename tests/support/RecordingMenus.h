#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Input.h"
#include "Peers.h"

namespace guirt::testing {

// A window's menus as the simulated toolkit shows them: the bar as the runtime describes it;
// one of its menus open, by a click on its title or by Alt and its access key; the bar keeping
// the keyboard, its title marked, after Escape closed that menu, until a second Escape; and a
// control's own context menu. An open menu holds the keyboard: its items are chosen by a click
// or by their access keys.
class RecordingMenus {
public:
    // An item of the open menu as it shows: its text with "&" before the access key.
    struct Line {
        std::string text;
        bool enabled = true;
        bool separator = false;
    };
    // An item of a control's own context menu, and what choosing it does.
    struct ContextItem {
        std::string text;
        bool enabled = true;
        std::function<void()> chosen;
    };

    explicit RecordingMenus(Window& model) : model_(model) {}

    void SetBar(const ShownMenuBar& bar);
    void SetEnabled(std::size_t entry, bool enabled);
    // The titles of the bar's menus, none while the bar is hidden.
    std::vector<std::string> Titles() const;

    // What the user does. Key answers whether the menus took the key: any key while they hold
    // the keyboard, and Alt with a menu's access key.
    void ClickTitle(std::size_t index);
    bool Key(const KeyStroke& stroke);
    void ClickItem(std::size_t index);
    void OpenContext(std::vector<ContextItem> items);
    // Everything closes: a click elsewhere, the window no longer active.
    void Dismiss();

    bool HoldsKeyboard() const noexcept { return open_ || !context_.empty() || marked_; }
    bool IsOpen() const noexcept { return open_ || !context_.empty(); }
    std::vector<Line> OpenLines() const;

private:
    void Open(std::size_t index);
    void CloseOpen();
    void Choose(std::size_t index);
    // The bar's menu whose access key the key is, if any.
    std::optional<std::size_t> TitleWithKey(const KeyStroke& stroke) const;

    Window& model_;
    ShownMenuBar bar_;
    std::optional<std::size_t> open_;    // the bar's menu that is open, by its place on the bar
    std::optional<std::size_t> marked_;  // the title marked while the bar keeps the keyboard
    std::vector<ContextItem> context_;   // the context menu that is open
};

// The key of the "&" access mark in a menu text, upper case; 0 for none.
char AccessKeyOf(std::string_view text);
// A menu text as it is drawn: without its access mark, "&&" as "&".
std::string DrawnText(std::string_view text);

}  // namespace guirt::testing
