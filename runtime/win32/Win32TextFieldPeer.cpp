#include "Win32TextFieldPeer.h"

#include "Guard.h"
#include "Win32Keys.h"
#include "Win32Text.h"

namespace guirt::win32 {

namespace {

// What EM_SETLIMITTEXT calls no limit on a single-line control.
constexpr std::int64_t kNoLimit = 0x7FFFFFFE;
// The dot common controls 6 hide a password with.
constexpr wchar_t kPasswordDot = L'\x25CF';

DWORD AlignmentStyle(std::int64_t align) {
    if (align == 2) return ES_CENTER;
    if (align == 3) return ES_RIGHT;
    return ES_LEFT;
}

}  // namespace

Win32TextFieldPeer::Win32TextFieldPeer(TextField& model, const ChildSite& site)
    : Win32ControlPeer(
          model, site,
          CreateChild(site, model, WC_EDITW, {},
                      ES_AUTOHSCROLL | AlignmentStyle(model.Alignment()) | (model.TabStop() ? WS_TABSTOP : 0) |
                          (model.ReadOnly() ? ES_READONLY : 0) | (model.Password() ? ES_PASSWORD : 0),
                      model.Border() ? WS_EX_CLIENTEDGE : 0)),
      field_(model) {
    SetLimitText(model.LimitText());
    SetText(TextOf(model.Text()));
    SetCueText(TextOf(model.CueText()));
    SetColors(model.TextColor(), model.BackColor());
    ShowModel();
}

void Win32TextFieldPeer::SetText(std::string_view text) {
    if (!Handle()) return;
    const std::wstring shown = Wide(text);
    applyingText_ = true;
    SetWindowTextW(Handle(), shown.c_str());
    applyingText_ = false;
    // A long number the program writes is read from its start, as the user types it.
    SendMessageW(Handle(), EM_SETSEL, 0, 0);
    SendMessageW(Handle(), EM_SCROLLCARET, 0, 0);
}

void Win32TextFieldPeer::SetTabStop(bool tabStop) {
    // Out of the tab order, a click still focuses it.
    if (Handle()) SetStyle(WS_TABSTOP, tabStop);
}

void Win32TextFieldPeer::SetBorder(bool border) {
    if (!Handle()) return;
    const LONG_PTR exStyle = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE,
                      border ? (exStyle | WS_EX_CLIENTEDGE) : (exStyle & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE)));
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32TextFieldPeer::SetReadOnly(bool readOnly) {
    if (Handle()) SendMessageW(Handle(), EM_SETREADONLY, readOnly, 0);
}

void Win32TextFieldPeer::SetColors(Color text, Color back) {
    text_ = ColorRefOf(text);
    back_ = ColorRefOf(back);
    backBrush_.reset(CreateSolidBrush(back_));
    if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

void Win32TextFieldPeer::SetLimitText(std::int64_t limit) {
    if (Handle()) SendMessageW(Handle(), EM_SETLIMITTEXT, limit > 0 && limit < kNoLimit ? limit : kNoLimit, 0);
}

// Win32 reads the alignment as the control is made; later changes show where the system
// takes them.
void Win32TextFieldPeer::SetAlignment(std::int64_t align) {
    if (!Handle()) return;
    SetStyle(ES_CENTER | ES_RIGHT, false);
    SetStyle(AlignmentStyle(align), true);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void Win32TextFieldPeer::SetPassword(bool password) {
    if (!Handle()) return;
    SendMessageW(Handle(), EM_SETPASSWORDCHAR, password ? kPasswordDot : 0, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void Win32TextFieldPeer::SetCueText(std::string_view text) {
    // Shown while the field is empty, focused or not.
    if (Handle()) SendMessageW(Handle(), EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(Wide(text).c_str()));
}

bool Win32TextFieldPeer::CanPerform(EditCommand command) const {
    const HWND edit = Handle();
    if (!edit) return false;
    const bool writable = !(GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY);
    // A password's text never leaves the field.
    const bool readable = SendMessageW(edit, EM_GETPASSWORDCHAR, 0, 0) == 0;
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const bool selected = end > start;
    switch (command) {
        case EditCommand::Undo:
            return writable && SendMessageW(edit, EM_CANUNDO, 0, 0);
        case EditCommand::Cut:
            return writable && readable && selected;
        case EditCommand::Copy:
            return readable && selected;
        case EditCommand::Paste:
            // Whether text is offered, not the text itself: that can be huge, or slow to come.
            return writable && IsClipboardFormatAvailable(CF_UNICODETEXT);
        case EditCommand::Clear:
            return writable && selected;
        case EditCommand::SelectAll:
            return end - start < static_cast<DWORD>(GetWindowTextLengthW(edit));
    }
    return false;
}

void Win32TextFieldPeer::Perform(EditCommand command) {
    if (!CanPerform(command)) return;
    // The change comes back as EN_CHANGE, which may end in the model letting go of this peer.
    const HWND edit = Handle();
    switch (command) {
        case EditCommand::Undo:
            SendMessageW(edit, WM_UNDO, 0, 0);
            break;
        case EditCommand::Cut:
            SendMessageW(edit, WM_CUT, 0, 0);
            break;
        case EditCommand::Copy:
            SendMessageW(edit, WM_COPY, 0, 0);
            break;
        case EditCommand::Paste:
            SendMessageW(edit, WM_PASTE, 0, 0);
            break;
        case EditCommand::Clear:
            SendMessageW(edit, WM_CLEAR, 0, 0);
            break;
        case EditCommand::SelectAll:
            SendMessageW(edit, EM_SETSEL, 0, -1);
            break;
    }
}

void Win32TextFieldPeer::Notified(WORD code) {
    // The program's own SetText already raised TextChange in the model.
    if (code != EN_CHANGE || applyingText_ || !Handle()) return;
    CallModel([&field = field_, edit = Handle()] {
        const Ref<TextField> hold(&field);
        field.PeerTextChanged(PeerAccess::Key(), WindowText(edit));
    });
}

HBRUSH Win32TextFieldPeer::Colors(HDC dc) {
    ::SetTextColor(dc, text_);
    SetBkColor(dc, back_);
    return backBrush_.get();
}

LRESULT Win32TextFieldPeer::Message(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    TextField& field = field_;
    switch (message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            // One press and one release per physical key, as the program counts them.
            if (!(lParam & (1L << 30))) {
                CallModel([&field] {
                    const Ref<TextField> hold(&field);
                    field.PeerKeyPressed(PeerAccess::Key());
                });
            }
            return DefSubclassProc(hwnd, message, wParam, lParam);
        case WM_KEYUP:
        case WM_SYSKEYUP: {
            // The control acts on the key first, so the model hears of the release last.
            const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
            CallModel([&field, wParam, lParam] {
                const Ref<TextField> hold(&field);
                field.PeerKeyUp(PeerAccess::Key(), TypedText(wParam, lParam), KeyOf(wParam));
            });
            return result;
        }
        default:
            return Win32ControlPeer::Message(hwnd, message, wParam, lParam);
    }
}

}  // namespace guirt::win32
