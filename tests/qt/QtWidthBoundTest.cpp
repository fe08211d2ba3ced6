#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetricsF>
#include <random>

#include "QtLineFont.h"
#include "WidthBound.h"

namespace {

// The bound a label proves its fit by, from the advances the runtime measures, is never below
// the width Qt shapes the text to: in every font the tests show text in, plain, bold and
// italic, at every size a label shrinks through, over texts of the characters labels show and
// of any Latin ones.
TEST(WidthBound, IsNeverBelowTheShapedWidth) {
    const QString characters = QString::fromUtf8(
        "0123456789.,eE+-=() /xVvWwAaTtYyLlfijrnmo\u00B0\u2026abcdefghijklmnopqrstuvwxyzQRSTUVXZ\u00E9\u00FC");
    std::mt19937 random(20261208);
    for (const QString& family : {QApplication::font().family(), QStringLiteral("DejaVu Sans"),
                                  QStringLiteral("DejaVu Serif"), QStringLiteral("DejaVu Sans Mono")}) {
        for (const auto& [bold, italic] : {std::pair{false, false}, {true, false}, {false, true}, {true, true}}) {
            QFont font(family);
            font.setBold(bold);
            font.setItalic(italic);
            guirt::WidthBound bound;
            const auto advance = [&font](std::string_view character, int pixels) {
                font.setPixelSize(pixels);
                return guirt::qt::WidthIn(font, character);
            };
            for (int pixels = 8; pixels <= 24; ++pixels) {
                for (int i = 0; i < 200; ++i) {
                    QString text;
                    for (std::size_t n = 1 + random() % 70; n > 0; --n) text += characters[random() % characters.size()];
                    const QByteArray utf8 = text.toUtf8();
                    const double limit = bound.Of(std::string_view(utf8.constData(), utf8.size()), pixels, advance);
                    font.setPixelSize(pixels);
                    ASSERT_GE(limit, QFontMetricsF(font).horizontalAdvance(text))
                        << family.toStdString() << " " << pixels << " px: " << text.toStdString();
                }
            }
        }
    }
}

}  // namespace
