#include "platform/win/mul_div.h"

#include <gtest/gtest.h>

#include <climits>

TEST(MulDiv, RoundsHalvesAwayFromZero)
{
    EXPECT_EQ(MulDiv(2540, 100, 96), 2646);
    EXPECT_EQ(MulDiv(2540, 96, 96), 2540);
    EXPECT_EQ(MulDiv(2540, 640, 96), 16933);
    EXPECT_EQ(MulDiv(2540, 480, 96), 12700);
    EXPECT_EQ(MulDiv(5, 1, 2), 3);
    EXPECT_EQ(MulDiv(-5, 1, 2), -3);
    EXPECT_EQ(MulDiv(5, 1, -2), -3);
    EXPECT_EQ(MulDiv(7, 1, 3), 2);
}

TEST(MulDiv, KeepsTheProductIn64BitsAndReportsOverflow)
{
    EXPECT_EQ(MulDiv(INT_MAX, INT_MAX, INT_MAX), INT_MAX);
    EXPECT_EQ(MulDiv(INT_MIN, 1, 1), INT_MIN);
    EXPECT_EQ(MulDiv(INT_MAX, 2, 1), -1);
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
}
