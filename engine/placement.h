#pragma once

#include <cstdint>

// First and last cell of a placed word, both inclusive.
struct Placement {
    std::int32_t x1 = 0;
    std::int32_t y1 = 0;
    std::int32_t x2 = 0;
    std::int32_t y2 = 0;
};
