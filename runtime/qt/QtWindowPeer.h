#pragma once

#include <QKeyEvent>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

#include "PeerKinds.h"
#include "QtControlPeer.h"

namespace guirt::qt {

class QtMenuPeer;

// The top-level widget. A close asked for by the window manager goes to the model, which
// decides; the window goes away when the model closes it. A key pressed anywhere in it is
// offered to the model as a shortcut before the widget with the focus sees it.
class NativeWindow final : public QMainWindow {
public:
    std::function<void()> closeRequested;
    std::function<void()> activated;
    std::function<bool(const QKeyEvent&)> shortcut;  // true: taken

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
};

// A Window as a QMainWindow whose central widget is the content area, exactly Width x
// Height below the menu bar; controls are children of that area. Each kind of control's
// peer is made in its own file (QtLabelPeer.cpp...).
class QtWindowPeer final : public WindowPeer {
public:
    QtWindowPeer(Window& model, const ShownMenuBar& bar);
    ~QtWindowPeer() override;

    GUIRT_PEER_CREATE_OVERRIDES

    void Show(Window::Shown what) override;
    void SetMenuBar(const ShownMenuBar& bar) override;
    void SetMenuEnabled(std::size_t entry, bool enabled) override;
    void SetTabOrder(const std::vector<ControlPeer*>& order) override;
    void SetVisible(bool visible) override;
    void Close() override;

    // The widget of a control this window made; null for any other.
    QWidget* WidgetOf(const ControlPeer* peer) const;

private:
    // Where the next control goes.
    ControlSite Site() const { return {content_, controls_}; }
    // The whole window measured around a content area of the model's size, with its buttons.
    void ShowFrame();

    Window& model_;
    QPointer<NativeWindow> native_;
    QPointer<QWidget> content_;
    std::unique_ptr<QtMenuPeer> menus_;
    std::shared_ptr<QtControls> controls_ = std::make_shared<QtControls>();
    bool closed_ = false;
};

}  // namespace guirt::qt
