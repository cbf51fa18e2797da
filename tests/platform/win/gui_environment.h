#pragma once
// A running toolkit for tests that build windows (under Xvfb).

#include <functional>

// Runs the pending events of the event loop, as the loop would next.
void RunPendingEvents();
// Runs the event loop until done() holds; false when it still does not after
// the given seconds (a guard against hanging, not a measure of speed).
bool WaitUntil(const std::function<bool()>& done, int seconds = 10);
