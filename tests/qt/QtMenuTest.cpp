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
    // A shortcut shows after a tab, as the program wrote it.
    EXPECT_EQ(edit[0]->text(), "&Undo\tCtrl+Z");
    EXPECT_TRUE(edit[1]->isSeparator());
    EXPECT_EQ(edit[6]->text(), "Select &All\tCtrl+A");
    EXPECT_EQ(edit[5]->text(), "&Delete");
    EXPECT_TRUE(Menu(0)->actions().at(1)->isSeparator());
    EXPECT_EQ(native->centralWidget()->size(), QSize(296, 247));
    EXPECT_GT(native->centralWidget()->y(), 0);
}

TEST_F(QtMenuTest, ChangesToItemsReachTheBar) {
    calculate->SetText(Lit<"&Recalculate">());
    calculate->SetCommandKey(Lit<"Ctrl+E">());
    EXPECT_NE(Action("&File", "&Recalculate\tCtrl+E"), nullptr);

    AppendItem(*bar->Item(0), "FileAbout", "&About");  // a new item rebuilds the menus
    EXPECT_EQ(Menu(0)->actions().size(), 3);
    EXPECT_EQ(Menu(0)->actions().at(2)->text(), "&About");
}

}  // namespace
}  // namespace qttest
