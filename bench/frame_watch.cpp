// Watches one area of an X screen while it clicks into it, the way a player's
// eye would see a window repaint: real button presses through XTEST, and the
// area's pixels read back (through shared memory, so a read takes well under a
// millisecond) as fast as the server gives them.
//
//   frame_watch LEFT TOP WIDTH HEIGHT
//
// then one command a line on stdin:
//
//   click X Y QUIET_MS TIMEOUT_MS
//
// moves the pointer to (X, Y) on the screen, waits until the area has been still
// for a moment (hover effects), clicks, and watches until the area has not changed
// for QUIET_MS (or TIMEOUT_MS have passed). It answers one line:
//
//   final_ms=F changes=N
//
// F is the time from the release of the button to the last change seen, N the
// number of times the area was seen to change in between.
//
// With FRAME_WATCH_DUMP set to a folder, every frame seen to differ from the one
// before is also written there as frame-NNNN.ppm, to look at what changed.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/XTest.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

class Area {
public:
    Area(Display* display, int left, int top, int width, int height) : display_(display), left_(left), top_(top)
    {
        const int screen = DefaultScreen(display);
        image_ = XShmCreateImage(display, DefaultVisual(display, screen), DefaultDepth(display, screen), ZPixmap,
                                 nullptr, &segment_, width, height);
        if (!image_)
            fail("XShmCreateImage");
        segment_.shmid = shmget(IPC_PRIVATE, image_->bytes_per_line * image_->height, IPC_CREAT | 0600);
        if (segment_.shmid < 0)
            fail("shmget");
        segment_.shmaddr = image_->data = static_cast<char*>(shmat(segment_.shmid, nullptr, 0));
        segment_.readOnly = False;
        if (!XShmAttach(display, &segment_))
            fail("XShmAttach");
        XSync(display, False);
        // Removed now, the segment lives only as long as both sides keep it attached.
        shmctl(segment_.shmid, IPC_RMID, nullptr);
        size_ = static_cast<std::size_t>(image_->bytes_per_line) * image_->height;
    }

    // Reads the area; true when it differs from what was read last.
    bool changed()
    {
        if (!XShmGetImage(display_, DefaultRootWindow(display_), image_, left_, top_, AllPlanes))
            fail("XShmGetImage");
        const char* now = image_->data;
        if (last_.size() == size_ && std::memcmp(last_.data(), now, size_) == 0)
            return false;
        last_.assign(now, now + size_);
        if (const char* folder = std::getenv("FRAME_WATCH_DUMP"))
            dump(folder);
        return true;
    }

    [[noreturn]] static void fail(const char* what)
    {
        std::fprintf(stderr, "frame_watch: %s failed\n", what);
        std::exit(2);
    }

private:
    void dump(const char* folder) const
    {
        static int frames = 0;
        const std::string name = std::string(folder) + "/frame-" + std::to_string(10000 + frames++).substr(1) + ".ppm";
        FILE* file = std::fopen(name.c_str(), "wb");
        if (!file)
            return;
        std::fprintf(file, "P6 %d %d 255\n", image_->width, image_->height);
        for (int y = 0; y < image_->height; ++y)
            for (int x = 0; x < image_->width; ++x) {
                const unsigned long pixel = XGetPixel(image_, x, y);
                const unsigned char rgb[3] = {static_cast<unsigned char>(pixel >> 16),
                                              static_cast<unsigned char>(pixel >> 8),
                                              static_cast<unsigned char>(pixel)};
                std::fwrite(rgb, 1, 3, file);
            }
        std::fclose(file);
    }

    Display* display_;
    int left_, top_;
    XImage* image_ = nullptr;
    XShmSegmentInfo segment_{};
    std::size_t size_ = 0;
    std::vector<char> last_;
};

struct Watched {
    double finalMs = 0;
    int changes = 0;
};

// Reads the area until it has been still for quietMs, counting changes from `start`.
Watched watch(Area& area, Clock::time_point start, double quietMs, double timeoutMs)
{
    Watched seen;
    double lastChange = 0;
    for (;;) {
        const bool changed = area.changed();
        const double now = msSince(start);
        if (changed) {
            ++seen.changes;
            seen.finalMs = lastChange = now;
        }
        if (now - lastChange >= quietMs || now >= timeoutMs)
            return seen;
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: frame_watch LEFT TOP WIDTH HEIGHT\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        Area::fail("XOpenDisplay");
    int event, error, major, minor;
    if (!XTestQueryExtension(display, &event, &error, &major, &minor) || !XShmQueryExtension(display))
        Area::fail("finding XTEST and MIT-SHM");
    Area area(display, std::atoi(argv[1]), std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]));

    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream words(line);
        std::string command;
        int x = 0, y = 0;
        double quietMs = 0, timeoutMs = 0;
        if (!(words >> command >> x >> y >> quietMs >> timeoutMs) || command != "click") {
            std::fprintf(stderr, "frame_watch: cannot read \"%s\"\n", line.c_str());
            return 2;
        }
        XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
        XSync(display, False);
        area.changed();
        watch(area, Clock::now(), 150, 2000);

        XTestFakeButtonEvent(display, 1, True, CurrentTime);
        XTestFakeButtonEvent(display, 1, False, CurrentTime);
        XSync(display, False);
        const Watched seen = watch(area, Clock::now(), quietMs, timeoutMs);
        std::printf("final_ms=%.1f changes=%d\n", seen.finalMs, seen.changes);
        std::fflush(stdout);
    }
    XCloseDisplay(display);
    return 0;
}
