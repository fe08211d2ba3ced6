#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>

#include "Guard.h"
#include "LineFit.h"
#include "ModelState.h"
#include "QtControlPeer.h"
#include "QtConversions.h"
#include "QtObjects.h"
#include "QtWindowPeer.h"

namespace guirt::qt {

namespace {

// A PopupMenu as a non-editable QComboBox. The model owns the selection: the combo shows
// it and reports only what the user picks.
class QtPopupMenuPeer final : public QtControlPeer<PopupMenuPeer> {
public:
    QtPopupMenuPeer(PopupMenu& model, const ControlSite& site)
        : QtControlPeer(model, site, new QComboBox(site.content)), popup_(model) {
        Combo()->setEditable(false);
        ShowAll<Control::Shown>(*this);
        ShowAll<RectControl::Shown>(*this);
        ShowAll<PopupMenu::Shown>(*this);
        // activated comes only from the user, never from setCurrentIndex.
        QObject::connect(Combo(), &QComboBox::activated, Context(),
                         [this](int row) { Report(popup_, &PopupMenu::PeerPicked, std::int64_t{row}); });
    }

    ~QtPopupMenuPeer() override { DeleteSoon(nameLabel_.data()); }

    using QtControlPeer::Show;
    void Show(RectControl::Shown what) override {
        QtControlPeer::Show(what);
        if (what == RectControl::Shown::Bounds || what == RectControl::Shown::Font) FitHeight();
    }

    void Show(PopupMenu::Shown what) override {
        QComboBox* combo = Combo();
        if (!combo) return;
        const QSignalBlocker blocker(combo);
        switch (what) {
            case PopupMenu::Shown::TabStop:
                // Out of the tab chain, a click still focuses it.
                combo->setFocusPolicy(popup_.TabStop() ? Qt::WheelFocus : Qt::ClickFocus);
                return;
            case PopupMenu::Shown::Rows:
                for (auto row = combo->count(); row < popup_.ListCount(); ++row) {
                    combo->addItem(ToQString(TextOf(popup_.List(row))));
                }
                // A combo selects its first row by itself; the model decides.
                combo->setCurrentIndex(static_cast<int>(popup_.ListIndex()));
                return;
            case PopupMenu::Shown::ListIndex:
                combo->setCurrentIndex(static_cast<int>(popup_.ListIndex()));
                return;
        }
    }

    // Qt on Linux gives a combo box's value as its name and takes the name from the label
    // whose buddy it is. A caption beside the popup is that label already (captions get
    // their buddies before controls get their names); a popup named by no caption gets an
    // unseen one.
    void SetAccessibleText(const AccessibleText& text) override {
        QtControlPeer::SetAccessibleText(text);
        QComboBox* combo = Combo();
        if (!combo) return;
        const auto labels = combo->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
        const bool captioned = std::any_of(labels.begin(), labels.end(), [&](QLabel* label) {
            return label != nameLabel_ && label->buddy() == combo;
        });
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

private:
    // A desktop font too tall for the box the layout gives the popup is made smaller, down
    // to the floor one-line labels shrink to, so that the chosen row shows whole.
    void FitHeight() {
        QComboBox* combo = Combo();
        if (!combo) return;
        QFont font = ToQFont(FontOf(popup_), combo);
        QStyleOptionComboBox option;
        option.initFrom(combo);
        const int room =
            combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo).height();
        const int own = QFontInfo(font).pixelSize();
        QFont measured = font;
        const int pixels = FitLineHeight(own, kLeastLinePixels, room, [&measured](int size) {
            measured.setPixelSize(size);
            return QFontMetrics(measured).height();
        });
        if (pixels != own) font.setPixelSize(pixels);
        combo->setFont(font);
    }

    QComboBox* Combo() const { return static_cast<QComboBox*>(Widget()); }

    PopupMenu& popup_;
    QPointer<QLabel> nameLabel_;  // unseen, naming a popup that no caption names
};

}  // namespace

std::unique_ptr<PopupMenuPeer> QtWindowPeer::Create(PopupMenu& popup) {
    return std::make_unique<QtPopupMenuPeer>(popup, Site());
}

}  // namespace guirt::qt
