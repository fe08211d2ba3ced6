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

// The arguments after the program name as one line, quoted where they hold blanks.
std::wstring commandLineTail(int argc, char** argv) {
    std::wstring line;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool quote = arg.find_first_of(" \t") != std::string::npos;
        if (!line.empty()) line += L' ';
        if (quote) line += L'"';
        // Arguments are UTF-8; bytes past ASCII are widened one by one, which keeps the
        // toolkit's own options (ASCII) exact.
        for (unsigned char c : arg) line += static_cast<wchar_t>(c);
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
