#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "CalcWindow.h"
#include "Input.h"
#include "OtherThread.h"
#include "Raises.h"
#include "RecordingBackend.h"
#include "guirt/Exceptions.h"
#include "guirt/MenuBar.h"
#include "guirt/PopupMenu.h"
#include "guirt/QuitMenuItem.h"
#include "guirt/Runtime.h"
#include "guirt/TextField.h"
#include "guirt/Window.h"

using namespace guirt;
using guirt::testing::CalcWindow;
using guirt::testing::ExpectRaises;
using guirt::testing::RecordingBackend;
using Listener = guirt::testing::EventListener;

namespace {

Ref<PopupMenu> NamedPopup() {
    Ref<PopupMenu> popup = New<PopupMenu>();
    popup->SetName(Lit<"PopupMenu1">());
    return popup;
}

// The calculator's window in miniature on the recording backend, its log cleared.
struct ShownWindow {
    RecordingBackend backend;
    Ref<CalcWindow> window = New<CalcWindow>();
    ShownWindow() {
        WindowDefaultConstructor(*window);
        backend.log.clear();
    }
    ~ShownWindow() { window->Close(); }
    Ref<TextField> Field(std::string_view name) const { return window->Get<TextField>(name); }
    std::size_t Count(const std::string& call) const {
        return std::count(backend.log.begin(), backend.log.end(), call);
    }
};

}  // namespace

TEST(PopupMenuModel, RowsSelectionAndChange) {
    Ref<PopupMenu> popup = NamedPopup();
    Ref<Listener> listener = New<Listener>();
    listener->Bind(*popup, "Change");

    popup->SetListIndex(0);  // empty: harmless, as a property list may do
    EXPECT_EQ(popup->ListIndex(), -1);
    popup->AddRow(Lit<"Copper">());
    popup->AddRow(Lit<"Aluminium">());
    EXPECT_EQ(popup->ListIndex(), -1);
    EXPECT_TRUE(listener->calls.empty());

    popup->SetRowTag(1, DoubleToVariant(0.028));
    EXPECT_EQ(VariantToDouble(popup->RowTag(1)), 0.028);
    EXPECT_FALSE(popup->RowTag(0));
    ExpectRaises<OutOfBoundsException>([&] { popup->RowTag(2); });
    ExpectRaises<OutOfBoundsException>([&] { popup->SetRowTag(-1, nullptr); });

    popup->SetListIndex(1);
    popup->SetListIndex(1);
    EXPECT_EQ(listener->calls, std::vector<std::string>{"PopupMenu1.Change"});
    ExpectRaises<OutOfBoundsException>([&] { popup->SetListIndex(5); });
    EXPECT_EQ(popup->ListIndex(), 1);
    popup->PeerPicked(PeerAccess::Key(), 0);
    popup->SetListIndex(-1);
    EXPECT_EQ(listener->calls.size(), 3u);
    EXPECT_EQ(TextOf(popup->List(1)), "Aluminium");
}

// What the user types reaches the model before TextChange; every key release raises KeyUp
// with what it typed, or its control character, or the key's name, however the platform
// tells it; a key held down repeats nothing.
TEST(TextFieldModel, TypingRaisesTextChangeAndEachKeyReleaseOnceKeyUp) {
    ShownWindow shown;
    Ref<TextField> length = shown.Field("length");
    shown.window->listener->calls.clear();
    const PeerKey key = PeerAccess::Key();
    shown.backend.UserEdits(*length, "0.5105");
    length->PeerKeyDown(key, false);
    length->PeerKeyDown(key, true);
    length->PeerKeyUp(key, "4", KeyStroke{}, true);
    length->PeerKeyUp(key, "4", KeyStroke{}, false);
    length->PeerKeyUp(key, "", KeyStroke{Key::Left, '\0', {}}, false);
    length->PeerKeyUp(key, "", KeyStroke{}, false);  // no name: still raised
    length->PeerKeyUp(key, "", KeyStroke{Key::Backspace, '\0', {}}, false);
    length->PeerKeyUp(key, "a", KeyStroke{Key::None, 'a', {true, false, false, false}}, false);
    EXPECT_EQ(length->Text(), "0.5105");
    EXPECT_EQ(shown.window->listener->calls,
              (std::vector<std::string>{"length.TextChange", "length.KeyUp:4", "length.KeyUp:Left", "length.KeyUp:",
                                        "length.KeyUp:\b", "length.KeyUp:\x01"}));
}

// The program's own text: shown from its start, raised once as TextChange, and the native
// control's notice of it is no user's edit. The same text again tells the peer nothing. The
// focus that selects the whole text (Tab) shows it from its start too; one that leaves a
// cursor (a click) leaves it there.
TEST(TextFieldModel, TheProgramsTextIsShownFromItsStartAndRaisedOnce) {
    ShownWindow shown;
    Ref<TextField> current = shown.Field("current");
    shown.window->listener->calls.clear();
    current->SetText(Lit<"0.0017241379310344827">());
    current->SetText(String::FromBytes("0.0017241379310344827"));
    EXPECT_EQ(shown.backend.log, (std::vector<std::string>{"current.Show Text", "current.Select 0,0"}));
    EXPECT_EQ(shown.window->listener->calls, std::vector<std::string>{"current.TextChange"});
    EXPECT_EQ(shown.backend.FieldText(*current), "0.0017241379310344827");

    shown.backend.log.clear();
    shown.backend.facts = {true, true, false};
    current->PeerFocusChanged(PeerAccess::Key(), true);
    shown.backend.facts = {false, false, false};
    current->PeerFocusChanged(PeerAccess::Key(), true);
    EXPECT_EQ(shown.backend.log, std::vector<std::string>{"current.SelectAllFromStart"});
}

// Typing changes the text while a key is down, and the key's release follows; a paste with
// the mouse or a menu command has no release, and says so while TextChange is raised.
TEST(TextFieldModel, AnEditWithoutAKeySaysSoDuringItsTextChange) {
    ShownWindow shown;
    Ref<TextField> field = shown.Field("length");
    std::vector<bool> seen;
    struct Watcher : Object {
        static const ClassRecord& Record() {
            static const ClassRecord& record = RuntimeNewClass("Watcher", &Object::Record(), FactoryOf<Watcher>);
            return record;
        }
        std::vector<bool>* seen = nullptr;
    };
    Ref<Watcher> watcher = New<Watcher>();
    watcher->seen = &seen;
    RuntimeAddEventHandler(*field, field->EventNumber("TextChange"), ControlEventAdaptor,
                           RuntimeCreateDelegate(InvokeControlHandler, ControlHandler{[](Object& self, Object& sender) {
                                                     static_cast<Watcher&>(self).seen->push_back(
                                                         static_cast<TextField&>(sender).EditedWithoutKey());
                                                 }},
                                                 watcher, "( TextField )", 1));
    const PeerKey key = PeerAccess::Key();
    field->PeerKeyDown(key, false);
    shown.backend.UserEdits(*field, "1");  // typed
    field->PeerKeyUp(key, "1", KeyStroke{}, false);
    shown.backend.UserEdits(*field, "12");  // pasted with the mouse
    field->SetText(Lit<"3">());             // the program's own
    field->PeerKeyDown(key, false);
    field->PeerFocusChanged(key, false);  // released elsewhere
    shown.backend.UserEdits(*field, "4");
    EXPECT_EQ(seen, (std::vector<bool>{false, true, false, true}));
    EXPECT_FALSE(field->EditedWithoutKey());
}

// Which editing command applies, from what the native control knows and what the model
// does: nothing that writes into a read-only field, nothing that copies out a password.
TEST(TextFieldModel, EditCommandsApplyByTheFactsTheReadOnlyFlagAndThePassword) {
    ShownWindow shown;
    Ref<TextField> field = shown.Field("current");
    auto applying = [&] {
        std::string state;
        for (EditCommand c : {EditCommand::Undo, EditCommand::Cut, EditCommand::Copy, EditCommand::Paste,
                              EditCommand::Clear, EditCommand::SelectAll}) {
            state += field->CanPerform(c) ? '1' : '0';
        }
        return state;
    };
    shown.backend.facts = {false, true, false};
    EXPECT_EQ(applying(), "000000");
    shown.backend.facts = {false, false, true};
    shown.backend.clipboard = "1";
    EXPECT_EQ(applying(), "100101");  // undo, paste, select all
    shown.backend.facts = {true, true, true};
    EXPECT_EQ(applying(), "111110");
    field->SetPassword(true);
    EXPECT_EQ(applying(), "100110");
    field->SetPassword(false);
    field->SetReadOnly(true);
    EXPECT_EQ(applying(), "001000");

    // A command that does not apply never reaches the peer.
    shown.backend.log.clear();
    EXPECT_FALSE(field->Perform(EditCommand::Cut));
    EXPECT_TRUE(field->Perform(EditCommand::Copy));
    EXPECT_EQ(shown.backend.log, std::vector<std::string>{"current.Perform 2"});
}

// One bound for every text field, counted in UTF-16 units: an edit or a program's text past it
// is refused whole with the error sound; LimitText below it is the native control's to keep.
TEST(TextFieldModel, NoTextPastTheBoundIsTakenAndTheRefusalIsHeard) {
    ShownWindow shown;
    Ref<TextField> field = shown.Field("current");
    constexpr std::int64_t most = TextEdit::kMostText;
    const PeerKey key = PeerAccess::Key();
    // Counted as held: CR LF is one space, U+1D70B two units.
    EXPECT_EQ(field->PeerIncoming(key, "1\r\n2\r3\n\xF0\x9D\x9C\x8B", most - 8), "1 2 3 \xF0\x9D\x9C\x8B");
    EXPECT_TRUE(field->PeerMayType(key, "\xF0\x9D\x9C\x8B", most - 2));
    EXPECT_TRUE(shown.backend.log.empty());
    EXPECT_EQ(field->PeerIncoming(key, "1\r\n2\r3\n\xF0\x9D\x9C\x8B", most - 7), std::nullopt);
    EXPECT_FALSE(field->PeerMayType(key, "\xF0\x9D\x9C\x8B", most - 1));
    EXPECT_EQ(shown.backend.log, (std::vector<std::string>{"beep", "beep"}));
    // Keys that type no character are never refused, C1 controls among them; a read-only
    // field takes nothing and types nothing, and nothing is heard.
    shown.backend.log.clear();
    EXPECT_TRUE(field->PeerMayType(key, "\b", most));
    EXPECT_TRUE(field->PeerMayType(key, "\xC2\x85", most));
    field->SetReadOnly(true);
    EXPECT_EQ(field->PeerIncoming(key, "1", 0), std::nullopt);
    EXPECT_TRUE(field->PeerMayType(key, "1", most));
    EXPECT_EQ(shown.backend.log, std::vector<std::string>{"current.Show ReadOnly"});
    field->SetReadOnly(false);

    // U+1D70B takes two units: most - 1 of them with one is one past the bound.
    shown.backend.log.clear();
    shown.window->listener->calls.clear();
    field->SetText(String::FromBytes(std::string(most - 1, '1') + "\xF0\x9D\x9C\x8B"));
    EXPECT_EQ(shown.backend.log, std::vector<std::string>{"beep"});
    EXPECT_EQ(field->Text(), "1000.000000000001");
    EXPECT_TRUE(shown.window->listener->calls.empty());
    field->SetText(String::FromBytes(std::string(most - 2, '1') + "\xF0\x9D\x9C\x8B"));
    EXPECT_EQ(TextOf(field->Text()).size(), most + 2);

    EXPECT_EQ(field->MostText(), most);
    field->SetLimitText(8);
    EXPECT_EQ(field->MostText(), 8);
    field->SetLimitText(most + 1);
    EXPECT_EQ(field->MostText(), most);
}

TEST(Events, BindingChecksTheNumberAndTheTarget) {
    Ref<TextField> field = New<TextField>();
    Ref<Listener> listener = New<Listener>();
    ExpectRaises<OutOfBoundsException>([&] { RuntimeAddEventHandler(*field, 23, ControlEventAdaptor, nullptr); });

    listener->Bind(*field, "TextChange");
    EXPECT_EQ(listener->RefCount(), 1);  // the delegate holds its target weakly
    listener.reset();
    ExpectRaises<NilObjectException>([&] { field->SetText(Lit<"1">()); });
    EXPECT_EQ(field->Text(), "1");  // the model changed before the event was raised
}

TEST(Events, AHandlerOfTheWrongShapeIsRefused) {
    Ref<TextField> field = New<TextField>();
    Ref<Listener> listener = New<Listener>();
    RuntimeAddEventHandler(
        *field, field->EventNumber("KeyUp"), KeyEventAdaptor,
        RuntimeCreateDelegate(InvokeKeyHandler, ControlHandler{[](Object&, Object&) {}}, listener, "( TextField )", 1));
    ExpectRaises<RuntimeException>([&] { field->PeerKeyUp(PeerAccess::Key(), "a", KeyStroke{}, false); });
}

// The native side is made once the model is complete, from its whole state: one call per
// peer, then what spans controls (tab order, captions), then the window shows with its
// first tab stop focused as after a Tab, its whole text selected and shown from its start.
TEST(WindowModel, ConstructionRaisesLayoutCreateControlsAndOpenThenMakesPeersAndShows) {
    RecordingBackend backend;
    Ref<CalcWindow> window = New<CalcWindow>();
    CallMethod<Procedure>(*window, "Constructor");
    EXPECT_EQ(backend.log, (std::vector<std::string>{
                               "create window", "create popup material", "create label formula", "create label result",
                               "create field length", "length.Select 0,0", "create field current", "current.Select 0,0",
                               "create label caption", "tab order current,length,material", "formula.SetBuddy none",
                               "result.SetBuddy none", "caption.SetBuddy none", "length.SetAccessibleText  (described)",
                               "current.SetAccessibleText  (described)", "show window", "current.Focus",
                               "current.SelectAllFromStart"}));
    EXPECT_EQ(RuntimeGetImplicitWindow("CalcTestWindow"), window);
    EXPECT_EQ(window->Get<TextField>("current")->Owner(), window);
    EXPECT_FALSE(window->_ControlByName(Lit<"nothing">()));

    // Shown again, the window keeps whatever has the focus.
    window->SetVisible(false);
    window->SetVisible(true);
    EXPECT_EQ(std::count(backend.log.begin(), backend.log.end(), "current.Focus"), 1);

    window->PeerCloseRequested(PeerAccess::Key());
    window->Close();
    EXPECT_EQ(window->closes, std::vector<std::string>{"Close"});
    EXPECT_FALSE(RuntimeGetImplicitWindow("CalcTestWindow"));
    EXPECT_EQ(window->RefCount(), 1);
}

// Setters change the model first, then tell the peer what changed, and only when it did;
// what spans controls is told again only where it changed.
TEST(WindowModel, SettersTellThePeerWhatChangedAndNothingElse) {
    ShownWindow shown;
    Ref<TextField> current = shown.Field("current");
    current->SetLeft(current->Left());
    current->SetText(current->Text());
    shown.window->SetComposite(true);  // no peer shows it
    EXPECT_TRUE(shown.backend.log.empty());

    current->SetLeft(196);
    shown.window->SetResizeable(true);
    current->SetTabIndex(-1);
    EXPECT_EQ(shown.backend.log, (std::vector<std::string>{"current.Show Bounds", "window.Show Frame",
                                                           "tab order current,length,material"}));
    EXPECT_EQ(current->Left(), 196);
    ExpectRaises<RuntimeException>([&] { current->RaiseEvent(23); });  // TextField has 0 to 22

    // A label moved beside a field becomes its caption: both peers learn it, and the caption
    // shows its text no larger than the size it fits at.
    shown.backend.log.clear();
    Ref<Label> caption = shown.window->Get<Label>("caption");
    caption->SetTop(60);
    EXPECT_EQ(shown.backend.log,
              (std::vector<std::string>{"caption.Show Bounds", "caption.SetBuddy current",
                                        "current.SetAccessibleText Total cable length (m) (described)",
                                        "caption.LimitLinePixels 9.000000"}));

    // Captions share the largest size at which each fits (in the recording backend's font, 9
    // pixels for the first caption, 12 for the second, and the formula's own 10 for the formula
    // of several lines); a label that captions nothing any more has no limit.
    shown.Field("length")->SetLeft(196);
    shown.Field("length")->SetTop(120);  // beside the formula, 50 characters
    shown.backend.log.clear();
    caption->SetCaption(Lit<"Current (A):">());
    EXPECT_EQ(std::count(shown.backend.log.begin(), shown.backend.log.end(), "caption.LimitLinePixels 10.000000"), 1);
    EXPECT_EQ(std::count(shown.backend.log.begin(), shown.backend.log.end(), "formula.LimitLinePixels 10.000000"), 1);
    shown.backend.log.clear();
    shown.Field("length")->SetTop(200);
    EXPECT_EQ(std::count(shown.backend.log.begin(), shown.backend.log.end(), "formula.LimitLinePixels 0.000000"), 1);
}

// A window opens with its first tab stop focused; a disabled or hidden one is passed over.
TEST(WindowModel, TheFirstTabStopThatCanTakeTheFocusHasItAtTheStart) {
    RecordingBackend backend;
    struct Window2 : CalcWindow {
        static const ClassRecord& Record() {
            static const ClassRecord& record =
                RuntimeNewClass("CalcTestWindow2", &CalcWindow::Record(), FactoryOf<Window2>);
            return record;
        }
        void CreateControls() override {
            CalcWindow::CreateControls();
            Get<TextField>("current")->SetEnabled(false);
            Get<TextField>("length")->SetVisible(false);
        }
    };
    Ref<Window2> window = New<Window2>();
    WindowDefaultConstructor(*window);
    EXPECT_EQ(backend.log.back(), "material.Focus");
    window->Close();
}

TEST(MenuModel, TreeLookups) {
    Ref<MenuBar> bar = New<MenuBar>();
    Ref<MenuItem> edit = New<MenuItem>();
    edit->SetName(Lit<"EditMenu">());
    bar->Append(edit);
    Ref<MenuItem> cut = New<MenuItem>();
    cut->SetName(Lit<"EditCut">());
    cut->SetText(Lit<"Cu&t">());
    edit->Append(cut);
    Ref<QuitMenuItem> quit = New<QuitMenuItem>();
    quit->SetName(Lit<"FileQuit">());
    bar->Append(quit);

    EXPECT_EQ(bar->Child(Lit<"EditMenu">()), edit);
    EXPECT_FALSE(bar->Child(Lit<"EditCut">()));
    EXPECT_EQ(bar->_Lookup(Lit<"EditCut">()), cut);
    EXPECT_EQ(cut->Parent(), edit);
    EXPECT_EQ(bar->Count(), 2);
    EXPECT_EQ(bar->Item(1), Ref<MenuItem>(quit));
    ExpectRaises<OutOfBoundsException>([&] { bar->Item(2); });
    ExpectRaises<NilObjectException>([&] { bar->Append(nullptr); });
    ON_ANOTHER_THREAD([&] { ExpectRaises<ThreadAccessingUIException>([&] { bar->Child(Lit<"EditMenu">()); }); });
}

// A handler that fails inside a native callback: the exception waits instead of unwinding
// through the toolkit, the loop is asked to end and nothing more runs; the run then ends
// before it starts, with that exception.
TEST(NativeCallbacks, AFailureInAHandlerIsParkedAndEndsTheLoop) {
    ShownWindow shown;
    Ref<TextField> length = shown.Field("length");
    shown.window->listener->failOnTextChange = true;
    shown.backend.UserEdits(*length, "7");
    ASSERT_TRUE(gCurrentException);
    EXPECT_TRUE(gCurrentException->IsA(OutOfBoundsException::Record()));
    EXPECT_EQ(length->Text(), "7");  // the model changed first
    EXPECT_EQ(shown.backend.quitRequests, 1);
    shown.backend.UserEdits(*length, "8");
    EXPECT_EQ(length->Text(), "7");
    EXPECT_THROW(_RuntimeRun(), RuntimeError);
    EXPECT_FALSE(gCurrentException);
}
