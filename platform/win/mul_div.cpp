#include "platform/win/mul_div.h"

#include <cstdint>
#include <limits>

int MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    const std::int64_t product = std::int64_t(number) * numerator;
    const bool negative = (product < 0) != (denominator < 0);
    const std::uint64_t magnitude = product < 0 ? 0 - std::uint64_t(product) : std::uint64_t(product);
    const std::uint64_t divisor = denominator < 0 ? 0 - std::uint64_t(std::int64_t(denominator))
                                                  : std::uint64_t(denominator);
    const std::uint64_t rounded = (magnitude + divisor / 2) / divisor;
    if (rounded > std::uint64_t(std::numeric_limits<int>::max()) + (negative ? 1 : 0))
        return -1;
    return negative ? int(-std::int64_t(rounded)) : int(rounded);
}
