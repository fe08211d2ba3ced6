#include "QtWindowPeer.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QStyle>
#include <algorithm>

#include "Guard.h"
#include "ModelState.h"
#include "QtConversions.h"
#include "QtObjects.h"
#include "QtLabelPeer.h"
#include "QtMenuPeer.h"
#include "QtPopupMenuPeer.h"
#include "QtTextFieldPeer.h"
#include "guirt/MenuBar.h"

namespace guirt::qt {

void NativeWindow::closeEvent(QCloseEvent* event) {
    if (!closeRequested) {
        event->accept();
        return;
    }
    event->ignore();
    closeRequested();
}

QtWindowPeer::QtWindowPeer(Window& model) : model_(model), native_(new NativeWindow), content_(new QWidget) {
    native_->setObjectName(ToQString(model_.Class().Name()));
    // The colours a program gives its controls (black captions, white fields) were chosen
    // for a light window: a dark desktop theme keeps its own windows, not this one.
    native_->setPalette(native_->style()->standardPalette());
    native_->setCentralWidget(content_);
    menus_ = std::make_unique<QtMenuPeer>(*native_);
    SetTitle(TextOf(model_.Title()));
    frame_ = FrameOf(model_);
    SetMenuBar(model_.MenuBar().get(), model_.MenuBarVisible());  // measures the frame too
    SetBackColor(BackColorOf(model_));
    fullScreen_ = model_.FullScreen();
    native_->closeRequested = [this] {
        CallModel([&] {
            const Ref<Window> hold(&model_);
            model_.PeerCloseRequested(PeerAccess::Key());
        });
    };
}

QtWindowPeer::~QtWindowPeer() {
    if (native_) native_->closeRequested = nullptr;
    menus_.reset();
    DeleteSoon(native_.data());
}

std::unique_ptr<LabelPeer> QtWindowPeer::CreateLabel(Label& label) {
    return std::make_unique<QtLabelPeer>(label, content_);
}

std::unique_ptr<TextFieldPeer> QtWindowPeer::CreateTextField(TextField& field) {
    return std::make_unique<QtTextFieldPeer>(field, content_);
}

std::unique_ptr<PopupMenuPeer> QtWindowPeer::CreatePopupMenu(PopupMenu& popup) {
    return std::make_unique<QtPopupMenuPeer>(popup, content_);
}

void QtWindowPeer::SetTitle(std::string_view title) {
    if (native_) native_->setWindowTitle(ToQString(title));
}

void QtWindowPeer::SetFrame(const WindowFrame& frame) {
    if (!native_) return;
    frame_ = frame;
    // The whole window is measured around a content area of exactly that size.
    content_->setFixedSize(static_cast<int>(frame.width), static_cast<int>(frame.height));
    native_->layout()->invalidate();
    native_->layout()->activate();
    if (frame.resizeable) {
        const QSize whole = native_->sizeHint();
        native_->layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        auto clamp = [](std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, 0, QWIDGETSIZE_MAX)); };
        content_->setMinimumSize(clamp(frame.minWidth), clamp(frame.minHeight));
        content_->setMaximumSize(clamp(frame.maxWidth), clamp(frame.maxHeight));
        native_->setMinimumSize(0, 0);
        native_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        native_->resize(whole);
    } else {
        native_->layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (frame.closeButton) flags |= Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;
    if (frame.minimizeButton) flags |= Qt::WindowMinimizeButtonHint;
    if (frame.maximizeButton) flags |= Qt::WindowMaximizeButtonHint;
    if (native_->windowFlags() == flags) return;
    const bool visible = native_->isVisible();
    native_->setWindowFlags(flags);
    if (visible) native_->show();  // changing the flags hides a window
}

void QtWindowPeer::SetFullScreen(bool fullScreen) {
    fullScreen_ = fullScreen;
    if (!native_ || !native_->isVisible()) return;
    if (fullScreen) {
        native_->showFullScreen();
    } else {
        native_->showNormal();
    }
}

void QtWindowPeer::SetBackColor(std::optional<Color> color) {
    if (!content_) return;
    content_->setAutoFillBackground(color.has_value());
    QPalette palette;  // resolves nothing: inherits the window's
    if (color) palette.setColor(QPalette::Window, ToQColor(*color));
    content_->setPalette(palette);
}

void QtWindowPeer::SetMenuBar(const MenuBar* bar, bool visible) {
    if (!native_) return;
    if (bar != bar_) {
        bar_ = bar;
        menus_->Rebuild(bar);
    }
    native_->menuBar()->setVisible(bar && visible);
    SetFrame(frame_);
}

void QtWindowPeer::MenuItemChanged(const MenuItem& item) {
    menus_->ItemChanged(item);
}

void QtWindowPeer::MenuTreeChanged() {
    menus_->Rebuild(bar_);
}

void QtWindowPeer::SetTabOrder(const std::vector<ControlPeer*>& order) {
    QWidget* previous = nullptr;
    firstTabStop_ = nullptr;
    for (ControlPeer* peer : order) {
        QWidget* widget = WidgetOf(peer);
        if (!widget) continue;
        if (previous) QWidget::setTabOrder(previous, widget);
        if (!firstTabStop_) firstTabStop_ = widget;
        previous = widget;
    }
}

void QtWindowPeer::Show() {
    if (!native_ || closed_) return;
    // A window opens ready for the keyboard: its first tab stop has the focus and shows it,
    // as it would after a Tab (styles draw a focus frame only then).
    const bool first = !native_->focusWidget();
    if (first && firstTabStop_) firstTabStop_->setFocus(Qt::TabFocusReason);
    if (fullScreen_) {
        native_->showFullScreen();
    } else {
        native_->show();
    }
    if (!first) return;
    native_->setAttribute(Qt::WA_KeyboardFocusChange);
    native_->activateWindow();  // the window manager may still decide otherwise
}

void QtWindowPeer::Hide() {
    if (native_) native_->hide();
}

void QtWindowPeer::Close() {
    closed_ = true;
    Hide();
}

}  // namespace guirt::qt
