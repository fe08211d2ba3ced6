#include "QtWindowPeer.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <algorithm>

#include "Guard.h"
#include "ModelState.h"
#include "QtConversions.h"
#include "QtMenuPeer.h"
#include "QtObjects.h"

namespace guirt::qt {

void NativeWindow::closeEvent(QCloseEvent* event) {
    if (!closeRequested) {
        event->accept();
        return;
    }
    event->ignore();
    closeRequested();
}

void NativeWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && activated) activated();
}

QtWindowPeer::QtWindowPeer(Window& model, const ShownMenuBar& bar)
    : model_(model), native_(new NativeWindow), content_(new QWidget) {
    native_->setObjectName(ToQString(model_.Class().Name()));
    native_->setCentralWidget(content_);
    menus_ = std::make_unique<QtMenuPeer>(*native_, model_);
    menus_->Rebuild(bar.menus);
    native_->menuBar()->setVisible(!bar.menus.empty() && bar.visible);
    ShowAll<Window::Shown>(*this);
    native_->closeRequested = [this] { Report(model_, &Window::PeerCloseRequested); };
    native_->activated = [this] { Report(model_, &Window::PeerActivated); };
    native_->shortcut = [this](const QKeyEvent& key) { return Ask(model_, &Window::PeerShortcut, StrokeOf(key)); };
}

QtWindowPeer::~QtWindowPeer() {
    if (native_) {
        native_->closeRequested = nullptr;
        native_->activated = nullptr;
        native_->shortcut = nullptr;
    }
    menus_.reset();
    DeleteSoon(native_.data());
}

void QtWindowPeer::Show(Window::Shown what) {
    if (!native_) return;
    switch (what) {
        case Window::Shown::Title:
            native_->setWindowTitle(ToQString(TextOf(model_.Title())));
            return;
        case Window::Shown::Frame:
            ShowFrame();
            return;
        case Window::Shown::FullScreen:
            if (!native_->isVisible()) return;
            if (model_.FullScreen()) {
                native_->showFullScreen();
            } else {
                native_->showNormal();
            }
            return;
        case Window::Shown::BackColor: {
            const std::optional<Color> color = BackColorOf(model_);
            content_->setAutoFillBackground(color.has_value());
            QPalette palette;  // resolves nothing: inherits the window's
            if (color) palette.setColor(QPalette::Window, ToQColor(*color));
            content_->setPalette(palette);
            return;
        }
    }
}

void QtWindowPeer::ShowFrame() {
    const WindowFrame frame = FrameOf(model_);
    content_->setFixedSize(static_cast<int>(frame.width), static_cast<int>(frame.height));
    native_->layout()->invalidate();
    native_->layout()->activate();
    if (frame.resizeable) {
        const QSize whole = native_->sizeHint();
        native_->layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        content_->setMinimumSize(static_cast<int>(frame.minWidth), static_cast<int>(frame.minHeight));
        content_->setMaximumSize(static_cast<int>(frame.maxWidth), static_cast<int>(frame.maxHeight));
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

void QtWindowPeer::SetMenuBar(const ShownMenuBar& bar) {
    if (!native_) return;
    menus_->Rebuild(bar.menus);
    native_->menuBar()->setVisible(!bar.menus.empty() && bar.visible);
    ShowFrame();
}

void QtWindowPeer::SetMenuEnabled(std::size_t entry, bool enabled) {
    menus_->SetEnabled(entry, enabled);
}

QWidget* QtWindowPeer::WidgetOf(const ControlPeer* peer) const {
    const QtControl* control = controls_->Of(peer);
    return control ? control->Widget() : nullptr;
}

void QtWindowPeer::SetTabOrder(const std::vector<ControlPeer*>& order) {
    QWidget* previous = nullptr;
    for (ControlPeer* peer : order) {
        QWidget* widget = WidgetOf(peer);
        if (!widget) continue;
        if (previous) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void QtWindowPeer::SetVisible(bool visible) {
    if (!native_ || closed_) return;
    if (!visible) {
        native_->hide();
        return;
    }
    if (model_.FullScreen()) {
        native_->showFullScreen();
    } else {
        native_->show();
    }
    native_->activateWindow();  // the window manager may still decide otherwise
}

void QtWindowPeer::Close() {
    closed_ = true;
    if (native_) native_->hide();
}

}  // namespace guirt::qt
