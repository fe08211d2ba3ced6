#include "ProgramSupport.h"

namespace programtest {
namespace {

StartupSnapshot gStartup;

// Starts the program as its entry does, without entering the event loop; tears it down at
// the end and checks the process would exit cleanly.
class ProgramEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        guirt::RuntimeInit(nullptr, nullptr, L"-platform offscreen", 1);
        // A run at a desktop font of another size (in points).
        if (const int points = qEnvironmentVariableIntValue("PROGRAM_TEST_FONT_POINTS"); points > 0) {
            QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), points));
        }
        guirt::RuntimePerformInitializers();
        dravello::_EarlyStartup();
        dravello::_LateStartup();
        QCoreApplication::processEvents();
        Snapshot();
    }
    void TearDown() override {
        guirt::RuntimePerformFinalizers();
        EXPECT_EQ(guirt::RuntimeExit(), 0);
    }

private:
    static void Snapshot() {
        StartupSnapshot& s = gStartup;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible()) ++s.visibleTopLevels;
            if (auto* main = qobject_cast<QMainWindow*>(widget)) {
                ++s.mainWindows;
                s.title = main->windowTitle();
            }
        }
        auto w = W();
        for (const char* name : {"current", "lenght", "diameter", "areafld"}) {
            auto field = guirt::CheckCast<guirt::TextField>(w->_ControlByName(Text(name)));
            s.fieldTexts.push_back(field ? Str(field->Text()) : "<none>");
            QLineEdit* edit = Widget<QLineEdit>(name);
            s.fieldWidgetTexts.push_back(edit ? edit->text() : "<none>");
        }
        s.resultCaption = Str(w->result()->Caption());
        s.formCaption = Str(w->form()->Caption());
        if (QLabel* label = Widget<QLabel>("result")) s.resultWidgetText = label->text();
        if (QLabel* label = Widget<QLabel>("form")) s.formWidgetText = label->text();
        s.listIndex = w->PopupMenu1()->ListIndex();
        if (QComboBox* combo = Widget<QComboBox>("PopupMenu1")) s.comboIndex = combo->currentIndex();
        s.exceptionPending = static_cast<bool>(guirt::gCurrentException);
        if (QMainWindow* main = Native()) {
            if (QWidget* focused = main->focusWidget()) s.focused = focused->objectName().toStdString();
            s.focusShown = main->testAttribute(Qt::WA_KeyboardFocusChange);
        }
    }
};

[[maybe_unused]] ::testing::Environment* const gEnvironment =
    ::testing::AddGlobalTestEnvironment(new ProgramEnvironment);

}  // namespace

const StartupSnapshot& Startup() {
    return gStartup;
}

}  // namespace programtest
