#include "QtPopupMenuPeer.h"

#include <QSignalBlocker>

#include "Guard.h"
#include "QtConversions.h"

namespace guirt::qt {

QtPopupMenuPeer::QtPopupMenuPeer(PopupMenu& model, QWidget* parent) : QtControlPeer(model, new QComboBox(parent)) {
    Combo()->setEditable(false);
    const std::int64_t count = model.ListCount();
    for (std::int64_t row = 0; row < count; ++row) AddRow(TextOf(model.List(row)));
    SetListIndex(model.ListIndex());
    SetTabStop(model.TabStop());
    // activated comes only from the user, never from setCurrentIndex.
    QObject::connect(Combo(), &QComboBox::activated, Context(), [&model](int row) {
        CallModel([&] {
            const Ref<PopupMenu> hold(&model);
            model.PeerPicked(PeerAccess::Key(), row);
        });
    });
}

void QtPopupMenuPeer::AddRow(std::string_view text) {
    if (!Combo()) return;
    const QSignalBlocker blocker(Combo());
    const int selected = Combo()->currentIndex();
    Combo()->addItem(ToQString(text));
    // A combo selects its first row by itself; the model decides.
    Combo()->setCurrentIndex(selected);
}

void QtPopupMenuPeer::SetListIndex(std::int64_t row) {
    if (!Combo()) return;
    const QSignalBlocker blocker(Combo());
    Combo()->setCurrentIndex(static_cast<int>(row));
}

void QtPopupMenuPeer::SetTabStop(bool tabStop) {
    // Out of the tab chain, a click still focuses it.
    if (Combo()) Combo()->setFocusPolicy(tabStop ? Qt::WheelFocus : Qt::ClickFocus);
}

}  // namespace guirt::qt
