#include "menus/MainMenuBar.h"

#include "guirt/Exceptions.h"
#include "guirt/QuitMenuItem.h"

namespace dravello {

using namespace guirt;

namespace {

// The slot of the implicit instance; it keeps the bar for the rest of the process.
Ref<MainMenuBar>& Slot() {
    static Ref<MainMenuBar> slot;
    return slot;
}

// One menu item: its class, name, caption and shortcut.
struct ItemRow {
    const ClassRecord& cls;
    Ref<String> name;
    Ref<String> text;
    Ref<String> commandKey;  // nil: separators get no CommandKey at all
};

// Builds one item and appends it to the bar (menuName nil) or to the bar's child menu of
// that name, fetched afresh for every item.
void BuildItem(MainMenuBar& bar, const ItemRow& row, const Ref<String>& menuName) {
    Ref<MenuItem> item = CheckCast<MenuItem>(RuntimeNewObject(row.cls));
    CallMethod<Procedure>(*item, "Constructor");
    item->SetName(row.name);
    item->SetAutoEnable(true);
    item->SetText(row.text);
    item->SetVisible(true);
    if (!item->IsSeparator()) item->SetCommandKey(row.commandKey ? row.commandKey : Lit<"">());
    if (!menuName) {
        bar.Append(item);
        return;
    }
    Ref<MenuItem> menu = bar.Child(menuName);
    if (!menu) RaiseNilObjectException();
    menu->Append(item);
}

}  // namespace

const ClassRecord& MainMenuBar::Record() {
    static const ClassRecord& record = [] {
        ClassRecord& c = RuntimeNewClass("MainMenuBar.MainMenuBar", &MenuBar::Record(), FactoryOf<MainMenuBar>);
        const std::vector<MethodRecord> methods{
            {"Constructor", "%%", "", Procedure{[](Object& self) { static_cast<MainMenuBar&>(self).Constructor(); }}},
            {"Untitled0", "%%", "", Procedure{[](Object& self) { static_cast<MainMenuBar&>(self).Untitled0(); }}},
            {"Untitled1", "%%", "", Procedure{[](Object& self) { static_cast<MainMenuBar&>(self).Untitled1(); }}},
        };
        RuntimeNewVtable(c, methods);
        return std::ref(c);
    }();
    return record;
}

Ref<MainMenuBar> MainMenuBar::Implicit() {
    if (Slot()) return Slot();
    Ref<MainMenuBar> bar = CheckCast<MainMenuBar>(RuntimeNewObject(Record()));
    CallMethod<Procedure>(*bar, "Constructor");
    // Only a completely built bar is kept; a failed build is released on the way out.
    Slot() = bar;
    return bar;
}

void MainMenuBar::Constructor() {
    CallMethod<Procedure>(*this, "Untitled0");
    CallMethod<Procedure>(*this, "Untitled1");
}

void MainMenuBar::Untitled0() {
    BuildItem(*this, {MenuItem::Record(), Lit<"FileMenu">(), Lit<"&File">(), nullptr}, nullptr);
    BuildItem(*this, {QuitMenuItem::Record(), Lit<"FileQuit">(), Lit<"E&xit">(), nullptr}, Lit<"FileMenu">());
}

void MainMenuBar::Untitled1() {
    const Ref<String> edit = Lit<"EditMenu">();
    BuildItem(*this, {MenuItem::Record(), edit, Lit<"&Edit">(), nullptr}, nullptr);
    for (const ItemRow& row : {
             ItemRow{MenuItem::Record(), Lit<"EditUndo">(), Lit<"&Undo">(), Lit<"Ctrl+Z">()},
             ItemRow{MenuItem::Record(), Lit<"EditSeparator1">(), Lit<"-">(), nullptr},
             ItemRow{MenuItem::Record(), Lit<"EditCut">(), Lit<"Cu&t">(), Lit<"Ctrl+X">()},
             ItemRow{MenuItem::Record(), Lit<"EditCopy">(), Lit<"&Copy">(), Lit<"Ctrl+C">()},
             ItemRow{MenuItem::Record(), Lit<"EditPaste">(), Lit<"&Paste">(), Lit<"Ctrl+V">()},
             ItemRow{MenuItem::Record(), Lit<"EditClear">(), Lit<"&Delete">(), nullptr},
             ItemRow{MenuItem::Record(), Lit<"EditSeparator2">(), Lit<"-">(), nullptr},
             ItemRow{MenuItem::Record(), Lit<"EditSelectAll">(), Lit<"Select &All">(), Lit<"Ctrl+A">()},
         }) {
        BuildItem(*this, row, edit);
    }
}

}  // namespace dravello
