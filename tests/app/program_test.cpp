// The real program, started as the user starts it, watched and driven only
// from outside: its start through the X server and /proc, then its menus by
// keyboard, the dialog by pointer and keyboard; then ended.
#include <chrono>
#include <csignal>
#include <memory>
#include <string>
#include <thread>

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/gui_test_main.h"
#include "pointer_user.h"
#include "support/display_probe.h"
#include "support/slow_window_manager.h"
#include "support/web_process_probe.h"

namespace {

// The program in a process of its own, killed with the test unless it was stopped.
class RunningProgram {
public:
    RunningProgram()
    {
        pid_ = fork();
        if (pid_ == 0) {
            execl(QUILLORY_PROGRAM, QUILLORY_PROGRAM, static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    ~RunningProgram()
    {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    pid_t Pid() const { return pid_; }

    // Asks the program to end, as the desktop does; false when it goes on running.
    bool Stop()
    {
        kill(pid_, SIGTERM);
        if (!PumpUntil([this] { return waitpid(pid_, nullptr, WNOHANG) == pid_; }))
            return false;
        pid_ = 0;
        return true;
    }

private:
    pid_t pid_;
};

// A point of a window, from its top left corner.
wxPoint At(const wxRect& window, int x, int y) { return window.GetPosition() + wxPoint(x, y); }

// When the program's window and its web process were first seen, in
// milliseconds from its start; -1 for what was not seen.
struct StartOrder {
    double window = -1;
    double webProcess = -1;
    bool webProcessFirst = false;
};

StartOrder WatchStart(SlowWindowManager* manager)
{
    using Clock = std::chrono::steady_clock;
    DisplayProbe screen;
    RunningProgram program;
    StartOrder seen;
    const Clock::time_point start = Clock::now();
    for (double now = 0; now < 20000 && (seen.window < 0 || seen.webProcess < 0);
         now = std::chrono::duration<double, std::milli>(Clock::now() - start).count()) {
        if (manager)
            manager->Serve();
        // The process first: when it runs before the window is seen, it started first.
        if (seen.webProcess < 0 && RunsWebProcess(program.Pid()))
            seen.webProcess = now;
        wxRect frame;
        if (seen.window < 0 && screen.Find("Quillory 1.0.4", frame))
            seen.window = now;
        seen.webProcessFirst |= seen.webProcess >= 0 && seen.window < 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return seen;
}

}  // namespace

// The web process holds up the program while it starts: the window must be on
// the screen first, also when a window manager keeps it from being viewable
// for a while after the program showed it; and the process must still start
// soon after, not only when the program gives up waiting for the window.
TEST(Program, StartsItsWebProcessOnlyOnceItsWindowIsOnTheScreen)
{
    const struct {
        const char* desktop;
        std::chrono::milliseconds frameDelay;
    } desktops[] = {
        {"no window manager", std::chrono::milliseconds(0)},
        {"a window manager that frames the window and shows the frame 500 ms later", std::chrono::milliseconds(500)},
    };
    for (const auto& desktop : desktops) {
        SCOPED_TRACE(desktop.desktop);
        std::unique_ptr<SlowWindowManager> manager;
        if (desktop.frameDelay.count() > 0) {
            manager = std::make_unique<SlowWindowManager>(desktop.frameDelay);
            ASSERT_TRUE(manager->Open()) << "another window manager runs";
        }
        const StartOrder seen = WatchStart(manager.get());
        ASSERT_GE(seen.window, 0) << "no window";
        ASSERT_GE(seen.webProcess, 0) << "no web process";
        EXPECT_FALSE(seen.webProcessFirst) << "web process at " << seen.webProcess << " ms, window at " << seen.window
                                           << " ms";
        EXPECT_LT(seen.webProcess - seen.window, 2500) << "the web process waited for the window in vain";
    }
}

TEST(Program, StartsMakesACrosswordFromTheMenuAndShowsItsPageInTheTab)
{
    DisplayProbe screen;
    ASSERT_TRUE(screen.Open());
    RunningProgram program;
    wxRect frame, dialog;
    ASSERT_TRUE(PumpUntil([&] { return screen.Find("Quillory 1.0.4", frame); }, 20000));
    Settle(1000);
    // The tab area: below the menu, the toolbar and the tab strip, above the side panel.
    const wxRect tabArea(frame.x + 10, frame.y + frame.height / 4, frame.width - 20, frame.height / 3);
    const int inkBefore = screen.DarkPixels(tabArea);

    PointerUser user;
    user.MoveTo(At(frame, frame.width / 2, frame.height / 2));
    user.Key('q', wxMOD_CONTROL);  // no shortcut, so nothing happens
    ASSERT_TRUE(screen.Find("Quillory 1.0.4", frame)) << "Ctrl+Q ended the program";
    user.Key(WXK_F10);    // the menu bar, "File" open
    user.Key(WXK_DOWN);   // "New..."
    user.Key(WXK_RIGHT);  // its submenu, at "Crossword puzzle"
    user.Key(WXK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return screen.Find("Create crossword puzzle", dialog); }, 10000));
    Settle(500);

    // The title box is right of the middle of the top row; the dialog's own
    // margin is a place where the grid's follow-up click changes nothing.
    const int titleBoxX = dialog.width / 2 + 50, titleBoxY = 20;
    user.ClickAt(At(dialog, titleBoxX, titleBoxY));
    user.Type("Fruit");
    user.MoveTo(At(dialog, 2, 2));
    user.Key(WXK_TAB);  // into the grid, at its first cell
    user.Type("Apple");
    user.Key(WXK_TAB);
    user.Type("a red fruit");
    user.Key(WXK_RETURN);
    user.Key(WXK_LEFT);
    user.Type("Pear");
    user.Key(WXK_TAB);
    user.Type("a green fruit");
    user.Key(WXK_RETURN);
    user.ClickAt(At(dialog, titleBoxX, titleBoxY));
    user.Key(WXK_TAB, wxMOD_SHIFT);  // back round to "Cancel"
    user.Key(WXK_TAB, wxMOD_SHIFT);  // "Done"
    user.Key(WXK_SPACE);

    EXPECT_TRUE(PumpUntil([&] { return !screen.Find("Create crossword puzzle", dialog); }, 10000));
    int inkAfter = 0;
    EXPECT_TRUE(PumpUntil([&] { return (inkAfter = screen.DarkPixels(tabArea)) > inkBefore + 500; }, 20000))
        << "dark pixels before " << inkBefore << ", after " << inkAfter;
    EXPECT_TRUE(program.Stop());
}
