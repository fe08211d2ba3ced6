#include <QClipboard>
#include <QMenu>

#include "ProgramSupport.h"
#include "guirt/Numbers.h"

namespace programtest {
namespace {

using namespace guirt;
using ProgramMenus = ProgramTest;

QMenu* MenuNamed(QMenuBar* bar, const char* text) {
    for (QAction* action : bar->actions()) {
        if (action->text() == text) return action->menu();
    }
    return nullptr;
}

TEST_F(ProgramMenus, TheBarHoldsFileThenEditWithTheirItemsAndShortcuts) {
    QMenuBar* bar = native->menuBar();
    ASSERT_NE(bar, nullptr);
    QStringList titles;
    for (QAction* action : bar->actions()) titles << action->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit"}));

    QMenu* file = MenuNamed(bar, "&File");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(file->actions().size(), 1);
    EXPECT_EQ(file->actions()[0]->text(), "E&xit");

    QMenu* edit = MenuNamed(bar, "&Edit");
    ASSERT_NE(edit, nullptr);
    // text ("" for a separator), shortcut
    const std::pair<const char*, const char*> expected[] = {
        {"&Undo", "Ctrl+Z"},  {"", ""},        {"Cu&t", "Ctrl+X"}, {"&Copy", "Ctrl+C"},
        {"&Paste", "Ctrl+V"}, {"&Delete", ""}, {"", ""},           {"Select &All", "Ctrl+A"},
    };
    const QList<QAction*> actions = edit->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(std::size(expected)));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const auto& [text, shortcut] = expected[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(actions[i]->isSeparator(), *text == '\0');
        // The shortcut shows after a tab; the window takes its keys.
        if (*text) {
            EXPECT_EQ(actions[i]->text(), *shortcut ? QString("%1\t%2").arg(text, shortcut) : QString(text));
        }
    }
}

TEST_F(ProgramMenus, TheMenuAccessorsGiveTheItemsOfTheirNames) {
    const std::pair<const char*, Ref<MenuItem> (dravello::Window1::*)()> items[] = {
        {"EditMenu", &dravello::Window1::EditMenu},
        {"EditSelectAll", &dravello::Window1::EditSelectAll},
        {"EditSeparator2", &dravello::Window1::EditSeparator2},
        {"EditClear", &dravello::Window1::EditClear},
        {"EditPaste", &dravello::Window1::EditPaste},
        {"EditCopy", &dravello::Window1::EditCopy},
        {"EditCut", &dravello::Window1::EditCut},
        {"EditSeparator1", &dravello::Window1::EditSeparator1},
        {"EditUndo", &dravello::Window1::EditUndo},
        {"FileMenu", &dravello::Window1::FileMenu},
    };
    for (const auto& [name, accessor] : items) {
        Ref<MenuItem> item = (w.get()->*accessor)();
        ASSERT_TRUE(item) << name;
        EXPECT_EQ(Str(item->Name()), name);
        EXPECT_EQ(item.get(), (w.get()->*accessor)().get()) << name;
    }
    EXPECT_TRUE(w->EditSeparator1()->IsSeparator());
    EXPECT_TRUE(w->EditSeparator2()->IsSeparator());
    Ref<QuitMenuItem> quit = w->FileQuit();
    ASSERT_TRUE(quit);
    EXPECT_EQ(Str(quit->Name()), "FileQuit");
    EXPECT_TRUE(quit->IsA(QuitMenuItem::Record()));
    EXPECT_EQ(quit->Parent().get(), w->FileMenu().get());
    // Every item shows and enables itself; Exit and the menus carry no shortcut.
    for (const auto& [name, accessor] : items) {
        Ref<MenuItem> item = (w.get()->*accessor)();
        EXPECT_TRUE(item->Visible() && item->AutoEnable()) << name;
    }
    for (const Ref<MenuItem>& item : {w->FileMenu(), w->EditMenu(), Ref<MenuItem>(quit), w->EditClear()}) {
        EXPECT_EQ(Str(item->CommandKey()), "") << Str(item->Name());
        EXPECT_FALSE(item->CommandKey() == nullptr) << "set explicitly: " << Str(item->Name());
    }
}
}  // namespace
}  // namespace programtest
