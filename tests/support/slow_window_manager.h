// A window manager for tests that puts each top-level window into a frame of
// its own and shows the frame only a while after the window asked to be shown.
// Until then the window is mapped but not viewable, as under a real window
// manager, only for longer: long enough to see what a program does meanwhile.
#pragma once

#include <chrono>
#include <vector>

typedef struct _XDisplay Display;

class SlowWindowManager {
public:
    using Clock = std::chrono::steady_clock;

    explicit SlowWindowManager(std::chrono::milliseconds delay);
    ~SlowWindowManager();
    SlowWindowManager(const SlowWindowManager&) = delete;
    SlowWindowManager& operator=(const SlowWindowManager&) = delete;

    // False when there is no display or another window manager serves it.
    bool Open() const { return display_ != nullptr; }

    // Answers the windows' requests and shows the frames whose time has come;
    // call it often.
    void Serve();

private:
    struct Frame {
        unsigned long window;
        Clock::time_point showAt;
    };

    void Handle(const union _XEvent& event);
    void FrameWindow(unsigned long window);
    void ShowFramesDue();

    Display* display_;
    std::chrono::milliseconds delay_;
    std::vector<Frame> waiting_;
};
