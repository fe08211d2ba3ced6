#pragma once

#include <utility>

#include "Peers.h"

namespace guirt {

// A control peer of the kind whose seam interface is Interface, on a backend's native side
// shared by every kind (Native: its ShowControl, ShowRect, ShowAccessible and TakeFocus, and
// a constructor taking the peer first). Each backend's kinds derive from it through the
// backend's own name for it; the kind's constructor shows the whole model once its native
// control is made (ShowAll).
template <class Interface, class Native>
class ControlPeerOn : public Interface, public Native {
public:
    using Interface::Show;
    void Show(Control::Shown what) override { this->ShowControl(what); }
    void Show(RectControl::Shown what) override { this->ShowRect(what); }
    void SetAccessibleText(const AccessibleText& text) override { this->ShowAccessible(text); }
    void Focus(FocusWay way) override { this->TakeFocus(way); }

protected:
    template <class... Args>
    explicit ControlPeerOn(Args&&... args)
        : Native(static_cast<const ControlPeer&>(*this), std::forward<Args>(args)...) {}
};

}  // namespace guirt
