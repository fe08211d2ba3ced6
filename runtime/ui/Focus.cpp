#include "Focus.h"

#include "guirt/Window.h"

namespace guirt {

namespace {
WeakRef<Control>& Focused() {
    static WeakRef<Control> focused;
    return focused;
}
}  // namespace

void SetFocusedControl(Control& control) {
    Focused() = WeakRef<Control>(Ref<Control>(&control));
}

Ref<Control> FocusedControl() {
    Ref<Control> control = Focused().Lock();
    if (!control) return nullptr;
    Ref<Window> owner = control->Owner();
    return owner && owner->IsOpen() ? control : nullptr;
}

}  // namespace guirt
