#pragma once

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QKeyEvent>
#include <QString>
#include <QTextDocument>
#include <algorithm>
#include <cmath>
#include <string_view>

#include "Input.h"
#include "Peers.h"
#include "guirt/String.h"

namespace guirt::qt {

// Runtime texts are UTF-8.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline Ref<String> ToRuntimeString(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return String::FromBytes(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

// A help tag is plain text; Qt would read one that looks like HTML as rich text.
inline QString ToolTipText(const QString& text) {
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal) : text;
}

// 0xTTRRGGBB: the top byte is transparency, not opacity.
inline QColor ToQColor(Color color) {
    return QColor(color.Red(), color.Green(), color.Blue(), 255 - color.Transparency());
}

// Always centred vertically.
inline Qt::Alignment ToQtAlignment(TextAlignment alignment) {
    switch (alignment) {
        case TextAlignment::Center:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case TextAlignment::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case TextAlignment::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// The requested font, starting from the toolkit's font for that kind of widget.
inline QFont ToQFont(const FontRequest& request, const QWidget* widget) {
    QFont font = QApplication::font(widget);
    if (!request.family.empty()) font.setFamilies({ToQString(request.family)});
    if (request.size > 0) {
        if (request.unit == FontRequest::Unit::Pixels) {
            font.setPixelSize(std::max(1, static_cast<int>(std::lround(request.size))));
        } else {
            font.setPointSizeF(request.size);
        }
    }
    font.setBold(request.styles.bold);
    font.setItalic(request.styles.italic);
    font.setUnderline(request.styles.underline);
    return font;
}

// The runtime's name for a Qt key code; None for a key it has no name for.
Key ToKey(int qtKey);

// The key of a key event, with the modifiers held.
KeyStroke StrokeOf(const QKeyEvent& event);

// A menu command's text as a menu shows it: its shortcut, as the program wrote it, after a tab.
inline QString MenuText(const MenuEntry& entry) {
    const QString text = ToQString(entry.text);
    return entry.shortcutText.empty() ? text : text + u'\t' + ToQString(entry.shortcutText);
}

}  // namespace guirt::qt
