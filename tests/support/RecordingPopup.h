#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "RecordingControl.h"

namespace guirt::testing {

// A popup as the simulated toolkit's drop-down list: its rows, the row it shows, and its list,
// opened by a click, Space, F4 or Alt+Down. The arrow keys, Home and End pick a row without
// opening it; the open list holds the keyboard until a row is picked or Escape closes it.
// Every row the user picks is reported, the one shown or not: the model decides what changed.
class RecordingPopup final : public Recording<PopupMenuPeer> {
public:
    RecordingPopup(PopupMenu& popup, RecordingWindow& window);

    using Recording::Show;
    void Show(PopupMenu::Shown what) override;

    void Click() override;
    bool KeyDown(const KeyStroke& stroke, std::string_view typed) override;
    // A key while the list is open.
    void ListKey(const KeyStroke& stroke);
    // A click on a row of the open list.
    void PickRow(std::int64_t row);
    void CloseList();

    std::string ShownText() const override;
    const std::vector<std::string>& Rows() const noexcept { return rows_; }
    bool ListOpen() const noexcept { return listOpen_; }

protected:
    bool TakesFocus() const override { return true; }

private:
    void ShowRows();
    void OpenList();
    void Pick(std::int64_t row);
    // The row a moving key leads to from the one given; none for another key.
    std::optional<std::int64_t> Moved(const KeyStroke& stroke, std::int64_t from) const;

    PopupMenu& popup_;
    std::vector<std::string> rows_;
    std::int64_t current_ = -1;
    bool listOpen_ = false;
    std::int64_t marked_ = -1;  // the row marked in the open list
};

}  // namespace guirt::testing
