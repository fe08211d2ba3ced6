#pragma once

#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <vector>

#include "EventListener.h"
#include "guirt/Label.h"
#include "guirt/MenuBar.h"
#include "guirt/PopupMenu.h"
#include "guirt/TextField.h"
#include "guirt/Window.h"

namespace guirt::testing {

// The calculator's window in miniature, built the way a program builds its window: a
// material popup, the formula and the result, two number fields and a caption in the
// default size, made in that order (the Win32 controls' IDs follow it: material 1000,
// formula 1001, result 1002, length 1003, current 1004, caption 1005).
class CalcWindow : public Window {
public:
    static const ClassRecord& Record() {
        static const ClassRecord& record = RuntimeNewClass("CalcTestWindow", &Window::Record(), FactoryOf<CalcWindow>);
        return record;
    }
    Ref<EventListener> listener = New<EventListener>();
    Ref<guirt::MenuBar> bar;  // set before construction to build the window with menus
    std::vector<std::string> closes;

    template <class T>
    Ref<T> Get(std::string_view name) {
        return CheckCast<T>(_ControlByName(String::FromBytes(name)));
    }

protected:
    void Layout() override {
        SetTitle(Lit<"Voltage Drop">());
        SetWidth(296);
        SetHeight(247);
        SetResizeable(false);
        SetMaximizeButton(false);
        SetFullScreenButton(false);
        if (bar) SetMenuBar(bar);
    }

    void CreateControls() override {
        Ref<PopupMenu> material = Add<PopupMenu>("material", 20, 20, 120, 22);
        material->AddRow(Lit<"Copper">());
        material->AddRow(Lit<"Aluminium">());
        material->SetListIndex(0);
        material->SetTabIndex(2);
        listener->Bind(*material, "Change");

        Ref<Label> formula = Add<Label>("formula", 20, 120, 256, 16);
        formula->SetCaption(String::FromBytes("Vd (20°C) = ( Length x Current x 0.0175 ) / Area"));
        formula->SetItalic(true);
        formula->SetTextSize(10);
        formula->SetMultiLine(true);
        formula->SetHelpTag(Lit<"Resistivity of copper\r\nat 20 degrees">());

        Ref<Label> result = Add<Label>("result", 20, 150, 256, 20);
        result->SetCaption(Lit<"Voltage drop = 22.671V">());
        result->SetBold(true);
        result->SetTextSize(14);
        result->SetTextAlign(2);
        result->SetTextColor(Color{0x000000FF});

        for (auto [name, left, tab, text] :
             {std::tuple{"length", 20, 1, ""}, {"current", 150, 0, "1000.000000000001"}}) {
            Ref<TextField> field = Add<TextField>(name, left, 60, 100, 22, text);
            field->SetTabIndex(tab);
            field->SetHelpTag(Lit<"Metres">());
            listener->Bind(*field, "TextChange");
            listener->Bind(*field, "KeyUp");
        }

        Add<Label>("caption", 20, 90, 142, 20)->SetCaption(Lit<"Total cable length (m):">());
    }

    void Event_Close() override { closes.push_back("Close"); }

private:
    template <class T>
    Ref<T> Add(std::string_view name, int left, int top, int width, int height, std::string_view text = {}) {
        Ref<T> control = CheckCast<T>(__New(T::Record()));
        if constexpr (std::is_same_v<T, TextField>) control->SetText(String::FromBytes(text));
        control->SetLeft(left);
        control->SetTop(top);
        control->SetWidth(width);
        control->SetHeight(height);
        _AddControl(String::FromBytes(name), control);
        return control;
    }
};

}  // namespace guirt::testing
