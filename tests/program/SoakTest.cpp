#include <chrono>
#include <random>
#include <sstream>

#include "ProgramSupport.h"
#include "guirt/Numbers.h"

namespace programtest {
namespace {

using namespace guirt;
using ProgramSoak = ProgramTest;

// Random typing across the four fields and the popup: after every key the result must be
// what the texts then standing give, and the size fields must agree with each other.
TEST_F(ProgramSoak, RandomKeysKeepTheResultInStepWithTheFields) {
    constexpr int kKeys = 100000;
    constexpr auto kBudget = std::chrono::seconds(10);  // a bound on the run, not a target
    const char* names[] = {"diameter", "lenght", "current", "areafld"};
    QLineEdit* edits[4];
    for (int i = 0; i < 4; ++i) {
        edits[i] = Widget<QLineEdit>(names[i]);
        ASSERT_NE(edits[i], nullptr) << names[i];
    }
    QComboBox* combo = Widget<QComboBox>("PopupMenu1");
    ASSERT_NE(combo, nullptr);

    const std::string chars = "0123456789.-eE0123456789.xq ";
    std::mt19937 random(20240611u);
    const auto start = std::chrono::steady_clock::now();
    int field = 0, sent = 0;
    Focus(edits[field]);
    std::string lastKey;
    for (; sent < kKeys; ++sent) {
        if (sent % 1000 == 0 && std::chrono::steady_clock::now() - start > kBudget) break;
        const unsigned roll = random() % 100;
        if (roll < 3) {  // another field
            field = static_cast<int>(random() % 4);
            Focus(edits[field]);
            lastKey = "focus " + std::string(names[field]);
            continue;
        }
        if (roll < 4) {  // another material, by the program or by the user
            const int row = static_cast<int>(random() % 6);
            if (random() % 2) {
                w->PopupMenu1()->SetListIndex(row);
                lastKey = "SetListIndex " + std::to_string(row);
            } else {
                Focus(combo);
                Key(random() % 2 ? Qt::Key_Down : Qt::Key_Up);
                lastKey = "combo arrow";
                Focus(edits[field]);
            }
        } else if (roll < 14 || (edits[field]->text().size() > 12 && roll < 60)) {
            // Long texts are trimmed more often: numbers, not pages, are what users type.
            const Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Left, Qt::Key_Right, Qt::Key_Backspace};
            const Qt::Key key = keys[random() % 4];
            Key(key);
            lastKey = QKeySequence(key).toString().toStdString() + " in " + names[field];
        } else {
            const char c = chars[random() % chars.size()];
            QTest::keyClick(native->windowHandle(), c);
            lastKey = std::string("'") + c + "' in " + names[field];
        }

        const std::string d = Str(w->diameter()->Text()), l = Str(w->lenght()->Text()), c = Str(w->current()->Text()),
                          a = Str(w->areafld()->Text());
        const std::int64_t row = w->PopupMenu1()->ListIndex();
        ASSERT_TRUE(row >= 0 && row < 6) << "after " << lastKey;
        const std::string expected =
            dravello::testing::resultFor({d, l, c, dravello::kMaterials[static_cast<std::size_t>(row)].resistivity});
        ASSERT_EQ(Result(), expected) << "key " << sent << ": " << lastKey << " with diameter '" << d << "' lenght '"
                                      << l << "' current '" << c << "' material " << row;
        ASSERT_FALSE(gCurrentException) << "key " << sent << ": " << lastKey;
        const std::string texts[] = {d, l, c, a};
        for (int i = 0; i < 4; ++i)
            ASSERT_EQ(edits[i]->text().toStdString(), texts[i]) << names[i] << " after " << lastKey;
        // The field just typed in decides the other size field.
        if (lastKey.ends_with(" in diameter")) {
            ASSERT_EQ(a, Str(guirt::Str(dravello::crossSectionArea(guirt::Val(w->diameter()->Text())))))
                << "key " << sent << ": " << lastKey << " with diameter '" << d << "'";
        } else if (lastKey.ends_with(" in areafld")) {
            ASSERT_EQ(d, Str(guirt::Str(dravello::diameterFromArea(guirt::Val(w->areafld()->Text())))))
                << "key " << sent << ": " << lastKey << " with area '" << a << "'";
        }
    }
    RecordProperty("keys", sent);
    EXPECT_GT(sent, 1000);
}

}  // namespace
}  // namespace programtest
