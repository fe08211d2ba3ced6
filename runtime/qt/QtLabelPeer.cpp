#include <QLabel>

#include "LineFit.h"
#include "ModelState.h"
#include "QtControlPeer.h"
#include "QtConversions.h"
#include "QtWindowPeer.h"

namespace guirt::qt {

namespace {

// A Label as a QLabel showing plain text, a one-line text fitted to its box (LineFit.h).
// A caption is its field's buddy: Qt then names the field after it and relates the two for
// assistive technology. The label of output (one that captions nothing) needs no more: Qt
// announces a QLabel's every new text.
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
        if (what == RectControl::Shown::HelpTag) {
            if (View()) View()->setToolTip(ToolTipText(ToQString(Tip())));
            return;
        }
        QtControlPeer::Show(what);
        if (what == RectControl::Shown::Bounds || what == RectControl::Shown::Font) Fit();
    }

    void Show(Label::Shown what) override {
        QLabel* label = View();
        if (!label) return;
        switch (what) {
            case Label::Shown::Caption:
                caption_ = WithLineFeeds(TextOf(model_.Caption()));
                Fit();
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
                label->setTextInteractionFlags(model_.Selectable() ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
                return;
        }
    }

    void SetBuddy(ControlPeer* control) override {
        if (!View()) return;
        View()->setBuddy(WidgetOf(control));
        Fit();
    }

    double LinePixels() override {
        if (!View()) return 0;
        const QFont font = ToQFont(FontOf(model_), View());
        return FitFrom(font, QFontInfo(font).pixelSize()).pixels;
    }

    void LimitLinePixels(double pixels) override {
        limit_ = pixels;
        Fit();
    }

private:
    QLabel* View() const { return static_cast<QLabel*>(Widget()); }

    std::string Tip() const { return LineTip(caption_, WithLineFeeds(TextOf(model_.HelpTag())), shown_); }

    // The caption as it fits the box from a text size (LineFit.h); a multi-line one as it is.
    FittedLine FitFrom(const QFont& font, int start) const {
        const QLabel* label = View();
        if (label->wordWrap()) return {caption_, start, false};
        QFont measured = font;
        return FitLine(caption_, start, kLeastLinePixels, label->width(), [&](std::string_view text, int pixels) {
            measured.setPixelSize(pixels);
            return QFontMetricsF(measured).horizontalAdvance(ToQString(text));
        });
    }

    // Shows the caption in the model's font, no larger than the limit; a one-line caption
    // fitted to the box.
    void Fit() {
        QLabel* label = View();
        if (!label) return;
        QFont font = ToQFont(FontOf(model_), label);
        const int own = QFontInfo(font).pixelSize();
        const int start = limit_ > 0 ? std::min(own, static_cast<int>(limit_)) : own;
        FittedLine line = FitFrom(font, start);
        if (line.pixels != own) font.setPixelSize(line.pixels);
        if (label->font() != font) label->setFont(font);
        // With a buddy the label reads "&" as a mnemonic mark; a caption's own stay as typed.
        const QString text = ToQString(line.text);
        label->setText(label->buddy() ? QString(text).replace(u'&', QStringLiteral("&&")) : text);
        if (line.cut != shown_.cut) label->setAccessibleName(line.cut ? ToQString(caption_) : QString());
        const bool retip = line.cut || shown_.cut;
        shown_ = std::move(line);
        if (retip) Show(RectControl::Shown::HelpTag);
    }

    const Label& model_;
    std::string caption_;
    FittedLine shown_;
    double limit_ = 0;
};

}  // namespace

std::unique_ptr<LabelPeer> QtWindowPeer::CreateLabel(Label& label) {
    return std::make_unique<QtLabelPeer>(label, content_);
}

}  // namespace guirt::qt
