// Starts a program and reports how long it took until its first top-level window was mapped
// on the X display, and the program's peak resident memory.
//   map_probe PROGRAM [ARGS...]
// prints: map_ms=<milliseconds> maxrss_kib=<KiB> cpu_ms=<milliseconds>
// The program is stopped (SIGTERM) 300 ms after its window appears, once it has drawn it. The CPU
// time (user and system) covers the whole run, first drawing included; on a shared machine it
// varies less than the time until the window is mapped.
#include <X11/Xlib.h>

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>

namespace {

double NowMs() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// Waits for a MapNotify of a child of the root window; false after timeoutMs.
bool WaitForMap(Display* display, double timeoutMs) {
    const double deadline = NowMs() + timeoutMs;
    pollfd fd{ConnectionNumber(display), POLLIN, 0};
    while (NowMs() < deadline) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && event.xmap.event == DefaultRootWindow(display)) return true;
        }
        poll(&fd, 1, 5);
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: map_probe PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "map_probe: no X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double start = NowMs();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    const bool mapped = WaitForMap(display, 10000);
    const double mapMs = NowMs() - start;
    usleep(300 * 1000);
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    XCloseDisplay(display);
    if (!mapped) {
        std::fprintf(stderr, "map_probe: %s mapped no window\n", argv[1]);
        return 1;
    }
    const double cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    std::printf("map_ms=%.2f maxrss_kib=%ld cpu_ms=%.1f\n", mapMs, usage.ru_maxrss, cpuMs);
    return 0;
}
