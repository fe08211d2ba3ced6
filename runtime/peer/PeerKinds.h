#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "Peers.h"
#include "guirt/Label.h"
#include "guirt/PopupMenu.h"
#include "guirt/TextField.h"
#include "guirt/Window.h"

// The kinds of control the seam knows. Each Kind is a model (guirt/Kind.h) whose native side
// implements KindPeer, below, and which the peer of its window makes: WindowPeer::Create(Kind&).
// A kind is added here with its interface; each backend makes its peer in a file of its own,
// which defines its window peer's Create for it. A backend without one does not build.
#define GUIRT_PEER_KINDS(X) X(Label) X(TextField) X(PopupMenu)

namespace guirt {

class LabelPeer : public ControlPeer {
public:
    using ControlPeer::Show;
    virtual void Show(Label::Shown what) = 0;
    // The control this label is the caption of (null: none), so that the label's mnemonic
    // and assistive technology lead to it. A label that captions nothing shows output:
    // changes of its caption are announced to assistive technology. Labels learn their
    // buddies before controls get their AccessibleText.
    virtual void SetBuddy(ControlPeer* control) = 0;
    // The text size, in the layout's pixels, at which the one-line text shows whole in the
    // box (LineFit.h: at most the font's own size; the floor where even that is too large),
    // whatever limit the label has been given.
    virtual double LinePixels() = 0;
    // Shows the text no larger than this many layout pixels; 0: as large as its font.
    virtual void LimitLinePixels(double pixels) = 0;
};

// What every text control's peer does; a kind's interface adds its own aspects.
class TextEditPeer : public ControlPeer {
public:
    using ControlPeer::Show;
    virtual void Show(TextEdit::Shown what) = 0;
    // The text the native control holds now.
    virtual Ref<String> Text() const = 0;
    // Selects length characters from start (0 for a cursor there) and scrolls it into view;
    // positions count the native text's units (UTF-16 on Qt and Win32).
    virtual void Select(std::int64_t start, std::int64_t length) = 0;
    // Selects the whole text with the cursor at its start, which scrolls the start into view.
    virtual void SelectAllFromStart() = 0;
    virtual EditFacts Facts() const = 0;
    // Carries out the command with the toolkit's own undo, selection and clipboard; the
    // runtime has decided that it applies.
    virtual void Perform(EditCommand command) = 0;
};

class TextFieldPeer : public TextEditPeer {
public:
    using TextEditPeer::Show;
    virtual void Show(TextField::Shown what) = 0;
};

class PopupMenuPeer : public ControlPeer {
public:
    using ControlPeer::Show;
    // Showing the rows adds those the native list lacks; showing the selection reports no
    // pick back.
    virtual void Show(PopupMenu::Shown what) = 0;
};

// The native side of a window. It makes the peers of the window's controls, one Create per
// kind, which the model of each control calls for itself (window.Create(*this)).
class WindowPeer {
public:
    virtual ~WindowPeer() = default;
#define GUIRT_PEER_CREATE(Kind) virtual std::unique_ptr<Kind##Peer> Create(Kind& model) = 0;
    GUIRT_PEER_KINDS(GUIRT_PEER_CREATE)
#undef GUIRT_PEER_CREATE

    virtual void Show(Window::Shown what) = 0;
    virtual void SetMenuBar(const ShownMenuBar& bar) = 0;
    // An entry of the bar shows enabled or greyed.
    virtual void SetMenuEnabled(std::size_t entry, bool enabled) = 0;
    // The controls that take the keyboard focus with Tab, in order.
    virtual void SetTabOrder(const std::vector<ControlPeer*>& order) = 0;
    // Shown, a window is activated.
    virtual void SetVisible(bool visible) = 0;
    virtual void Close() = 0;
};

}  // namespace guirt

// Declares, in a backend's window peer, its Create for every kind; the backend defines each
// in the kind's own peer file.
#define GUIRT_PEER_CREATE_OVERRIDE(Kind) std::unique_ptr<Kind##Peer> Create(Kind& model) override;
#define GUIRT_PEER_CREATE_OVERRIDES GUIRT_PEER_KINDS(GUIRT_PEER_CREATE_OVERRIDE)
