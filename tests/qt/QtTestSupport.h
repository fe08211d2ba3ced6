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

#include "CalcWindow.h"
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

using CalcWindow = guirt::testing::CalcWindow;

// One window per test, built through the runtime with the Qt backend installed.
class QtWindowTest : public ::testing::Test {
protected:
    void Open() {
        window = New<CalcWindow>();
        window->bar = bar;
        WindowDefaultConstructor(*window);
        native = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == "CalcTestWindow" && widget->isVisible())
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
