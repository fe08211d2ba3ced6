// The process entry. On Windows the platform calls wWinMain; elsewhere main hands the same
// four values on: no instance handles, the command-line tail, the normal show mode.
#include "app/Startup.h"

#if defined(_WIN32)
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previousInstance, PWSTR commandLine, int showMode) {
    return dravello::wWinMain(instance, previousInstance, commandLine, showMode);
}
#else
#include "app/CommandLine.h"

int main(int argc, char** argv) {
    constexpr int kShowNormal = 1;
    const std::wstring tail = dravello::commandLineTail(argc, argv);
    return dravello::wWinMain(nullptr, nullptr, tail.c_str(), kShowNormal);
}
#endif
