#include "guirt/RectControl.h"

#include "OwnClasses.h"
#include "Peers.h"

namespace guirt {

const OwnClass kRectControlClass{&RectControl::Record};

const ClassRecord& RectControl::Record() {
    static const ClassRecord& record = [] {
        ClassRecord& c = RuntimeNewClass("RectControl", &Control::Record(), nullptr);
        c.AddEvents({"ConstructContextualMenu", "ContextualMenuAction", "DragEnter", "DragExit", "DragOver",
                     "DropObject", "KeyDown", "KeyUp", "MouseEnter", "MouseExit", "MouseMove", "MouseWheel"});
        c.AddProperties({
            Property<&RectControl::SetLeft>("Left"),
            Property<&RectControl::SetTop>("Top"),
            Property<&RectControl::SetWidth>("Width"),
            Property<&RectControl::SetHeight>("Height"),
            Property<&RectControl::SetLockLeft>("LockLeft"),
            Property<&RectControl::SetLockTop>("LockTop"),
            Property<&RectControl::SetLockRight>("LockRight"),
            Property<&RectControl::SetLockBottom>("LockBottom"),
            Property<&RectControl::SetTabPanelIndex>("TabPanelIndex"),
            Property<&RectControl::SetTabIndex>("TabIndex"),
            Property<&RectControl::SetEnabled>("Enabled"),
            Property<&RectControl::SetVisible>("Visible"),
            Property<&RectControl::SetAutoDeactivate>("AutoDeactivate"),
            Property<&RectControl::SetHelpTag>("HelpTag"),
            Property<&RectControl::SetTextFont>("TextFont"),
            Property<&RectControl::SetTextSize>("TextSize"),
            Property<&RectControl::SetTextUnit>("TextUnit"),
            Property<&RectControl::SetBold>("Bold"),
            Property<&RectControl::SetItalic>("Italic"),
            Property<&RectControl::SetUnderline>("Underline"),
            Property<&RectControl::SetDataSource>("DataSource"),
            Property<&RectControl::SetDataField>("DataField"),
            Property<&RectControl::SetInitialParent>("InitialParent"),
            Property<&RectControl::SetAccessibleName>("AccessibleName"),
        });
        // The C++ constructor has already given the control its defaults.
        RuntimeNewVtable(c, {{"Constructor", "%%", "", Procedure{[](Object&) {}}}});
        return std::ref(c);
    }();
    return record;
}

void RectControl::Show(Shown what) {
    ControlPeer* peer = NativePeer();
    if (!peer) return;
    peer->Show(what);
    // What captions what follows the layout, a caption's help describes its control, and the
    // captions share a text size.
    if (what == Shown::Bounds || what == Shown::HelpTag || what == Shown::Font) ShowCaptions();
}

std::string_view ShownName(RectControl::Shown what) {
    switch (what) {
        case RectControl::Shown::Bounds:
            return "Bounds";
        case RectControl::Shown::Font:
            return "Font";
        case RectControl::Shown::Enabled:
            return "Enabled";
        case RectControl::Shown::Visible:
            return "Visible";
        case RectControl::Shown::HelpTag:
            return "HelpTag";
    }
    return {};
}

}  // namespace guirt
