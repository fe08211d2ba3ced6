#pragma once

#include "Win32ControlPeer.h"
#include "guirt/TextField.h"

namespace guirt::win32 {

// A TextField as a single-line EDIT control. The user's edits (EN_CHANGE) and keys go to
// the model; the standard editing commands use the control's own undo, selection and
// clipboard messages.
class Win32TextFieldPeer final : public Win32ControlPeer<TextFieldPeer> {
public:
    Win32TextFieldPeer(TextField& model, const ChildSite& site);

    void SetText(std::string_view text) override;
    void SetTabStop(bool tabStop) override;
    void SetBorder(bool border) override;
    void SetReadOnly(bool readOnly) override;
    void SetColors(Color text, Color back) override;
    void SetLimitText(std::int64_t limit) override;
    void SetAlignment(std::int64_t align) override;
    void SetPassword(bool password) override;
    void SetCueText(std::string_view text) override;
    bool CanPerform(EditCommand command) const override;
    void Perform(EditCommand command) override;

    void Notified(WORD code) override;
    HBRUSH Colors(HDC dc) override;

private:
    LRESULT Message(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;

    TextField& field_;
    bool applyingText_ = false;
    COLORREF text_ = 0;
    COLORREF back_ = 0;
    BrushHandle backBrush_;
};

}  // namespace guirt::win32
