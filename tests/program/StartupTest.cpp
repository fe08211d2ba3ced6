#include <QAccessible>
#include <QStyle>
#include <QLineEdit>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <bit>
#include <cstring>
#include <set>
#include <tuple>

#include "ProgramSupport.h"
#include "Raises.h"
#include "app/App.h"
#include "guirt/Variant.h"

namespace programtest {
namespace {

using namespace guirt;

TEST(ProgramStartup, OneWindowWithTheListValuesApplied) {
    const StartupSnapshot& s = Startup();
    EXPECT_EQ(s.visibleTopLevels, 1);
    EXPECT_EQ(s.mainWindows, 1);
    EXPECT_EQ(s.title, "Dravello");
    EXPECT_EQ(s.fieldTexts, (std::vector<std::string>{"0.350", "60", "0.51054", "0.20471"}));
    EXPECT_EQ(s.fieldWidgetTexts, (std::vector<QString>{"0.350", "60", "0.51054", "0.20471"}));
    EXPECT_EQ(s.resultCaption, "Voltage drop = 1.795V");
    EXPECT_EQ(s.resultWidgetText, "Voltage drop = 1.795V");
    EXPECT_EQ(s.formCaption, "Vd (20°C) = ( Length x Current x 0.0175 ) / Area");
    EXPECT_EQ(s.formWidgetText, QString::fromUtf8("Vd (20°C) = ( Length x Current x 0.0175 ) / Area"));
    EXPECT_EQ(s.listIndex, 0);
    EXPECT_EQ(s.comboIndex, 0);
    EXPECT_FALSE(s.exceptionPending);
    // The focus the window opens with is drawn, as after a Tab.
    EXPECT_TRUE(s.focusShown);
}

TEST(ProgramStartup, ElevenControlsInListOrderWhereTheListsPutThem) {
    Ref<dravello::Window1> w = W();
    ASSERT_EQ(w->Controls().size(), 11u);
    EXPECT_EQ(Str(w->Title()), "Dravello");
    EXPECT_EQ(w->Width(), 296);
    EXPECT_EQ(w->Height(), 247);
    EXPECT_FALSE(w->Resizeable());
    EXPECT_FALSE(w->MaximizeButton());

    // name, left, top, width, height, captions of the labels
    const std::tuple<const char*, int, int, int, int, const char*> expected[] = {
        {"PopupMenu1", 20, 14, 256, 20, nullptr},
        {"Label3", 20, 175, 142, 20, "Current (A):"},
        {"current", 196, 174, 80, 22, nullptr},
        {"result", 20, 207, 256, 20, nullptr},
        {"form", 20, 46, 256, 16, nullptr},
        {"diameter", 196, 106, 80, 22, nullptr},
        {"lenght", 196, 74, 80, 22, nullptr},
        {"Label2", 20, 107, 142, 20, "Cable diameter (mm):"},
        {"Label1", 20, 75, 142, 20, "Total cable length (m):"},
        {"areafld", 196, 140, 80, 22, nullptr},
        {"Label4", 20, 141, 142, 20, "Cable area (mm2):"},
    };
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const auto& [name, left, top, width, height, caption] = expected[i];
        SCOPED_TRACE(name);
        Ref<Control> control = w->Controls()[i];
        EXPECT_EQ(Str(control->Name()), name);
        auto rect = CheckCast<RectControl>(control);
        ASSERT_TRUE(rect);
        EXPECT_EQ(rect->Left(), left);
        EXPECT_EQ(rect->Top(), top);
        EXPECT_EQ(rect->Width(), width);
        EXPECT_EQ(rect->Height(), height);
        QWidget* widget = Widget<QWidget>(name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), QRect(left, top, width, height));
        EXPECT_TRUE(widget->isVisible());
        if (caption) {
            EXPECT_EQ(Str(CheckCast<Label>(control)->Caption()), caption);
            EXPECT_EQ(Widget<QLabel>(name)->text(), caption);
        }
    }
    EXPECT_NE(Widget<QComboBox>("PopupMenu1"), nullptr);
    for (const char* name : {"current", "diameter", "lenght", "areafld"})
        EXPECT_NE(Widget<QLineEdit>(name), nullptr) << name;
    for (const char* name : {"result", "form"}) EXPECT_NE(Widget<QLabel>(name), nullptr) << name;
}

TEST(ProgramStartup, ThePopupListsTheMaterialsWithTheirResistivitiesAsTags) {
    Ref<PopupMenu> popup = W()->PopupMenu1();
    QComboBox* combo = Widget<QComboBox>("PopupMenu1");
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(popup->ListCount(), 6);
    ASSERT_EQ(combo->count(), 6);
    const char* names[] = {"Copper", "Aluminium", "Gold", "Silver", "Iron", "Lead"};
    for (int row = 0; row < 6; ++row) {
        SCOPED_TRACE(names[row]);
        EXPECT_EQ(Str(popup->List(row)), names[row]);
        EXPECT_EQ(combo->itemText(row), names[row]);
        Ref<Variant> tag = popup->RowTag(row);
        ASSERT_TRUE(tag);
        const double* value = std::get_if<double>(&tag->Get());
        ASSERT_NE(value, nullptr) << "the tag holds no double";
        EXPECT_EQ(std::bit_cast<std::uint64_t>(*value),
                  std::bit_cast<std::uint64_t>(dravello::kMaterials[static_cast<std::size_t>(row)].resistivity));
    }
}

TEST(ProgramStartup, ImplicitInstancesAreTheOnesRegistered) {
    Ref<dravello::Window1> a = dravello::Window1::Implicit(), b = dravello::Window1::Implicit();
    ASSERT_TRUE(a);
    EXPECT_EQ(a.get(), b.get());
    // Each accessor gives the control registered under its own name.
    EXPECT_EQ(Str(a->current()->Name()), "current");
    EXPECT_EQ(Str(a->lenght()->Name()), "lenght");
    EXPECT_EQ(Str(a->areafld()->Name()), "areafld");
    EXPECT_EQ(Str(a->Label4()->Name()), "Label4");

    Ref<dravello::MainMenuBar> bar = dravello::MainMenuBar::Implicit();
    ASSERT_TRUE(bar);
    EXPECT_EQ(bar.get(), dravello::MainMenuBar::Implicit().get());
    EXPECT_EQ(a->MenuBar().get(), bar.get());
    ASSERT_TRUE(RuntimeApplication());
    EXPECT_EQ(RuntimeApplication()->MenuBar().get(), bar.get());
}

TEST(ProgramStartup, TheApplicationIsVersionOneZero) {
    Ref<Application> app = RuntimeApplication();
    ASSERT_TRUE(app);
    EXPECT_TRUE(app->IsA(dravello::App::Record()));
    EXPECT_EQ(app->MajorVersion(), 1);
    EXPECT_EQ(app->MinorVersion(), 0);
    EXPECT_EQ(app->BugVersion(), 0);
    EXPECT_EQ(app->NonReleaseVersion(), 0);
    EXPECT_EQ(app->StageCode(), 0);
    EXPECT_FALSE(app->LongVersion());
    EXPECT_FALSE(app->ShortVersion());
    EXPECT_FALSE(app->PackageInfo());
}

// The captions read as one column at any desktop font: one text size, each caption whole in
// its box; the popup's metal and each field's number show whole. Also run at a 14 pt desktop font.
TEST(ProgramStartup, TheCaptionsShareOneSizeAndThePopupShowsItsRowWhole) {
    std::set<int> sizes;
    for (const char* name : {"Label1", "Label2", "Label3", "Label4"}) {
        QLabel* caption = Widget<QLabel>(name);
        ASSERT_NE(caption, nullptr) << name;
        sizes.insert(QFontInfo(caption->font()).pixelSize());
        EXPECT_LE(QFontMetrics(caption->font()).horizontalAdvance(caption->text()), caption->width()) << name;
    }
    EXPECT_EQ(sizes.size(), 1u);
    QComboBox* popup = Widget<QComboBox>("PopupMenu1");
    QStyleOptionComboBox option;
    option.initFrom(popup);
    const QRect field =
        popup->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, popup);
    EXPECT_LE(QFontMetrics(popup->font()).height(), field.height());
    // Each field shows its number whole: within its contents, less the 2 px the line edit
    // keeps each side of its text and the cursor's pixel.
    for (const char* name : {"lenght", "diameter", "areafld", "current"}) {
        QLineEdit* edit = Widget<QLineEdit>(name);
        QStyleOptionFrame frame;
        frame.initFrom(edit);
        frame.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, edit);
        const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &frame, edit);
        EXPECT_LE(QFontMetricsF(edit->font()).horizontalAdvance(edit->text()) + 5, contents.width()) << name;
        EXPECT_LE(QFontMetrics(edit->font()).height(), contents.height()) << name;
    }
}

// Each caption is its field's label to assistive technology (Qt's buddy relation); the popup,
// which no caption names, is labelled by the label Qt names a combo box by on Linux. (What
// each is called and described as is a behaviour case.)
TEST(ProgramStartup, EachCaptionLabelsItsField) {
    for (const auto& [field, caption] : {std::pair{"lenght", "Label1"}, {"diameter", "Label2"}, {"areafld", "Label4"},
                                         {"current", "Label3"}}) {
        SCOPED_TRACE(field);
        QWidget* widget = Widget<QWidget>(field);
        ASSERT_NE(widget, nullptr);
        const auto labels = QAccessible::queryAccessibleInterface(widget)->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1);
        EXPECT_EQ(labels.front().first->object(), Widget<QLabel>(caption));
    }
    QAccessibleInterface* popup = QAccessible::queryAccessibleInterface(Widget<QComboBox>("PopupMenu1"));
    const auto labels = popup->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.front().first->text(QAccessible::Name), "Conductor material");
}

// The menu accessors' failures: a window without a menu bar, an item of another class.
TEST(ProgramStartup, MenuAccessorsRaiseOnNilAndOnTheWrongClass) {
    Ref<dravello::Window1> w = W();
    Ref<MenuBar> bar = w->MenuBar();
    w->SetMenuBar(nullptr);
    guirt::testing::ExpectRaises<NilObjectException>([&] { w->EditCut(); });
    Ref<MenuBar> other = New<MenuBar>();
    Ref<MenuItem> plain = New<MenuItem>();
    plain->SetName(Text("FileQuit"));
    other->Append(plain);
    w->SetMenuBar(other);
    guirt::testing::ExpectRaises<IllegalCastException>([&] { w->FileQuit(); });
    w->SetMenuBar(bar);
    EXPECT_TRUE(w->FileQuit());
}

}  // namespace
}  // namespace programtest
