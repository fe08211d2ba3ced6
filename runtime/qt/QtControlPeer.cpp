#include "QtControlPeer.h"

#include "Guard.h"
#include "ModelState.h"
#include "QtConversions.h"
#include "QtObjects.h"

namespace guirt::qt {

QtControl::QtControl(const ControlPeer& peer, RectControl& model, const ControlSite& site, QWidget* widget)
    : peer_(peer), model_(model), controls_(site.controls), widget_(widget), context_(std::make_unique<QObject>()) {
    controls_->Enter(peer_, *this);
    auto* filter = new EventFilter([this](QObject* watched, QEvent* event) {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
            // The widget takes the focus first (a line edit that Tab enters selects its text),
            // then the model hears of it; last, for the model may let go of this peer. The
            // menu bar taking the keyboard is a menu opening over the control, which keeps its
            // selection for the menu's commands, as it does for a menu opened by mouse.
            auto* focus = static_cast<QFocusEvent*>(event);
            if (focus->reason() == Qt::MenuBarFocusReason) {
                QFocusEvent popup(event->type(), Qt::PopupFocusReason);
                watched->event(&popup);
            } else {
                watched->event(event);
            }
            Report(model_, &Control::PeerFocusChanged, event->type() == QEvent::FocusIn);
            return true;
        }
        return WidgetEvent(*event);
    });
    filter->setParent(context_.get());
    widget_->installEventFilter(filter);
}

QtControl::~QtControl() {
    controls_->Leave(peer_);
    context_.reset();
    DeleteSoon(widget_.data());
}

QWidget* QtControl::WidgetOf(const ControlPeer* peer) const {
    const QtControl* control = controls_->Of(peer);
    return control ? control->Widget() : nullptr;
}

void QtControl::ShowControl(Control::Shown what) {
    if (!widget_) return;
    switch (what) {
        case Control::Shown::Name:
            // Named like the control, which helps when debugging and in tests.
            widget_->setObjectName(ToQString(TextOf(model_.Name())));
            return;
    }
}

void QtControl::ShowRect(RectControl::Shown what) {
    if (!widget_) return;
    switch (what) {
        case RectControl::Shown::Bounds: {
            const Bounds b = BoundsOf(model_);
            widget_->setGeometry(static_cast<int>(b.left), static_cast<int>(b.top), static_cast<int>(b.width),
                                 static_cast<int>(b.height));
            return;
        }
        case RectControl::Shown::Font:
            widget_->setFont(ToQFont(FontOf(model_), widget_));
            return;
        case RectControl::Shown::Enabled:
            widget_->setEnabled(model_.Enabled());
            return;
        case RectControl::Shown::Visible:
            widget_->setVisible(model_.Visible());
            return;
        case RectControl::Shown::HelpTag:
            widget_->setToolTip(ToolTipText(ToQString(WithLineFeeds(TextOf(model_.HelpTag())))));
            return;
    }
}

void QtControl::ShowAccessible(const AccessibleText& text) {
    if (!widget_) return;
    widget_->setAccessibleName(ToQString(text.name));
    widget_->setAccessibleDescription(ToQString(WithLineFeeds(text.description)));
}

void QtControl::TakeFocus(FocusWay way) {
    if (!widget_) return;
    if (way == FocusWay::Back) {
        widget_->setFocus(Qt::ActiveWindowFocusReason);
        return;
    }
    widget_->setFocus(Qt::TabFocusReason);
    // Styles draw the focus frame only once the keyboard has been used in the window.
    widget_->window()->setAttribute(Qt::WA_KeyboardFocusChange);
}

}  // namespace guirt::qt
