#pragma once

#include <cstdint>
#include <vector>

#include "guirt/RectControl.h"
#include "guirt/Variant.h"

namespace guirt {

class PopupMenuPeer;

// A drop-down list of rows, each with a text and a tag. The model decides the selection
// and when "Change" is raised; the peer only shows it and reports what the user picked.
class GUIRT_API PopupMenu : public RectControl {
#define GUIRT_POPUP_MENU_PROPERTIES(X)             \
    X(bool, TabStop, "TabStop", true, ShowTabStop) \
    X(Ref<String>, InitialValue, "InitialValue", nullptr, Stored)
    GUIRT_PROPERTIES(PopupMenu, GUIRT_POPUP_MENU_PROPERTIES)

public:
    // Appends a row; the selection stays as it is.
    void AddRow(const Ref<String>& text);
    std::int64_t ListCount() const;
    Ref<String> List(std::int64_t row) const;
    // A bad row index raises OutOfBoundsException.
    Ref<Variant> RowTag(std::int64_t row) const;
    void SetRowTag(std::int64_t row, const Ref<Variant>& tag);

    // The selected row, -1 while nothing is selected.
    std::int64_t ListIndex() const;
    // Selects the row (-1 clears) and raises "Change" if the selection changed. On a popup
    // with no rows it does nothing, so a property list may set it before rows exist; on
    // any other popup an index out of range raises OutOfBoundsException.
    void SetListIndex(std::int64_t row);

    bool IsTabStop() const override {
        return TabStop_;
    }

    // The user picked a row in the native control.
    void PeerPicked(const PeerKey&, std::int64_t row);

    static const ClassRecord& Record();

protected:
    PopupMenu() = default;
    friend struct Construct;
    std::unique_ptr<ControlPeer> CreatePeer(WindowPeer& window) override;

private:
    struct Row {
        Ref<String> text;
        Ref<Variant> tag;
    };
    const Row& RowAt(std::int64_t row) const;
    PopupMenuPeer* Shown() const noexcept;
    void ShowTabStop();

    std::vector<Row> rows_;
    std::int64_t listIndex_ = -1;
};

}  // namespace guirt
