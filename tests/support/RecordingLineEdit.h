#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "Peers.h"

namespace guirt::testing {

// UTF-8 and the UTF-16 units a native text control counts in.
std::u16string Utf16(std::string_view text);
std::string Utf8(std::u16string_view text);

// The text of a one-line field as a native line edit keeps it: in UTF-16 units, with the
// selection as an anchor and a cursor, the most units it takes, and its own undo history, in
// which a run of typed characters (or of Backspaces, or of Deletes) is one step.
class LineEdit {
public:
    // Which edits run together into one undo step.
    enum class Edit { Typed, Erased, Deleted, Other };

    const std::u16string& Text() const noexcept { return text_; }
    std::size_t Anchor() const noexcept { return anchor_; }
    std::size_t Cursor() const noexcept { return cursor_; }
    std::u16string Selected() const;
    // The units an edit in place of the selection keeps.
    std::size_t Kept() const noexcept { return text_.size() - (End() - Start()); }
    EditFacts Facts() const noexcept;

    void SetMost(std::size_t most) noexcept { most_ = most; }
    // The program's text: the history goes and the cursor goes to the end.
    void Reset(std::u16string text);
    // Replaces the selection, cut to the room left as the native limit cuts it; the cursor
    // follows the new text.
    void Replace(std::u16string_view with, Edit kind);
    // Inserts at the position, whatever was selected (a drop where it falls).
    void InsertAt(std::size_t position, std::u16string_view with);
    // Backspace (backward) or Delete: the selection, else the character beside the cursor.
    void Erase(bool forward);
    // The cursor to the position; with extend, the anchor stays.
    void MoveTo(std::size_t position, bool extend);
    // The cursor one character to the left or right; without extend, a selection collapses to
    // the side it moves to.
    void Step(bool forward, bool extend);
    void Select(std::size_t anchor, std::size_t cursor);
    // Back to before the last step; false with none.
    bool Undo();

private:
    std::size_t Start() const noexcept { return anchor_ < cursor_ ? anchor_ : cursor_; }
    std::size_t End() const noexcept { return anchor_ < cursor_ ? cursor_ : anchor_; }
    // The position one character on from the one given, a surrogate pair counted as one.
    std::size_t Next(std::size_t position, bool forward) const noexcept;
    // Keeps the state before an edit, unless it runs on from the last one of its kind.
    void Remember(Edit kind, bool fresh);

    struct State {
        std::u16string text;
        std::size_t anchor, cursor;
    };
    std::u16string text_;
    std::size_t anchor_ = 0, cursor_ = 0;
    std::size_t most_ = static_cast<std::size_t>(-1);
    std::vector<State> history_;
    Edit last_ = Edit::Other;  // the kind of the last edit, while nothing else came between
};

}  // namespace guirt::testing
