#pragma once

#include <QLabel>

#include "QtControlPeer.h"
#include "guirt/Label.h"

namespace guirt::qt {

// A Label as a QLabel showing plain text.
class QtLabelPeer final : public QtControlPeer {
public:
    QtLabelPeer(Label& model, QWidget* parent);
    void PropertyChanged(std::string_view property) override;

private:
    QLabel* View() const { return static_cast<QLabel*>(Widget()); }
    void ApplyText();
    void ApplyAlignment();
    void ApplyColor();
    void ApplyMultiLine();
    void ApplySelectable();

    Label& label_;
};

}  // namespace guirt::qt
