#pragma once

#include <QComboBox>

#include "QtControlPeer.h"
#include "guirt/PopupMenu.h"

namespace guirt::qt {

// A PopupMenu as a non-editable QComboBox. The model owns the selection: the combo shows
// it and reports only what the user picks.
class QtPopupMenuPeer final : public QtControlPeer {
public:
    QtPopupMenuPeer(PopupMenu& model, QWidget* parent);
    void PropertyChanged(std::string_view property) override;
    bool TabStop() const override { return popup_.TabStop(); }

private:
    QComboBox* Combo() const { return static_cast<QComboBox*>(Widget()); }
    void ApplyRows();
    void ApplySelection();

    PopupMenu& popup_;
};

}  // namespace guirt::qt
