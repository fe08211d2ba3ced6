#include "app/App.h"

namespace dravello {

using namespace guirt;

const ClassRecord& App::Record() {
    static const ClassRecord& record = [] {
        ClassRecord& c = RuntimeNewClass("App", &Application::Record(), FactoryOf<App>);
        RuntimeNewVtable(c, {{"Constructor", "%%", "", Procedure{[](Object&) {}}}});
        return std::ref(c);
    }();
    return record;
}

}  // namespace dravello
