// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Start-up time and memory of the real program on an X display (Xvfb in
// scripts/bench.sh): starts the program, watches the root window for the
// moment a top-level window with the given title is mapped, reads the
// program's resident memory one second later and ends it. The first window
// of any kind is the first frame of the opening animation; its later frames
// move it, and it goes when the animation ends. With --beside, a second
// program (a bare Qt window) is timed the same way in every other run, so both
// meet the same machine, and the medians are printed side by side with the
// targets.
//
// usage: startup_clock <runs> <title> <program> [arguments...]
//                      [--beside <program> [arguments...]]
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

#include "widgets/openingtimes.h"

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
    double firstMs = 0;       // the program's first window of any kind mapped
    double firstGoneMs = 0;   // that window unmapped (0 while it stays)
    double largestGapMs = 0;  // between two frames of the first window
    double startMs = 0;       // the window with the title mapped
    long rssKb = 0;
};

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Waits for the mapping of a window called `title`, noting when the first
// window of all was mapped, moved and unmapped (the X server is the
// program's own, so every window is the program's). The first window is
// followed until it goes, should that be after the titled one comes.
bool WaitForMap(Display* display, const std::string& title, Clock::time_point start, Run& run) {
    const int fd = ConnectionNumber(display);
    Window first = None;
    double lastFrame = 0;
    bool titled = false;
    while (Clock::now() < start + std::chrono::seconds(30)) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            const double now = MsSince(start);
            if (event.type == MapNotify && first == None) {
                first = event.xmap.window;
                run.firstMs = lastFrame = now;
            } else if (event.type == ConfigureNotify && event.xconfigure.window == first &&
                       run.firstGoneMs == 0) {
                run.largestGapMs = std::max(run.largestGapMs, now - lastFrame);
                lastFrame = now;
            } else if ((event.type == UnmapNotify && event.xunmap.window == first) ||
                       (event.type == DestroyNotify && event.xdestroywindow.window == first)) {
                if (run.firstGoneMs == 0) {
                    run.firstGoneMs = now;
                    run.largestGapMs = std::max(run.largestGapMs, now - lastFrame);
                }
            }
            if (event.type == MapNotify && !titled &&
                WindowTitle(display, event.xmap.window) == title) {
                run.startMs = now;
                titled = true;
            }
        }
        // A window that is both the first and the titled one never goes.
        if (titled && (run.firstGoneMs != 0 || run.startMs == run.firstMs ||
                       MsSince(start) > run.startMs + 200)) {
            return true;
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
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Series {
    std::vector<double> first, start, animation, gap, mainAfterFirst, rssMb;
    void Add(const Run& run) {
        first.push_back(run.firstMs);
        start.push_back(run.startMs);
        if (run.firstGoneMs != 0) {
            animation.push_back(run.firstGoneMs - run.firstMs);
            gap.push_back(run.largestGapMs);
        }
        mainAfterFirst.push_back(run.startMs - run.firstMs);
        rssMb.push_back(double(run.rssKb) / 1024.0);
    }
};

const char* Verdict(bool met) {
    return met ? "met" : "MISSED";
}

void PrintSummary(int runs, const Series& game, const Series* bare) {
    const double first = Median(game.first);
    const double mainAfter = Median(game.mainAfterFirst);
    const double rss = Median(game.rssMb);
    std::printf("median of %d:\n", runs);
    std::printf("  first frame           %6.1f ms", first);
    if (bare != nullptr) {
        const double bareFirst = Median(bare->first);
        std::printf("   bare window %6.1f ms   target <= %.1f ms (1.2 x bare)  %s", bareFirst,
                    1.2 * bareFirst, Verdict(first <= 1.2 * bareFirst));
    }
    std::printf("\n");
    const double mainTarget = opening::LengthMs + 10.0;
    std::printf(
        "  main window mapped    %6.1f ms   %.1f ms after the first frame, target <= %.0f ms "
        "(animation + 10 ms)  %s\n",
        Median(game.start), mainAfter, mainTarget, Verdict(mainAfter <= mainTarget));
    if (!game.animation.empty()) {
        const double worst = *std::max_element(game.gap.begin(), game.gap.end());
        std::printf(
            "  animation             %6.1f ms   %d frames %d ms apart, %d ms in all; largest gap "
            "between two frames %.1f ms (worst run %.1f ms)\n",
            Median(game.animation), opening::Frames, opening::StepMs, opening::LengthMs,
            Median(game.gap), worst);
    }
    std::printf("  VmRSS                 %6.1f MB", rss);
    if (bare != nullptr) {
        std::printf("   bare window %6.1f MB", Median(bare->rssMb));
    }
    std::printf("   target <= 40.0 MB  %s\n", Verdict(rss <= 40.0));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: startup_clock <runs> <title> <program> [arguments...] "
                     "[--beside <program> [arguments...]]\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const std::string title = argv[2];
    // Both command lines, each ended by a null as execv wants.
    std::vector<char*> gameArgs, bareArgs;
    int k = 3;
    for (; k < argc && std::strcmp(argv[k], "--beside") != 0; ++k) {
        gameArgs.push_back(argv[k]);
    }
    for (++k; k < argc; ++k) {
        bareArgs.push_back(argv[k]);
    }
    gameArgs.push_back(nullptr);
    bareArgs.push_back(nullptr);
    const bool beside = bareArgs.size() > 1;

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

    Series game, bare;
    for (int run = 1; run <= runs; ++run) {
        const std::optional<Run> measured = MeasureOnce(display, title, gameArgs.data());
        if (!measured) {
            std::fprintf(stderr, "startup_clock: run %d: no window \"%s\"\n", run, title.c_str());
            return 1;
        }
        game.Add(*measured);
        std::printf(
            "run %2d: first frame %6.1f ms, main window mapped %6.1f ms, animation %5.1f ms "
            "(largest gap %4.1f ms), VmRSS %5.1f MB",
            run, measured->firstMs, measured->startMs,
            measured->firstGoneMs != 0 ? measured->firstGoneMs - measured->firstMs : 0.0,
            measured->largestGapMs, double(measured->rssKb) / 1024.0);
        if (beside) {
            const std::optional<Run> floor = MeasureOnce(display, title, bareArgs.data());
            if (!floor) {
                std::fprintf(stderr, "startup_clock: run %d: no bare window\n", run);
                return 1;
            }
            bare.Add(*floor);
            std::printf(" | bare window %6.1f ms, %5.1f MB", floor->firstMs,
                        double(floor->rssKb) / 1024.0);
        }
        std::printf("\n");
    }
    PrintSummary(runs, game, beside ? &bare : nullptr);
    XCloseDisplay(display);
    return 0;
}
