#include "QtLabelPeer.h"

#include "QtConversions.h"

namespace guirt::qt {

QtLabelPeer::QtLabelPeer(Label& model, QWidget* parent) : QtControlPeer(model, new QLabel(parent)), label_(model) {
    View()->setTextFormat(Qt::PlainText);
    ApplyText();
    ApplyAlignment();
    ApplyColor();
    ApplyMultiLine();
    ApplySelectable();
    ApplyAllCommon();
}

void QtLabelPeer::PropertyChanged(std::string_view property) {
    if (!Widget() || ApplyCommon(property)) return;
    if (property == "Caption" || property == "Text") {
        ApplyText();
    } else if (property == "TextAlign") {
        ApplyAlignment();
    } else if (property == "TextColor") {
        ApplyColor();
    } else if (property == "MultiLine") {
        ApplyMultiLine();
    } else if (property == "Selectable") {
        ApplySelectable();
    }
}

void QtLabelPeer::ApplyText() {
    View()->setText(WithLineFeeds(label_.Caption()));
}

void QtLabelPeer::ApplyAlignment() {
    View()->setAlignment(ToAlignment(label_.TextAlign()));
}

void QtLabelPeer::ApplyColor() {
    // Only the active and inactive looks: a disabled label keeps the style's greyed text.
    QPalette palette = View()->palette();
    const QColor color = ToQColor(label_.TextColor());
    palette.setColor(QPalette::Active, QPalette::WindowText, color);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, color);
    View()->setPalette(palette);
}

void QtLabelPeer::ApplyMultiLine() {
    View()->setWordWrap(label_.MultiLine());
}

void QtLabelPeer::ApplySelectable() {
    View()->setTextInteractionFlags(label_.Selectable() ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
    // Labels never take the keyboard focus, selectable or not.
    View()->setFocusPolicy(Qt::NoFocus);
}

}  // namespace guirt::qt
