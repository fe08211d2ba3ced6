#include <algorithm>
#include <cstdint>
#include <cwchar>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "Guard.h"
#include "LineFit.h"
#include "ModelState.h"
#include "Win32ControlPeer.h"
#include "Win32EditPadding.h"
#include "Win32Keys.h"
#include "Win32Text.h"
#include "Win32WindowPeer.h"

namespace guirt::win32 {

namespace {

// The dot common controls 6 hide a password with.
constexpr wchar_t kPasswordDot = L'\x25CF';

// The clipboard's text, no more of it than `most` UTF-16 units: what decides whether a field
// can take it, without reading all of a text that may be huge.
std::string ClipboardText(HWND owner, std::size_t most) {
    if (!OpenClipboard(owner)) return {};
    std::string text;
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = Utf8(std::wstring_view(wide, wcsnlen(wide, std::min(GlobalSize(data) / sizeof(wchar_t), most))));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

// The editing messages, which the control's context menu and its own editing keys send it too,
// and the model's command for each; Select All is the context menu's EM_SETSEL.
constexpr std::pair<UINT, EditCommand> kEditingMessages[] = {
    {WM_UNDO, EditCommand::Undo},   {WM_CUT, EditCommand::Cut},     {WM_COPY, EditCommand::Copy},
    {WM_PASTE, EditCommand::Paste}, {WM_CLEAR, EditCommand::Clear}, {EM_SETSEL, EditCommand::SelectAll},
};

DWORD AlignmentStyle(TextAlignment alignment) {
    switch (alignment) {
        case TextAlignment::Center:
            return ES_CENTER;
        case TextAlignment::Right:
            return ES_RIGHT;
        case TextAlignment::Left:
            break;
    }
    return ES_LEFT;
}

// A TextField as a single-line EDIT control. Its changes (EN_CHANGE) and keys go to the
// model as they happen. The editing commands, from any menu or key, are the model's to
// decide (the control's own context menu shows its states) and the control's to carry out
// with its own undo, selection and clipboard messages; a paste inserts what the model says
// the field takes of the clipboard's text, and a typed character asks the model first.
class Win32TextFieldPeer final : public Win32ControlPeer<TextFieldPeer> {
public:
    // Win32 reads the alignment as the control is made; later changes show where the
    // system takes them.
    Win32TextFieldPeer(TextField& model, const ChildSite& site)
        : Win32ControlPeer(
              model, site,
              CreateChild(site, model, WC_EDITW, ES_AUTOHSCROLL | AlignmentStyle(AlignmentOf(model.Alignment())),
                          model.Border() ? WS_EX_CLIENTEDGE : 0)),
          field_(model) {
        ShowAll<Control::Shown>(*this);
        ShowAll<RectControl::Shown>(*this);
        ShowAll<TextEdit::Shown>(*this);
        ShowAll<TextField::Shown>(*this);
    }

    using Win32ControlPeer::Show;
    void Show(RectControl::Shown what) override {
        Win32ControlPeer::Show(what);
        if (what == RectControl::Shown::Font) font_.Forget();
        if (what == RectControl::Shown::Font || what == RectControl::Shown::Bounds) Refit();
    }

    void Show(TextEdit::Shown what) override {
        const HWND edit = Handle();
        if (!edit) return;
        switch (what) {
            case TextEdit::Shown::Text:
                SetWindowTextW(edit, Wide(TextOf(field_.Text())).c_str());
                FitText();
                return;
            case TextEdit::Shown::TabStop:
                // Out of the tab order, a click still focuses it.
                SetStyle(WS_TABSTOP, field_.TabStop());
                return;
            case TextEdit::Shown::Border: {
                const LONG_PTR exStyle = GetWindowLongPtrW(edit, GWL_EXSTYLE);
                const LONG_PTR wanted = field_.Border() ? (exStyle | WS_EX_CLIENTEDGE)
                                                        : (exStyle & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE));
                if (wanted == exStyle) return;
                SetWindowLongPtrW(edit, GWL_EXSTYLE, wanted);
                SetWindowPos(edit, nullptr, 0, 0, 0, 0,
                             SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                Refit();
                return;
            }
            case TextEdit::Shown::ReadOnly:
                SendMessageW(edit, EM_SETREADONLY, field_.ReadOnly(), 0);
                return;
            case TextEdit::Shown::Colors:
                backBrush_.reset(CreateSolidBrush(ColorRefOf(field_.BackColor())));
                Repaint();
                return;
            case TextEdit::Shown::LimitText:
                SendMessageW(edit, EM_SETLIMITTEXT, static_cast<WPARAM>(field_.MostText()), 0);
                return;
            case TextEdit::Shown::Alignment:
                SetStyle(ES_CENTER | ES_RIGHT, false);
                SetStyle(AlignmentStyle(AlignmentOf(field_.Alignment())), true);
                Repaint();
                return;
        }
    }

    void Show(TextField::Shown what) override {
        const HWND edit = Handle();
        if (!edit) return;
        switch (what) {
            case TextField::Shown::Password:
                SendMessageW(edit, EM_SETPASSWORDCHAR, field_.Password() ? kPasswordDot : 0, 0);
                FitText();
                Repaint();
                return;
            case TextField::Shown::CueText:
                // Shown while the field is empty, focused or not.
                SendMessageW(edit, EM_SETCUEBANNER, TRUE,
                             reinterpret_cast<LPARAM>(Wide(TextOf(field_.CueText())).c_str()));
                return;
        }
    }

    Ref<String> Text() const override { return Handle() ? WindowText(Handle()) : nullptr; }

    void Select(std::int64_t start, std::int64_t length) override {
        if (!Handle()) return;
        SendMessageW(Handle(), EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(start + length));
        SendMessageW(Handle(), EM_SCROLLCARET, 0, 0);
    }

    void SelectAllFromStart() override {
        if (!Handle()) return;
        // The anchor at the end and the caret at the start, where the control scrolls to.
        SendMessageW(Handle(), EM_SETSEL, static_cast<WPARAM>(GetWindowTextLengthW(Handle())), 0);
        SendMessageW(Handle(), EM_SCROLLCARET, 0, 0);
    }

    EditFacts Facts() const override {
        if (!Handle()) return {};
        const auto [length, selected] = Extent();
        return {selected > 0, selected >= length, SendMessageW(Handle(), EM_CANUNDO, 0, 0) != 0};
    }

    void Perform(EditCommand command) override {
        const HWND edit = Handle();
        if (!edit) return;
        // The change comes back as EN_CHANGE.
        if (command == EditCommand::Paste) {
            const std::string offered = ClipboardText(edit, 2 * static_cast<std::size_t>(TextEdit::kMostText) + 2);
            if (const auto taken = Ask(field_, &TextEdit::PeerIncoming, std::string_view(offered), Kept())) {
                SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Wide(*taken).c_str()));
            }
            return;
        }
        performing_ = true;
        for (const auto& [message, performed] : kEditingMessages) {
            if (performed != command) continue;
            if (message == EM_SETSEL) {
                SendMessageW(edit, EM_SETSEL, 0, -1);
            } else {
                SendMessageW(edit, message, 0, 0);
            }
        }
        performing_ = false;
    }

    void Notified(WORD code) override {
        if (code != EN_CHANGE) return;
        FitText();
        Report(field_, &TextEdit::PeerTextChanged);
    }

    HBRUSH Colors(HDC dc) override {
        ::SetTextColor(dc, ColorRefOf(field_.TextColor()));
        SetBkColor(dc, ColorRefOf(field_.BackColor()));
        return backBrush_.get();
    }

private:
    // The box or font changed: the size a line fits the field's height at is worked out
    // again, once.
    void Refit() {
        start_.reset();
        FitText();
    }

    // Shows the field's text whole where a smaller size can (FitFieldText), at its font's own
    // size otherwise. The room is the edit's own: inside its border, less its margins and
    // the caret's pixel.
    void FitText() {
        const HWND edit = Handle();
        if (!edit) return;
        const FontRequest request = FontOf(field_);
        const int dpi = Dpi();
        const SizedFont& sized = font_.Sized(request, dpi);
        RECT client{};
        GetClientRect(edit, &client);
        // The margins follow the font the edit shows.
        const auto margins = static_cast<DWORD>(SendMessageW(edit, EM_GETMARGINS, 0, 0));
        const double width = client.right - client.left - LOWORD(margins) - HIWORD(margins) - 1;
        std::string shown;
        if (field_.Password()) {
            for (int i = GetWindowTextLengthW(edit); i > 0; --i) shown += Utf8(std::wstring(1, kPasswordDot));
        } else {
            shown = TextOf(WindowText(edit));
        }
        LineMeasure measure = font_.Measure(request, dpi, width, 0);
        if (!start_) {
            RECT window{};
            GetWindowRect(edit, &window);
            const bool edged = (GetWindowLongPtrW(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
            const double height = window.bottom - window.top - (edged ? 2 * GetSystemMetrics(SM_CYEDGE) : 0);
            start_ = FitLineHeight(measure.own, measure.least, height,
                                   [&sized](int size) { return LineHeight(sized.At(size).get()); });
        }
        measure.own = *start_;
        UseFont(sized.At(FitFieldText(shown, measure)));
    }

    LRESULT Message(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_KEYDOWN:
            case WM_SYSKEYDOWN: {
                // Bit 30: the key was down already, and this is the keyboard's repeat.
                const bool repeat = (lParam & (1L << 30)) != 0;
                if (!repeat) typed_.erase(wParam);
                typing_ = repeat ? std::optional<WPARAM>() : wParam;
                Report(field_, &TextEdit::PeerKeyDown, repeat);
                return Default(hwnd, message, wParam, lParam);
            }
            case WM_CHAR: {
                if (typing_) typed_[*typing_] += static_cast<wchar_t>(wParam);
                const std::string typed = Utf8(std::wstring(1, static_cast<wchar_t>(wParam)));
                if (!Ask(field_, &TextEdit::PeerMayType, std::string_view(typed), Kept())) return 0;
                return Default(hwnd, message, wParam, lParam);
            }
            case WM_UNDO:
            case WM_CUT:
            case WM_COPY:
            case WM_PASTE:
            case WM_CLEAR:
                if (performing_) break;
                for (const auto& [editing, command] : kEditingMessages) {
                    if (editing == message) Report(field_, &TextEdit::PeerCommand, command);
                }
                return 0;
            case WM_INITMENUPOPUP: {
                // The control's own context menu, its items as the model decides.
                const LRESULT result = Default(hwnd, message, wParam, lParam);
                const auto menu = reinterpret_cast<HMENU>(wParam);
                for (const auto& [editing, command] : kEditingMessages) {
                    const bool can = Guarded(false, [this, command = command] { return field_.CanPerform(command); });
                    EnableMenuItem(menu, editing, MF_BYCOMMAND | (can ? MF_ENABLED : MF_GRAYED));
                }
                return result;
            }
            case WM_KEYUP:
            case WM_SYSKEYUP: {
                // The control acts on the key first, so the model hears of the release last.
                const LRESULT result = Default(hwnd, message, wParam, lParam);
                const std::string typed = TypedBy(wParam, lParam);
                Report(field_, &TextEdit::PeerKeyUp, std::string_view(typed), StrokeOf(wParam), false);
                return result;
            }
            case WM_NCCALCSIZE: {
                const LRESULT result = Default(hwnd, message, wParam, lParam);
                PadClientArea(hwnd, *reinterpret_cast<RECT*>(lParam));
                return result;
            }
            case WM_NCPAINT: {
                const LRESULT result = Default(hwnd, message, wParam, lParam);
                PaintPadding(hwnd);
                return result;
            }
            case WM_NCHITTEST:
                return HitPadding(hwnd, lParam, Default(hwnd, message, wParam, lParam));
            case WM_SETFONT: {
                // A new line height: the text is centred again.
                const LRESULT result = Default(hwnd, message, wParam, lParam);
                SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                             SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                ScrollFromStart(hwnd);
                return result;
            }
            case WM_KILLFOCUS:
                // A key pressed here and released elsewhere types nothing here.
                typed_.clear();
                typing_.reset();
                break;
            default:
                break;
        }
        return Win32ControlPeer::Message(hwnd, message, wParam, lParam);
    }

    // An edit keeps the scroll it had in its old font, which in a smaller one can leave the
    // text's start out of view with room to spare at its end. The cursor taken to the start
    // and back scrolls the text to its start, then only as far as the cursor needs. A
    // selection is left as it is: the edit tells its ends but not which one the cursor is at.
    static void ScrollFromStart(HWND edit) {
        const auto [start, end] = SelectionOf(edit);
        if (start != end) return;
        SendMessageW(edit, EM_SETSEL, 0, 0);
        SendMessageW(edit, EM_SETSEL, start, start);
    }

    // The selection's start and end, in UTF-16 units.
    static std::pair<DWORD, DWORD> SelectionOf(HWND edit) {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return {start, end};
    }

    // The text's length and the selection's, in UTF-16 units.
    std::pair<std::int64_t, std::int64_t> Extent() const {
        const auto [start, end] = SelectionOf(Handle());
        return {GetWindowTextLengthW(Handle()), end - start};
    }

    // The units of the text an edit in place of the selection keeps.
    std::int64_t Kept() const {
        const auto [length, selected] = Extent();
        return length - selected;
    }

    // What the key typed: the characters its press brought (WM_CHAR), or, for a key whose
    // press was taken before the control saw it (an accelerator such as Ctrl+C), what the
    // key types with the keyboard as it is.
    std::string TypedBy(WPARAM key, LPARAM keyData) {
        auto it = typed_.find(key);
        if (it == typed_.end()) return TypedText(key, keyData);
        std::string typed = Utf8(it->second);
        typed_.erase(it);
        return typed;
    }

    TextField& field_;
    LineFont font_;
    // The size a line of the field's font starts from to fit its height (FitLineHeight), in
    // device pixels; none until worked out, and once the box or font changes.
    std::optional<int> start_;
    BrushHandle backBrush_;
    // The characters each key held down has typed, and the key the next WM_CHAR comes from
    // (none while the keyboard repeats).
    std::map<WPARAM, std::wstring> typed_;
    std::optional<WPARAM> typing_;
    bool performing_ = false;  // the editing messages sent are the model's decision
};

}  // namespace

std::unique_ptr<TextFieldPeer> Win32WindowPeer::Create(TextField& field) {
    return std::make_unique<Win32TextFieldPeer>(field, NextSite());
}

}  // namespace guirt::win32
