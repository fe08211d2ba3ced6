#include "MenuItemMethods.h"

#include "guirt/Exceptions.h"
#include "guirt/MenuBar.h"
#include "guirt/Window.h"

namespace guirt {

namespace {

MenuItem& Self(Object& self) {
    return static_cast<MenuItem&>(self);
}
Ref<MenuItem> ItemArg(const Ref<Object>& item) {
    return CheckCast<MenuItem>(item);
}

// Entry shapes of the table, by argument list.
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

void ConstructFrom(Object& self, const Ref<Object>& other) {
    Self(self).CopyFrom(*ItemArg(other));
}
void ConstructWithText(Object& self, const Ref<String>& text, const Ref<Variant>& tag) {
    Self(self).SetText(text);
    Self(self).SetTag(tag);
}
// The C++ constructor has already given the item its defaults.
void ConstructDefault(Object&) {
    UIThreadOnly();
}

}  // namespace

const std::vector<MethodRecord>& MenuItemMethods() {
    static const std::vector<MethodRecord> methods = {
        {"Append", "%%o<MenuItem>", "", WithItem{[](Object& s, const Ref<Object>& i) { Self(s).Append(ItemArg(i)); }}},
        {"Child", "%o<MenuItem>%s", "",
         FindByText{[](Object& s, const Ref<String>& n) -> Ref<Object> { return Self(s).Child(n); }}},
        {"Clone", "%o<MenuItem>%", "", ObjectFunction{[](Object& s) -> Ref<Object> { return Self(s).Clone(); }}},
        {"Close", "%%", "", Procedure{[](Object& s) { Self(s).Close(); }}},
        {"Constructor", "%%", "", Procedure{&ConstructDefault}},
        {"Constructor", "%%o<MenuItem>", "", WithItem{&ConstructFrom}},
        {"Constructor", "%%so<Variant>", "", WithTextAndTag{&ConstructWithText}},
        {"Count", "%i8%", "", Number{[](Object& s) { return Self(s).Count(); }}},
        {"Enable", "%%", "", Procedure{[](Object& s) { Self(s).Enable(); }}},
        // Menus have no native handle of their own: backends draw them from the model.
        {"Handle", "%i8%", "", Number{[](Object&) -> std::int64_t {
             UIThreadOnly();
             return 0;
         }}},
        {"Insert", "%%i8o<MenuItem>", "",
         WithIndexAndItem{[](Object& s, std::int64_t at, const Ref<Object>& i) { Self(s).Insert(at, ItemArg(i)); }}},
        {"Item", "%o<MenuItem>%i8", "",
         FindByIndex{[](Object& s, std::int64_t at) -> Ref<Object> { return Self(s).Item(at); }}},
        {"MenuItem", "%%", "", Procedure{&ConstructDefault}},
        {"MenuItem", "%%so<Variant>", "", WithTextAndTag{&ConstructWithText}},
        {"PopUp", "%%", "", Procedure{[](Object& s) { Self(s).PopUp(); }}},
        {"PopUp", "%%i8i8", "", WithTwoIndexes{[](Object& s, std::int64_t x, std::int64_t y) { Self(s).PopUp(x, y); }}},
        {"Remove", "%%i8", "", WithIndex{[](Object& s, std::int64_t at) { Self(s).Remove(at); }}},
        {"Remove", "%%o<MenuItem>", "", WithItem{[](Object& s, const Ref<Object>& i) { Self(s).Remove(ItemArg(i)); }}},
        {"Remove", "%%s", "", WithText{[](Object& s, const Ref<String>& n) { Self(s).Remove(n); }}},
        // Only a menu bar is shown by windows; a plain item has none depending on it.
        {"_DependencyList", "%i8%", "Hidden", Number{[](Object&) -> std::int64_t {
             UIThreadOnly();
             return 0;
         }}},
        {"_DisableEntirely", "%%", "Hidden", Procedure{[](Object& s) { Self(s)._DisableEntirely(); }}},
        {"_Lookup", "%o<MenuItem>%s", "Hidden",
         FindByText{[](Object& s, const Ref<String>& n) -> Ref<Object> { return Self(s)._Lookup(n); }}},
        {"_Lookup", "%o<MenuItem>%si8", "Hidden",
         FindByTextAndIndex{
             [](Object& s, const Ref<String>& n, std::int64_t k) -> Ref<Object> { return Self(s)._Lookup(n, k); }}},
        {"_SelfEnable", "%%", "Hidden", Procedure{[](Object& s) { Self(s)._SelfEnable(); }}},
        {"_Swap", "%%i8i8", "Hidden",
         WithTwoIndexes{[](Object& s, std::int64_t a, std::int64_t b) { Self(s)._Swap(a, b); }}},
        // Only a menu bar can be installed in a window.
        {"_InstallClone", "%%o<Window>", "Hidden", WithItem{[](Object& s, const Ref<Object>& w) {
             UIThreadOnly();
             CheckCast<MenuBar>(Ref<Object>(&s))->_InstallClone(*CheckCast<Window>(w));
         }}},
    };
    return methods;
}

}  // namespace guirt
