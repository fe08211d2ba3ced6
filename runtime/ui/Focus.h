#pragma once

#include "guirt/Control.h"

namespace guirt {

// The control that last took the keyboard focus in the user's hands. It stays the focused
// control while a menu holds the keyboard, which is when the editing commands need it.
void SetFocusedControl(Control& control);
// Nil once that control's window has closed.
Ref<Control> FocusedControl();

}  // namespace guirt
