#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "guirt/RectControl.h"
#include "guirt/Variant.h"

namespace guirt {

class PopupMenuPeer;

// A drop-down list of rows, each with a text and a tag. The model decides the selection
// and when "Change" is raised; the peer only shows it and reports what the user picked.
class GUIRT_API PopupMenu : public RectControl {
public:
    // What a popup's native peer shows of it: rows are only ever added.
    enum class Shown : std::uint8_t { TabStop, Rows, ListIndex, Last = ListIndex };

    ~PopupMenu() override;

    bool TabStop() const { return Read(tabStop_); }
    void SetTabStop(bool tabStop) {
        if (Assign(tabStop_, tabStop)) Show(Shown::TabStop);
    }
    Ref<String> InitialValue() const { return Read(initialValue_); }
    void SetInitialValue(const Ref<String>& value) { Assign(initialValue_, value); }

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

    bool IsTabStop() const override { return TabStop(); }

    // The user picked a row in the native control.
    void PeerPicked(const PeerKey&, std::int64_t row);

    static const ClassRecord& Record();

protected:
    PopupMenu();
    friend struct Construct;
    void CreatePeer(WindowPeer& window) override;
    ControlPeer* NativePeer() const noexcept override;

private:
    struct Row {
        Ref<String> text;
        Ref<Variant> tag;
    };
    const Row& RowAt(std::int64_t row) const;
    void Show(Shown what);

    bool tabStop_ = true;
    Ref<String> initialValue_;
    std::vector<Row> rows_;
    std::int64_t listIndex_ = -1;
    std::unique_ptr<PopupMenuPeer> peer_;
};

// The name of an aspect the peer is told of, as logs and tools give it.
GUIRT_API std::string_view ShownName(PopupMenu::Shown what);

}  // namespace guirt
