#include "puzzles/random_in_range.h"

#include <cstdint>
#include <cstdlib>

int RandomInRange(int lo, int hi)
{
    // rand may reach far beyond 32767 here; the scaling expects 15 bits, so
    // keep the draw's top 15 bits.
    std::int64_t r = std::rand() / (RAND_MAX / 32768 + 1);
    int value = int(lo + r * (std::int64_t(hi) - lo) / 32767);
    return (hi > lo && value == hi) ? hi - 1 : value;
}
