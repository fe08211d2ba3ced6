#pragma once

#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <string_view>

#include "PeerKinds.h"

namespace guirt::qt {

// The widget of a control peer this backend made; null for any other.
QWidget* WidgetOf(const ControlPeer* peer);

// What every control's native side shares: the widget in the window's content area, its
// name, place, font, flags and help tag, the focus it takes and the focus it reports.
class QtControl {
public:
    virtual ~QtControl();
    QtControl(const QtControl&) = delete;
    QtControl& operator=(const QtControl&) = delete;

protected:
    // The widget is already a child of the content area; the peer is the control's.
    QtControl(const ControlPeer& peer, RectControl& model, QWidget* widget);

    QWidget* Widget() const noexcept { return widget_; }
    // The widget's events pass here first; true swallows one.
    virtual bool WidgetEvent(QEvent&) { return false; }
    // Owns the connections of this peer: they go when the peer goes, even if the widget stays.
    QObject* Context() const noexcept { return context_.get(); }

    void ShowControl(Control::Shown what);
    void ShowRect(RectControl::Shown what);
    void ShowAccessible(const AccessibleText& text);
    void TakeFocus(FocusWay way);

private:
    const ControlPeer& peer_;
    RectControl& model_;
    QPointer<QWidget> widget_;
    std::unique_ptr<QObject> context_;
};

// A control peer of the kind whose seam interface is Interface, on the shared native side.
// The kind's constructor shows the whole model once its widget is set up (ShowAll).
template <class Interface>
class QtControlPeer : public Interface, public QtControl {
public:
    using Interface::Show;
    void Show(Control::Shown what) override { ShowControl(what); }
    void Show(RectControl::Shown what) override { ShowRect(what); }
    void SetAccessibleText(const AccessibleText& text) override { ShowAccessible(text); }
    void Focus(FocusWay way) override { TakeFocus(way); }

protected:
    QtControlPeer(RectControl& model, QWidget* widget) : QtControl(*this, model, widget) {}
};

}  // namespace guirt::qt
