#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>

#include "QtTestSupport.h"
#include "TestMenus.h"

namespace qttest {
namespace {

using guirt::testing::AppendItem;
using guirt::testing::CalcMenus;
using guirt::testing::CountingItem;

class QtMenuTest : public QtWindowTest {
protected:
    void SetUp() override {
        const CalcMenus menus;
        bar = menus.bar;
        calculate = menus.calculate;
        QGuiApplication::clipboard()->clear();
        Open();
    }

    QMenu* Menu(int index) const { return native->menuBar()->actions().at(index)->menu(); }
    QAction* Action(const char* menuText, const char* text) const {
        for (QAction* menu : native->menuBar()->actions()) {
            if (menu->text() != menuText) continue;
            for (QAction* action : menu->menu()->actions()) {
                if (action->text() == text) return action;
            }
        }
        ADD_FAILURE() << text;
        return nullptr;
    }
    // Which edit items are enabled, in menu order: Undo Cut Copy Paste Delete SelectAll.
    std::string ShownState() const {
        std::string state;
        for (QAction* action : Menu(1)->actions()) {
            if (!action->isSeparator()) state += action->isEnabled() ? '1' : '0';
        }
        return state;
    }
    // The same, as the Edit menu shows them when it opens: that is when they are decided.
    std::string EditState() const {
        Menu(1)->popup(native->mapToGlobal(QPoint(0, 0)));
        const std::string state = ShownState();
        Menu(1)->hide();
        native->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(native));
        return state;
    }

    Ref<CountingItem> calculate;
};

TEST_F(QtMenuTest, TheBarShowsTheMenuTreeWithSeparatorsAndShortcuts) {
    QList<QAction*> menus = native->menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), "&File");
    EXPECT_EQ(menus[1]->text(), "&Edit");
    QList<QAction*> edit = Menu(1)->actions();
    ASSERT_EQ(edit.size(), 7);
    EXPECT_EQ(edit[0]->text(), "&Undo");
    EXPECT_EQ(edit[0]->shortcut(), QKeySequence(QKeySequence::Undo));
    EXPECT_TRUE(edit[1]->isSeparator());
    EXPECT_EQ(edit[6]->text(), "Select &All");
    EXPECT_EQ(edit[6]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
    EXPECT_TRUE(edit[5]->shortcut().isEmpty());
    EXPECT_TRUE(Menu(0)->actions().at(1)->isSeparator());
    EXPECT_EQ(native->centralWidget()->size(), QSize(296, 247));
    EXPECT_GT(native->centralWidget()->y(), 0);
}

TEST_F(QtMenuTest, ChangesToItemsReachTheBar) {
    calculate->SetText(Lit<"&Recalculate">());
    calculate->SetCommandKey(Lit<"Ctrl+E">());
    QAction* action = Action("&File", "&Recalculate");
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));

    AppendItem(*bar->Item(0), "FileAbout", "&About");  // a new item rebuilds the menus
    EXPECT_EQ(Menu(0)->actions().size(), 3);
    EXPECT_EQ(Menu(0)->actions().at(2)->text(), "&About");
}

TEST_F(QtMenuTest, ShortcutsChooseTheItemUnlessTheProgramDisabledIt) {
    Focus(Find<QLineEdit>("length"));
    Key(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(calculate->chosen, 1);

    window->SetMenuBarVisible(false);  // the window still carries the shortcuts
    Key(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(calculate->chosen, 2);

    calculate->SetAutoEnable(false);
    calculate->SetEnabled(false);
    EXPECT_FALSE(Action("&File", "&Calculate")->isEnabled());
    Key(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(calculate->chosen, 2);
}

// What the line edit and the clipboard know reaches the runtime, which decides the states
// as the menu opens, also when the keyboard opened it and the bar holds the focus.
TEST_F(QtMenuTest, EditItemsShowWhatTheFocusedLineEditCanDoAsTheMenuOpens) {
    QLineEdit* edit = Find<QLineEdit>("length");
    Focus(edit);
    EXPECT_EQ(ShownState(), "111111");  // closed, each is decided when used
    Type("12");
    EXPECT_EQ(EditState(), "100001");  // undo, select all
    Key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(edit->selectedText(), "12");
    EXPECT_EQ(EditState(), "111010");  // undo, cut, copy, delete

    Action("&Edit", "&Copy")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "12");
    Key(Qt::Key_E, Qt::AltModifier);
    ASSERT_TRUE(Menu(1)->isVisible());
    EXPECT_EQ(ShownState(), "111110");  // and now paste
    Key(Qt::Key_Escape);
    Key(Qt::Key_Escape);
}

TEST_F(QtMenuTest, EditCommandsActOnTheFocusedLineEditAndReachTheModel) {
    QLineEdit* edit = Find<QLineEdit>("current");
    Ref<TextField> current = window->Get<TextField>("current");
    current->SetText(nullptr);
    Focus(edit);
    Type("3.25");
    window->listener->calls.clear();

    Action("&Edit", "Select &All")->trigger();
    EXPECT_EQ(edit->selectedText(), "3.25");
    Action("&Edit", "Cu&t")->trigger();
    EXPECT_EQ(current->Text(), "");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "3.25");
    Action("&Edit", "&Paste")->trigger();
    Action("&Edit", "&Paste")->trigger();
    EXPECT_EQ(current->Text(), "3.253.25");
    Action("&Edit", "&Undo")->trigger();
    EXPECT_EQ(current->Text(), "3.25");
    EXPECT_EQ(window->listener->Count("current.TextChange"), 4u);

    edit->setSelection(0, 2);
    EXPECT_TRUE(current->Perform(EditCommand::Clear));
    EXPECT_EQ(current->Text(), "25");
}

}  // namespace
}  // namespace qttest
