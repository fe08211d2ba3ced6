#include "ProgramSupport.h"
#include "guirt/Numbers.h"

namespace programtest {
namespace {

using namespace guirt;
using ProgramTyping = ProgramTest;

TEST_F(ProgramTyping, EachMaterialSetByTheProgramGivesItsResultAndFormula) {
    const char* results[] = {"1.795", "2.872", "2.359", "1.641", "10.053", "22.671"};
    for (int row : {1, 2, 3, 4, 5, 0}) {
        w->PopupMenu1()->SetListIndex(row);
        EXPECT_EQ(Result(), std::string("Voltage drop = ") + results[row] + "V") << row;
        EXPECT_EQ(Str(w->form()->Caption()), dravello::formulaText(dravello::kMaterials[row].resistivity)) << row;
        EXPECT_EQ(Widget<QLabel>("result")->text().toStdString(), Result());
    }
}

// A result never wraps or loses its number: a long one shows on one line, whole, in
// smaller text if need be; one too long even at the smallest size is cut at its end, and its
// tooltip and accessible name tell it whole.
TEST_F(ProgramTyping, ALongResultKeepsItsNumberOnOneLine) {
    QLabel* result = Widget<QLabel>("result");
    const auto fits = [result] {
        return QFontMetrics(result->font()).horizontalAdvance(result->text()) <= result->width();
    };
    Retype(Widget<QLineEdit>("current"), "1000");
    Retype(Widget<QLineEdit>("diameter"), "1");
    Retype(Widget<QLineEdit>("lenght"), "10000000");
    EXPECT_EQ(Result(), "Voltage drop = 222816920.329V");
    EXPECT_EQ(result->text().toStdString(), Result());
    EXPECT_FALSE(result->wordWrap());
    EXPECT_TRUE(fits());

    Retype(Widget<QLineEdit>("lenght"), "1e200");
    const QString whole = QString::fromStdString(Result());
    EXPECT_TRUE(result->text().startsWith("Voltage drop = 2228")) << result->text().toStdString();
    EXPECT_TRUE(result->text().endsWith(QChar(0x2026)));
    EXPECT_TRUE(fits());
    EXPECT_EQ(QFontInfo(result->font()).pixelSize(), 8);
    EXPECT_EQ(result->accessibleName(), whole);
    EXPECT_EQ(result->toolTip(), whole);
}

TEST_F(ProgramTyping, AnArrowKeyInTheDiameterRewritesTheArea) {
    w->diameter()->SetText(Text("2.5"));  // the program's own set: no conversion yet
    w->areafld()->SetText(Text("7"));
    EXPECT_EQ(Str(w->areafld()->Text()), "7");
    // The result comes from the diameter alone: an area of 7 would give another one.
    w->calculate();
    EXPECT_EQ(Result(), ExpectedResult());
    EXPECT_NE(Result(), dravello::resultText(dravello::voltageDrop(60, 0.350, 0.0175, dravello::diameterFromArea(7))));
    Focus(Widget<QLineEdit>("diameter"));
    Key(Qt::Key_Left);
    EXPECT_EQ(Str(w->areafld()->Text()), Str(guirt::Str(dravello::crossSectionArea(2.5))));
    EXPECT_EQ(Result(), ExpectedResult());
    Key(Qt::Key_Right);
    EXPECT_EQ(Str(w->diameter()->Text()), "2.5");  // arrows move the cursor, not the text
}

TEST_F(ProgramTyping, ZeroAndNegativeInputsShowAResultAndRaiseNothing) {
    Retype(Widget<QLineEdit>("current"), "0");
    EXPECT_EQ(Result(), ExpectedResult());
    Retype(Widget<QLineEdit>("lenght"), "-5");
    EXPECT_EQ(Result(), ExpectedResult());
    Retype(Widget<QLineEdit>("current"), "3");
    EXPECT_EQ(Result(), ExpectedResult());
    EXPECT_EQ(Result().rfind("Voltage drop = -", 0), 0u) << Result();
    Retype(Widget<QLineEdit>("diameter"), "0");
    EXPECT_EQ(Str(w->areafld()->Text()), "0");
    EXPECT_EQ(Result(), ExpectedResult());
    EXPECT_EQ(Result().rfind("Voltage drop = ", 0), 0u) << Result();
    EXPECT_FALSE(gCurrentException);
}

}  // namespace
}  // namespace programtest
