#include "platform/win/mul_div.h"

#include <gtest/gtest.h>

#include <climits>

// Halves round away from zero; the product is kept in 64 bits; -1 reports overflow.
TEST(MulDiv, RoundsHalvesAwayFromZeroAndReportsOverflow)
{
    const struct {
        int number, numerator, denominator, expected;
    } cases[] = {
        {2540, 100, 96, 2646}, {2540, 96, 96, 2540}, {5, 1, 2, 3},           {-5, 1, 2, -3},
        {5, 1, -2, -3},        {7, 1, 3, 2},         {INT_MAX, INT_MAX, INT_MAX, INT_MAX},
        {INT_MIN, 1, 1, INT_MIN}, {INT_MAX, 2, 1, -1}, {1, 1, 0, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.expected)
            << c.number << " * " << c.numerator << " / " << c.denominator;
}
