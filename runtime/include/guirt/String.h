#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "guirt/Export.h"
#include "guirt/Object.h"

namespace guirt {

// Encoding tag kept in the high half of a string's length word.
inline constexpr std::uint64_t kEncodingUTF8 = 0x08000100;

// An immutable, reference-counted byte string tagged with its encoding. Its first five
// words are the record every string shares, literals included:
//   reference count; address of a length byte, the bytes and a zero byte; 0;
//   byte length | encoding << 32; 0.
// Literals are such records built at compile time (see StringLiteral); their count starts
// at 1 and never drops to zero, so they are never freed. Nil (a null Ref) is the empty text.
class GUIRT_API String {
public:
    String(const String&) = delete;
    String& operator=(const String&) = delete;

    std::size_t Length() const noexcept { return static_cast<std::size_t>(lengthWord_ & 0xFFFFFFFF); }
    std::uint32_t Encoding() const noexcept { return static_cast<std::uint32_t>(lengthWord_ >> 32); }
    const char* Data() const noexcept { return reinterpret_cast<const char*>(pascal_ + 1); }
    std::string_view View() const noexcept { return {Data(), Length()}; }
    std::int64_t RefCount() const noexcept { return refs_.load(std::memory_order_relaxed); }

    // A new heap string holding a copy of the bytes.
    static Ref<String> FromBytes(std::string_view bytes, std::uint32_t encoding = kEncodingUTF8);

    constexpr String(const unsigned char* counted, std::uint64_t lengthWord) noexcept
        : refs_(1), pascal_(counted), lengthWord_(lengthWord) {}

private:
    template <class>
    friend class Ref;

    void AddRef() const noexcept { refs_.fetch_add(1, std::memory_order_relaxed); }
    void Release() const noexcept {
        if (refs_.fetch_sub(1, std::memory_order_acq_rel) == 1) Free();
    }
    void Free() const noexcept;

    mutable std::atomic<std::int64_t> refs_;
    const unsigned char* pascal_;
    std::uint64_t reserved0_ = 0;
    std::uint64_t lengthWord_;
    std::uint64_t reserved1_ = 0;
};

static_assert(sizeof(String) == 5 * sizeof(std::uint64_t), "a string record is five words");

// Text of a string reference, nil read as empty.
inline std::string_view TextOf(const Ref<String>& s) noexcept {
    return s ? s->View() : std::string_view{};
}
// Nil and the empty string are equal.
GUIRT_API bool operator==(const Ref<String>& a, std::string_view b) noexcept;
GUIRT_API bool StringsEqual(const Ref<String>& a, const Ref<String>& b) noexcept;

// a followed by b, as a new string (nil counts as empty on either side).
GUIRT_API Ref<String> RuntimeAddString(const Ref<String>& a, const Ref<String>& b);

// Compile-time byte sequence used as a template argument for literals.
template <std::size_t N>
struct FixedBytes {
    unsigned char bytes[N == 0 ? 1 : N]{};  // an empty literal still needs a member
    static constexpr std::size_t size = N;
    constexpr FixedBytes() = default;
    // From a string literal (its terminating zero is dropped).
    constexpr FixedBytes(const char (&text)[N + 1]) { std::copy_n(text, N, bytes); }
};
template <std::size_t M>
FixedBytes(const char (&)[M]) -> FixedBytes<M - 1>;

// The static storage of one literal: length byte, bytes, zero byte, and the string record
// pointing at them. Everything is constant-initialised: no allocation, no start-up cost.
template <FixedBytes B>
struct StringLiteral {
    struct Storage {
        unsigned char data[B.size + 2];
    };
    static constexpr Storage MakeStorage() {
        Storage s{};
        // The length byte predates long strings; the length word is what counts.
        s.data[0] = static_cast<unsigned char>(B.size > 0xFF ? 0xFF : B.size);
        for (std::size_t i = 0; i < B.size; ++i) s.data[i + 1] = B.bytes[i];
        s.data[B.size + 1] = 0;
        return s;
    }
    static constexpr Storage storage = MakeStorage();
    static inline constinit String record{storage.data, B.size | (kEncodingUTF8 << 32)};
};

// A reference to a compile-time literal: Lit<"Dravello">().
template <FixedBytes B>
Ref<String> Lit() noexcept {
    return Ref<String>(&StringLiteral<B>::record);
}

namespace literals {
template <FixedBytes B>
Ref<String> operator""_s() noexcept {
    return Lit<B>();
}
}  // namespace literals

}  // namespace guirt
