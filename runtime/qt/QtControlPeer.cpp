#include "QtControlPeer.h"

#include "Guard.h"
#include "ModelState.h"
#include "QtConversions.h"
#include "QtObjects.h"

namespace guirt::qt {

template <class Interface>
QtControlPeer<Interface>::QtControlPeer(RectControl& model, QWidget* widget)
    : model_(model), widget_(widget), context_(std::make_unique<QObject>()) {
    // Named like the control, which helps when debugging and in tests.
    SetName(TextOf(model_.Name()));
    SetBounds(BoundsOf(model_));
    SetFont(FontOf(model_));
    widget_->setEnabled(model_.Enabled());
    SetHelpTag(TextOf(model_.HelpTag()));
    widget_->setVisible(model_.Visible());
    auto* filter = new EventFilter([this](QObject*, QEvent* event) {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
            const bool gained = event->type() == QEvent::FocusIn;
            CallModel([&] {
                const Ref<RectControl> hold(&model_);
                model_.PeerFocusChanged(PeerAccess::Key(), gained);
            });
        }
        return WidgetEvent(*event);
    });
    filter->setParent(context_.get());
    widget_->installEventFilter(filter);
}

template <class Interface>
QtControlPeer<Interface>::~QtControlPeer() {
    context_.reset();
    DeleteSoon(widget_.data());
}

template <class Interface>
void QtControlPeer<Interface>::SetName(std::string_view name) {
    if (widget_) widget_->setObjectName(ToQString(name));
}

template <class Interface>
void QtControlPeer<Interface>::SetBounds(const Bounds& b) {
    if (widget_) {
        widget_->setGeometry(static_cast<int>(b.left), static_cast<int>(b.top), static_cast<int>(b.width),
                             static_cast<int>(b.height));
    }
}

template <class Interface>
void QtControlPeer<Interface>::SetFont(const FontRequest& font) {
    if (widget_) widget_->setFont(ToQFont(font, widget_));
}

template <class Interface>
void QtControlPeer<Interface>::SetEnabled(bool enabled) {
    if (widget_) widget_->setEnabled(enabled);
}

template <class Interface>
void QtControlPeer<Interface>::SetVisible(bool visible) {
    if (widget_) widget_->setVisible(visible);
}

template <class Interface>
void QtControlPeer<Interface>::SetHelpTag(std::string_view text) {
    if (widget_) widget_->setToolTip(ToolTipText(text));
}

template <class Interface>
void QtControlPeer<Interface>::SetAccessibleText(const AccessibleText& text) {
    if (!widget_) return;
    widget_->setAccessibleName(ToQString(text.name));
    widget_->setAccessibleDescription(WithLineFeeds(text.description));
}

template class QtControlPeer<LabelPeer>;
template class QtControlPeer<TextFieldPeer>;
template class QtControlPeer<PopupMenuPeer>;

}  // namespace guirt::qt
