#pragma once

#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <string_view>

#include "Peers.h"
#include "guirt/RectControl.h"

namespace guirt::qt {

// Any control peer of this backend, seen from the seam's side: its widget.
class QtWidgetPeer {
public:
    virtual QWidget* Widget() const noexcept = 0;

protected:
    ~QtWidgetPeer() = default;
};

// The widget of a control peer this backend made, or null.
inline QWidget* WidgetOf(ControlPeer* peer) {
    auto* widgetPeer = dynamic_cast<QtWidgetPeer*>(peer);
    return widgetPeer ? widgetPeer->Widget() : nullptr;
}

// What every control's native side shares: the widget in the window's content area, its
// name, place, font, flags and help tag, and the focus it reports to the model. Interface
// is the seam's peer interface of the control's kind.
template <class Interface>
class QtControlPeer : public Interface, public QtWidgetPeer {
public:
    ~QtControlPeer() override;

    QWidget* Widget() const noexcept override { return widget_; }

    void SetName(std::string_view name) override;
    void SetBounds(const Bounds& bounds) override;
    void SetFont(const FontRequest& font) override;
    void SetEnabled(bool enabled) override;
    void SetVisible(bool visible) override;
    void SetHelpTag(std::string_view text) override;
    void SetAccessibleText(const AccessibleText& text) override;

protected:
    // The widget is already a child of the content area; this sets what every control
    // has, from the model, and the subclass sets the rest.
    QtControlPeer(RectControl& model, QWidget* widget);

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
