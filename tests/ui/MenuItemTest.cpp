#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CalcWindow.h"
#include "OtherThread.h"
#include "Raises.h"
#include "Input.h"
#include "RecordingBackend.h"
#include "TestMenus.h"
#include "guirt/Exceptions.h"
#include "guirt/MenuBar.h"
#include "guirt/QuitMenuItem.h"
#include "guirt/Runtime.h"
#include "guirt/Window.h"

using namespace guirt;
using guirt::testing::AppendItem;
using guirt::testing::ExpectRaises;

namespace {

Ref<MenuItem> Item(std::string_view name, const ClassRecord& cls = MenuItem::Record()) {
    Ref<MenuItem> item = CheckCast<MenuItem>(RuntimeNewObject(cls));
    item->SetName(String::FromBytes(name));
    item->SetText(String::FromBytes(name));
    return item;
}

std::vector<std::string> Names(const MenuItem& menu) {
    std::vector<std::string> names;
    for (std::int64_t i = 0; i < menu.Count(); ++i) names.emplace_back(TextOf(menu.Item(i)->Name()));
    return names;
}

}  // namespace

TEST(MenuItemTree, InsertRemoveSwapAndClose) {
    Ref<MenuItem> edit = Item("EditMenu");
    for (auto name : {"EditUndo", "EditCut", "EditPaste"}) edit->Append(Item(name));
    edit->Insert(2, Item("EditCopy"));
    edit->Insert(4, Item("EditSelectAll"));
    EXPECT_EQ(Names(*edit),
              (std::vector<std::string>{"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditSelectAll"}));
    ExpectRaises<OutOfBoundsException>([&] { edit->Insert(6, Item("x")); });

    edit->_Swap(0, 4);
    edit->Remove(Lit<"EditCut">());
    edit->Remove(edit->Item(0));
    edit->Remove(std::int64_t{0});
    EXPECT_EQ(Names(*edit), (std::vector<std::string>{"EditPaste", "EditUndo"}));
    ExpectRaises<OutOfBoundsException>([&] { edit->Remove(std::int64_t{2}); });
    ExpectRaises<OutOfBoundsException>([&] { edit->_Swap(0, 2); });

    Ref<MenuItem> undo = edit->Item(1);
    undo->Close();
    EXPECT_EQ(Names(*edit), std::vector<std::string>{"EditPaste"});
    EXPECT_FALSE(undo->Parent());
    EXPECT_EQ(undo->RefCount(), 1);
}

TEST(MenuItemTree, CloneCopiesTheWholeTreeAndItsClasses) {
    Ref<MenuBar> bar = CheckCast<MenuBar>(Item("Bar", MenuBar::Record()));
    Ref<MenuItem> file = Item("FileMenu");
    bar->Append(file);
    file->Append(Item("FileQuit", QuitMenuItem::Record()));
    file->SetTag(DoubleToVariant(7.0));
    file->SetCommandKey(Lit<"Ctrl+F">());

    Ref<MenuItem> copy = bar->Clone();
    EXPECT_TRUE(copy->IsA(MenuBar::Record()));
    Ref<MenuItem> fileCopy = copy->Child(Lit<"FileMenu">());
    ASSERT_TRUE(fileCopy);
    EXPECT_NE(fileCopy, file);
    EXPECT_EQ(fileCopy->CommandKey(), "Ctrl+F");
    EXPECT_EQ(VariantToDouble(fileCopy->Tag()), 7.0);
    EXPECT_TRUE(copy->_Lookup(Lit<"FileQuit">())->IsA(QuitMenuItem::Record()));
    EXPECT_EQ(fileCopy->Parent(), copy);
}

TEST(MenuItemTree, LookupByOccurrenceAndDisablingWholeBranches) {
    Ref<MenuItem> root = Item("Root");
    Ref<MenuItem> a = Item("Same");
    Ref<MenuItem> b = Item("Same");
    root->Append(a);
    a->Append(b);
    EXPECT_EQ(root->_Lookup(Lit<"Same">()), a);
    EXPECT_EQ(root->_Lookup(Lit<"Same">(), 1), b);
    EXPECT_FALSE(root->_Lookup(Lit<"Same">(), 2));
    EXPECT_FALSE(root->_Lookup(Lit<"Same">(), -1));

    root->_DisableEntirely();
    EXPECT_FALSE(b->Enabled());
    b->SetAutoEnable(false);
    root->_SelfEnable();  // a menu can always open; a plain item keeps what it had
    EXPECT_TRUE(a->Enabled());
    EXPECT_FALSE(b->Enabled());
}

TEST(MenuItemTable, SlotsInOrderAndCallableByShape) {
    std::vector<std::string> slots;
    for (const MethodRecord& m : MenuBar::Record().Methods()) slots.emplace_back(m.name);
    EXPECT_EQ(slots,
              (std::vector<std::string>{
                  "Append",  "Child",   "Clone",       "Close",  "Constructor",  "Constructor",     "Constructor",
                  "Count",   "Enable",  "Handle",      "Insert", "Item",         "MenuItem",        "MenuItem",
                  "PopUp",   "PopUp",   "Remove",      "Remove", "Remove",       "_DependencyList", "_DisableEntirely",
                  "_Lookup", "_Lookup", "_SelfEnable", "_Swap",  "_InstallClone"}));

    Ref<MenuItem> item = Item("Plain");
    using WithTextAndTag = void (*)(Object&, const Ref<String>&, const Ref<Variant>&);
    CallMethod<WithTextAndTag>(*item, "Constructor", Lit<"&Plain">(), DoubleToVariant(1.0));
    EXPECT_EQ(item->Text(), "&Plain");
    using Number = std::int64_t (*)(Object&);
    EXPECT_EQ(CallMethod<Number>(*item, "Count"), 0);
    using WithItem = void (*)(Object&, const Ref<Object>&);
    ExpectRaises<IllegalCastException>([&] { CallMethod<WithItem>(*item, "_InstallClone", New<Window>()); });
}

TEST(MenuItemTable, BarsInstallClonesAndCountTheirWindows) {
    guirt::testing::RecordingBackend backend;
    Ref<MenuBar> bar = CheckCast<MenuBar>(Item("Bar", MenuBar::Record()));
    bar->Append(Item("FileMenu"));
    Ref<Window> window = New<Window>();
    WindowDefaultConstructor(*window);
    bar->_InstallClone(*window);
    EXPECT_NE(window->MenuBar(), bar);
    EXPECT_TRUE(window->MenuBar()->Child(Lit<"FileMenu">()));
    EXPECT_EQ(bar->_DependencyList(), 0);
    window->SetMenuBar(bar);
    EXPECT_EQ(bar->_DependencyList(), 1);

    bar->PopUp(10, 20);
    EXPECT_EQ(backend.log.back(), "popup at 10,20");
    window->Close();
}

// Every operation of the table, and Quit, refuse any thread but the UI thread: a worker
// must not change the menus or end the program behind the event loop's back.
TEST(MenuItemTable, EveryOperationAndQuitRefuseOtherThreads) {
    Ref<MenuBar> bar = CheckCast<MenuBar>(Item("Bar", MenuBar::Record()));
    bar->Append(Item("FileMenu"));
    Ref<MenuItem> other = Item("Other");
    Ref<Window> window = New<Window>();
    using WithItem = void (*)(Object&, const Ref<Object>&);
    using WithText = void (*)(Object&, const Ref<String>&);
    using WithIndex = void (*)(Object&, std::int64_t);
    using WithTwoIndexes = void (*)(Object&, std::int64_t, std::int64_t);
    using WithIndexAndItem = void (*)(Object&, std::int64_t, const Ref<Object>&);
    using WithTextAndTag = void (*)(Object&, const Ref<String>&, const Ref<Variant>&);
    using FindByText = Ref<Object> (*)(Object&, const Ref<String>&);
    using FindByTextAndIndex = Ref<Object> (*)(Object&, const Ref<String>&, std::int64_t);
    using FindByIndex = Ref<Object> (*)(Object&, std::int64_t);
    using Number = std::int64_t (*)(Object&);
    auto call = [&](const MethodRecord& m) {
        const std::any& e = m.entry;
        const Ref<String> name = Lit<"FileMenu">();
        if (auto f = std::any_cast<Procedure>(&e)) return (*f)(*bar);
        if (auto f = std::any_cast<ObjectFunction>(&e)) return (void)(*f)(*bar);
        if (auto f = std::any_cast<WithItem>(&e))
            return (*f)(*bar, m.name == "_InstallClone" ? Ref<Object>(window) : Ref<Object>(other));
        if (auto f = std::any_cast<WithText>(&e)) return (*f)(*bar, name);
        if (auto f = std::any_cast<WithIndex>(&e)) return (*f)(*bar, 0);
        if (auto f = std::any_cast<WithTwoIndexes>(&e)) return (*f)(*bar, 0, 0);
        if (auto f = std::any_cast<WithIndexAndItem>(&e)) return (*f)(*bar, 0, other);
        if (auto f = std::any_cast<WithTextAndTag>(&e)) return (*f)(*bar, name, nullptr);
        if (auto f = std::any_cast<FindByText>(&e)) return (void)(*f)(*bar, name);
        if (auto f = std::any_cast<FindByTextAndIndex>(&e)) return (void)(*f)(*bar, name, 0);
        if (auto f = std::any_cast<FindByIndex>(&e)) return (void)(*f)(*bar, 0);
        if (auto f = std::any_cast<Number>(&e)) return (void)(*f)(*bar);
        ADD_FAILURE() << m.name << " has a shape this test does not know";
    };
    ON_ANOTHER_THREAD([&] {
        for (const MethodRecord& m : MenuBar::Record().Methods()) {
            SCOPED_TRACE(std::string(m.name) + std::string(m.signature));
            ExpectRaises<ThreadAccessingUIException>([&] { call(m); });
        }
        ExpectRaises<ThreadAccessingUIException>([] { Quit(7); });
    });
    EXPECT_EQ(Names(*bar), std::vector<std::string>{"FileMenu"});
    EXPECT_EQ(RuntimeExit(), 0);
}

namespace {

using guirt::testing::CalcMenus;
using guirt::testing::CalcWindow;
using guirt::testing::CountingItem;
using guirt::testing::RecordingBackend;

std::string Texts(const std::vector<MenuEntry>& entries) {
    std::string texts;
    for (const MenuEntry& entry : entries) {
        if (!texts.empty()) texts += ' ';
        texts += entry.kind == MenuEntry::Kind::Separator ? "-" : entry.text;
        if (!entry.shortcutText.empty()) texts += "[" + entry.shortcutText + "]";
        if (entry.kind == MenuEntry::Kind::Menu) texts += "(" + Texts(entry.entries) + ")";
    }
    return texts;
}

// The calculator's window with its menus on the recording backend.
struct WindowWithMenus {
    RecordingBackend backend;
    CalcMenus menus;
    Ref<CalcWindow> window = New<CalcWindow>();
    WindowWithMenus() {
        window->bar = menus.bar;
        WindowDefaultConstructor(*window);
    }
    ~WindowWithMenus() { window->Close(); }
    const MenuEntry& Menu(std::size_t index) const { return backend.bar.menus.at(index); }
};

}  // namespace

// What every backend shows of a bar is decided once: "-" is a separator, whatever the bar
// holds is a menu, hidden items are left out, entries are numbered in order.
TEST(ShownMenus, TheBarAsEveryBackendShowsIt) {
    WindowWithMenus w;
    AppendItem(*w.menus.bar, "HelpMenu", "&Help");  // no items yet: a menu all the same
    AppendItem(*w.menus.file, "FileHidden", "Hidden")->SetVisible(false);
    EXPECT_EQ(Texts(w.backend.bar.menus),
              "&File(&Calculate[Ctrl+R] -) &Edit(&Undo[Ctrl+Z] - Cu&t[Ctrl+X] &Copy[Ctrl+C] &Paste[Ctrl+V] &Delete "
              "Select &All[Ctrl+A]) &Help()");
    EXPECT_TRUE(w.backend.bar.visible);
    EXPECT_EQ(w.Menu(0).number, 0u);
    EXPECT_EQ(w.Menu(0).entries.at(0).number, 1u);
    EXPECT_EQ(w.Menu(1).number, 3u);
    EXPECT_EQ(w.Menu(1).entries.at(2).shortcut, ParseShortcut("Ctrl+X"));
    EXPECT_EQ(w.Menu(2).kind, MenuEntry::Kind::Menu);
    w.window->SetMenuBarVisible(false);
    EXPECT_FALSE(w.backend.bar.visible);
}

// An AutoEnable command is decided when it is used: as its menu opens (by the focused
// field, for the editing commands) and as it is chosen; until then it shows enabled.
TEST(ShownMenus, ItemsAreEnabledAsTheirMenuOpensAndActOnlyIfTheyCanWhenChosen) {
    WindowWithMenus w;
    const MenuEntry& edit = w.Menu(1);
    const std::size_t undo = edit.entries.at(0).number, cut = edit.entries.at(2).number;
    EXPECT_TRUE(edit.entries.at(0).enabled && edit.entries.at(2).enabled);

    Ref<TextField> current = w.window->Get<TextField>("current");
    current->PeerFocusChanged(PeerAccess::Key(), true);
    w.backend.facts = {false, false, true};
    w.window->PeerMenuOpening(PeerAccess::Key(), edit.number);
    EXPECT_TRUE(w.backend.menuStates.at(undo));
    EXPECT_FALSE(w.backend.menuStates.at(cut));
    w.window->PeerMenuClosed(PeerAccess::Key(), edit.number);
    EXPECT_TRUE(w.backend.menuStates.at(cut));

    w.backend.log.clear();
    w.window->PeerMenuChosen(PeerAccess::Key(), cut);  // by its shortcut, with nothing to cut
    w.window->PeerMenuChosen(PeerAccess::Key(), undo);
    EXPECT_EQ(w.backend.log, std::vector<std::string>{"current.Perform 0"});

    // An entry's number stays with its item as the menus change, so a choice from menus a
    // backend has not rebuilt yet runs the item that was shown.
    w.menus.bar->Item(1)->Remove(std::int64_t{0});
    w.backend.facts = {true, false, true};
    w.backend.log.clear();
    w.window->PeerMenuChosen(PeerAccess::Key(), cut);
    EXPECT_EQ(w.backend.log, (std::vector<std::string>{"current.Perform 1", "current.Text"}));

    // The program disables one of its own commands: it shows greyed at once, and stays so.
    w.menus.calculate->SetAutoEnable(false);
    w.menus.calculate->SetEnabled(false);
    EXPECT_FALSE(w.Menu(0).entries.at(0).enabled);
    w.window->PeerMenuChosen(PeerAccess::Key(), w.Menu(0).entries.at(0).number);
    EXPECT_EQ(w.menus.calculate->chosen, 0);
}

// A key is the bar's shortcut before any control sees it, whether the bar shows or not: its
// command is chosen, and acts only if it can; a sign is the character it types, whatever
// Shift typed it. A key no command has is left to the control.
TEST(ShownMenus, TheWindowTakesItsCommandsShortcutsFirst) {
    WindowWithMenus w;
    const auto stroke = [](char character, bool ctrl, bool shift) {
        return KeyStroke{Key::None, character, {ctrl, shift, false, false}};
    };
    const PeerKey key = PeerAccess::Key();
    w.window->SetMenuBarVisible(false);
    EXPECT_TRUE(w.window->PeerShortcut(key, stroke('r', true, false)));
    EXPECT_EQ(w.menus.calculate->chosen, 1);
    w.menus.calculate->SetCommandKey(Lit<"Ctrl++">());
    EXPECT_TRUE(w.window->PeerShortcut(key, stroke('+', true, true)));
    EXPECT_EQ(w.menus.calculate->chosen, 2);
    EXPECT_FALSE(w.window->PeerShortcut(key, stroke('r', true, false)));
    EXPECT_FALSE(w.window->PeerShortcut(key, KeyStroke{Key::Ctrl, '\0', {true, false, false, false}}));

    w.menus.calculate->SetAutoEnable(false);
    w.menus.calculate->SetEnabled(false);
    EXPECT_TRUE(w.window->PeerShortcut(key, stroke('+', true, false)));
    EXPECT_EQ(w.menus.calculate->chosen, 2);
}

// A context menu shows what can act now; the chosen item acts once the menu has closed,
// and what it raises reaches PopUp's caller.
TEST(ShownMenus, APopUpRunsTheChosenItemAfterItCloses) {
    struct Raising : MenuItem {
        static const ClassRecord& Record() {
            static const ClassRecord& record = RuntimeNewClass("Raising", &MenuItem::Record(), FactoryOf<Raising>);
            return record;
        }
        bool Action() override { Raise<OutOfBoundsException>("chosen badly"); }
    };
    RecordingBackend backend;
    Ref<MenuItem> menu = New<MenuItem>();
    Ref<CountingItem> first = AppendItem<CountingItem>(*menu, "First", "First");
    AppendItem(*menu, "EditPaste", "&Paste");
    AppendItem<Raising>(*menu, "Bad", "Bad");
    backend.popUpChoice = 0;
    menu->PopUp();
    EXPECT_EQ(first->chosen, 1);
    EXPECT_EQ(Texts(backend.lastPopUp), "First &Paste Bad");
    EXPECT_FALSE(backend.lastPopUp.at(1).enabled);  // no field to paste into

    backend.popUpChoice = 7;  // no such entry: nothing runs
    menu->PopUp(1, 2);
    EXPECT_EQ(first->chosen, 1);

    backend.popUpChoice = 2;
    ExpectRaises<OutOfBoundsException>([&] { menu->PopUp(); });
    EXPECT_FALSE(gCurrentException);
}
