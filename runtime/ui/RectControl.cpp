#include "guirt/RectControl.h"

namespace guirt {

const ClassRecord& RectControl::Record() {
    static const ClassRecord& record = [] {
        using C = RectControl;
        ClassRecord& c = RuntimeNewClass("RectControl", &Control::Record(), nullptr);
        c.AddEvents({"ConstructContextualMenu", "ContextualMenuAction", "DragEnter", "DragExit", "DragOver",
                     "DropObject", "KeyDown", "KeyUp", "MouseEnter", "MouseExit", "MouseMove", "MouseWheel"});
        c.AddProperties({
            Property<&C::SetLeft>("Left"),
            Property<&C::SetTop>("Top"),
            Property<&C::SetWidth>("Width"),
            Property<&C::SetHeight>("Height"),
            Property<&C::SetLockLeft>("LockLeft"),
            Property<&C::SetLockTop>("LockTop"),
            Property<&C::SetLockRight>("LockRight"),
            Property<&C::SetLockBottom>("LockBottom"),
            Property<&C::SetTabPanelIndex>("TabPanelIndex"),
            Property<&C::SetTabIndex>("TabIndex"),
            Property<&C::SetEnabled>("Enabled"),
            Property<&C::SetVisible>("Visible"),
            Property<&C::SetAutoDeactivate>("AutoDeactivate"),
            Property<&C::SetHelpTag>("HelpTag"),
            Property<&C::SetTextFont>("TextFont"),
            Property<&C::SetTextSize>("TextSize"),
            Property<&C::SetTextUnit>("TextUnit"),
            Property<&C::SetBold>("Bold"),
            Property<&C::SetItalic>("Italic"),
            Property<&C::SetUnderline>("Underline"),
            Property<&C::SetDataSource>("DataSource"),
            Property<&C::SetDataField>("DataField"),
            Property<&C::SetInitialParent>("InitialParent"),
        });
        // The C++ constructor has already given the control its defaults.
        RuntimeNewVtable(c, {{"Constructor", "%%", "", Procedure{[](Object&) {}}}});
        return std::ref(c);
    }();
    return record;
}

}  // namespace guirt
