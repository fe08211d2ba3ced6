#pragma once

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QString>
#include <QTextDocument>
#include <algorithm>
#include <cmath>
#include <string_view>

#include "guirt/PropertyValue.h"
#include "guirt/RectControl.h"
#include "guirt/String.h"

namespace guirt::qt {

// Runtime strings are UTF-8.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline QString ToQString(const Ref<String>& text) {
    return ToQString(TextOf(text));
}

inline Ref<String> ToRuntimeString(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return String::FromBytes(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

// Programs write line breaks as CR LF or CR; Qt wants LF.
inline QString WithLineFeeds(const Ref<String>& text) {
    QString result = ToQString(text);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

// A help tag is plain text; Qt would read one that looks like HTML as rich text.
inline QString ToolTipText(const Ref<String>& helpTag) {
    const QString text = WithLineFeeds(helpTag);
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal) : text;
}

// 0xTTRRGGBB: the top byte is transparency, not opacity.
inline QColor ToQColor(Color color) {
    return QColor(color.Red(), color.Green(), color.Blue(), 255 - color.Transparency());
}

// 0 default (left), 1 left, 2 centre, 3 right; always centred vertically.
inline Qt::Alignment ToAlignment(std::int64_t code) {
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (code == 2) horizontal = Qt::AlignHCenter;
    if (code == 3) horizontal = Qt::AlignRight;
    return horizontal | Qt::AlignVCenter;
}

// The control's font. "System" or no name is the toolkit's font for that kind of widget;
// a size in the default unit counts pixels, so layouts measured in pixels keep their text
// inside the control's box whatever the screen's resolution.
inline QFont ToQFont(const RectControl& control, const QWidget* widget) {
    QFont font = QApplication::font(widget);
    const QString family = ToQString(control.TextFont());
    if (!family.isEmpty() && family.compare(QLatin1String("System"), Qt::CaseInsensitive) != 0) {
        font.setFamilies({family});
    }
    const double size = control.TextSize();
    if (size > 0) {
        switch (control.TextUnit()) {
            case FontUnits::Default:
            case FontUnits::Pixel:
                font.setPixelSize(std::max(1, static_cast<int>(std::lround(size))));
                break;
            case FontUnits::Point:
                font.setPointSizeF(size);
                break;
            case FontUnits::Inch:
                font.setPointSizeF(size * 72.0);
                break;
            case FontUnits::Millimeter:
                font.setPointSizeF(size * 72.0 / 25.4);
                break;
        }
    }
    font.setBold(control.Bold());
    font.setItalic(control.Italic());
    font.setUnderline(control.Underline());
    return font;
}

}  // namespace guirt::qt
