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

    std::unique_ptr<LabelPeer> CreateLabel(Label& label) override;
    std::unique_ptr<TextFieldPeer> CreateTextField(TextField& field) override;
    std::unique_ptr<PopupMenuPeer> CreatePopupMenu(PopupMenu& popup) override;

    void SetTitle(std::string_view title) override;
    void SetFrame(const WindowFrame& frame) override;
    void SetFullScreen(bool fullScreen) override;
    void SetBackColor(std::optional<Color> color) override;
    void SetMenuBar(const MenuBar* bar, bool visible) override;
    void MenuItemChanged(const MenuItem& item) override;
    void MenuTreeChanged() override;
    void SetTabOrder(const std::vector<ControlPeer*>& order) override;
    void Show() override;
    void Hide() override;
    void Close() override;

private:
    Window& model_;
    QPointer<NativeWindow> native_;
    QPointer<QWidget> content_;
    std::unique_ptr<QtMenuPeer> menus_;
    const MenuBar* bar_ = nullptr;
    WindowFrame frame_;
    bool fullScreen_ = false;
    QPointer<QWidget> firstTabStop_;
    bool closed_ = false;
};

}  // namespace guirt::qt
