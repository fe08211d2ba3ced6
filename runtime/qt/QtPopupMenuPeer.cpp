#include "QtPopupMenuPeer.h"

#include <QSignalBlocker>
#include <algorithm>

#include "Guard.h"
#include "QtConversions.h"
#include "QtObjects.h"

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

QtPopupMenuPeer::~QtPopupMenuPeer() {
    DeleteSoon(nameLabel_.data());
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

// Qt on Linux gives a combo box's value as its name and takes the name from the label
// whose buddy it is. A caption beside the popup is that label already (captions get
// their buddies before controls get their names); a popup named by no caption gets an
// unseen one.
void QtPopupMenuPeer::SetAccessibleText(const AccessibleText& text) {
    QtControlPeer::SetAccessibleText(text);
    QComboBox* combo = Combo();
    if (!combo) return;
    const auto labels = combo->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    const bool captioned = std::any_of(labels.begin(), labels.end(),
                                       [&](QLabel* label) { return label != nameLabel_ && label->buddy() == combo; });
    if (text.name.empty() || captioned) {
        delete nameLabel_.data();
        return;
    }
    if (!nameLabel_) {
        nameLabel_ = new QLabel(combo->parentWidget());
        nameLabel_->hide();
        nameLabel_->setBuddy(combo);
    }
    nameLabel_->setText(ToQString(text.name).replace(u'&', QStringLiteral("&&")));
}

}  // namespace guirt::qt
