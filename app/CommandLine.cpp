#include "app/CommandLine.h"

#include <clocale>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <string>

namespace dravello {

namespace {

// Switches LC_CTYPE to the user's locale, or to UTF-8 where that is the plain C locale,
// for as long as it lives.
class UserCharacterLocale {
public:
    UserCharacterLocale() {
        if (const char* current = std::setlocale(LC_CTYPE, nullptr)) previous_ = current;
        const char* user = std::setlocale(LC_CTYPE, "");
        if (!user || std::strcmp(user, "C") == 0 || std::strcmp(user, "POSIX") == 0) {
            std::setlocale(LC_CTYPE, "C.UTF-8");
        }
    }
    ~UserCharacterLocale() { std::setlocale(LC_CTYPE, previous_.c_str()); }
    UserCharacterLocale(const UserCharacterLocale&) = delete;
    UserCharacterLocale& operator=(const UserCharacterLocale&) = delete;

private:
    std::string previous_ = "C";
};

void appendWide(std::wstring& out, const char* word) {
    std::mbstate_t state{};
    const char* end = word + std::strlen(word);
    for (const char* at = word; at < end;) {
        wchar_t wide = 0;
        const std::size_t used = std::mbrtowc(&wide, at, static_cast<std::size_t>(end - at), &state);
        // The C library also decodes sequences beyond Unicode's range (F4 90.., F5-FD):
        // those are no text either.
        const auto code = static_cast<std::uint32_t>(wide);
        const bool character = code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
        if (used == static_cast<std::size_t>(-1) || used == static_cast<std::size_t>(-2) || used == 0 || !character) {
            out += L'\uFFFD';
            state = {};
            ++at;
            continue;
        }
        out += wide == L'"' ? std::wstring(L"\"\"\"") : std::wstring(1, wide);
        at += used;
    }
}

}  // namespace

std::wstring commandLineTail(int argc, const char* const* argv) {
    const UserCharacterLocale locale;
    std::wstring tail;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) tail += L' ';
        tail += L'"';
        appendWide(tail, argv[i]);
        tail += L'"';
    }
    return tail;
}

}  // namespace dravello
