#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>
#include <string_view>

#include "Peers.h"
#include "guirt/RectControl.h"

namespace guirt::qt {

// What every control's native side shares: the widget in the window's content area, its
// place, font, flags and help tag.
class QtControlPeer : public ControlPeer {
public:
    ~QtControlPeer() override;

    QWidget* Widget() const noexcept { return widget_; }
    RectControl& Model() const noexcept { return model_; }
    bool HasFocus() const override;
    // Whether the control belongs in the keyboard focus order (its class's TabStop).
    virtual bool TabStop() const { return false; }

protected:
    // The widget is already a child of the content area; the subclass applies the rest.
    QtControlPeer(RectControl& model, QWidget* widget);

    // Applies the properties every control has; false when `property` is none of them.
    bool ApplyCommon(std::string_view property);
    void ApplyAllCommon();
    // Keeps the widget out of the tab chain while TabStop is off; clicks still focus it.
    void ApplyTabStop(Qt::FocusPolicy tabPolicy);
    // Owns the connections of this peer: they go when the peer goes, even if the widget stays.
    QObject* Context() const noexcept { return context_.get(); }

private:
    void ApplyGeometry();
    void ApplyFont();
    void TabOrderChanged();

    RectControl& model_;
    QPointer<QWidget> widget_;
    std::unique_ptr<QObject> context_;
};

}  // namespace guirt::qt
