#include "platform/com/decimal.h"

#include <gtest/gtest.h>

namespace {

DECIMAL Decimal(ULONGLONG low, BYTE scale, bool negative)
{
    DECIMAL d{};
    d.Lo64 = low;
    d.scale = scale;
    d.sign = negative ? DECIMAL_NEG : 0;
    return d;
}

}  // namespace

TEST(Decimal, ReadsScaleAndSign)
{
    const DECIMAL value = Decimal(12345, 2, true);
    double out = 0;
    ASSERT_EQ(VarR8FromDec(&value, &out), S_OK);
    EXPECT_DOUBLE_EQ(out, -123.45);

    DECIMAL high{};
    high.Hi32 = 1;
    ASSERT_EQ(VarR8FromDec(&high, &out), S_OK);
    EXPECT_DOUBLE_EQ(out, 18446744073709551616.0);

    const DECIMAL badScale = Decimal(1, 29, false);
    EXPECT_EQ(VarR8FromDec(&badScale, &out), E_INVALIDARG);
}

TEST(Decimal, FromDoubleKeepsFifteenSignificantDigits)
{
    DECIMAL d{};
    ASSERT_EQ(VarDecFromR8(1.5, &d), S_OK);
    EXPECT_EQ(d.Lo64, 15u);
    EXPECT_EQ(d.scale, 1);
    EXPECT_EQ(d.sign, 0);

    ASSERT_EQ(VarDecFromR8(-0.1, &d), S_OK);
    EXPECT_EQ(d.Lo64, 1u);
    EXPECT_EQ(d.scale, 1);
    EXPECT_EQ(d.sign, DECIMAL_NEG);

    ASSERT_EQ(VarDecFromR8(1.2345678901234567, &d), S_OK);
    EXPECT_EQ(d.Lo64, 123456789012346u);
    EXPECT_EQ(d.scale, 14);

    ASSERT_EQ(VarDecFromR8(1e20, &d), S_OK);
    EXPECT_EQ(d.scale, 0);
    EXPECT_EQ((static_cast<unsigned __int128>(d.Hi32) << 64) | d.Lo64,
              static_cast<unsigned __int128>(100000000000000000000.0L));

    EXPECT_EQ(VarDecFromR8(1e29, &d), DISP_E_OVERFLOW);
}
