// How long the program takes from its start to its main window on the screen,
// against the same program that never starts its shared web process
// (quillory_never_started) and any other builds named on the command line,
// started in turn so that all meet the same load on the machine. Watched from
// outside as a person or `xdotool search --onlyvisible` sees it, polled every
// 10 ms: the window viewable on the X server, then painted in the light
// background of its bars; and the web process running, in /proc.
// Run under Xvfb from the folder that holds the run-time files (build/bin),
// with a window manager as well as without: with none, a window is viewable
// the moment it is shown; a window manager takes its time to frame it.
//   quillory_start_bench [starts of each program (9)] [other program...]
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "support/display_probe.h"
#include "support/web_process_probe.h"

#include <X11/Xlib.h>

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr auto PollEvery = std::chrono::milliseconds(10);
// A program that has not started its web process this long after its window never will.
constexpr double WebProcessWait = 6000;

struct StartTimes {
    double window = -1;
    double drawn = -1;
    double webProcess = -1;
};

// Most of the window painted: a window not yet drawn shows what lies below it.
bool Drawn(DisplayProbe& screen, const wxRect& frame)
{
    return screen.LightPixels(frame) > frame.width * frame.height * 3 / 4;
}

void Sample(pid_t pid, DisplayProbe& screen, double now, StartTimes& times)
{
    // The process first: seen before a window still missing, it started before the window.
    if (times.webProcess < 0 && RunsWebProcess(pid))
        times.webProcess = now;
    wxRect frame;
    if (times.drawn < 0 && screen.Find("Quillory 1.0.4", frame)) {
        if (times.window < 0)
            times.window = now;
        if (Drawn(screen, frame))
            times.drawn = now;
    }
}

StartTimes TimeOneStart(const char* program, DisplayProbe& screen)
{
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    StartTimes times;
    const auto since = [start] { return Milliseconds(Clock::now() - start).count(); };
    const auto waiting = [&] {
        const double now = since();
        return now < 20000 && (times.drawn < 0 || (times.webProcess < 0 && now < times.window + WebProcessWait));
    };
    for (Clock::time_point poll = start; waiting(); std::this_thread::sleep_until(poll += PollEvery))
        Sample(pid, screen, since(), times);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    // Its web processes end with it; the next start meets a quiet machine.
    std::this_thread::sleep_for(std::chrono::seconds(1));
    return times;
}

// A program that ends takes its window along, perhaps while the probe looks at it.
int IgnoreWindowErrors(Display*, XErrorEvent*)
{
    return 0;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.empty() ? 0 : values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Series {
    explicit Series(std::string name) : program(std::move(name)) {}

    std::string program;
    std::vector<double> window, drawn, webProcessAfterWindow;
    int webProcessWithinASecond = 0;

    void Add(const StartTimes& times)
    {
        window.push_back(times.window);
        drawn.push_back(times.drawn);
        if (times.webProcess < 0)
            return;
        webProcessAfterWindow.push_back(times.webProcess - times.window);
        webProcessWithinASecond += webProcessAfterWindow.back() <= 1000;
    }
    void Report(const Series& baseline) const
    {
        std::printf("%s:\n  median start to window %.1f ms (%.2f times %s), to window drawn %.1f ms\n",
                    program.c_str(), Median(window), Median(window) / Median(baseline.window),
                    baseline.program.c_str(), Median(drawn));
        if (!webProcessAfterWindow.empty())
            std::printf("  web process running: median %.1f ms after the window, at most %.1f ms; "
                        "within a second in %d of %zu starts\n",
                        Median(webProcessAfterWindow),
                        *std::max_element(webProcessAfterWindow.begin(), webProcessAfterWindow.end()),
                        webProcessWithinASecond, window.size());
    }
};

}  // namespace

int main(int argc, char** argv)
{
    const int starts = std::max(1, argc > 1 ? std::atoi(argv[1]) : 9);
    // Each start is reported as it ends, also into a pipe.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    DisplayProbe screen;
    XSetErrorHandler(IgnoreWindowErrors);
    if (!screen.Open()) {
        std::fprintf(stderr, "No display: run under Xvfb.\n");
        return 1;
    }
    std::vector<Series> series{Series(QUILLORY_PROGRAM), Series(NEVER_STARTED_PROGRAM)};
    for (int other = 2; other < argc; ++other)
        series.emplace_back(argv[other]);
    for (int round = 1; round <= starts; ++round)
        for (Series& s : series) {
            const StartTimes times = TimeOneStart(s.program.c_str(), screen);
            s.Add(times);
            std::printf("%2d %s: window %6.1f ms, drawn %6.1f ms, web process %6.1f ms\n", round,
                        s.program.c_str(), times.window, times.drawn, times.webProcess);
        }
    std::printf("Medians of %d starts each, in turn:\n", starts);
    for (const Series& s : series)
        s.Report(series[1]);
    return 0;
}
