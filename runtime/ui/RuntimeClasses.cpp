#include "RuntimeClasses.h"
#include "guirt/Application.h"
#include "guirt/Events.h"
#include "guirt/Exceptions.h"
#include "guirt/Label.h"
#include "guirt/MenuBar.h"
#include "guirt/PopupMenu.h"
#include "guirt/QuitMenuItem.h"
#include "guirt/TextField.h"
#include "guirt/Variant.h"
#include "guirt/Window.h"

namespace guirt {

// The runtime's own classes, built before any program class when the initializers run.
void RuntimeBuildOwnClasses() {
    for (ClassLookup lookup : {
             &Object::Record,
             &RuntimeException::Record,
             &NilObjectException::Record,
             &IllegalCastException::Record,
             &OutOfBoundsException::Record,
             &ThreadAccessingUIException::Record,
             &EndException::Record,
             &Application::Record,
             &UnsupportedFormatException::Record,
             &OutOfMemoryException::Record,
             &Variant::Record,
             &Delegate::Record,
             &Control::Record,
             &RectControl::Record,
             &PopupMenu::Record,
             &Label::Record,
             &TextEdit::Record,
             &TextField::Record,
             &Window::Record,
             &MenuItem::Record,
             &MenuBar::Record,
             &QuitMenuItem::Record,
         }) {
        lookup();
    }
}

}  // namespace guirt
