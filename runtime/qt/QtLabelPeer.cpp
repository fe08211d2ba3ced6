#include "QtLabelPeer.h"

#include "QtConversions.h"

namespace guirt::qt {

QtLabelPeer::QtLabelPeer(Label& model, QWidget* parent) : QtControlPeer(model, new QLabel(parent)) {
    View()->setTextFormat(Qt::PlainText);
    // Labels never take the keyboard focus, selectable or not.
    View()->setFocusPolicy(Qt::NoFocus);
    SetCaption(TextOf(model.Caption()));
    SetTextAlign(model.TextAlign());
    SetTextColor(model.TextColor());
    SetMultiLine(model.MultiLine());
    SetSelectable(model.Selectable());
}

void QtLabelPeer::SetCaption(std::string_view text) {
    if (View()) View()->setText(WithLineFeeds(text));
}

void QtLabelPeer::SetTextAlign(std::int64_t align) {
    if (View()) View()->setAlignment(ToAlignment(align));
}

void QtLabelPeer::SetTextColor(Color color) {
    if (!View()) return;
    // Only the active and inactive looks: a disabled label keeps the style's greyed text.
    QPalette palette = View()->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, ToQColor(color));
    palette.setColor(QPalette::Inactive, QPalette::WindowText, ToQColor(color));
    View()->setPalette(palette);
}

void QtLabelPeer::SetMultiLine(bool multiLine) {
    if (View()) View()->setWordWrap(multiLine);
}

void QtLabelPeer::SetSelectable(bool selectable) {
    if (View()) View()->setTextInteractionFlags(selectable ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
}

}  // namespace guirt::qt
