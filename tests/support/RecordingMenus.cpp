#include "RecordingMenus.h"

#include "Guard.h"
#include "guirt/Window.h"

namespace guirt::testing {

namespace {
char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SetIn(std::vector<MenuEntry>& entries, std::size_t number, bool enabled) {
    for (MenuEntry& entry : entries) {
        if (entry.number == number) {
            entry.enabled = enabled;
            return true;
        }
        if (SetIn(entry.entries, number, enabled)) return true;
    }
    return false;
}
}  // namespace

char AccessKeyOf(std::string_view text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] != '&') return Upper(text[i + 1]);
        ++i;
    }
    return 0;
}

std::string DrawnText(std::string_view text) {
    std::string drawn;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        drawn += text[i];
    }
    return drawn;
}

void RecordingMenus::SetBar(const ShownMenuBar& bar) {
    bar_ = bar;
    // A bar made anew no longer has the menu that was open.
    open_.reset();
    marked_.reset();
}

void RecordingMenus::SetEnabled(std::size_t entry, bool enabled) {
    SetIn(bar_.menus, entry, enabled);
}

std::vector<std::string> RecordingMenus::Titles() const {
    std::vector<std::string> titles;
    if (!bar_.visible) return titles;
    for (const MenuEntry& menu : bar_.menus) titles.push_back(menu.text);
    return titles;
}

void RecordingMenus::ClickTitle(std::size_t index) {
    const bool again = open_ == index;
    Dismiss();
    if (!again && index < bar_.menus.size() && bar_.visible) Open(index);
}

void RecordingMenus::Open(std::size_t index) {
    open_ = index;
    marked_.reset();
    // The model sets the items' states as the menu opens, before they show.
    Report(model_, &Window::PeerMenuOpening, bar_.menus[index].number);
}

void RecordingMenus::CloseOpen() {
    const std::size_t number = bar_.menus[*open_].number;
    open_.reset();
    Report(model_, &Window::PeerMenuClosed, number);
}

std::optional<std::size_t> RecordingMenus::TitleWithKey(const KeyStroke& stroke) const {
    const char key = Upper(stroke.character);
    for (std::size_t i = 0; key != 0 && bar_.visible && i < bar_.menus.size(); ++i) {
        if (AccessKeyOf(bar_.menus[i].text) == key) return i;
    }
    return std::nullopt;
}

bool RecordingMenus::Key(const KeyStroke& stroke) {
    if (IsOpen()) {
        if (stroke.key == guirt::Key::Escape) {
            context_.clear();
            // A menu of the bar leaves its title marked, the bar keeping the keyboard.
            if (open_) {
                marked_ = open_;
                CloseOpen();
            }
            return true;
        }
        const char key = Upper(stroke.character);
        const std::vector<Line> lines = OpenLines();
        for (std::size_t i = 0; key != 0 && i < lines.size(); ++i) {
            if (AccessKeyOf(lines[i].text) == key && lines[i].enabled) {
                Choose(i);
                break;
            }
        }
        return true;
    }
    if (marked_) {
        if (stroke.key == guirt::Key::Escape) {
            marked_.reset();
        } else if (stroke.key == guirt::Key::Down || stroke.key == guirt::Key::Return) {
            Open(*marked_);
        } else if (const std::optional<std::size_t> title = TitleWithKey(stroke)) {
            Open(*title);
        }
        return true;
    }
    if (!stroke.held.alt || stroke.held.ctrl) return false;
    const std::optional<std::size_t> title = TitleWithKey(stroke);
    if (title) Open(*title);
    return title.has_value();
}

void RecordingMenus::ClickItem(std::size_t index) {
    const std::vector<Line> lines = OpenLines();
    // A click on a greyed item or a separator does nothing: the menu stays open.
    if (index < lines.size() && lines[index].enabled && !lines[index].separator) Choose(index);
}

void RecordingMenus::Choose(std::size_t index) {
    if (!context_.empty()) {
        const std::function<void()> chosen = context_[index].chosen;
        context_.clear();
        chosen();
        return;
    }
    const MenuEntry& entry = bar_.menus[*open_].entries[index];
    if (entry.kind != MenuEntry::Kind::Command) return;
    const std::size_t number = entry.number;
    // The menu closes before the command runs, as every toolkit's does.
    CloseOpen();
    Report(model_, &Window::PeerMenuChosen, number);
}

void RecordingMenus::OpenContext(std::vector<ContextItem> items) {
    Dismiss();
    context_ = std::move(items);
}

void RecordingMenus::Dismiss() {
    context_.clear();
    marked_.reset();
    if (open_) CloseOpen();
}

std::vector<RecordingMenus::Line> RecordingMenus::OpenLines() const {
    std::vector<Line> lines;
    for (const ContextItem& item : context_) lines.push_back({item.text, item.enabled, false});
    if (!open_) return lines;
    for (const MenuEntry& entry : bar_.menus[*open_].entries) {
        lines.push_back({entry.text, entry.enabled, entry.kind == MenuEntry::Kind::Separator});
    }
    return lines;
}

}  // namespace guirt::testing
