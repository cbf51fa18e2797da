#include "platform/com/variant_time.h"

#include <gtest/gtest.h>

namespace {

SYSTEMTIME Time(WORD year, WORD month, WORD day, WORD hour = 0, WORD minute = 0, WORD second = 0)
{
    SYSTEMTIME t{};
    t.wYear = year;
    t.wMonth = month;
    t.wDay = day;
    t.wHour = hour;
    t.wMinute = minute;
    t.wSecond = second;
    return t;
}

DATE ToDate(const SYSTEMTIME& t)
{
    DATE date = -99999999;
    EXPECT_TRUE(SystemTimeToVariantTime(&t, &date));
    return date;
}

}  // namespace

TEST(VariantTime, CountsDaysFromTheLastDaysOf1899)
{
    EXPECT_DOUBLE_EQ(ToDate(Time(1899, 12, 30)), 0.0);
    EXPECT_DOUBLE_EQ(ToDate(Time(1900, 1, 1)), 2.0);
    EXPECT_DOUBLE_EQ(ToDate(Time(2000, 1, 1, 12)), 36526.5);
    EXPECT_DOUBLE_EQ(ToDate(Time(1899, 12, 29, 6)), -1.25);
    EXPECT_DOUBLE_EQ(ToDate(Time(100, 1, 1)), -657434.0);
}

TEST(VariantTime, RefusesDatesThatDoNotExist)
{
    DATE date = 0;
    const SYSTEMTIME invalid[] = {Time(2001, 2, 29), Time(2000, 13, 1), Time(99, 12, 31), Time(2000, 1, 1, 24)};
    for (const SYSTEMTIME& t : invalid)
        EXPECT_FALSE(SystemTimeToVariantTime(&t, &date));
    SYSTEMTIME leap = Time(2000, 2, 29);
    EXPECT_TRUE(SystemTimeToVariantTime(&leap, &date));
}

TEST(VariantTime, BreaksDatesDownRoundedToTheSecond)
{
    SYSTEMTIME t{};
    ASSERT_TRUE(VariantTimeToSystemTime(-1.25, &t));
    EXPECT_EQ(t.wYear, 1899);
    EXPECT_EQ(t.wMonth, 12);
    EXPECT_EQ(t.wDay, 29);
    EXPECT_EQ(t.wHour, 6);
    EXPECT_EQ(t.wDayOfWeek, 5);  // a Friday

    // 23:59:59.9 rounds into the next day.
    ASSERT_TRUE(VariantTimeToSystemTime(36526.0 + 86399.9 / 86400.0, &t));
    EXPECT_EQ(t.wDay, 2);
    EXPECT_EQ(t.wHour, 0);
    EXPECT_EQ(t.wSecond, 0);
    EXPECT_EQ(t.wMilliseconds, 0);

    EXPECT_FALSE(VariantTimeToSystemTime(2958466.0, &t));
    EXPECT_FALSE(VariantTimeToSystemTime(-657435.0, &t));
}
