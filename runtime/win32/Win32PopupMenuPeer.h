#pragma once

#include "Win32ControlPeer.h"
#include "guirt/PopupMenu.h"

namespace guirt::win32 {

// A PopupMenu as a drop-down list COMBOBOX exactly as tall as the model says. The model
// owns the selection: the combo shows it and reports only what the user picks.
class Win32PopupMenuPeer final : public Win32ControlPeer<PopupMenuPeer> {
public:
    Win32PopupMenuPeer(PopupMenu& model, const ChildSite& site);

    void AddRow(std::string_view text) override;
    void SetListIndex(std::int64_t row) override;
    void SetTabStop(bool tabStop) override;
    void SetBounds(const Bounds& bounds) override;
    void SetFont(const FontRequest& font) override;

    void Notified(WORD code) override;

private:
    // Sizes the selection field so the closed combo is as tall as the model.
    void FitHeight();

    PopupMenu& popup_;
    std::int64_t height_ = 0;
};

}  // namespace guirt::win32
