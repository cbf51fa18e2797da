// How long the program takes from its start to its main window drawn on the
// screen, and to its shared web process running; against the same program
// with that process started before the window (quillory_eager_start), the two
// started alternately so that both meet the same load on the machine. Both
// are watched from outside: the window through the X server (shown and
// painted in the light background of its bars), the web process in /proc.
// Run under Xvfb from the folder that holds the run-time files (build/bin):
//   quillory_start_bench [starts of each program (15)]
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <dirent.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/display_probe.h"

#include <X11/Xlib.h>

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

struct StartTimes {
    double window = -1;
    double webProcess = -1;
};

// The web process of the program: a child of its process named by WebKit.
bool HasWebProcess(pid_t program)
{
    bool found = false;
    DIR* proc = opendir("/proc");
    while (dirent* entry = proc && !found ? readdir(proc) : nullptr) {
        const int pid = std::atoi(entry->d_name);
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string line;
        if (pid <= 0 || !std::getline(stat, line))
            continue;
        const auto open = line.find('('), close = line.rfind(')');
        std::istringstream rest(line.substr(close + 2));
        char state = 0;
        int parent = 0;
        rest >> state >> parent;
        found = parent == program && line.compare(open + 1, close - open - 1, "WebKitWebProces") == 0;
    }
    if (proc)
        closedir(proc);
    return found;
}

// Shown, and most of it painted: a window not yet drawn shows what lies below it.
bool WindowDrawn(DisplayProbe& screen)
{
    wxRect frame;
    return screen.Find("Quillory 1.0.4", frame) && screen.LightPixels(frame) > frame.width * frame.height * 3 / 4;
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
    while ((times.window < 0 || times.webProcess < 0) && since() < 20000) {
        if (times.window < 0 && WindowDrawn(screen))
            times.window = since();
        if (times.webProcess < 0 && HasWebProcess(pid))
            times.webProcess = since();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
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
    const char* name;
    const char* program;
    std::vector<double> window, webProcess;
};

}  // namespace

int main(int argc, char** argv)
{
    const int starts = std::max(1, argc > 1 ? std::atoi(argv[1]) : 15);
    DisplayProbe screen;
    XSetErrorHandler(IgnoreWindowErrors);
    if (!screen.Open()) {
        std::fprintf(stderr, "No display: run under Xvfb.\n");
        return 1;
    }
    Series series[2] = {{"window first", QUILLORY_PROGRAM, {}, {}}, {"eager start", EAGER_START_PROGRAM, {}, {}}};
    for (int round = 1; round <= starts; ++round)
        for (Series& s : series) {
            const StartTimes times = TimeOneStart(s.program, screen);
            s.window.push_back(times.window);
            s.webProcess.push_back(times.webProcess);
            std::printf("%2d %-12s: window drawn %6.1f ms, web process running %6.1f ms\n", round, s.name,
                        times.window, times.webProcess);
        }
    for (const Series& s : series)
        std::printf("%-12s: median start to window %.1f ms, to web process %.1f ms (%d starts)\n", s.name,
                    Median(s.window), Median(s.webProcess), starts);
    return 0;
}
