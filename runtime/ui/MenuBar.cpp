#include "guirt/MenuBar.h"

#include "OwnClasses.h"
#include "WindowRegistry.h"
#include "guirt/Window.h"

namespace guirt {

const OwnClass kMenuBarClass{&MenuBar::Record};

const ClassRecord& MenuBar::Record() {
    static const ClassRecord& record = [] {
        ClassRecord& c = RuntimeNewClass("MenuBar", &MenuItem::Record(), FactoryOf<MenuBar>);
        using WithWindow = void (*)(Object&, const Ref<Object>&);
        using Number = std::int64_t (*)(Object&);
        const std::vector<MethodRecord> methods{
            {"_DependencyList", "%i8%", "Hidden",
             Number{[](Object& self) { return static_cast<MenuBar&>(self)._DependencyList(); }}},
            {"_InstallClone", "%%o<Window>", "Hidden", WithWindow{[](Object& self, const Ref<Object>& window) {
                 static_cast<MenuBar&>(self)._InstallClone(*CheckCast<Window>(window));
             }}},
        };
        RuntimeNewVtable(c, methods);
        return std::ref(c);
    }();
    return record;
}

std::int64_t MenuBar::_DependencyList() const {
    UIThreadOnly();
    std::int64_t windows = 0;
    ForEachOpenWindow([&](Window& window) { windows += window.MenuBar().get() == this ? 1 : 0; });
    return windows;
}

void MenuBar::_InstallClone(Window& window) const {
    UIThreadOnly();
    window.SetMenuBar(CheckCast<MenuBar>(Clone()));
}

}  // namespace guirt
