#pragma once

#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <string_view>

#include "ControlPeerOn.h"
#include "ControlRegistry.h"
#include "PeerKinds.h"

namespace guirt::qt {

class QtControl;
using QtControls = ControlRegistry<QtControl>;

// Where a window puts a control it makes: its content area, and the window's controls,
// which the control enters.
struct ControlSite {
    QWidget* content = nullptr;
    std::shared_ptr<QtControls> controls;
};

// What every control's native side shares: the widget in the window's content area, its
// name, place, font, flags and help tag, the focus it takes and the focus it reports.
class QtControl {
public:
    virtual ~QtControl();
    QtControl(const QtControl&) = delete;
    QtControl& operator=(const QtControl&) = delete;

    // Null once Qt has deleted it.
    QWidget* Widget() const noexcept { return widget_; }

protected:
    // The widget is already a child of the site's content area; the peer is the control's.
    QtControl(const ControlPeer& peer, RectControl& model, const ControlSite& site, QWidget* widget);

    // The widget of another control of this window; null for none.
    QWidget* WidgetOf(const ControlPeer* peer) const;
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
    std::shared_ptr<QtControls> controls_;
    QPointer<QWidget> widget_;
    std::unique_ptr<QObject> context_;
};

// A control peer of the kind whose seam interface is Interface, on the shared widget.
template <class Interface>
class QtControlPeer : public ControlPeerOn<Interface, QtControl> {
protected:
    using ControlPeerOn<Interface, QtControl>::ControlPeerOn;
};

}  // namespace guirt::qt
