#pragma once

// The seed of a generation that should differ from the one before: the
// calendar time in seconds. Alone in its file, so that a test program can link
// a fixed one in its place and draw the same numbers on every run.
unsigned ClockSeed();
