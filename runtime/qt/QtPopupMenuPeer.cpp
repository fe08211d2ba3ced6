#include "QtPopupMenuPeer.h"

#include <QSignalBlocker>

#include "QtConversions.h"
#include "QtGuard.h"

namespace guirt::qt {

QtPopupMenuPeer::QtPopupMenuPeer(PopupMenu& model, QWidget* parent)
    : QtControlPeer(model, new QComboBox(parent)), popup_(model) {
    Combo()->setEditable(false);
    ApplyRows();
    ApplyTabStop(Qt::WheelFocus);
    ApplyAllCommon();
    // activated comes only from the user, never from setCurrentIndex.
    QObject::connect(Combo(), &QComboBox::activated, Context(), [this](int row) {
        CallModel([&] {
            const Ref<PopupMenu> hold(&popup_);
            popup_.PeerPicked(PeerAccess::Key(), row);
        });
    });
}

void QtPopupMenuPeer::PropertyChanged(std::string_view property) {
    if (!Widget() || ApplyCommon(property)) return;
    if (property == "List") {
        ApplyRows();
    } else if (property == "ListIndex") {
        ApplySelection();
    } else if (property == "TabStop") {
        ApplyTabStop(Qt::WheelFocus);
    }
}

void QtPopupMenuPeer::ApplyRows() {
    const QSignalBlocker blocker(Combo());
    Combo()->clear();
    const std::int64_t count = popup_.ListCount();
    for (std::int64_t row = 0; row < count; ++row) Combo()->addItem(ToQString(popup_.List(row)));
    ApplySelection();
}

void QtPopupMenuPeer::ApplySelection() {
    const QSignalBlocker blocker(Combo());
    Combo()->setCurrentIndex(static_cast<int>(popup_.ListIndex()));
}

}  // namespace guirt::qt
