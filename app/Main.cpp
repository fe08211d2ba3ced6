// The process entry. On Windows the platform calls wWinMain; elsewhere main hands the same
// four values on: no instance handles, the command-line tail as text, the normal show mode.
#include <string>

#include "app/Startup.h"

#if defined(_WIN32)
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previousInstance, PWSTR commandLine, int showMode) {
    return dravello::wWinMain(instance, previousInstance, commandLine, showMode);
}
#else
namespace {
constexpr int kShowNormal = 1;

// Appends UTF-8 text as wide characters; a malformed byte becomes U+FFFD.
void appendWide(std::wstring& out, const std::string& utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        auto lead = static_cast<unsigned char>(utf8[i]);
        int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : -1;
        char32_t cp = extra == 0 ? lead : extra == 1 ? (lead & 0x1F) : extra == 2 ? (lead & 0x0F) : (lead & 0x07);
        bool ok = extra >= 0 && i + static_cast<std::size_t>(extra) < utf8.size();
        for (int k = 1; ok && k <= extra; ++k) {
            auto next = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
            ok = (next & 0xC0) == 0x80;
            cp = (cp << 6) | (next & 0x3F);
        }
        if (!ok || cp > 0x10FFFF) {
            out += static_cast<wchar_t>(0xFFFD);
            ++i;
            continue;
        }
        out += static_cast<wchar_t>(cp);
        i += static_cast<std::size_t>(extra) + 1;
    }
}

// The arguments after the program name as one line, quoted where they hold blanks.
std::wstring commandLineTail(int argc, char** argv) {
    std::wstring line;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool quote = arg.find_first_of(" \t") != std::string::npos;
        if (!line.empty()) line += L' ';
        if (quote) line += L'"';
        appendWide(line, arg);
        if (quote) line += L'"';
    }
    return line;
}
}  // namespace

int main(int argc, char** argv) {
    std::wstring tail = commandLineTail(argc, argv);
    return dravello::wWinMain(nullptr, nullptr, tail.c_str(), kShowNormal);
}
#endif
