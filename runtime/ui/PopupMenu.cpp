#include "guirt/PopupMenu.h"

#include <string>

#include "OwnClasses.h"
#include "PeerKinds.h"
#include "guirt/Exceptions.h"

namespace guirt {

const OwnClass kPopupMenuClass{&PopupMenu::Record};

namespace {
int ChangeEvent() {
    static const int number = PopupMenu::Record().RequireEvent("Change");
    return number;
}
}  // namespace

PopupMenu::PopupMenu() = default;
PopupMenu::~PopupMenu() = default;

const ClassRecord& PopupMenu::Record() {
    static const ClassRecord& record = [] {
        ClassRecord& c = RuntimeNewClass("PopupMenu", &RectControl::Record(), FactoryOf<PopupMenu>);
        c.AddEvents({"Change"});
        c.AddProperties({
            Property<&PopupMenu::SetTabStop>("TabStop"),
            Property<&PopupMenu::SetInitialValue>("InitialValue"),
            Property<&PopupMenu::SetListIndex>("ListIndex"),
        });
        return std::ref(c);
    }();
    return record;
}

void PopupMenu::CreatePeer(WindowPeer& window) {
    peer_ = window.Create(*this);
}

ControlPeer* PopupMenu::NativePeer() const noexcept {
    return peer_.get();
}

void PopupMenu::Show(Shown what) {
    if (peer_) peer_->Show(what);
    if (what == Shown::TabStop) ShowTabOrder();
}

const PopupMenu::Row& PopupMenu::RowAt(std::int64_t row) const {
    if (row < 0 || row >= static_cast<std::int64_t>(rows_.size())) {
        Raise<OutOfBoundsException>("Row " + std::to_string(row) + " does not exist; the popup has " +
                                    std::to_string(rows_.size()) + " rows.");
    }
    return rows_[static_cast<std::size_t>(row)];
}

void PopupMenu::AddRow(const Ref<String>& text) {
    UIThreadOnly();
    rows_.push_back({text, nullptr});
    Show(Shown::Rows);
}

std::int64_t PopupMenu::ListCount() const {
    UIThreadOnly();
    return static_cast<std::int64_t>(rows_.size());
}

Ref<String> PopupMenu::List(std::int64_t row) const {
    UIThreadOnly();
    return RowAt(row).text;
}

Ref<Variant> PopupMenu::RowTag(std::int64_t row) const {
    UIThreadOnly();
    return RowAt(row).tag;
}

void PopupMenu::SetRowTag(std::int64_t row, const Ref<Variant>& tag) {
    UIThreadOnly();
    RowAt(row);
    rows_[static_cast<std::size_t>(row)].tag = tag;
}

std::int64_t PopupMenu::ListIndex() const {
    UIThreadOnly();
    return listIndex_;
}

void PopupMenu::SetListIndex(std::int64_t row) {
    UIThreadOnly();
    if (rows_.empty()) return;
    if (row != -1) RowAt(row);
    if (row == listIndex_) return;
    listIndex_ = row;
    Show(Shown::ListIndex);
    RaiseEvent(ChangeEvent());
}

void PopupMenu::PeerPicked(const PeerKey&, std::int64_t row) {
    SetListIndex(row);
}

std::string_view ShownName(PopupMenu::Shown what) {
    switch (what) {
        case PopupMenu::Shown::TabStop:
            return "TabStop";
        case PopupMenu::Shown::Rows:
            return "Rows";
        case PopupMenu::Shown::ListIndex:
            return "ListIndex";
    }
    return {};
}

}  // namespace guirt
