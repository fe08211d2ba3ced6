#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <string>
#include <vector>

#include "guirt/Exceptions.h"
#include "guirt/MenuItem.h"

using namespace guirt;

namespace {

// An item that remembers being chosen.
class Choice : public MenuItem {
public:
    static const ClassRecord& Record() {
        static const ClassRecord& record = RuntimeNewClass("Choice", &MenuItem::Record(), FactoryOf<Choice>);
        return record;
    }
    bool Action() override {
        ++chosen;
        return true;
    }
    int chosen = 0;
};

Ref<Choice> AddChoice(MenuItem& menu, const char* text) {
    Ref<Choice> item = New<Choice>();
    item->SetName(String::FromBytes(text));
    item->SetText(String::FromBytes(text));
    menu.Append(item);
    return item;
}

// Picks the action with the text in the pop-up menu once it is showing.
void ChooseSoon(const QString& text, std::vector<QString>* seen) {
    QTimer::singleShot(0, [text, seen] {
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(popup, nullptr);
        for (QAction* action : popup->actions()) {
            if (seen) seen->push_back(action->isSeparator() ? QStringLiteral("-") : action->text());
            if (action->text() == text) action->trigger();
        }
        popup->close();
    });
}

}  // namespace

TEST(QtPopUp, ShowsTheChildrenAndRunsTheChosenItem) {
    Ref<MenuItem> menu = New<MenuItem>();
    Ref<Choice> first = AddChoice(*menu, "First");
    Ref<MenuItem> separator = New<MenuItem>();
    separator->SetText(Lit<"-">());
    menu->Append(separator);
    Ref<Choice> second = AddChoice(*menu, "Second");
    Ref<Choice> hidden = AddChoice(*menu, "Hidden");
    hidden->SetVisible(false);

    std::vector<QString> seen;
    ChooseSoon("Second", &seen);
    menu->PopUp(40, 50);
    EXPECT_EQ(seen, (std::vector<QString>{"First", "-", "Second"}));
    EXPECT_EQ(first->chosen, 0);
    EXPECT_EQ(second->chosen, 1);
}
