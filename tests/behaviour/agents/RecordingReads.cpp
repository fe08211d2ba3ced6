// What the user sees and what assistive technology says, read from the simulated toolkit's
// window and controls.
#include "RecordingAgent.h"
#include "RecordingField.h"
#include "RecordingMenus.h"

namespace recagent {

using behaviour::Fields;

namespace {

const guirt::testing::LineEdit& Line(const std::string& control) {
    return ControlAs<guirt::testing::RecordingField>(control).Line();
}

std::string Focus() {
    const RecordingControl* focused = ProgramWindow().Focused();
    return focused ? focused->Name() : std::string();
}

std::string MenuShown() {
    std::string shown;
    for (const auto& line : ProgramWindow().Menus().OpenLines()) {
        if (line.separator) continue;
        if (!shown.empty()) shown += ';';
        shown += guirt::testing::DrawnText(line.text) + (line.enabled ? "=1" : "=0");
    }
    return shown;
}

}  // namespace

void AddReads(behaviour::Operations& operations, const Session& session) {
    operations.Add("text", 1, [](const Fields& a) { return Control(a[0]).ShownText(); });
    operations.Add("length", 1, [](const Fields& a) { return std::to_string(Line(a[0]).Text().size()); });
    operations.Add("name", 1, [](const Fields& a) { return Control(a[0]).AccessibleName(); });
    operations.Add("description", 1, [](const Fields& a) { return Control(a[0]).Description(); });
    operations.Add("tooltip", 1, [](const Fields& a) { return Control(a[0]).ToolTip(); });
    operations.Add("enabled", 1, [](const Fields& a) { return std::string(Control(a[0]).Enabled() ? "1" : "0"); });
    operations.Add("focus", 0, [](const Fields&) { return Focus(); });
    operations.Add("selection", 1, [](const Fields& a) {
        const auto& line = Line(a[0]);
        return std::to_string(line.Anchor()) + "," + std::to_string(line.Cursor());
    });
    operations.Add("menu", 0, [](const Fields&) { return MenuShown(); });
    operations.Add("dropped", 0, [&session](const Fields&) { return session.dropped; });
}

}  // namespace recagent
