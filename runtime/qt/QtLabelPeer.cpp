#include "QtLabelPeer.h"

#include "ModelState.h"
#include "QtConversions.h"

namespace guirt::qt {

QtLabelPeer::QtLabelPeer(Label& model, QWidget* parent)
    : QtControlPeer(model, new QLabel(parent)), font_(FontOf(model)) {
    View()->setTextFormat(Qt::PlainText);
    // Labels never take the keyboard focus, selectable or not.
    View()->setFocusPolicy(Qt::NoFocus);
    SetCaption(TextOf(model.Caption()));
    SetTextAlign(model.TextAlign());
    SetTextColor(model.TextColor());
    SetMultiLine(model.MultiLine());
    SetSelectable(model.Selectable());
    Fit();
}

void QtLabelPeer::SetCaption(std::string_view text) {
    caption_ = WithLineFeeds(text);
    ShowCaption();
}

void QtLabelPeer::ShowCaption() {
    if (!View()) return;
    // With a buddy the label reads "&" as a mnemonic mark; a caption's own stay as typed.
    View()->setText(View()->buddy() ? QString(caption_).replace(u'&', QStringLiteral("&&")) : caption_);
    Fit();
}

void QtLabelPeer::SetBounds(const Bounds& bounds) {
    QtControlPeer::SetBounds(bounds);
    Fit();
}

void QtLabelPeer::SetFont(const FontRequest& font) {
    font_ = font;
    QtControlPeer::SetFont(font);
    Fit();
}

void QtLabelPeer::Fit() {
    QLabel* label = View();
    if (!label || font_.size > 0 || label->wordWrap()) return;
    QFont font = ToQFont(font_, label);
    const int width = label->width();
    int pixels = QFontInfo(font).pixelSize();
    while (pixels > 6 && QFontMetrics(font).horizontalAdvance(caption_) > width) {
        font.setPixelSize(--pixels);
    }
    label->setFont(font);
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
    if (!View()) return;
    View()->setWordWrap(multiLine);
    Fit();
}

void QtLabelPeer::SetBuddy(ControlPeer* control) {
    if (!View()) return;
    View()->setBuddy(WidgetOf(control));
    ShowCaption();
}

void QtLabelPeer::SetSelectable(bool selectable) {
    if (View()) View()->setTextInteractionFlags(selectable ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
}

}  // namespace guirt::qt
