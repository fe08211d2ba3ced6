#pragma once

#include <QLabel>

#include "QtControlPeer.h"
#include "guirt/Label.h"

namespace guirt::qt {

// A Label as a QLabel showing plain text. A caption is its field's buddy: Qt then names
// the field after it and relates the two for assistive technology. The label of output
// (one that captions nothing) needs no more: Qt announces a QLabel's every new text.
class QtLabelPeer final : public QtControlPeer<LabelPeer> {
public:
    QtLabelPeer(Label& model, QWidget* parent);

    void SetCaption(std::string_view text) override;
    void SetBounds(const Bounds& bounds) override;
    void SetFont(const FontRequest& font) override;
    void SetTextAlign(std::int64_t align) override;
    void SetTextColor(Color color) override;
    void SetMultiLine(bool multiLine) override;
    void SetSelectable(bool selectable) override;
    void SetBuddy(ControlPeer* control) override;

private:
    QLabel* View() const { return static_cast<QLabel*>(Widget()); }
    // A one-line label in the default size takes the desktop's font, made smaller where the
    // desktop's is too large for the box the layout gives it: the text is never cut.
    void Fit();
    void ShowCaption();

    QString caption_;
    FontRequest font_;
};

}  // namespace guirt::qt
