#pragma once
// A running toolkit for tests that build windows (under Xvfb).

// Runs the pending events of the event loop, as the loop would next.
void RunPendingEvents();
