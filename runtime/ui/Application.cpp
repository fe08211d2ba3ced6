#include "guirt/Application.h"

#include "OwnClasses.h"

namespace guirt {

const OwnClass kApplicationClass{&Application::Record};

const ClassRecord& Application::Record() {
    static const ClassRecord& record = [] {
        ClassRecord& c = RuntimeNewClass("Application", &Object::Record(), FactoryOf<Application>);
        c.AddEvents({"Activate", "CancelClose", "Close", "Deactivate", "EnableMenuItems", "NewDocument", "Open",
                     "OpenDocument", "UnhandledException"});
        // The C++ constructor is the application's; a subclass adds its own Constructor.
        const std::vector<MethodRecord> methods{
            {"_x_SetVersionData", "%%i8i8i8i8i8sss", "Hidden",
             SetVersionDataEntry{[](Object& self, std::int64_t major, std::int64_t minor, std::int64_t bug,
                                    std::int64_t nonRelease, std::int64_t stage, const Ref<String>& longVersion,
                                    const Ref<String>& shortVersion, const Ref<String>& packageInfo) {
                 static_cast<Application&>(self)._x_SetVersionData(major, minor, bug, nonRelease, stage, longVersion,
                                                                   shortVersion, packageInfo);
             }}},
        };
        RuntimeNewVtable(c, methods);
        return std::ref(c);
    }();
    return record;
}

Ref<MenuBar> Application::MenuBar() const {
    UIThreadOnly();
    return menuBar_;
}

void Application::SetMenuBar(const Ref<class MenuBar>& bar) {
    UIThreadOnly();
    menuBar_ = bar;
}

void AppMenuBarSetter(Application& app, const Ref<class MenuBar>& bar) {
    app.SetMenuBar(bar);
}

void Application::_x_SetVersionData(std::int64_t major, std::int64_t minor, std::int64_t bug, std::int64_t nonRelease,
                                    std::int64_t stage, const Ref<String>& longVersion, const Ref<String>& shortVersion,
                                    const Ref<String>& packageInfo) {
    major_ = major;
    minor_ = minor;
    bug_ = bug;
    nonRelease_ = nonRelease;
    stage_ = stage;
    longVersion_ = longVersion;
    shortVersion_ = shortVersion;
    packageInfo_ = packageInfo;
}

}  // namespace guirt
