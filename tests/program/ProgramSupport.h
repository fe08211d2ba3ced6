#pragma once

// The real program, started once per test process, and helpers to drive its window with
// real Qt key events.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <string>
#include <string_view>

#include "ExpectedResult.h"
#include "app/Startup.h"
#include "calc/Materials.h"
#include "calc/VoltageDrop.h"
#include "guirt/Exceptions.h"
#include "guirt/Runtime.h"
#include "menus/MainMenuBar.h"
#include "window/Window1.h"

namespace programtest {

using guirt::Ref;

// What the window showed right after start-up, before any test touched it: tests share
// the one window when the whole binary runs in one process.
struct StartupSnapshot {
    int visibleTopLevels = 0;
    int mainWindows = 0;
    QString title;
    std::vector<std::string> fieldTexts;    // current, lenght, diameter, areafld
    std::vector<QString> fieldWidgetTexts;  // the same, as the line edits show them
    std::string resultCaption, formCaption;
    QString resultWidgetText, formWidgetText;
    std::int64_t listIndex = -1;
    int comboIndex = -1;
    bool exceptionPending = false;
    std::string focused;  // the control with the focus
    bool focusShown = false;
};
const StartupSnapshot& Startup();

inline std::string Str(const Ref<guirt::String>& s) {
    return std::string(guirt::TextOf(s));
}
inline Ref<guirt::String> Text(std::string_view s) {
    return guirt::String::FromBytes(s);
}

inline Ref<dravello::Window1> W() {
    return dravello::Window1::Implicit();
}

// The program's one main window.
inline QMainWindow* Native() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* main = qobject_cast<QMainWindow*>(widget);
        if (main && main->isVisible() && main->windowTitle() == "Dravello") return main;
    }
    return nullptr;
}

// The widget showing the named control; it must sit where the model puts the control.
template <class T>
T* Widget(const char* name) {
    QMainWindow* native = Native();
    if (!native) return nullptr;
    return native->findChild<T*>(QString::fromLatin1(name));
}

inline std::string ExpectedResult() {
    auto w = W();
    auto popup = w->PopupMenu1();
    const std::string d = Str(w->diameter()->Text()), l = Str(w->lenght()->Text()), c = Str(w->current()->Text());
    return dravello::testing::resultFor(
        {d, l, c, dravello::kMaterials.at(static_cast<std::size_t>(popup->ListIndex())).resistivity});
}

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        native = Native();
        ASSERT_NE(native, nullptr);
        w = W();
        guirt::RuntimeTakeException();
        // Back to the start-up inputs; the model setters raise TextChange as the program would.
        w->PopupMenu1()->SetListIndex(0);
        w->diameter()->SetText(Text("0.51054"));
        w->areafld()->SetText(Text("0.20471"));
        w->lenght()->SetText(Text("60"));
        w->current()->SetText(Text("0.350"));
        w->calculate();
        native->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(native));
    }
    void TearDown() override { EXPECT_FALSE(guirt::gCurrentException) << "an exception is pending"; }

    void Focus(QWidget* widget) {
        widget->setFocus(Qt::OtherFocusReason);
        QCoreApplication::processEvents();
        ASSERT_TRUE(widget->hasFocus());
    }
    // Keys go to the window as the platform sends them: to the focused widget.
    void Type(std::string_view text) {
        for (char c : text) QTest::keyClick(native->windowHandle(), c);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(native->windowHandle(), key, modifiers);
    }
    // Clears the field the way a user does and types the text.
    void Retype(QLineEdit* edit, std::string_view text) {
        Focus(edit);
        edit->selectAll();
        Key(Qt::Key_Backspace);
        ASSERT_EQ(edit->text(), QString());
        Type(text);
    }
    std::string Result() { return Str(w->result()->Caption()); }

    QMainWindow* native = nullptr;
    Ref<dravello::Window1> w;
};

}  // namespace programtest
