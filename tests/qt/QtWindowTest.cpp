#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolTip>
#include <new>

#include "Peers.h"
#include "QtTestSupport.h"
#include "guirt/Exceptions.h"
#include "guirt/Runtime.h"

namespace qttest {
namespace {

TEST_F(QtWindowTest, TheContentAreaIsExactlyTheWindowSizeAndCannotBeResizedOrMaximised) {
    Open();
    QWidget* content = native->centralWidget();
    EXPECT_EQ(content->size(), QSize(296, 247));
    EXPECT_EQ(content->y(), native->menuBar()->isVisible() ? native->menuBar()->height() : 0);
    EXPECT_EQ(native->minimumSize(), native->maximumSize());
    EXPECT_EQ(native->windowTitle(), "Voltage Drop");

    const Qt::WindowFlags flags = native->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(native->isFullScreen());

    window->SetVisible(false);
    EXPECT_FALSE(native->isVisible());
    window->SetVisible(true);
    EXPECT_TRUE(native->isVisible());

    window->SetResizeable(true);
    window->SetMaximizeButton(true);
    EXPECT_LT(native->minimumSize().height(), native->maximumSize().height());
    EXPECT_TRUE(native->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(content->size(), QSize(296, 247));
    EXPECT_TRUE(native->isVisible());
}

// Run from the build folder, as here, the icon comes from the tree the build lays out.
TEST_F(QtWindowTest, TheWindowShowsTheProgramsIconUninstalledToo) {
    Open();
    EXPECT_FALSE(native->windowIcon().isNull());
}

TEST_F(QtWindowTest, AWindowManagerCloseIsTheModelsToDecide) {
    Open();
    const QPointer<QMainWindow> shown = native;
    EXPECT_FALSE(native->close());  // refused natively, handed to the model
    EXPECT_EQ(window->closes, std::vector<std::string>{"Close"});
    EXPECT_FALSE(window->IsOpen());
    EXPECT_FALSE(shown->isVisible());
    window.reset();  // the last reference: the native window goes with the model
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(shown.isNull());
}

TEST_F(QtWindowTest, ControlsSitWhereTheModelPutsThem) {
    Open();
    EXPECT_EQ(Find<QComboBox>("material")->geometry(), QRect(20, 20, 120, 22));
    EXPECT_EQ(Find<QLabel>("formula")->geometry(), QRect(20, 120, 256, 16));
    EXPECT_EQ(Find<QLineEdit>("current")->geometry(), QRect(150, 60, 100, 22));
    window->Get<TextField>("current")->SetLeft(160);
    window->Get<TextField>("current")->SetVisible(false);
    EXPECT_EQ(Find<QLineEdit>("current")->x(), 160);
    EXPECT_FALSE(Find<QLineEdit>("current")->isVisible());
}

TEST_F(QtWindowTest, ThePopupShowsTheModelsRowsAndReportsOnlyWhatTheUserPicks) {
    Open();
    QComboBox* combo = Find<QComboBox>("material");
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(1), "Aluminium");
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_FALSE(combo->isEditable());

    Ref<PopupMenu> material = window->Get<PopupMenu>("material");
    window->listener->calls.clear();
    material->SetListIndex(1);  // the program: one Change, from the model
    EXPECT_EQ(combo->currentIndex(), 1);
    material->SetListIndex(-1);
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(window->listener->Count("material.Change"), 2u);

    material->SetListIndex(0);
    Focus(combo);
    Key(Qt::Key_Down);  // the user
    EXPECT_EQ(material->ListIndex(), 1);
    EXPECT_EQ(window->listener->Count("material.Change"), 4u);

    material->AddRow(Lit<"Gold">());
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentIndex(), 1);
}

TEST_F(QtWindowTest, LabelsShowTheirTextFontColourAndHelpTag) {
    Open();
    QLabel* formula = Find<QLabel>("formula");
    QLabel* result = Find<QLabel>("result");
    EXPECT_EQ(formula->text(), QString::fromUtf8("Vd (20°C) = ( Length x Current x 0.0175 ) / Area"));
    EXPECT_TRUE(formula->wordWrap());
    EXPECT_TRUE(formula->font().italic());
    EXPECT_EQ(formula->font().pixelSize(), 10);
    EXPECT_EQ(formula->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
    EXPECT_EQ(formula->toolTip(), "Resistivity of copper\nat 20 degrees");
    EXPECT_EQ(formula->focusPolicy(), Qt::NoFocus);

    EXPECT_TRUE(result->font().bold());
    EXPECT_EQ(result->font().pixelSize(), 14);
    EXPECT_EQ(result->alignment(), Qt::AlignHCenter | Qt::AlignVCenter);
    EXPECT_EQ(result->palette().color(QPalette::Active, QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(result->textFormat(), Qt::PlainText);

    Ref<Label> label = window->Get<Label>("result");
    label->SetCaption(Lit<"Voltage drop = 1.5V">());
    label->SetTextAlign(3);
    label->SetTextFont(Lit<"System">());
    label->SetTextSize(0);
    EXPECT_EQ(result->text(), "Voltage drop = 1.5V");
    EXPECT_EQ(result->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(result->font().family(), QApplication::font(result).family());
    EXPECT_EQ(result->font().pointSizeF(), QApplication::font(result).pointSizeF());

    // The widest texts the calculator writes fit their boxes.
    EXPECT_LE(QFontMetrics(formula->font()).horizontalAdvance(formula->text()), 256);
    label->SetTextSize(14);
    EXPECT_LE(QFontMetrics(result->font()).horizontalAdvance("Voltage drop = 22.671V"), 256);
    EXPECT_LE(QFontMetrics(result->font()).height(), 20);
}

// A caption in the default size takes the desktop's font, smaller where that would not fit
// the caption's box: nothing is cut at the desktop sizes people use. Also run on screens
// scaled by QT_SCALE_FACTOR.
TEST_F(QtWindowTest, CaptionsInTheDefaultSizeFitTheirBoxAtEveryDesktopFontSize) {
    const QFont desktop = QApplication::font();
    const double scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qgetenv("QT_SCALE_FACTOR").toDouble() : 1.0;
    for (int points : {9, 10, 11, 12, 14}) {
        SCOPED_TRACE(points);
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), points));
        Open();
        QLabel* caption = Find<QLabel>("caption");
        EXPECT_EQ(caption->devicePixelRatioF(), scale);
        EXPECT_LE(QFontMetrics(caption->font()).horizontalAdvance(caption->text()), caption->width());
        if (points <= 9) {
            EXPECT_EQ(caption->font().pointSize(), points);  // small enough as it is
        }
        window->Close();
        window.reset();
    }
    QApplication::setFont(desktop);
}

TEST_F(QtWindowTest, TheLineEditShowsTheFieldsTextWhereTheModelPutsTheCursorAndItsProperties) {
    Open();
    QLineEdit* edit = Find<QLineEdit>("current");
    Ref<TextField> current = window->Get<TextField>("current");
    EXPECT_EQ(edit->text(), "1000.000000000001");  // set before the window was built
    EXPECT_EQ(edit->cursorPosition(), 0);
    current->SetText(Lit<"0.0017241379310344827">());
    EXPECT_EQ(edit->text(), "0.0017241379310344827");
    EXPECT_EQ(edit->cursorPosition(), 0);

    current->SetReadOnly(true);
    current->SetPassword(true);
    current->SetCueText(Lit<"Amps">());
    current->SetLimitText(40);
    EXPECT_EQ(edit->cursorPosition(), 0);
    current->SetLimitText(4);
    current->SetAlignment(3);
    current->SetTextColor(Color{0x00FF0000});
    EXPECT_TRUE(edit->isReadOnly());
    EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
    EXPECT_EQ(edit->placeholderText(), "Amps");
    EXPECT_EQ(edit->maxLength(), 4);
    EXPECT_EQ(edit->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(edit->palette().color(QPalette::Active, QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(edit->toolTip(), "Metres");
}

// The offscreen platform answers for X with no display of its own: a paste reads Qt's
// clipboard there.
TEST_F(QtWindowTest, APasteWithoutAnXDisplayTakesTheClipboardsText) {
    Open();
    QGuiApplication::clipboard()->setText(QStringLiteral("42"));
    Find<QLineEdit>("current")->selectAll();
    EXPECT_TRUE(window->Get<TextField>("current")->Perform(EditCommand::Paste));
    EXPECT_EQ(Find<QLineEdit>("current")->text(), "42");
}

TEST_F(QtWindowTest, TabMovesByTabIndexAndSkipsLabels) {
    Open();
    QLineEdit* current = Find<QLineEdit>("current");    // TabIndex 0
    QLineEdit* length = Find<QLineEdit>("length");      // 1
    QComboBox* material = Find<QComboBox>("material");  // 2
    Focus(current);
    Key(Qt::Key_Tab);
    EXPECT_TRUE(length->hasFocus());
    Key(Qt::Key_Tab);
    EXPECT_TRUE(material->hasFocus());
    Key(Qt::Key_Tab);
    EXPECT_TRUE(current->hasFocus());
    // Its whole text selected, the cursor (and so the view) at its start.
    EXPECT_EQ(current->selectedText(), current->text());
    EXPECT_EQ(current->cursorPosition(), 0);

    window->Get<TextField>("length")->SetTabStop(false);
    Key(Qt::Key_Tab);
    EXPECT_TRUE(material->hasFocus());
    window->Get<PopupMenu>("material")->SetTabIndex(-1);  // now first
    Key(Qt::Key_Tab);
    EXPECT_TRUE(current->hasFocus());
}

TEST_F(QtWindowTest, QuittingEndsARunningLoop) {
    Open();
    bool ran = false;
    QTimer::singleShot(0, [&] {
        ran = true;
        InstalledPeerFactory()->QuitEventLoop();
    });
    InstalledPeerFactory()->RunEventLoop();
    EXPECT_TRUE(ran);
}

// Memory running out inside Qt's own code is parked and ends the loop, as a program's failure
// does, without passing through Qt's loop (which would warn about it first).
TEST_F(QtWindowTest, AFailureInsideQtItselfEndsTheLoopWithoutPassingThroughIt) {
    Open();
    ::testing::internal::CaptureStderr();
    QTimer::singleShot(0, [] { throw std::bad_alloc(); });
    InstalledPeerFactory()->RunEventLoop();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    ASSERT_TRUE(gCurrentException);
    EXPECT_TRUE(gCurrentException->IsA(OutOfMemoryException::Record()));
    gCurrentException = nullptr;
}

}  // namespace
}  // namespace qttest
