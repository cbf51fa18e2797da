#include "support/slow_window_manager.h"

#include <algorithm>

#include <X11/Xlib.h>

namespace {

bool refused = false;

int NoteRefusal(Display*, XErrorEvent* error)
{
    refused |= error->error_code == BadAccess;
    return 0;
}

// Errors on the manager's own connection only: a window may go with its
// program while the manager still answers it.
class OwnErrors {
public:
    explicit OwnErrors(Display* display) : display_(display), previous_(XSetErrorHandler(NoteRefusal)) {}
    ~OwnErrors()
    {
        XSync(display_, False);
        XSetErrorHandler(previous_);
    }
    OwnErrors(const OwnErrors&) = delete;
    OwnErrors& operator=(const OwnErrors&) = delete;

private:
    Display* display_;
    XErrorHandler previous_;
};

}  // namespace

SlowWindowManager::SlowWindowManager(std::chrono::milliseconds delay) : display_(XOpenDisplay(nullptr)), delay_(delay)
{
    if (!display_)
        return;
    refused = false;
    {
        OwnErrors errors(display_);
        // Only one client may redirect the root's children: the window manager.
        XSelectInput(display_, DefaultRootWindow(display_), SubstructureRedirectMask | SubstructureNotifyMask);
    }
    if (refused) {
        XCloseDisplay(display_);
        display_ = nullptr;
    }
}

SlowWindowManager::~SlowWindowManager()
{
    if (display_)
        XCloseDisplay(display_);
}

void SlowWindowManager::Serve()
{
    OwnErrors errors(display_);
    while (XPending(display_)) {
        XEvent event;
        XNextEvent(display_, &event);
        Handle(event);
    }
    ShowFramesDue();
}

void SlowWindowManager::Handle(const XEvent& event)
{
    if (event.type == MapRequest)
        FrameWindow(event.xmaprequest.window);
    if (event.type == ConfigureRequest) {
        // Sizes as asked; the place is the frame's.
        XWindowChanges changes{};
        changes.width = event.xconfigurerequest.width;
        changes.height = event.xconfigurerequest.height;
        XConfigureWindow(display_, event.xconfigurerequest.window,
                         event.xconfigurerequest.value_mask & (CWWidth | CWHeight), &changes);
    }
}

void SlowWindowManager::FrameWindow(unsigned long window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display_, window, &attributes))
        return;
    const Window frame = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 20, 20, attributes.width,
                                             attributes.height, 0, 0, 0);
    // Back on the root, not gone, should the manager end before the window.
    XAddToSaveSet(display_, window);
    XReparentWindow(display_, window, frame, 0, 0);
    XMapWindow(display_, window);
    waiting_.push_back({frame, Clock::now() + delay_});
}

void SlowWindowManager::ShowFramesDue()
{
    const Clock::time_point now = Clock::now();
    const auto due = std::partition(waiting_.begin(), waiting_.end(), [now](const Frame& f) { return f.showAt > now; });
    for (auto frame = due; frame != waiting_.end(); ++frame)
        XMapWindow(display_, frame->window);
    waiting_.erase(due, waiting_.end());
}
