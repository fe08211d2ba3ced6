// Put into a program by startup_timer through LD_PRELOAD. The first time the program asks the
// X server to map a window (its main window: nothing is mapped before it), and the first time
// after that it puts an image of its window's pixels on the screen (its first frame, painted),
// the probe stamps the processor time of the whole process so far and the monotonic clock,
// which is one clock for every process, and writes both, in nanoseconds, a line for each, to
// the descriptor startup_timer named in STARTUP_PROBE_FD. Each call goes on to the real
// function, as every later one does.
#include <dlfcn.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

long long nanoseconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

enum class Stage { Starting, Mapped, Shown };
Stage stage = Stage::Starting;

// Writes the stamp of the stage it moves on to, once; the descriptor closes after the last.
void stamp(Stage from) {
    if (stage != from) return;
    stage = from == Stage::Starting ? Stage::Mapped : Stage::Shown;
    const long long processor = nanoseconds(CLOCK_PROCESS_CPUTIME_ID);
    const long long clock = nanoseconds(CLOCK_MONOTONIC);
    const char* fd = std::getenv("STARTUP_PROBE_FD");
    if (!fd) return;
    char line[64];
    const int length = std::snprintf(line, sizeof(line), "%lld %lld\n", processor, clock);
    if (write(std::atoi(fd), line, static_cast<size_t>(length)) != length) return;
    if (stage == Stage::Shown) close(std::atoi(fd));
}

// The real function: the next one in the program's global scope, else in the library the
// platform plugin loaded on its own (libxcb-shm comes with the plugin alone).
template <class F>
F next(const char* name, const char* library = nullptr) {
    void* found = dlsym(RTLD_NEXT, name);
    if (!found && library) {
        if (void* loaded = dlopen(library, RTLD_LAZY | RTLD_NOLOAD)) found = dlsym(loaded, name);
    }
    return reinterpret_cast<F>(found);
}

}  // namespace

extern "C" xcb_void_cookie_t xcb_map_window(xcb_connection_t* connection, xcb_window_t window) {
    static const auto real = next<decltype(&xcb_map_window)>("xcb_map_window");
    stamp(Stage::Starting);
    return real(connection, window);
}

extern "C" xcb_void_cookie_t xcb_map_window_checked(xcb_connection_t* connection, xcb_window_t window) {
    static const auto real = next<decltype(&xcb_map_window_checked)>("xcb_map_window_checked");
    stamp(Stage::Starting);
    return real(connection, window);
}

// A frame goes to the screen through shared memory where the server offers it (libxcb-shm's
// call, declared here as it is there), else in the request itself.
extern "C" xcb_void_cookie_t xcb_shm_put_image(xcb_connection_t* c, xcb_drawable_t drawable, xcb_gcontext_t gc,
                                               std::uint16_t total_width, std::uint16_t total_height,
                                               std::uint16_t src_x, std::uint16_t src_y, std::uint16_t src_width,
                                               std::uint16_t src_height, std::int16_t dst_x, std::int16_t dst_y,
                                               std::uint8_t depth, std::uint8_t format, std::uint8_t send_event,
                                               std::uint32_t shmseg, std::uint32_t offset) {
    static const auto real = next<decltype(&xcb_shm_put_image)>("xcb_shm_put_image", "libxcb-shm.so.0");
    stamp(Stage::Mapped);
    return real(c, drawable, gc, total_width, total_height, src_x, src_y, src_width, src_height, dst_x, dst_y, depth,
                format, send_event, shmseg, offset);
}

extern "C" xcb_void_cookie_t xcb_put_image(xcb_connection_t* c, std::uint8_t format, xcb_drawable_t drawable,
                                           xcb_gcontext_t gc, std::uint16_t width, std::uint16_t height,
                                           std::int16_t dst_x, std::int16_t dst_y, std::uint8_t left_pad,
                                           std::uint8_t depth, std::uint32_t data_len, const std::uint8_t* data) {
    static const auto real = next<decltype(&xcb_put_image)>("xcb_put_image");
    stamp(Stage::Mapped);
    return real(c, format, drawable, gc, width, height, dst_x, dst_y, left_pad, depth, data_len, data);
}
