// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Start-up time and memory of the real program on an X display (Xvfb in
// scripts/bench.sh): starts the program, watches the root window for the
// moment a top-level window with the given title is mapped, reads the
// program's resident memory one second later and ends it. The first window
// of any kind is noted too: a program may open with an animation. Repeats the run and
// prints every run and the medians.
//
// usage: startup_clock <runs> <title> <program> [arguments...]
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

std::string WindowTitle(Display* display, Window window) {
    char* name = nullptr;
    std::string title;
    if (XFetchName(display, window, &name) != 0 && name != nullptr) {
        title = name;
        XFree(name);
    }
    return title;
}

// VmRSS of the process in kB, or -1.
long ResidentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

struct Run {
    double firstMs = 0;  // the program's first window of any kind
    double startMs = 0;  // the window with the title
    long rssKb = 0;
};

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Waits for the mapping of a window called `title`, noting when the first
// window of all was mapped (the X server is the program's own, so every window
// is the program's).
bool WaitForMap(Display* display, const std::string& title, Clock::time_point start, Run& run) {
    const int fd = ConnectionNumber(display);
    bool first = true;
    while (Clock::now() < start + std::chrono::seconds(30)) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify) {
                continue;
            }
            if (first) {
                run.firstMs = MsSince(start);
                first = false;
            }
            if (WindowTitle(display, event.xmap.window) == title) {
                run.startMs = MsSince(start);
                return true;
            }
        }
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(fd, &fds);
        timeval tick{0, 2000};
        select(fd + 1, &fds, nullptr, nullptr, &tick);
    }
    return false;
}

std::optional<Run> MeasureOnce(Display* display, const std::string& title, char** argv) {
    // Whatever the last run left in the queue belongs to it.
    XSync(display, True);
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        // The program's own talk (no audio device under Xvfb) stays out of
        // the figures.
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        execv(argv[0], argv);
        _exit(127);
    }
    if (pid < 0) {
        return std::nullopt;
    }
    std::optional<Run> run;
    Run measured;
    if (WaitForMap(display, title, start, measured)) {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        measured.rssKb = ResidentKb(pid);
        run = measured;
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return run;
}

// Windows come and go while the program starts (a tool tip, a probe); one
// that is gone before its title is read is no error.
int IgnoreXError(Display*, XErrorEvent*) {
    return 0;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup_clock <runs> <title> <program> [arguments...]\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const std::string title = argv[2];
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "startup_clock: no X display\n");
        return 2;
    }
    XSetErrorHandler(IgnoreXError);
    // Top-level windows are children of the root while no window manager
    // reparents them; every mapping shows up here.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    std::vector<double> firsts;
    std::vector<double> times;
    std::vector<double> memory;
    for (int k = 0; k < runs; ++k) {
        const std::optional<Run> run = MeasureOnce(display, title, argv + 3);
        if (!run) {
            std::fprintf(stderr, "startup_clock: run %d: no window \"%s\"\n", k + 1, title.c_str());
            return 1;
        }
        std::printf("run %2d: first window %6.1f ms, \"%s\" mapped %6.1f ms, VmRSS %6.1f MB\n",
                    k + 1, run->firstMs, title.c_str(), run->startMs, double(run->rssKb) / 1024.0);
        firsts.push_back(run->firstMs);
        times.push_back(run->startMs);
        memory.push_back(double(run->rssKb) / 1024.0);
    }
    std::printf("median of %d: first window %.1f ms, \"%s\" mapped %.1f ms, VmRSS %.1f MB\n", runs,
                Median(firsts), title.c_str(), Median(times), Median(memory));
    XCloseDisplay(display);
    return 0;
}
