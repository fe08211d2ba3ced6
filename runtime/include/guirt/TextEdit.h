#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "guirt/RectControl.h"

namespace guirt {

class TextEditPeer;
struct KeyStroke;

// The standard editing commands of a text control.
enum class EditCommand { Undo, Cut, Copy, Paste, Clear, SelectAll };

// Editable text. Every change of the text raises "TextChange", whoever made it; the text a
// user types reaches the model from the peer before any event is raised, and every key
// released in the control raises "KeyUp" with the key's text.
class GUIRT_API TextEdit : public RectControl {
public:
    // What the native peer of a text control shows of it.
    enum class Shown : std::uint8_t { Text, TabStop, Border, ReadOnly, Colors, LimitText, Alignment, Last = Alignment };

    // The most UTF-16 units a text control holds, whatever its LimitText: far more than any
    // number a person or a program writes there, few enough that every toolkit takes the
    // longest edit at once. An edit that would pass it is refused whole, with the platform's
    // error sound; none is cut to fit.
    static constexpr std::int64_t kMostText = 65'536;

    // The text, as the user left it or the program set it. The program's own text is shown
    // from its start, and so is a text the focus selects whole as it arrives. A text longer
    // than kMostText is refused as the user's edits are: the control keeps the text it has.
    Ref<String> Text() const;
    void SetText(const Ref<String>& text);

    bool TabStop() const { return Read(tabStop_); }
    void SetTabStop(bool tabStop) {
        if (Assign(tabStop_, tabStop)) Show(Shown::TabStop);
    }
    bool Border() const { return Read(border_); }
    void SetBorder(bool border) {
        if (Assign(border_, border)) Show(Shown::Border);
    }
    bool UseFocusRing() const { return Read(useFocusRing_); }
    void SetUseFocusRing(bool use) { Assign(useFocusRing_, use); }
    bool ReadOnly() const { return Read(readOnly_); }
    void SetReadOnly(bool readOnly) {
        if (Assign(readOnly_, readOnly)) Show(Shown::ReadOnly);
    }
    bool AcceptTabs() const { return Read(acceptTabs_); }
    void SetAcceptTabs(bool accept) { Assign(acceptTabs_, accept); }
    bool AutomaticallyCheckSpelling() const { return Read(checkSpelling_); }
    void SetAutomaticallyCheckSpelling(bool check) { Assign(checkSpelling_, check); }
    Color TextColor() const { return Read(textColor_); }
    void SetTextColor(Color color) {
        if (Assign(textColor_, color)) Show(Shown::Colors);
    }
    Color BackColor() const { return Read(backColor_); }
    void SetBackColor(Color color) {
        if (Assign(backColor_, color)) Show(Shown::Colors);
    }
    Ref<String> Format() const { return Read(format_); }
    void SetFormat(const Ref<String>& format) { Assign(format_, format); }
    // The most characters the user may enter; 0: no limit but kMostText.
    std::int64_t LimitText() const { return Read(limitText_); }
    void SetLimitText(std::int64_t limit) {
        if (Assign(limitText_, limit)) Show(Shown::LimitText);
    }
    // The limit the native control enforces by its own rules: LimitText below kMostText,
    // else kMostText.
    std::int64_t MostText() const;
    // 0 the default (left), 1 left, 2 centre, 3 right.
    std::int64_t Alignment() const { return Read(alignment_); }
    void SetAlignment(std::int64_t align) {
        if (Assign(alignment_, align)) Show(Shown::Alignment);
    }

    bool IsTabStop() const override { return TabStop(); }
    // A secret's text never leaves the control: it cannot be cut or copied (a password).
    virtual bool IsSecret() const { return false; }

    // Whether the command would do something now: undo with something to undo, cut and
    // copy with a selection, paste with text on the clipboard, and so on; nothing that
    // changes the text in a read-only control, and nothing that copies out a secret.
    bool CanPerform(EditCommand command) const;
    // Carries out the command if it can; true when it did.
    bool Perform(EditCommand command);

    // True while "TextChange" is raised for a change the user made without a key held in
    // the control: a paste or drop with the mouse, an Edit command chosen from a menu.
    // Such a change is followed by no key release.
    bool EditedWithoutKey() const;

    // The text in the native control changed; the model asks the peer for it unless the
    // peer is showing the program's own text.
    void PeerTextChanged(const PeerKey&);
    // Text about to come into the native control in place of its selection, which keeps
    // `kept` units of the text: pasted or dropped, perhaps several lines of it. Gives what
    // the control inserts: a field of one line takes each line break (CR LF, CR or LF) as a
    // space, so nothing of the text is lost. None when nothing comes in: the control is
    // read-only, or it would then hold more than kMostText units (refused whole, with the
    // error sound; never cut to fit). Reads no further into the text than it must.
    std::optional<std::string> PeerIncoming(const PeerKey&, std::string_view text, std::int64_t kept);
    // Text dragged over the native control: whether a drop of it would be taken
    // (PeerIncoming), asked without a sound. A drag of text that would be refused is refused
    // as it arrives, so that its source hears that nothing was taken.
    bool PeerWouldTake(const PeerKey&, std::string_view text, std::int64_t kept) const;
    // A key is about to type `typed` in place of the selection, the control keeping `kept`
    // units. False refuses it, with the error sound, where the control would then hold more
    // than kMostText units. A key that types no character (a control character: Backspace,
    // Return...) is never refused, nor is any in a read-only control, which types nothing.
    bool PeerMayType(const PeerKey&, std::string_view typed, std::int64_t kept);
    // The user gave the native control one of its own editing commands (from its context
    // menu, or by an editing key of the platform's): carried out as the Edit menu's would be,
    // if it can be now (CanPerform).
    void PeerCommand(const PeerKey&, EditCommand command);
    // A key went down in the native control; a repeat while it is held counts for nothing.
    void PeerKeyDown(const PeerKey&, bool repeat);
    // A key came up in the native control, having typed `typed` as the platform tells it:
    // raises KeyUp with the key's text (KeyUpText). A repeat counts for nothing: one press,
    // one release.
    void PeerKeyUp(const PeerKey&, std::string_view typed, const KeyStroke& stroke, bool repeat);

    static const ClassRecord& Record();

protected:
    TextEdit() = default;
    // The peer of the kind of text control, null before it has one.
    virtual TextEditPeer* EditPeer() const noexcept = 0;
    void FocusChanged(bool gained) override;
    // Puts the peer's cursor at the start of the text: a long number the program writes is
    // read from its start, as the user types it.
    void ShowFromStart();

private:
    void Show(Shown what);
    // Whether the text, its line breaks as spaces, fits beside `kept` units (read no further
    // than the bound).
    bool Fits(std::string_view text, std::int64_t kept) const noexcept;

    Ref<String> text_;
    bool tabStop_ = true;
    bool border_ = true;
    bool useFocusRing_ = true;
    bool readOnly_ = false;
    bool acceptTabs_ = false;
    bool checkSpelling_ = false;
    Color textColor_;
    Color backColor_{0x00FFFFFF};
    Ref<String> format_;
    std::int64_t limitText_ = 0;
    std::int64_t alignment_ = 0;
    bool keyHeld_ = false;
    bool editedWithoutKey_ = false;
    bool showingText_ = false;  // the peer is being given the program's text
};

// The name of an aspect the peer is told of, as logs and tools give it.
GUIRT_API std::string_view ShownName(TextEdit::Shown what);

}  // namespace guirt
