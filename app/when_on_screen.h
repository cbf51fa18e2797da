#pragma once

#include <functional>

class wxTopLevelWindow;

// Calls `action` once the shown window has been drawn on the screen: after
// its first paint that follows the X server's first exposure of it, which the
// server sends only when the window is viewable (mapped, and so is every window
// it lies in, a window manager's frame among them). Work that would hold up
// the first picture waits for it. Should that never come, as for a window
// shown minimised, the action runs after a few seconds all the same.
void WhenOnScreen(wxTopLevelWindow& window, std::function<void()> action);
