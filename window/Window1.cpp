#include "window/Window1.h"

#include "guirt/Exceptions.h"
#include "guirt/MenuBar.h"
#include "guirt/PropertyList.h"
#include "guirt/Runtime.h"
#include "menus/MainMenuBar.h"
#include "window/PropertyLists.h"
#include "window/SetProperties.h"

namespace dravello {

using namespace guirt;

namespace {

constexpr std::string_view kClassName = "Window1.Window1";

template <void (Window1::*M)()>
Procedure procedure() {
    return [](Object& self) { (static_cast<Window1&>(self).*M)(); };
}
template <class R, Ref<R> (Window1::*M)()>
ObjectFunction accessor() {
    return [](Object& self) -> Ref<Object> { return (static_cast<Window1&>(self).*M)(); };
}
template <class C, void (Window1::*M)(const Ref<C>&)>
ControlHandler handler() {
    return [](Object& self, Object& sender) { (static_cast<Window1&>(self).*M)(CheckCast<C>(Ref<Object>(&sender))); };
}
template <void (Window1::*M)(const Ref<TextField>&, const Ref<String>&)>
KeyHandler keyHandler() {
    return [](Object& self, Object& sender, const Ref<String>& key) {
        (static_cast<Window1&>(self).*M)(CheckCast<TextField>(Ref<Object>(&sender)), key);
    };
}

// The control registered under the name, as an object of class C.
template <class C>
Ref<C> control(Window1& window, const Ref<String>& name) {
    return CheckCast<C>(window._ControlByName(name));
}

// The menu item of that name in the window's menu bar, as an object of class C.
template <class C>
Ref<C> menuItem(Window1& window, const Ref<String>& name) {
    Ref<MenuBar> bar = window.MenuBar();
    if (!bar) RaiseNilObjectException();
    return CheckCast<C>(bar->_Lookup(name));
}

// One control of the window: its name, class and property list.
struct ControlRow {
    Ref<String> name;
    const ClassRecord& cls;
    Ref<String> list;
};

// One event binding: which control's event runs which handler. The event's number is
// its place in the control class's record.
struct BindingRow {
    Ref<String> control;
    std::string_view event;
    std::string_view handler;
    std::string_view signature;
};

}  // namespace

const ClassRecord& Window1::Record() {
    static const ClassRecord& record = [] {
        using W = Window1;
        ClassRecord& c = RuntimeNewClass(kClassName, &Window::Record(), FactoryOf<Window1>);
        const std::vector<MethodRecord> methods{
            {"Layout", "%%", "", procedure<&W::Layout>()},
            {"CreateControls", "%%", "", procedure<&W::CreateControls>()},
            {"_CreateControls0", "%%", "Hidden", procedure<&W::_CreateControls0>()},
            {"PopupMenu1", "%o<PopupMenu>%", "", accessor<PopupMenu, &W::PopupMenu1>()},
            {"Label3", "%o<Label>%", "", accessor<Label, &W::Label3>()},
            {"current", "%o<TextField>%", "", accessor<TextField, &W::current>()},
            {"result", "%o<Label>%", "", accessor<Label, &W::result>()},
            {"form", "%o<Label>%", "", accessor<Label, &W::form>()},
            {"diameter", "%o<TextField>%", "", accessor<TextField, &W::diameter>()},
            {"lenght", "%o<TextField>%", "", accessor<TextField, &W::lenght>()},
            {"Label2", "%o<Label>%", "", accessor<Label, &W::Label2>()},
            {"Label1", "%o<Label>%", "", accessor<Label, &W::Label1>()},
            {"areafld", "%o<TextField>%", "", accessor<TextField, &W::areafld>()},
            {"Label4", "%o<Label>%", "", accessor<Label, &W::Label4>()},
            {"PopupMenu1_Open", "%%o<PopupMenu>", "", handler<PopupMenu, &W::PopupMenu1_Open>()},
            {"PopupMenu1_Change", "%%o<PopupMenu>", "", handler<PopupMenu, &W::PopupMenu1_Change>()},
            {"current_TextChange", "%%o<TextField>", "", handler<TextField, &W::current_TextChange>()},
            {"diameter_TextChange", "%%o<TextField>", "", handler<TextField, &W::diameter_TextChange>()},
            {"diameter_KeyUp", "%%o<TextField>s", "", keyHandler<&W::diameter_KeyUp>()},
            {"lenght_TextChange", "%%o<TextField>", "", handler<TextField, &W::lenght_TextChange>()},
            {"areafld_TextChange", "%%o<TextField>", "", handler<TextField, &W::areafld_TextChange>()},
            {"areafld_KeyUp", "%%o<TextField>s", "", keyHandler<&W::areafld_KeyUp>()},
            {"EditMenu", "%o<MenuItem>%", "", accessor<MenuItem, &W::EditMenu>()},
            {"EditSelectAll", "%o<MenuItem>%", "", accessor<MenuItem, &W::EditSelectAll>()},
            {"EditSeparator2", "%o<MenuItem>%", "", accessor<MenuItem, &W::EditSeparator2>()},
            {"EditClear", "%o<MenuItem>%", "", accessor<MenuItem, &W::EditClear>()},
            {"EditPaste", "%o<MenuItem>%", "", accessor<MenuItem, &W::EditPaste>()},
            {"EditCopy", "%o<MenuItem>%", "", accessor<MenuItem, &W::EditCopy>()},
            {"EditCut", "%o<MenuItem>%", "", accessor<MenuItem, &W::EditCut>()},
            {"EditSeparator1", "%o<MenuItem>%", "", accessor<MenuItem, &W::EditSeparator1>()},
            {"EditUndo", "%o<MenuItem>%", "", accessor<MenuItem, &W::EditUndo>()},
            {"FileMenu", "%o<MenuItem>%", "", accessor<MenuItem, &W::FileMenu>()},
            {"FileQuit", "%o<QuitMenuItem>%", "", accessor<QuitMenuItem, &W::FileQuit>()},
            {"Event_Close", "%%", "", procedure<&W::Event_Close>()},
            {"calculate", "%%", "", procedure<&W::calculate>()},
        };
        RuntimeNewVtable(c, methods);
        return std::ref(c);
    }();
    return record;
}

Ref<Window1> Window1::Implicit() {
    Ref<Object> window = RuntimeGetImplicitWindow(kClassName);
    if (!window) {
        window = RuntimeNewObject(Record());
        CallMethod<Procedure>(*window, "Constructor");
    }
    return CheckCast<Window1>(window);
}

void Window1::Layout() {
    SetMenuBar(MainMenuBar::Implicit());
    _SetProperties(*this, Lit<kWindow1List>());
}

void Window1::CreateControls() {
    CallMethod<Procedure>(*this, "_CreateControls0");
    // The fields are named by the captions beside them; the popup has none.
    PopupMenu1()->SetAccessibleName(Lit<"Conductor material">());
}

void Window1::_CreateControls0() {
    const ControlRow controls[] = {
        {Lit<"PopupMenu1">(), PopupMenu::Record(), Lit<kPopupMenu1List>()},
        {Lit<"Label3">(), Label::Record(), Lit<kLabel3List>()},
        {Lit<"current">(), TextField::Record(), Lit<kCurrentList>()},
        {Lit<"result">(), Label::Record(), Lit<kResultList>()},
        {Lit<"form">(), Label::Record(), Lit<kFormList>()},
        {Lit<"diameter">(), TextField::Record(), Lit<kDiameterList>()},
        {Lit<"lenght">(), TextField::Record(), Lit<kLenghtList>()},
        {Lit<"Label2">(), Label::Record(), Lit<kLabel2List>()},
        {Lit<"Label1">(), Label::Record(), Lit<kLabel1List>()},
        {Lit<"areafld">(), TextField::Record(), Lit<kAreafldList>()},
        {Lit<"Label4">(), Label::Record(), Lit<kLabel4List>()},
    };
    const BindingRow bindings[] = {
        {Lit<"PopupMenu1">(), "Open", "PopupMenu1_Open", "( PopupMenu )"},
        {Lit<"PopupMenu1">(), "Change", "PopupMenu1_Change", "( PopupMenu )"},
        {Lit<"current">(), "TextChange", "current_TextChange", "( TextField )"},
        {Lit<"diameter">(), "TextChange", "diameter_TextChange", "( TextField )"},
        {Lit<"diameter">(), "KeyUp", "diameter_KeyUp", "( TextField, String )"},
        {Lit<"lenght">(), "TextChange", "lenght_TextChange", "( TextField )"},
        {Lit<"areafld">(), "TextChange", "areafld_TextChange", "( TextField )"},
        {Lit<"areafld">(), "KeyUp", "areafld_KeyUp", "( TextField, String )"},
    };
    const Ref<Object> self(this);
    for (const ControlRow& entry : controls) {
        {
            Ref<Control> created = __New(entry.cls);
            CallMethod<Procedure>(*created, "Constructor");
            _AddControl(entry.name, created);
        }
        _SetProperties(*RuntimeCheckCast(_ControlByName(entry.name), entry.cls), entry.list);
        for (const BindingRow& binding : bindings) {
            if (!StringsEqual(binding.control, entry.name)) continue;
            Ref<Control> target = CheckCast<Control>(RuntimeCheckCast(_ControlByName(entry.name), entry.cls));
            const bool withKey = binding.event == "KeyUp";
            Ref<Delegate> delegate = RuntimeCreateDelegate(
                withKey ? InvokeKeyHandler : InvokeControlHandler,
                RuntimeMethodEntry(*this, binding.handler, withKey ? typeid(KeyHandler) : typeid(ControlHandler)), self,
                binding.signature, 1);
            RuntimeAddEventHandler(*target, entry.cls.RequireEvent(binding.event),
                                   withKey ? KeyEventAdaptor : ControlEventAdaptor, delegate);
        }
    }
}

void Window1::Event_Close() {
    Quit(0);
}

Ref<PopupMenu> Window1::PopupMenu1() {
    return control<PopupMenu>(*this, Lit<"PopupMenu1">());
}
Ref<Label> Window1::Label3() {
    return control<Label>(*this, Lit<"Label3">());
}
Ref<TextField> Window1::current() {
    return control<TextField>(*this, Lit<"current">());
}
Ref<Label> Window1::result() {
    return control<Label>(*this, Lit<"result">());
}
Ref<Label> Window1::form() {
    return control<Label>(*this, Lit<"form">());
}
Ref<TextField> Window1::diameter() {
    return control<TextField>(*this, Lit<"diameter">());
}
Ref<TextField> Window1::lenght() {
    return control<TextField>(*this, Lit<"lenght">());
}
Ref<Label> Window1::Label2() {
    return control<Label>(*this, Lit<"Label2">());
}
Ref<Label> Window1::Label1() {
    return control<Label>(*this, Lit<"Label1">());
}
Ref<TextField> Window1::areafld() {
    return control<TextField>(*this, Lit<"areafld">());
}
Ref<Label> Window1::Label4() {
    return control<Label>(*this, Lit<"Label4">());
}

Ref<MenuItem> Window1::EditMenu() {
    return menuItem<MenuItem>(*this, Lit<"EditMenu">());
}
Ref<MenuItem> Window1::EditSelectAll() {
    return menuItem<MenuItem>(*this, Lit<"EditSelectAll">());
}
Ref<MenuItem> Window1::EditSeparator2() {
    return menuItem<MenuItem>(*this, Lit<"EditSeparator2">());
}
Ref<MenuItem> Window1::EditClear() {
    return menuItem<MenuItem>(*this, Lit<"EditClear">());
}
Ref<MenuItem> Window1::EditPaste() {
    return menuItem<MenuItem>(*this, Lit<"EditPaste">());
}
Ref<MenuItem> Window1::EditCopy() {
    return menuItem<MenuItem>(*this, Lit<"EditCopy">());
}
Ref<MenuItem> Window1::EditCut() {
    return menuItem<MenuItem>(*this, Lit<"EditCut">());
}
Ref<MenuItem> Window1::EditSeparator1() {
    return menuItem<MenuItem>(*this, Lit<"EditSeparator1">());
}
Ref<MenuItem> Window1::EditUndo() {
    return menuItem<MenuItem>(*this, Lit<"EditUndo">());
}
Ref<MenuItem> Window1::FileMenu() {
    return menuItem<MenuItem>(*this, Lit<"FileMenu">());
}
Ref<QuitMenuItem> Window1::FileQuit() {
    return menuItem<QuitMenuItem>(*this, Lit<"FileQuit">());
}

}  // namespace dravello
