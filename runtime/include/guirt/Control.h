#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "guirt/ClassRecord.h"
#include "guirt/Events.h"
#include "guirt/Export.h"
#include "guirt/PeerKey.h"
#include "guirt/Property.h"
#include "guirt/String.h"

namespace guirt {

class ControlPeer;

class Window;

// A control of a window. It keeps its bound event handlers and raises its numbered events;
// its native peer, once it has one, mirrors the model and reports what the user did.
class GUIRT_API Control : public Object {
public:
    ~Control() override;

    GUIRT_PROPERTY(Ref<String>, Name, nullptr)
    GUIRT_PROPERTY(std::int64_t, Index, -2147483648LL)  // no control array

public:
    // The window the control belongs to; nil before it is added or after the window is gone.
    Ref<Window> Owner() const;

    // Calls the handler bound to the numbered event, if any.
    void RaiseEvent(int number, const Ref<String>& key = nullptr);
    // The number of the named event in this control's class (-1 if it has none).
    int EventNumber(std::string_view name) const noexcept;

    ControlPeer* Peer(const PeerKey&) const noexcept { return peer_.get(); }
    void AttachPeer(const PeerKey&, std::unique_ptr<ControlPeer> peer);

    static const ClassRecord& Record();

protected:
    Control();
    // Tells the peer, if any, that the named property changed in the model.
    void Changed(std::string_view property);

private:
    friend class Window;
    friend GUIRT_API void RuntimeAddEventHandler(Control&, int, EventAdaptor, const Ref<Delegate>&);

    struct Binding {
        int number;
        EventAdaptor adaptor;
        Ref<Delegate> delegate;
    };
    std::vector<Binding> bindings_;
    WeakRef<Window> owner_;
    std::unique_ptr<ControlPeer> peer_;
};

}  // namespace guirt
