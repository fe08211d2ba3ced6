#pragma once

#include <QComboBox>

#include "QtControlPeer.h"
#include "guirt/PopupMenu.h"

namespace guirt::qt {

// A PopupMenu as a non-editable QComboBox. The model owns the selection: the combo shows
// it and reports only what the user picks.
class QtPopupMenuPeer final : public QtControlPeer<PopupMenuPeer> {
public:
    QtPopupMenuPeer(PopupMenu& model, QWidget* parent);

    void AddRow(std::string_view text) override;
    void SetListIndex(std::int64_t row) override;
    void SetTabStop(bool tabStop) override;

private:
    QComboBox* Combo() const { return static_cast<QComboBox*>(Widget()); }
};

}  // namespace guirt::qt
