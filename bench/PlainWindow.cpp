#include "PlainWindow.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <array>
#include <charconv>
#include <cmath>
#include <functional>
#include <numbers>

#include "calc/Materials.h"

namespace {

// What the program shows of a value that is no finite number.
QString nonFinite(double value) {
    if (std::isnan(value)) return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

// Seven significant digits without trailing zeros, in exponent form below 1e-4 and from 1e7:
// printf's %.7g, the program's number text. Not QString::number's 'g', which rounds an exact
// tie up where printf and the program round it to the even digit.
QString sevenDigits(double value) {
    if (!std::isfinite(value)) return nonFinite(value);
    std::array<char, 32> text{};
    const char* end = std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::general, 7).ptr;
    return QString::fromLatin1(text.data(), end - text.data());
}

// At most that many decimals, without trailing zeros.
QString withDecimals(double value, int most) {
    if (!std::isfinite(value)) return nonFinite(value);
    QString text = QString::number(value, 'f', most);
    if (!text.contains(u'.')) return text;
    while (text.endsWith(u'0')) text.chop(1);
    if (text.endsWith(u'.')) text.chop(1);
    return text;
}

// A long number is read from its start, as it was typed.
void setNumber(QLineEdit* field, const QString& text) {
    field->setText(text);
    field->setCursorPosition(0);
}

QLabel* addLabel(QWidget* parent, const QString& text, const QRect& place, const char* toolTip = "") {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(place);
    label->setToolTip(QString::fromUtf8(toolTip));
    return label;
}

QLineEdit* addField(QWidget* parent, const char* text, const QRect& place, QLabel* caption) {
    auto* field = new QLineEdit(parent);
    setNumber(field, QString::fromLatin1(text));
    field->setGeometry(place);
    caption->setBuddy(field);
    return field;
}

void setPixelFont(QWidget* widget, int pixels, bool bold, bool italic) {
    QFont font = widget->font();
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    widget->setFont(font);
}

}  // namespace

PlainWindow::PlainWindow() {
    setWindowTitle(QStringLiteral("Baseline"));
    // Dravello's colours are chosen for a light window, whatever the desktop's theme.
    setPalette(style()->standardPalette());
    buildMenus();

    auto* content = new QWidget;
    content->setFixedSize(296, 247);
    setCentralWidget(content);

    // Created in tab order: the popup, then the four fields from top to bottom.
    material_ = new QComboBox(content);
    material_->setGeometry(20, 14, 256, 20);
    material_->setAccessibleName(QStringLiteral("Conductor material"));
    for (const dravello::Material& material : dravello::kMaterials) {
        material_->addItem(QString::fromLatin1(material.name.data(), static_cast<qsizetype>(material.name.size())),
                           material.resistivity);
    }

    formula_ = addLabel(content, QString(), {20, 46, 256, 16});
    formula_->setWordWrap(true);
    setPixelFont(formula_, 10, false, true);

    QLabel* lengthCaption = addLabel(content, QStringLiteral("Total cable length (m):"), {20, 75, 142, 20},
                                     "Total cable lenght, out and back.");
    QLabel* diameterCaption = addLabel(content, QStringLiteral("Cable diameter (mm):"), {20, 107, 142, 20},
                                       "AWG 24 = 0.51054 mm (cat5/cat5e)\n"
                                       "AWG 23 = 0.57404 mm\n"
                                       "AWG 22 = 0.64516 mm\n"
                                       "AWG 21 = 0.7239 mm\n"
                                       "AWG 20 = 0.8128 mm\n"
                                       "AWG 19 = 0.91186 mm\n"
                                       "AWG 18 = 1.02362 mm");
    QLabel* areaCaption = addLabel(content, QStringLiteral("Cable area (mm2):"), {20, 141, 142, 20},
                                   "AWG 24 = 0.205 mm2 (cat5/cat5e)\n"
                                   "AWG 23 = 0.258 mm2\n"
                                   "AWG 22 = 0.326 mm2\n"
                                   "AWG 21 = 0.410 mm2\n"
                                   "AWG 20 = 0.518 mm2\n"
                                   "AWG 19 = 0.635 mm2\n"
                                   "AWG 18 = 0.823 mm2");
    QLabel* currentCaption = addLabel(content, QStringLiteral("Current (A):"), {20, 175, 142, 20});
    length_ = addField(content, "60", {196, 74, 80, 22}, lengthCaption);
    diameter_ = addField(content, "0.51054", {196, 106, 80, 22}, diameterCaption);
    area_ = addField(content, "0.20471", {196, 140, 80, 22}, areaCaption);
    current_ = addField(content, "0.350", {196, 174, 80, 22}, currentCaption);

    result_ = addLabel(content, QString(), {20, 207, 256, 20});
    result_->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    setPixelFont(result_, 14, true, false);
    QPalette palette = result_->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    result_->setPalette(palette);

    // The size fields convert into each other on key release only, so that the text one
    // writes into the other converts nothing back.
    diameter_->installEventFilter(this);
    area_->installEventFilter(this);
    connect(length_, &QLineEdit::textChanged, this, &PlainWindow::calculate);
    connect(current_, &QLineEdit::textChanged, this, &PlainWindow::calculate);
    connect(material_, &QComboBox::currentIndexChanged, this, [this] {
        showFormula();
        calculate();
    });
    showFormula();
    calculate();

    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void PlainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    addAction(file->addAction(QStringLiteral("E&xit"), this, &QWidget::close));

    // The edit commands act on the field with the focus; the window carries their
    // shortcuts, so they work with the menu closed.
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    auto command = [this, edit](const QString& text, const char* shortcut, auto perform) {
        QAction* action = edit->addAction(text, this, [this, perform] {
            if (auto* field = qobject_cast<QLineEdit*>(focusWidget())) std::invoke(perform, field);
        });
        action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
        addAction(action);
    };
    command(QStringLiteral("&Undo"), "Ctrl+Z", &QLineEdit::undo);
    edit->addSeparator();
    command(QStringLiteral("Cu&t"), "Ctrl+X", &QLineEdit::cut);
    command(QStringLiteral("&Copy"), "Ctrl+C", &QLineEdit::copy);
    command(QStringLiteral("&Paste"), "Ctrl+V", &QLineEdit::paste);
    command(QStringLiteral("&Delete"), "", &QLineEdit::del);
    edit->addSeparator();
    command(QStringLiteral("Select &All"), "Ctrl+A", &QLineEdit::selectAll);
}

bool PlainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
        if (watched == diameter_) convertDiameter();
        if (watched == area_) convertArea();
    }
    return QMainWindow::eventFilter(watched, event);
}

void PlainWindow::showFormula() {
    const double resistivity = material_->currentData().toDouble();
    formula_->setText(QStringLiteral("Vd (20°C) = ( Length x Current x %1 ) / Area").arg(withDecimals(resistivity, 4)));
}

void PlainWindow::convertDiameter() {
    const double d = diameter_->text().toDouble();
    setNumber(area_, sevenDigits(((d * std::numbers::pi) * d) / 4.0));
    calculate();
}

void PlainWindow::convertArea() {
    const double area = area_->text().toDouble();
    setNumber(diameter_, sevenDigits(std::sqrt(area / std::numbers::pi) * 2.0));
    calculate();
}

void PlainWindow::calculate() {
    const double d = diameter_->text().toDouble();
    const double area = ((d * std::numbers::pi) * d) / 4.0;
    const double vd =
        ((length_->text().toDouble() * current_->text().toDouble()) * material_->currentData().toDouble()) / area;
    result_->setText(QStringLiteral("Voltage drop = %1V").arg(withDecimals(vd, 3)));
}
