#include "engine/clock_seed.h"

#include <ctime>

unsigned ClockSeed() { return static_cast<unsigned>(std::time(nullptr)); }
