// Starts a program on the X display and measures what a person waits for: the
// time from exec until its first top-level window is mapped, and the processor
// time all of the program's threads have used by then. With --settle MS it then
// waits that long (the window has painted) and reads the program's resident
// memory. Then it ends the program. One line of JSON on stdout:
//   {"mapped_ns": 91234567, "cpu_ns": 80123456, "rss_kib": 31532, "hwm_kib": 31532}
// Usage: start_probe [--settle MS] PROGRAM [ARGUMENTS...]
//
// The window is seen through the X server itself: the probe listens for MapNotify
// on the root window before it starts the program, so the moment is exact, with
// no polling. The display should hold no other client that maps windows.
#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <xcb/xcb.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

extern char** environ;

namespace {

long long nowNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

[[noreturn]] void fail(const std::string& why)
{
    std::fprintf(stderr, "start_probe: %s\n", why.c_str());
    std::exit(1);
}

// The time on a processor of every thread of the process so far: the first
// field of each thread's schedstat, in nanoseconds. Threads that have already
// ended are counted by the kernel in none of them, which is why the program's
// own threads are read while it still runs.
long long cpuNs(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(tasks.c_str()), closedir);
    if (!dir)
        fail("cannot read " + tasks);
    long long total = 0;
    while (dirent* entry = readdir(dir.get())) {
        if (entry->d_name[0] == '.')
            continue;
        std::ifstream stat(tasks + "/" + entry->d_name + "/schedstat");
        long long onCpu = 0;
        if (stat >> onCpu)
            total += onCpu;
    }
    return total;
}

// VmRSS and VmHWM from the process's status, in KiB.
std::pair<long, long> residentKib(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    long rss = 0, hwm = 0;
    while (status >> key) {
        if (key == "VmRSS:")
            status >> rss;
        else if (key == "VmHWM:")
            status >> hwm;
        else
            status.ignore(1 << 12, '\n');
    }
    return {rss, hwm};
}

} // namespace

int main(int argc, char* argv[])
{
    int first = 1;
    long settleMs = -1;
    if (argc > 2 && std::strcmp(argv[1], "--settle") == 0) {
        settleMs = std::strtol(argv[2], nullptr, 10);
        first = 3;
    }
    if (first >= argc)
        fail("usage: start_probe [--settle MS] PROGRAM [ARGUMENTS...]");

    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (const int error = xcb_connection_has_error(x))
        fail("cannot open the display (xcb error " + std::to_string(error) + ")");
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_generic_error_t* error =
        xcb_request_check(x, xcb_change_window_attributes_checked(x, root, XCB_CW_EVENT_MASK, &mask));
    if (error != nullptr)
        fail("cannot listen on the root window");

    pid_t pid = 0;
    const long long start = nowNs();
    if (posix_spawnp(&pid, argv[first], nullptr, nullptr, argv + first, environ) != 0)
        fail(std::string("cannot start ") + argv[first] + ": " + std::strerror(errno));

    long long mappedNs = -1, cpu = 0;
    pollfd watch{xcb_get_file_descriptor(x), POLLIN, 0};
    while (mappedNs < 0) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY && mappedNs < 0) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (!map->override_redirect) {
                    mappedNs = nowNs() - start;
                    cpu = cpuNs(pid);
                }
            }
            std::free(event);
        }
        if (xcb_connection_has_error(x))
            fail("lost the display");
        int status = 0;
        if (mappedNs < 0 && waitpid(pid, &status, WNOHANG) == pid)
            fail(std::string(argv[first]) + " ended before it showed a window");
        if (mappedNs < 0 && nowNs() - start > 30'000'000'000LL) {
            kill(pid, SIGKILL);
            fail(std::string(argv[first]) + " showed no window in 30 s");
        }
        if (mappedNs < 0)
            poll(&watch, 1, 100);
    }

    std::printf("{\"mapped_ns\": %lld, \"cpu_ns\": %lld", mappedNs, cpu);
    if (settleMs >= 0) {
        const timespec settle{settleMs / 1000, settleMs % 1000 * 1000000};
        nanosleep(&settle, nullptr);
        const auto [rss, hwm] = residentKib(pid);
        std::printf(", \"rss_kib\": %ld, \"hwm_kib\": %ld", rss, hwm);
    }
    std::printf("}\n");
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(x);
    return 0;
}
