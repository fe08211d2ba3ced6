#include "QtLook.h"

#include <QApplication>
#include <QPalette>
#include <QToolTip>

namespace guirt::qt {

// A program chooses its colours (black captions, a blue result, white fields) on a light
// window. A dark desktop theme (a dark GTK theme, KDE's dark colour schemes, a style's own
// palette) would darken the window, its menus, lists and tooltips around those colours, so
// every part of the application keeps one light palette instead.
void UseLightLook() {
    // Qt derives a whole palette from the button colour: black text, white fields and the
    // light grey of its own default window.
    QPalette light(QColor(0xef, 0xef, 0xef));
    // A role the palette leaves unset (the selection, links) would be filled from the
    // desktop's palette, now and whenever the desktop's theme changes: set them all.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto colorRole = static_cast<QPalette::ColorRole>(role);
            light.setBrush(group, colorRole, light.brush(group, colorRole));
        }
    }
    QApplication::setPalette(light);
    // Tooltips may have a palette of their own from the theme.
    QToolTip::setPalette(light);
}

}  // namespace guirt::qt
