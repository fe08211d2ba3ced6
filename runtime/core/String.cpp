#include "guirt/String.h"

#include <cstring>
#include <new>

namespace guirt {

Ref<String> String::FromBytes(std::string_view bytes, std::uint32_t encoding) {
    // One block: the record, then the length byte, the bytes and a zero byte.
    void* block = ::operator new(sizeof(String) + bytes.size() + 2);
    auto* pascal = static_cast<unsigned char*>(block) + sizeof(String);
    pascal[0] = static_cast<unsigned char>(bytes.size() > 0xFF ? 0xFF : bytes.size());
    if (!bytes.empty()) std::memcpy(pascal + 1, bytes.data(), bytes.size());
    pascal[bytes.size() + 1] = 0;
    auto* s = new (block) String(pascal, bytes.size() | (std::uint64_t{encoding} << 32));
    // The constructor's count of 1 is the reference handed to the caller.
    return Ref<String>::adopt(s);
}

void String::Free() const noexcept {
    this->~String();
    ::operator delete(const_cast<String*>(this));
}

bool operator==(const Ref<String>& a, std::string_view b) noexcept {
    return TextOf(a) == b;
}

bool StringsEqual(const Ref<String>& a, const Ref<String>& b) noexcept {
    return TextOf(a) == TextOf(b);
}

Ref<String> RuntimeAddString(const Ref<String>& a, const Ref<String>& b) {
    std::string joined;
    joined.reserve(TextOf(a).size() + TextOf(b).size());
    joined.append(TextOf(a)).append(TextOf(b));
    return String::FromBytes(joined);
}

}  // namespace guirt
