#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

#include "Peers.h"
#include "guirt/Window.h"

namespace guirt::qt {

class QtMenuPeer;

// The top-level widget. A close asked for by the window manager goes to the model, which
// decides; the window goes away when the model closes it.
class NativeWindow final : public QMainWindow {
public:
    std::function<void()> closeRequested;

protected:
    void closeEvent(QCloseEvent* event) override;
};

// A Window as a QMainWindow whose central widget is the content area, exactly Width x
// Height below the menu bar; controls are children of that area.
class QtWindowPeer final : public WindowPeer {
public:
    explicit QtWindowPeer(Window& model);
    ~QtWindowPeer() override;

    void PropertyChanged(std::string_view property) override;
    std::unique_ptr<ControlPeer> CreateControlPeer(Control& control) override;
    void MenuChanged(const MenuItem* item, std::string_view property) override;
    void Show() override;
    void Close() override;

    // Orders keyboard focus by TabIndex among the controls that are tab stops, ties in the
    // order the controls were created.
    void ApplyTabOrder();

private:
    void ApplySize();
    void ApplyFlags();
    void ApplyBackColor();
    void ApplyMenuBarVisible();
    void RefreshMenus();

    struct Placed {
        WeakRef<Control> control;
        QPointer<QWidget> widget;
    };

    Window& model_;
    QPointer<NativeWindow> native_;
    QPointer<QWidget> content_;
    std::unique_ptr<QtMenuPeer> menus_;
    std::unique_ptr<QObject> context_;
    std::vector<Placed> placed_;
    bool shown_ = false;
    bool closed_ = false;
};

}  // namespace guirt::qt
