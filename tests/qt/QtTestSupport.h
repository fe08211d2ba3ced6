#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTest>
#include <string>
#include <vector>

#include "EventListener.h"
#include "guirt/Exceptions.h"
#include "guirt/Label.h"
#include "guirt/MenuBar.h"
#include "guirt/PopupMenu.h"
#include "guirt/TextField.h"
#include "guirt/Window.h"

namespace qttest {

using namespace guirt;

using Listener = guirt::testing::EventListener;

// The calculator's window in miniature: a material popup, two number fields and two labels
// (the formula and the result), built the way a program builds its window.
class CalcWindow : public Window {
public:
    static const ClassRecord& Record() {
        static const ClassRecord& record = RuntimeNewClass("QtTestWindow", &Window::Record(), FactoryOf<CalcWindow>);
        return record;
    }
    Ref<Listener> listener = New<Listener>();
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

        Add<Label>("caption", 20, 90, 142, 20)->SetCaption(Lit<"Total cable length (m):">());

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

// One window per test, built through the runtime with the Qt backend installed.
class QtWindowTest : public ::testing::Test {
protected:
    void Open() {
        window = New<CalcWindow>();
        window->bar = bar;
        WindowDefaultConstructor(*window);
        native = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == "QtTestWindow" && widget->isVisible())
                native = qobject_cast<QMainWindow*>(widget);
        }
        ASSERT_NE(native, nullptr);
        native->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(native));
    }

    void TearDown() override {
        if (window) window->Close();
        window.reset();
        bar.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        RuntimeTakeException();
    }

    template <class W>
    W* Find(const char* name) const {
        W* widget = native->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // Keys go to the window as the platform would send them: to the focused widget,
    // through the shortcut map.
    void Type(const char* text) {
        for (const char* c = text; *c; ++c) QTest::keyClick(native->windowHandle(), *c);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(native->windowHandle(), key, modifiers);
    }
    void Focus(QWidget* widget) {
        widget->setFocus(Qt::OtherFocusReason);
        ASSERT_TRUE(widget->hasFocus());
    }

    Ref<guirt::MenuBar> bar;
    Ref<CalcWindow> window;
    QMainWindow* native = nullptr;
};

}  // namespace qttest
