#include <QLabel>
#include <memory>
#include <optional>

#include "LineFit.h"
#include "ModelState.h"
#include "QtControlPeer.h"
#include "QtConversions.h"
#include "QtWindowPeer.h"
#include "WidthBound.h"

namespace guirt::qt {

namespace {

// A Label as a QLabel showing plain text, a one-line text fitted to its box (LineFit.h).
// A caption is its field's buddy: Qt then names the field after it and relates the two for
// assistive technology. The label of output (one that captions nothing) needs no more: Qt
// announces a QLabel's every new text.
class QtLabelPeer final : public QtControlPeer<LabelPeer> {
public:
    QtLabelPeer(Label& model, const ControlSite& site)
        : QtControlPeer(model, site, new QLabel(site.content)), model_(model) {
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
            Fit();
            return;
        }
        QtControlPeer::Show(what);
        if (what == RectControl::Shown::Font) font_.reset();
        if (what == RectControl::Shown::Bounds || what == RectControl::Shown::Font) Fit();
    }

    void Show(Label::Shown what) override {
        QLabel* label = View();
        if (!label) return;
        switch (what) {
            case Label::Shown::Caption:
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
        // With a buddy the label reads "&" as a mnemonic mark.
        Fit();
    }

    double LinePixels() override {
        if (!View()) return 0;
        return ShowLabel(model_, Measure(0)).line.pixels;
    }

    void LimitLinePixels(double pixels) override {
        limit_ = static_cast<int>(pixels);
        Fit();
    }

private:
    QLabel* View() const { return static_cast<QLabel*>(Widget()); }

    // The model's font as Qt resolves it, and its own size: asked of Qt once per font.
    struct Resolved {
        QFont font;
        int pixels = 0;
    };
    const Resolved& Font() {
        if (!font_) {
            QFont font = ToQFont(FontOf(model_), View());
            font_ = Resolved{font, QFontInfo(font).pixelSize()};
            bound_.Forget();
        }
        return *font_;
    }

    // The label in its font, its own size its start, measured by Qt's own metrics: a text
    // the bound proves to fit is not shaped.
    LineMeasure Measure(int limit) {
        auto measured = std::make_shared<QFont>(Font().font);
        const auto at = [measured](std::string_view text, int pixels) {
            measured->setPixelSize(pixels);
            return QFontMetricsF(*measured).horizontalAdvance(ToQString(text));
        };
        const auto width = static_cast<double>(View()->width());
        return {Font().pixels, kLeastLinePixels, limit, width, bound_.Bounded(width, at, at)};
    }

    // Shows what the label shows (ShowLabel): its text at its size, its name and its tooltip.
    void Fit() {
        QLabel* label = View();
        if (!label) return;
        const LineMeasure measure = Measure(limit_);
        ShownLabel shown = ShowLabel(model_, measure);
        QFont font = Font().font;
        if (shown.line.pixels != measure.own) font.setPixelSize(shown.line.pixels);
        if (label->font() != font) label->setFont(font);
        // A caption's own "&" stays as typed.
        const QString text = ToQString(shown.line.text);
        label->setText(label->buddy() ? QString(text).replace(u'&', QStringLiteral("&&")) : text);
        if (shown.name != shown_.name || !named_) label->setAccessibleName(ToQString(shown.name));
        if (shown.tip != shown_.tip || !named_) label->setToolTip(ToolTipText(ToQString(shown.tip)));
        named_ = true;
        shown_ = std::move(shown);
    }

    const Label& model_;
    std::optional<Resolved> font_;  // none until asked, and once the font changes
    WidthBound bound_;
    ShownLabel shown_;     // what the label shows now
    bool named_ = false;   // its name and tooltip have been set
    int limit_ = 0;
};

}  // namespace

std::unique_ptr<LabelPeer> QtWindowPeer::Create(Label& label) {
    return std::make_unique<QtLabelPeer>(label, Site());
}

}  // namespace guirt::qt
