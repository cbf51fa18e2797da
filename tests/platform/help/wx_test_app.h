#pragma once

#include <functional>

// Runs the GUI library's event loop until done() holds; false when it still does not
// after the given number of seconds (a guard against hanging, not a measure of speed).
bool WaitUntil(const std::function<bool()>& done, int seconds = 30);
