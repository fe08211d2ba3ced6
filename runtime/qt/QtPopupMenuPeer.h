#pragma once

#include <QComboBox>
#include <QLabel>
#include <QPointer>

#include "QtControlPeer.h"
#include "guirt/PopupMenu.h"

namespace guirt::qt {

// A PopupMenu as a non-editable QComboBox. The model owns the selection: the combo shows
// it and reports only what the user picks.
class QtPopupMenuPeer final : public QtControlPeer<PopupMenuPeer> {
public:
    QtPopupMenuPeer(PopupMenu& model, QWidget* parent);
    ~QtPopupMenuPeer() override;

    void AddRow(std::string_view text) override;
    void SetListIndex(std::int64_t row) override;
    void SetTabStop(bool tabStop) override;
    void SetAccessibleText(const AccessibleText& text) override;

private:
    QComboBox* Combo() const { return static_cast<QComboBox*>(Widget()); }

    QPointer<QLabel> nameLabel_;  // unseen, naming a popup that no caption names
};

}  // namespace guirt::qt
