#include "QtControlPeer.h"

#include "QtConversions.h"
#include "QtGuard.h"
#include "QtWindowPeer.h"
#include "guirt/Window.h"

namespace guirt::qt {

QtControlPeer::QtControlPeer(RectControl& model, QWidget* widget)
    : model_(model), widget_(widget), context_(std::make_unique<QObject>()) {
    // Named like the control, which helps when debugging and in tests.
    widget_->setObjectName(ToQString(model_.Name()));
}

QtControlPeer::~QtControlPeer() {
    context_.reset();
    DeleteSoon(widget_.data());
}

bool QtControlPeer::HasFocus() const {
    return widget_ && widget_->hasFocus();
}

void QtControlPeer::ApplyAllCommon() {
    ApplyGeometry();
    ApplyFont();
    widget_->setEnabled(model_.Enabled());
    widget_->setToolTip(ToolTipText(model_.HelpTag()));
    widget_->setVisible(model_.Visible());
}

bool QtControlPeer::ApplyCommon(std::string_view property) {
    if (!widget_) return true;
    if (property == "Left" || property == "Top" || property == "Width" || property == "Height") {
        ApplyGeometry();
    } else if (property == "TextFont" || property == "TextSize" || property == "TextUnit" || property == "Bold" ||
               property == "Italic" || property == "Underline") {
        ApplyFont();
    } else if (property == "Name") {
        widget_->setObjectName(ToQString(model_.Name()));
    } else if (property == "Enabled") {
        widget_->setEnabled(model_.Enabled());
    } else if (property == "Visible") {
        widget_->setVisible(model_.Visible());
    } else if (property == "HelpTag") {
        widget_->setToolTip(ToolTipText(model_.HelpTag()));
    } else if (property == "TabIndex" || property == "TabStop") {
        TabOrderChanged();
        return property == "TabIndex";  // subclasses apply TabStop to the widget
    } else {
        return false;
    }
    return true;
}

void QtControlPeer::ApplyTabStop(Qt::FocusPolicy tabPolicy) {
    if (widget_) widget_->setFocusPolicy(TabStop() ? tabPolicy : Qt::ClickFocus);
}

void QtControlPeer::ApplyGeometry() {
    widget_->setGeometry(static_cast<int>(model_.Left()), static_cast<int>(model_.Top()),
                         static_cast<int>(model_.Width()), static_cast<int>(model_.Height()));
}

void QtControlPeer::ApplyFont() {
    widget_->setFont(ToQFont(model_, widget_));
}

void QtControlPeer::TabOrderChanged() {
    if (Ref<Window> owner = model_.Owner()) {
        if (auto* window = dynamic_cast<QtWindowPeer*>(owner->Peer(PeerAccess::Key()))) window->ApplyTabOrder();
    }
}

}  // namespace guirt::qt
