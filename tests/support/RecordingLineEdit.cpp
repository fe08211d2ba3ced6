#include "RecordingLineEdit.h"

#include <algorithm>

namespace guirt::testing {

namespace {
bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit < 0xDC00;
}
bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit < 0xE000;
}
// The bytes of the UTF-8 sequence the byte starts; 0 for one that starts none.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead < 0xC2) return 0;
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) return 3;
    return lead < 0xF5 ? 4 : 0;
}
}  // namespace

// A byte that starts no well-formed sequence stands for itself as a lone surrogate (U+DC80 to
// U+DCFF), so that any bytes a test types come back as they went in.
std::u16string Utf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = SequenceLength(lead);
        char32_t code = length == 1 ? lead : lead & (0xFF >> (length + 1));
        bool whole = length > 0 && i + length <= text.size();
        for (std::size_t k = 1; whole && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            whole = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        // No overlong form, no surrogate, nothing past the last plane.
        static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
        whole = whole && code >= kLeast[length] && (code < 0xD800 || code > 0xDFFF) && code <= 0x10FFFF;
        if (!whole) {
            out += static_cast<char16_t>(0xDC00 + lead);
            ++i;
        } else if (code < 0x10000) {
            out += static_cast<char16_t>(code);
            i += length;
        } else {
            code -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (code >> 10));
            out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
            i += length;
        }
    }
    return out;
}

std::string Utf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t code = text[i];
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            code = 0x10000 + ((code - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (code >= 0xDC80 && code <= 0xDCFF) {
            out += static_cast<char>(code - 0xDC00);  // a byte that stood for itself
            continue;
        }
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return out;
}

std::u16string LineEdit::Selected() const {
    return text_.substr(Start(), End() - Start());
}

EditFacts LineEdit::Facts() const noexcept {
    return {anchor_ != cursor_, End() - Start() == text_.size(), !history_.empty()};
}

void LineEdit::Reset(std::u16string text) {
    text_ = std::move(text);
    anchor_ = cursor_ = text_.size();
    history_.clear();
    last_ = Edit::Other;
}

void LineEdit::Remember(Edit kind, bool fresh) {
    if (fresh || kind == Edit::Other || kind != last_ || history_.empty())
        history_.push_back({text_, anchor_, cursor_});
    last_ = kind;
}

void LineEdit::Replace(std::u16string_view with, Edit kind) {
    const std::size_t room = most_ > Kept() ? most_ - Kept() : 0;
    with = with.substr(0, room);
    if (with.empty() && anchor_ == cursor_) return;
    // Typing over a selection starts a step of its own, which the characters after it join.
    Remember(kind, anchor_ != cursor_);
    const std::size_t start = Start();
    text_.replace(start, End() - start, with);
    anchor_ = cursor_ = start + with.size();
}

void LineEdit::InsertAt(std::size_t position, std::u16string_view with) {
    anchor_ = cursor_ = std::min(position, text_.size());
    Replace(with, Edit::Other);
}

void LineEdit::Erase(bool forward) {
    if (anchor_ == cursor_) {
        const std::size_t other = Next(cursor_, forward);
        if (other == cursor_) return;
        anchor_ = other;
        Remember(forward ? Edit::Deleted : Edit::Erased, false);
    } else {
        Remember(Edit::Other, true);
    }
    const std::size_t start = Start();
    text_.erase(start, End() - start);
    anchor_ = cursor_ = start;
}

void LineEdit::MoveTo(std::size_t position, bool extend) {
    cursor_ = std::min(position, text_.size());
    if (!extend) anchor_ = cursor_;
    last_ = Edit::Other;
}

void LineEdit::Step(bool forward, bool extend) {
    if (!extend && anchor_ != cursor_) {
        MoveTo(forward ? End() : Start(), false);
        return;
    }
    MoveTo(Next(cursor_, forward), extend);
}

void LineEdit::Select(std::size_t anchor, std::size_t cursor) {
    anchor_ = std::min(anchor, text_.size());
    cursor_ = std::min(cursor, text_.size());
    last_ = Edit::Other;
}

bool LineEdit::Undo() {
    if (history_.empty()) return false;
    State& previous = history_.back();
    text_ = std::move(previous.text);
    anchor_ = previous.anchor;
    cursor_ = previous.cursor;
    history_.pop_back();
    last_ = Edit::Other;
    return true;
}

std::size_t LineEdit::Next(std::size_t position, bool forward) const noexcept {
    if (forward) {
        if (position >= text_.size()) return position;
        return position + (IsHighSurrogate(text_[position]) && position + 1 < text_.size() ? 2 : 1);
    }
    if (position == 0) return 0;
    return position - (IsLowSurrogate(text_[position - 1]) && position >= 2 ? 2 : 1);
}

}  // namespace guirt::testing
