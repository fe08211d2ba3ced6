#include "RecordingPopup.h"

#include <algorithm>

#include "Guard.h"
#include "RecordingWindow.h"

namespace guirt::testing {

RecordingPopup::RecordingPopup(PopupMenu& popup, RecordingWindow& window)
    : Recording(popup, window, "popup"), popup_(popup) {
    ShowRows();
}

void RecordingPopup::ShowRows() {
    for (auto row = static_cast<std::int64_t>(rows_.size()); row < popup_.ListCount(); ++row) {
        rows_.push_back(std::string(TextOf(popup_.List(row))));
    }
    current_ = popup_.ListIndex();
}

void RecordingPopup::Show(PopupMenu::Shown what) {
    LogShown(what);
    switch (what) {
        case PopupMenu::Shown::Rows:
            ShowRows();
            return;
        case PopupMenu::Shown::ListIndex:
            current_ = popup_.ListIndex();
            return;
        case PopupMenu::Shown::TabStop:
            return;
    }
}

std::string RecordingPopup::ShownText() const {
    return current_ >= 0 && current_ < static_cast<std::int64_t>(rows_.size())
               ? rows_[static_cast<std::size_t>(current_)]
               : std::string();
}

// The press gives the focus and opens the list.
void RecordingPopup::Click() {
    if (!Focusable()) return;
    TakeFocus(FocusReason::Mouse);
    OpenList();
}

void RecordingPopup::OpenList() {
    if (listOpen_ || !Window()) return;
    listOpen_ = true;
    marked_ = current_;
    Window()->ListOpened(*this);
}

void RecordingPopup::CloseList() {
    listOpen_ = false;
    if (Window()) Window()->ListClosed(*this);
}

void RecordingPopup::Pick(std::int64_t row) {
    current_ = row;
    Report(popup_, &PopupMenu::PeerPicked, row);
}

std::optional<std::int64_t> RecordingPopup::Moved(const KeyStroke& stroke, std::int64_t from) const {
    const auto last = static_cast<std::int64_t>(rows_.size()) - 1;
    switch (stroke.key) {
        case Key::Up:
            return std::max<std::int64_t>(from - 1, 0);
        case Key::Down:
            return std::min(from + 1, last);
        case Key::Home:
        case Key::PageUp:
            return 0;
        case Key::End:
        case Key::PageDown:
            return last;
        default:
            return std::nullopt;
    }
}

bool RecordingPopup::KeyDown(const KeyStroke& stroke, std::string_view) {
    if (stroke.key == Key::Tab) return false;
    const bool opens =
        stroke.key == Key::Space || stroke.key == Key::F4 || (stroke.key == Key::Down && stroke.held.alt);
    if (opens) {
        OpenList();
        return true;
    }
    const std::optional<std::int64_t> row = Moved(stroke, current_);
    if (row && *row >= 0 && *row != current_) Pick(*row);
    return true;
}

void RecordingPopup::ListKey(const KeyStroke& stroke) {
    if (stroke.key == Key::Escape) {
        CloseList();
    } else if (stroke.key == Key::Return) {
        PickRow(marked_);
    } else if (const std::optional<std::int64_t> row = Moved(stroke, marked_)) {
        marked_ = *row;
    }
}

void RecordingPopup::PickRow(std::int64_t row) {
    if (!listOpen_) return;
    CloseList();
    if (row >= 0 && row < static_cast<std::int64_t>(rows_.size())) Pick(row);
}

std::unique_ptr<PopupMenuPeer> RecordingWindow::Create(PopupMenu& popup) {
    return std::make_unique<RecordingPopup>(popup, *this);
}

}  // namespace guirt::testing
