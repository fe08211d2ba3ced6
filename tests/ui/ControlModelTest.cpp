#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "Input.h"
#include "Raises.h"
#include "RecordingBackend.h"
#include "guirt/Exceptions.h"
#include "guirt/MenuBar.h"
#include "guirt/PopupMenu.h"
#include "guirt/QuitMenuItem.h"
#include "guirt/TextField.h"
#include "guirt/Window.h"

using namespace guirt;
using guirt::testing::ExpectRaises;

namespace {

// Something to bind events to: records each call with the sender's name and the key.
class Listener : public Object {
public:
    static const ClassRecord& Record() {
        static const ClassRecord& record = RuntimeNewClass("Listener", &Object::Record(), FactoryOf<Listener>);
        return record;
    }
    std::vector<std::string> calls;

    static void OnControl(Object& self, Object& sender) {
        static_cast<Listener&>(self).calls.push_back(NameOf(sender));
    }
    static void OnKey(Object& self, Object& sender, const Ref<String>& key) {
        static_cast<Listener&>(self).calls.push_back(NameOf(sender) + ":" + std::string(TextOf(key)));
    }
    static std::string NameOf(Object& sender) { return std::string(TextOf(static_cast<Control&>(sender).Name())); }
};

void Bind(Control& control, std::string_view event, const Ref<Listener>& listener) {
    int number = control.EventNumber(event);
    if (event == "KeyUp") {
        RuntimeAddEventHandler(control, number, KeyEventAdaptor,
                               RuntimeCreateDelegate(InvokeKeyHandler, KeyHandler{&Listener::OnKey}, listener,
                                                     "( TextField, String )", 1));
    } else {
        RuntimeAddEventHandler(control, number, ControlEventAdaptor,
                               RuntimeCreateDelegate(InvokeControlHandler, ControlHandler{&Listener::OnControl},
                                                     listener, "( Control )", 1));
    }
}

Ref<PopupMenu> NamedPopup() {
    Ref<PopupMenu> popup = New<PopupMenu>();
    popup->SetName(Lit<"PopupMenu1">());
    return popup;
}

}  // namespace

TEST(PopupMenuModel, RowsSelectionAndChange) {
    Ref<PopupMenu> popup = NamedPopup();
    Ref<Listener> listener = New<Listener>();
    Bind(*popup, "Change", listener);

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
    EXPECT_EQ(listener->calls, std::vector<std::string>{"PopupMenu1"});
    ExpectRaises<OutOfBoundsException>([&] { popup->SetListIndex(5); });
    EXPECT_EQ(popup->ListIndex(), 1);
    popup->PeerPicked(PeerAccess::Key(), 0);
    popup->SetListIndex(-1);
    EXPECT_EQ(listener->calls.size(), 3u);
    EXPECT_EQ(TextOf(popup->List(1)), "Aluminium");
}

TEST(TextFieldModel, EveryTextChangeRaisesTextChangeAndEveryKeyReachesKeyUp) {
    Ref<TextField> field = New<TextField>();
    field->SetName(Lit<"diameter">());
    Ref<Listener> listener = New<Listener>();
    Bind(*field, "TextChange", listener);
    Bind(*field, "KeyUp", listener);

    field->SetText(Lit<"0.51054">());
    field->SetText(String::FromBytes("0.51054"));  // same text: no change
    field->PeerTextChanged(PeerAccess::Key(), Lit<"0.5105">());
    EXPECT_EQ(field->Text(), "0.5105");
    field->PeerKeyUp(PeerAccess::Key(), "4", Key::Character);
    field->PeerKeyUp(PeerAccess::Key(), "", Key::Left);  // types nothing: its name
    field->PeerKeyUp(PeerAccess::Key(), "", Key::None);  // no name: still raised
    EXPECT_EQ(listener->calls,
              (std::vector<std::string>{"diameter", "diameter", "diameter:4", "diameter:Left", "diameter:"}));
}

// Typing changes the text while a key is down, and the key's release follows; a paste with
// the mouse or a menu command has no release, and says so while TextChange is raised.
TEST(TextFieldModel, AnEditWithoutAKeySaysSoDuringItsTextChange) {
    Ref<TextField> field = New<TextField>();
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
    field->PeerKeyPressed(PeerAccess::Key());
    field->PeerTextChanged(PeerAccess::Key(), Lit<"1">());  // typed
    field->PeerKeyUp(PeerAccess::Key(), "1", Key::Character);
    field->PeerTextChanged(PeerAccess::Key(), Lit<"12">());  // pasted with the mouse
    field->SetText(Lit<"3">());                              // the program's own
    field->PeerKeyPressed(PeerAccess::Key());
    field->PeerFocusChanged(PeerAccess::Key(), false);  // released elsewhere
    field->PeerTextChanged(PeerAccess::Key(), Lit<"4">());
    EXPECT_EQ(seen, (std::vector<bool>{false, true, false, true}));
    EXPECT_FALSE(field->EditedWithoutKey());
}

TEST(Events, BindingChecksTheNumberAndTheTarget) {
    Ref<TextField> field = New<TextField>();
    Ref<Listener> listener = New<Listener>();
    ExpectRaises<OutOfBoundsException>([&] { RuntimeAddEventHandler(*field, 23, ControlEventAdaptor, nullptr); });

    Bind(*field, "TextChange", listener);
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
        RuntimeCreateDelegate(InvokeKeyHandler, ControlHandler{&Listener::OnControl}, listener, "( TextField )", 1));
    ExpectRaises<RuntimeException>([&] { field->PeerKeyUp(PeerAccess::Key(), "a", Key::Character); });
    EXPECT_TRUE(listener->calls.empty());
}

namespace {
// A window class as a program writes one: builds two controls and records its events.
class TestWindow : public Window {
public:
    static const ClassRecord& Record() {
        static const ClassRecord& record = RuntimeNewClass("TestWindow", &Window::Record(), FactoryOf<TestWindow>);
        return record;
    }
    std::vector<std::string> events;

protected:
    void Layout() override {
        events.push_back("Layout");
        SetTitle(Lit<"Dravello">());
    }
    void CreateControls() override {
        events.push_back("CreateControls");
        for (auto [name, cls] : {std::pair{"PopupMenu1", &PopupMenu::Record()}, {"current", &TextField::Record()}}) {
            Ref<Control> control = __New(*cls);
            _AddControl(String::FromBytes(name), control);
        }
        Ref<Listener> listener = New<Listener>();
        listener_ = listener;
        Bind(*_ControlByName(Lit<"PopupMenu1">()), "Open", listener);
    }
    void Event_Close() override { events.push_back("Close"); }

public:
    Ref<Listener> listener_;
};
}  // namespace

// The native side is made once the model is complete, from its whole state: no property
// notices before the window shows.
TEST(WindowModel, ConstructionRaisesLayoutCreateControlsAndOpenThenMakesPeersAndShows) {
    guirt::testing::RecordingBackend backend;
    {
        Ref<TestWindow> window = New<TestWindow>();
        CallMethod<Procedure>(*window, "Constructor");
        EXPECT_EQ(window->events, (std::vector<std::string>{"Layout", "CreateControls"}));
        EXPECT_EQ(window->listener_->calls, std::vector<std::string>{"PopupMenu1"});
        EXPECT_EQ(backend.log,
                  (std::vector<std::string>{"create window", "create popup PopupMenu1", "create field current",
                                            "tab order PopupMenu1,current", "PopupMenu1.SetAccessibleText ",
                                            "current.SetAccessibleText ", "show window"}));
        EXPECT_EQ(RuntimeGetImplicitWindow("TestWindow"), window);
        EXPECT_EQ(CheckCast<TextField>(window->_ControlByName(Lit<"current">()))->Owner(), window);
        EXPECT_FALSE(window->_ControlByName(Lit<"nothing">()));

        window->PeerCloseRequested(PeerAccess::Key());
        window->Close();
        EXPECT_EQ(window->events.back(), "Close");
        EXPECT_EQ(std::count(window->events.begin(), window->events.end(), "Close"), 1);
        EXPECT_FALSE(RuntimeGetImplicitWindow("TestWindow"));
        EXPECT_EQ(window->RefCount(), 1);
    }
}

TEST(WindowModel, SettersChangeTheModelBeforeTellingThePeer) {
    guirt::testing::RecordingBackend backend;
    Ref<TestWindow> window = New<TestWindow>();
    WindowDefaultConstructor(*window);
    Ref<TextField> current = CheckCast<TextField>(window->_ControlByName(Lit<"current">()));
    backend.log.clear();
    current->SetLeft(196);
    current->SetText(Lit<"0.350">());
    window->SetResizeable(false);
    window->SetComposite(true);  // no peer shows it: no call
    current->SetTabIndex(-1);
    EXPECT_EQ(backend.log, (std::vector<std::string>{"current.SetBounds", "PopupMenu1.SetAccessibleText ",
                                                     "current.SetAccessibleText ", "current.SetText", "window.SetFrame",
                                                     "tab order current,PopupMenu1"}));
    ExpectRaises<RuntimeException>([&] { current->RaiseEvent(23); });  // TextField has 0 to 22
    EXPECT_EQ(current->Left(), 196);
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
    std::thread other([&] { ExpectRaises<ThreadAccessingUIException>([&] { bar->Child(Lit<"EditMenu">()); }); });
    other.join();
}
