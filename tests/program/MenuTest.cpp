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

QAction* ActionNamed(QMenu* menu, const char* text) {
    for (QAction* action : menu->actions()) {
        if (action->text() == text) return action;
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
        if (*text) {
            EXPECT_EQ(actions[i]->text(), text);
        }
        EXPECT_EQ(actions[i]->shortcut(), QKeySequence::fromString(shortcut, QKeySequence::PortableText));
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

TEST_F(ProgramMenus, CutAndPasteActOnTheFocusedFieldAndRecalculate) {
    QMenu* edit = MenuNamed(native->menuBar(), "&Edit");
    ASSERT_NE(edit, nullptr);
    QAction* selectAll = ActionNamed(edit, "Select &All");
    QAction* cut = ActionNamed(edit, "Cu&t");
    QAction* paste = ActionNamed(edit, "&Paste");
    ASSERT_TRUE(selectAll && cut && paste);
    QLineEdit* current = Widget<QLineEdit>("current");
    Focus(current);
    current->setCursorPosition(0);

    selectAll->trigger();
    EXPECT_EQ(current->selectedText(), "0.350");
    cut->trigger();
    EXPECT_EQ(Str(w->current()->Text()), "");
    EXPECT_EQ(current->text(), "");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "0.350");
    EXPECT_EQ(Result(), ExpectedResult());
    EXPECT_NE(Result(), "Voltage drop = 1.795V");

    paste->trigger();
    EXPECT_EQ(Str(w->current()->Text()), "0.350");
    EXPECT_EQ(Result(), "Voltage drop = 1.795V");
}

// A size field changed without a key release (the Edit menu chosen with the mouse) still
// converts the other size field and recalculates; pasted text is kept whole, past the
// 32,767 characters a line edit keeps by default.
TEST_F(ProgramMenus, PastingIntoASizeFieldConvertsAndNothingIsCut) {
    QMenu* edit = MenuNamed(native->menuBar(), "&Edit");
    ASSERT_NE(edit, nullptr);
    QAction* paste = ActionNamed(edit, "&Paste");
    QAction* selectAll = ActionNamed(edit, "Select &All");
    ASSERT_TRUE(paste && selectAll);
    Focus(Widget<QLineEdit>("diameter"));
    QGuiApplication::clipboard()->setText("2");
    selectAll->trigger();
    paste->trigger();
    EXPECT_EQ(Str(w->diameter()->Text()), "2");
    EXPECT_EQ(Str(w->areafld()->Text()), Str(guirt::Str(dravello::crossSectionArea(2))));
    EXPECT_EQ(Result(), ExpectedResult());

    Focus(Widget<QLineEdit>("areafld"));
    selectAll->trigger();
    paste->trigger();
    EXPECT_EQ(Str(w->areafld()->Text()), "2");  // kept as pasted
    EXPECT_EQ(Str(w->diameter()->Text()), Str(guirt::Str(dravello::diameterFromArea(2))));
    EXPECT_EQ(Result(), ExpectedResult());

    const std::string digits(40000, '1');
    QGuiApplication::clipboard()->setText(QString::fromStdString(digits));
    Focus(Widget<QLineEdit>("current"));
    selectAll->trigger();
    paste->trigger();
    EXPECT_EQ(Str(w->current()->Text()).size(), digits.size());
    EXPECT_EQ(Result(), ExpectedResult());
}

// A paste one character past the bound is refused whole, leaving the field and the result as
// they were; one of exactly the bound is taken and converted, and then no key types more.
TEST_F(ProgramMenus, APastePastTheBoundIsRefusedWholeAndOneAtItIsTaken) {
    QLineEdit* diameter = Widget<QLineEdit>("diameter");
    Focus(diameter);
    Key(Qt::Key_A, Qt::ControlModifier);  // its release rewrites the area from the diameter
    const std::string area = Str(w->areafld()->Text()), result = Result();
    const auto ones = [](qsizetype length) { return QStringLiteral("1.") + QString(length - 2, QLatin1Char('0')); };
    QGuiApplication::clipboard()->setText(ones(TextEdit::kMostText + 1));
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Str(w->diameter()->Text()), "0.51054");
    EXPECT_EQ(diameter->text(), "0.51054");
    EXPECT_EQ(Str(w->areafld()->Text()), area);
    EXPECT_EQ(Result(), result);

    QGuiApplication::clipboard()->setText(ones(TextEdit::kMostText));
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(diameter->text().size(), TextEdit::kMostText);
    EXPECT_EQ(Str(w->areafld()->Text()), "0.7853982");
    EXPECT_EQ(Result(), ExpectedResult());
    Type("1");
    EXPECT_EQ(diameter->text().size(), TextEdit::kMostText);
}

TEST_F(ProgramMenus, TheEditShortcutsWorkFromTheKeyboard) {
    QLineEdit* lenght = Widget<QLineEdit>("lenght");
    Focus(lenght);
    Key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(lenght->selectedText(), "60");
    Key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Str(w->lenght()->Text()), "");
    EXPECT_EQ(Result(), ExpectedResult());
    Key(Qt::Key_V, Qt::ControlModifier);
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Str(w->lenght()->Text()), "6060");
    EXPECT_EQ(Result(), ExpectedResult());
}

}  // namespace
}  // namespace programtest
