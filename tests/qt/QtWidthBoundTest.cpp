#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetricsF>

#include "QtLineFont.h"
#include "WidthBoundCheck.h"

namespace {

// The bound a label proves its fit by, from the advances the runtime measures, is never below
// the width Qt shapes the text to, in every font the tests show text in, plain, bold and italic.
TEST(WidthBound, IsNeverBelowTheShapedWidth) {
    for (const QString& family : {QApplication::font().family(), QStringLiteral("DejaVu Sans"),
                                  QStringLiteral("DejaVu Serif"), QStringLiteral("DejaVu Sans Mono")}) {
        for (const auto& [bold, italic] : {std::pair{false, false}, {true, false}, {false, true}, {true, true}}) {
            QFont font(family);
            font.setBold(bold);
            font.setItalic(italic);
            const auto advance = [&font](std::string_view character, int pixels) {
                font.setPixelSize(pixels);
                return guirt::qt::WidthIn(font, character);
            };
            const auto shaped = [&font](std::string_view text, int pixels) {
                font.setPixelSize(pixels);
                return QFontMetricsF(font).horizontalAdvance(
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
            };
            guirt::testing::ExpectBoundNeverBelow(advance, shaped, font.toString().toStdString());
        }
    }
}

}  // namespace
