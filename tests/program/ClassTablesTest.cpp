// The program's classes as the runtime sees them: names, bases and method tables in slot
// order, which reflection and calls through the table depend on.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/App.h"
#include "menus/MainMenuBar.h"
#include "window/Window1.h"

using namespace guirt;

namespace {

using Slot = std::pair<std::string, std::string>;  // name, signature text

// The slots a class adds after those of its base, as name and signature.
std::vector<Slot> OwnSlots(const ClassRecord& cls) {
    const std::size_t inherited = cls.Base()->Methods().size();
    std::vector<Slot> slots;
    for (std::size_t i = inherited; i < cls.Methods().size(); ++i) {
        slots.emplace_back(cls.Methods()[i].name, cls.Methods()[i].signature);
    }
    return slots;
}

}  // namespace

TEST(ClassTables, Window1AddsItsOperationsInSlotOrder) {
    const ClassRecord& cls = dravello::Window1::Record();
    EXPECT_EQ(cls.Name(), "Window1.Window1");
    EXPECT_EQ(cls.Base(), &Window::Record());
    const std::string popup = "%o<PopupMenu>%", label = "%o<Label>%", field = "%o<TextField>%";
    const std::string item = "%o<MenuItem>%", onField = "%%o<TextField>", onKey = "%%o<TextField>s";
    EXPECT_EQ(OwnSlots(cls), (std::vector<Slot>{
                                 {"Layout", "%%"},
                                 {"CreateControls", "%%"},
                                 {"_CreateControls0", "%%"},
                                 {"PopupMenu1", popup},
                                 {"Label3", label},
                                 {"current", field},
                                 {"result", label},
                                 {"form", label},
                                 {"diameter", field},
                                 {"lenght", field},
                                 {"Label2", label},
                                 {"Label1", label},
                                 {"areafld", field},
                                 {"Label4", label},
                                 {"PopupMenu1_Open", "%%o<PopupMenu>"},
                                 {"PopupMenu1_Change", "%%o<PopupMenu>"},
                                 {"current_TextChange", onField},
                                 {"diameter_TextChange", onField},
                                 {"diameter_KeyUp", onKey},
                                 {"lenght_TextChange", onField},
                                 {"areafld_TextChange", onField},
                                 {"areafld_KeyUp", onKey},
                                 {"EditMenu", item},
                                 {"EditSelectAll", item},
                                 {"EditSeparator2", item},
                                 {"EditClear", item},
                                 {"EditPaste", item},
                                 {"EditCopy", item},
                                 {"EditCut", item},
                                 {"EditSeparator1", item},
                                 {"EditUndo", item},
                                 {"FileMenu", item},
                                 {"FileQuit", "%o<QuitMenuItem>%"},
                                 {"Event_Close", "%%"},
                                 {"calculate", "%%"},
                             }));
    EXPECT_EQ(cls.FindMethod("_CreateControls0")->attributes, "Hidden");
    // No events or properties of its own: those of Window serve.
    EXPECT_TRUE(cls.Events().empty());
    EXPECT_TRUE(cls.Properties().empty());
}

TEST(ClassTables, MainMenuBarTakesTheConstructorSlotAndAddsItsBuilders) {
    const ClassRecord& cls = dravello::MainMenuBar::Record();
    EXPECT_EQ(cls.Name(), "MainMenuBar.MainMenuBar");
    EXPECT_EQ(cls.Base(), &MenuBar::Record());
    std::vector<std::string> names;
    for (const MethodRecord& m : cls.Methods()) names.emplace_back(m.name);
    EXPECT_EQ(names,
              (std::vector<std::string>{
                  "Append",  "Child",   "Clone",       "Close",  "Constructor",   "Constructor",     "Constructor",
                  "Count",   "Enable",  "Handle",      "Insert", "Item",          "MenuItem",        "MenuItem",
                  "PopUp",   "PopUp",   "Remove",      "Remove", "Remove",        "_DependencyList", "_DisableEntirely",
                  "_Lookup", "_Lookup", "_SelfEnable", "_Swap",  "_InstallClone", "Untitled0",       "Untitled1"}));
    // The own constructor sits in the inherited one's slot.
    EXPECT_NE(std::any_cast<Procedure>(cls.Methods()[4].entry),
              std::any_cast<Procedure>(MenuBar::Record().Methods()[4].entry));
}

TEST(ClassTables, AppAddsOnlyAnEmptyConstructorAfterWhatItInherits) {
    const ClassRecord& cls = dravello::App::Record();
    EXPECT_EQ(cls.Name(), "App");
    EXPECT_EQ(cls.Base(), &Application::Record());
    std::vector<std::string> names;
    for (const MethodRecord& m : cls.Methods()) names.emplace_back(m.name);
    EXPECT_EQ(names, (std::vector<std::string>{"_x_SetVersionData", "Constructor"}));
    EXPECT_EQ(OwnSlots(cls), (std::vector<Slot>{{"Constructor", "%%"}}));
}
