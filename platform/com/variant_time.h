#pragma once
// Automation dates: days since 1899-12-30 with the time of day as fraction,
// and their conversion to and from a broken-down calendar time.

#include "platform/com/base_types.h"

using DATE = double;

struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;  // 1 to 12
    WORD wDayOfWeek;  // 0 is Sunday
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};

// Years 100 to 9999; the day of week and the milliseconds are ignored.
INT SystemTimeToVariantTime(const SYSTEMTIME* time, DATE* date);
// Rounds to the nearest second; fills in the day of week.
INT VariantTimeToSystemTime(DATE date, SYSTEMTIME* time);
