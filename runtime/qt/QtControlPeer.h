#pragma once

#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <string_view>

#include "Peers.h"

namespace guirt::qt {

// The widget of a control peer this backend made; null for any other.
QWidget* WidgetOf(const ControlPeer* peer);

// What every control's native side shares: the widget in the window's content area, its
// name, place, font, flags and help tag, the focus it takes and the focus it reports.
// Interface is the seam's peer interface of the control's kind. The kind's constructor
// shows the whole model once its widget is set up (ShowAll).
template <class Interface>
class QtControlPeer : public Interface {
public:
    ~QtControlPeer() override;

    using Interface::Show;
    void Show(Control::Shown what) override;
    void Show(RectControl::Shown what) override;
    void SetAccessibleText(const AccessibleText& text) override;
    void Focus(FocusWay way) override;

protected:
    // The widget is already a child of the content area.
    QtControlPeer(RectControl& model, QWidget* widget);

    QWidget* Widget() const noexcept { return widget_; }
    // The widget's events pass here first; true swallows one.
    virtual bool WidgetEvent(QEvent&) { return false; }
    // Owns the connections of this peer: they go when the peer goes, even if the widget stays.
    QObject* Context() const noexcept { return context_.get(); }

private:
    RectControl& model_;
    QPointer<QWidget> widget_;
    std::unique_ptr<QObject> context_;
};

}  // namespace guirt::qt
