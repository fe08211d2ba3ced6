// Put into a program by startup_timer through LD_PRELOAD: the first time the program asks the
// X server to map a window (its main window: nothing is mapped before it), the probe stamps
// the processor time of the whole process so far and the monotonic clock, which is one clock
// for every process, and writes both, in nanoseconds, to the descriptor startup_timer named
// in STARTUP_PROBE_FD. Then the call goes on to the real function, as every later one does.
#include <dlfcn.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

long long nanoseconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

void stampFirstMap() {
    static bool stamped = false;
    if (stamped) return;
    stamped = true;
    const long long processor = nanoseconds(CLOCK_PROCESS_CPUTIME_ID);
    const long long clock = nanoseconds(CLOCK_MONOTONIC);
    const char* fd = std::getenv("STARTUP_PROBE_FD");
    if (!fd) return;
    char line[64];
    const int length = std::snprintf(line, sizeof(line), "%lld %lld\n", processor, clock);
    if (write(std::atoi(fd), line, static_cast<size_t>(length)) != length) return;
    close(std::atoi(fd));
}

template <class F>
F next(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" xcb_void_cookie_t xcb_map_window(xcb_connection_t* connection, xcb_window_t window) {
    static const auto real = next<decltype(&xcb_map_window)>("xcb_map_window");
    stampFirstMap();
    return real(connection, window);
}

extern "C" xcb_void_cookie_t xcb_map_window_checked(xcb_connection_t* connection, xcb_window_t window) {
    static const auto real = next<decltype(&xcb_map_window_checked)>("xcb_map_window_checked");
    stampFirstMap();
    return real(connection, window);
}
