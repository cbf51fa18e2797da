#include "platform/com/decimal.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

DECIMAL Decimal(ULONG high, ULONGLONG low, BYTE scale, BYTE sign)
{
    DECIMAL d{};
    d.Hi32 = high;
    d.Lo64 = low;
    d.scale = scale;
    d.sign = sign;
    return d;
}

}  // namespace

TEST(Decimal, ReadsScaleSignAndTheHighWord)
{
    double out = 0;
    const DECIMAL negative = Decimal(0, 12345, 2, DECIMAL_NEG);
    ASSERT_EQ(VarR8FromDec(&negative, &out), S_OK);
    EXPECT_DOUBLE_EQ(out, -123.45);
    const DECIMAL high = Decimal(1, 0, 0, 0);
    ASSERT_EQ(VarR8FromDec(&high, &out), S_OK);
    EXPECT_DOUBLE_EQ(out, 18446744073709551616.0);
    const DECIMAL badScale = Decimal(0, 1, 29, 0);
    EXPECT_EQ(VarR8FromDec(&badScale, &out), E_INVALIDARG);
}

TEST(Decimal, FromDoubleKeepsFifteenSignificantDigits)
{
    const struct {
        double in;
        DECIMAL expected;
    } cases[] = {
        {1.5, Decimal(0, 15, 1, 0)},
        {-0.1, Decimal(0, 1, 1, DECIMAL_NEG)},
        {1.2345678901234567, Decimal(0, 123456789012346u, 14, 0)},
        {1e20, Decimal(5, 0x6BC75E2D63100000u, 0, 0)},
        {-1e-200, Decimal(0, 0, 0, 0)},
    };
    for (const auto& c : cases) {
        DECIMAL d{};
        ASSERT_EQ(VarDecFromR8(c.in, &d), S_OK) << c.in;
        EXPECT_EQ(std::tie(d.Hi32, d.Lo64, d.scale, d.sign),
                  std::tie(c.expected.Hi32, c.expected.Lo64, c.expected.scale, c.expected.sign))
            << c.in;
    }
    DECIMAL d{};
    EXPECT_EQ(VarDecFromR8(1e29, &d), DISP_E_OVERFLOW);
}
