#include <QLabel>

#include "ModelState.h"
#include "QtControlPeer.h"
#include "QtConversions.h"
#include "QtWindowPeer.h"

namespace guirt::qt {

namespace {

// A Label as a QLabel showing plain text. A caption is its field's buddy: Qt then names
// the field after it and relates the two for assistive technology. The label of output
// (one that captions nothing) needs no more: Qt announces a QLabel's every new text.
class QtLabelPeer final : public QtControlPeer<LabelPeer> {
public:
    QtLabelPeer(Label& model, QWidget* parent) : QtControlPeer(model, new QLabel(parent)), model_(model) {
        View()->setTextFormat(Qt::PlainText);
        // Labels never take the keyboard focus, selectable or not.
        View()->setFocusPolicy(Qt::NoFocus);
        ShowAll<Control::Shown>(*this);
        ShowAll<RectControl::Shown>(*this);
        ShowAll<Label::Shown>(*this);
    }

    using QtControlPeer::Show;
    void Show(RectControl::Shown what) override {
        QtControlPeer::Show(what);
        if (what == RectControl::Shown::Bounds || what == RectControl::Shown::Font) Fit();
    }

    void Show(Label::Shown what) override {
        QLabel* label = View();
        if (!label) return;
        switch (what) {
            case Label::Shown::Caption:
                caption_ = ToQString(WithLineFeeds(TextOf(model_.Caption())));
                ShowCaption();
                return;
            case Label::Shown::TextAlign:
                label->setAlignment(ToQtAlignment(AlignmentOf(model_.TextAlign())));
                return;
            case Label::Shown::TextColor: {
                // Only the active and inactive looks: a disabled label keeps the style's greyed text.
                QPalette palette = label->palette();
                palette.setColor(QPalette::Active, QPalette::WindowText, ToQColor(model_.TextColor()));
                palette.setColor(QPalette::Inactive, QPalette::WindowText, ToQColor(model_.TextColor()));
                label->setPalette(palette);
                return;
            }
            case Label::Shown::MultiLine:
                label->setWordWrap(model_.MultiLine());
                Fit();
                return;
            case Label::Shown::Selectable:
                label->setTextInteractionFlags(model_.Selectable() ? Qt::TextSelectableByMouse
                                                                   : Qt::NoTextInteraction);
                return;
        }
    }

    void SetBuddy(ControlPeer* control) override {
        if (!View()) return;
        View()->setBuddy(WidgetOf(control));
        ShowCaption();
    }

private:
    QLabel* View() const { return static_cast<QLabel*>(Widget()); }

    void ShowCaption() {
        // With a buddy the label reads "&" as a mnemonic mark; a caption's own stay as typed.
        View()->setText(View()->buddy() ? QString(caption_).replace(u'&', QStringLiteral("&&")) : caption_);
        Fit();
    }

    // A one-line label in the default size takes the desktop's font, made smaller where the
    // desktop's is too large for the box the layout gives it: the text is never cut.
    void Fit() {
        QLabel* label = View();
        const FontRequest request = FontOf(model_);
        if (!label || request.size > 0 || label->wordWrap()) return;
        QFont font = ToQFont(request, label);
        const int width = label->width();
        int pixels = QFontInfo(font).pixelSize();
        while (pixels > 6 && QFontMetrics(font).horizontalAdvance(caption_) > width) {
            font.setPixelSize(--pixels);
        }
        label->setFont(font);
    }

    const Label& model_;
    QString caption_;
};

}  // namespace

std::unique_ptr<LabelPeer> QtWindowPeer::CreateLabel(Label& label) {
    return std::make_unique<QtLabelPeer>(label, content_);
}

}  // namespace guirt::qt
