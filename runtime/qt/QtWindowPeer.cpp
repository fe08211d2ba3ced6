#include "QtWindowPeer.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <algorithm>

#include "QtConversions.h"
#include "QtGuard.h"
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

QtWindowPeer::QtWindowPeer(Window& model)
    : model_(model), native_(new NativeWindow), content_(new QWidget), context_(std::make_unique<QObject>()) {
    native_->setObjectName(ToQString(model_.Class().Name()));
    native_->setCentralWidget(content_);
    native_->setWindowTitle(ToQString(model_.Title()));
    menus_ = std::make_unique<QtMenuPeer>(*native_);
    menus_->Rebuild(model_.MenuBar());
    ApplyMenuBarVisible();
    ApplyFlags();
    ApplySize();
    ApplyBackColor();

    native_->closeRequested = [this] {
        CallModel([&] {
            const Ref<Window> hold(&model_);
            model_.PeerCloseRequested(PeerAccess::Key());
        });
    };
    // Qt turns off the shortcut of a disabled action, so the edit items follow the focus,
    // the clipboard and (see CreateControlPeer) the text and selection of each field.
    QObject::connect(qApp, &QApplication::focusChanged, context_.get(), [this] { RefreshMenus(); });
    QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, context_.get(),
                     [this] { RefreshMenus(); });
}

QtWindowPeer::~QtWindowPeer() {
    context_.reset();
    if (native_) native_->closeRequested = nullptr;
    menus_.reset();
    DeleteSoon(native_.data());
}

void QtWindowPeer::PropertyChanged(std::string_view property) {
    if (!native_) return;
    if (property == "Width" || property == "Height" || property == "MinWidth" || property == "MinHeight" ||
        property == "MaxWidth" || property == "MaxHeight") {
        ApplySize();
    } else if (property == "Resizeable") {
        ApplySize();
        ApplyFlags();
    } else if (property == "Title") {
        native_->setWindowTitle(ToQString(model_.Title()));
    } else if (property == "CloseButton" || property == "MinimizeButton" || property == "MaximizeButton" ||
               property == "FullScreenButton") {
        ApplyFlags();
    } else if (property == "HasBackColor" || property == "BackColor") {
        ApplyBackColor();
    } else if (property == "MenuBar") {
        menus_->Rebuild(model_.MenuBar());
        ApplyMenuBarVisible();
        ApplySize();
    } else if (property == "MenuBarVisible") {
        ApplyMenuBarVisible();
        ApplySize();
    } else if (property == "Visible") {
        // Showing early, while the runtime still builds the window, paints nothing: the
        // event loop is not running yet.
        if (model_.Visible()) {
            Show();
        } else {
            native_->hide();
        }
    } else if (property == "FullScreen" && shown_ && !closed_ && model_.Visible()) {
        if (model_.FullScreen()) {
            native_->showFullScreen();
        } else {
            native_->showNormal();
        }
    }
}

std::unique_ptr<ControlPeer> QtWindowPeer::CreateControlPeer(Control& control) {
    std::unique_ptr<QtControlPeer> peer;
    if (auto* field = dynamic_cast<TextField*>(&control)) {
        peer = std::make_unique<QtTextFieldPeer>(*field, content_);
        auto* edit = static_cast<QLineEdit*>(peer->Widget());
        QObject::connect(edit, &QLineEdit::textChanged, context_.get(), [this] { RefreshMenus(); });
        QObject::connect(edit, &QLineEdit::selectionChanged, context_.get(), [this] { RefreshMenus(); });
    } else if (auto* popup = dynamic_cast<PopupMenu*>(&control)) {
        peer = std::make_unique<QtPopupMenuPeer>(*popup, content_);
    } else if (auto* label = dynamic_cast<Label*>(&control)) {
        peer = std::make_unique<QtLabelPeer>(*label, content_);
    } else {
        return nullptr;  // a kind of control this backend does not show
    }
    placed_.push_back({WeakRef<Control>(Ref<Control>(&control)), peer->Widget()});
    if (shown_) {
        ApplyTabOrder();
        // A widget added to a visible parent stays hidden until told otherwise.
        peer->Widget()->setVisible(peer->Model().Visible());
    }
    return peer;
}

void QtWindowPeer::MenuChanged(const MenuItem* item, std::string_view property) {
    menus_->ItemChanged(item, property);
}

void QtWindowPeer::Show() {
    if (!native_ || closed_) return;
    shown_ = true;
    ApplyTabOrder();
    if (model_.FullScreen()) {
        native_->showFullScreen();
    } else {
        native_->show();
    }
}

void QtWindowPeer::Close() {
    closed_ = true;
    if (native_) native_->hide();
}

void QtWindowPeer::ApplyTabOrder() {
    struct Stop {
        std::int64_t tabIndex;
        QWidget* widget;
    };
    std::vector<Stop> stops;
    for (const Placed& placed : placed_) {
        QWidget* widget = placed.widget;
        const Ref<Control> control = placed.control.Lock();
        // A control that is no tab stop keeps click focus only (see QtControlPeer).
        if (!widget || !control || !(widget->focusPolicy() & Qt::TabFocus)) continue;
        stops.push_back({static_cast<RectControl&>(*control).TabIndex(), widget});
    }
    // Stable: equal indexes keep the order the controls were created in.
    std::stable_sort(stops.begin(), stops.end(), [](const Stop& a, const Stop& b) { return a.tabIndex < b.tabIndex; });
    for (std::size_t i = 1; i < stops.size(); ++i) QWidget::setTabOrder(stops[i - 1].widget, stops[i].widget);
}

void QtWindowPeer::ApplySize() {
    const QSize size(static_cast<int>(model_.Width()), static_cast<int>(model_.Height()));
    // Measure the whole window around a content area of exactly that size.
    content_->setFixedSize(size);
    native_->layout()->invalidate();
    native_->layout()->activate();
    if (!model_.Resizeable()) {
        native_->layout()->setSizeConstraint(QLayout::SetFixedSize);
        return;
    }
    const QSize whole = native_->sizeHint();
    native_->layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    auto clamp = [](std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, 0, QWIDGETSIZE_MAX)); };
    content_->setMinimumSize(clamp(model_.MinWidth()), clamp(model_.MinHeight()));
    content_->setMaximumSize(clamp(model_.MaxWidth()), clamp(model_.MaxHeight()));
    native_->setMinimumSize(0, 0);
    native_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    native_->resize(whole);
}

void QtWindowPeer::ApplyFlags() {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (model_.CloseButton()) flags |= Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;
    if (model_.MinimizeButton()) flags |= Qt::WindowMinimizeButtonHint;
    // A window that cannot be resized cannot be maximised either.
    if (model_.MaximizeButton() && model_.Resizeable()) flags |= Qt::WindowMaximizeButtonHint;
    if (native_->windowFlags() == flags) return;
    const bool visible = native_->isVisible();
    native_->setWindowFlags(flags);
    if (visible) native_->show();  // changing the flags hides a window
}

void QtWindowPeer::ApplyBackColor() {
    content_->setAutoFillBackground(model_.HasBackColor());
    QPalette palette;  // resolves nothing: inherits the window's
    if (model_.HasBackColor()) palette.setColor(QPalette::Window, ToQColor(model_.BackColor()));
    content_->setPalette(palette);
}

void QtWindowPeer::ApplyMenuBarVisible() {
    native_->menuBar()->setVisible(model_.MenuBar() && model_.MenuBarVisible());
}

void QtWindowPeer::RefreshMenus() {
    CallModel([&] { menus_->RefreshStates(); });
}

}  // namespace guirt::qt
