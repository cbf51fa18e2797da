#include "platform/com/variant_time.h"

#include <cmath>

namespace {

constexpr long SecondsPerDay = 86400;
constexpr double FirstDate = -657434.0;  // 0100-01-01
constexpr double LastDate = 2958466.0;   // the day after 9999-12-31

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar.
long DaysFromCivil(long year, unsigned month, unsigned day)
{
    year -= month <= 2;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<long>(dayOfEra) - 719468;
}

void CivilFromDays(long days, SYSTEMTIME* time)
{
    days += 719468;
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const unsigned dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned monthIndex = (5 * dayOfYear + 2) / 153;
    const unsigned day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    const unsigned month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    const long year = static_cast<long>(yearOfEra) + era * 400 + (month <= 2);
    time->wYear = static_cast<WORD>(year);
    time->wMonth = static_cast<WORD>(month);
    time->wDay = static_cast<WORD>(day);
}

const long DaysAtEpoch = DaysFromCivil(1899, 12, 30);

unsigned DaysInMonth(unsigned year, unsigned month)
{
    static const unsigned days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

bool IsValid(const SYSTEMTIME& t)
{
    return t.wYear >= 100 && t.wYear <= 9999 && t.wMonth >= 1 && t.wMonth <= 12 && t.wDay >= 1 &&
           t.wDay <= DaysInMonth(t.wYear, t.wMonth) && t.wHour < 24 && t.wMinute < 60 && t.wSecond < 60;
}

}  // namespace

INT SystemTimeToVariantTime(const SYSTEMTIME* time, DATE* date)
{
    if (!time || !date || !IsValid(*time))
        return FALSE;
    const double day = DaysFromCivil(time->wYear, time->wMonth, time->wDay) - DaysAtEpoch;
    const double fraction = (time->wHour * 3600 + time->wMinute * 60 + time->wSecond) / double(SecondsPerDay);
    // Before the epoch the fraction still counts forward from midnight, so it
    // is stored with the day's sign: 1899-12-29 06:00 is -1.25.
    *date = day < 0 ? day - fraction : day + fraction;
    return TRUE;
}

INT VariantTimeToSystemTime(DATE date, SYSTEMTIME* time)
{
    if (!time || !(date > FirstDate - 1.0) || !(date < LastDate))
        return FALSE;
    double wholeDays = 0;
    const double fraction = std::fabs(std::modf(date, &wholeDays));
    long day = static_cast<long>(wholeDays);
    long seconds = std::lround(fraction * SecondsPerDay);
    if (seconds == SecondsPerDay) {
        seconds = 0;
        ++day;
    }
    if (day < static_cast<long>(FirstDate) || day >= static_cast<long>(LastDate))
        return FALSE;
    const long days = day + DaysAtEpoch;
    CivilFromDays(days, time);
    time->wDayOfWeek = static_cast<WORD>(((days % 7) + 11) % 7);  // 1970-01-01 was a Thursday
    time->wHour = static_cast<WORD>(seconds / 3600);
    time->wMinute = static_cast<WORD>(seconds / 60 % 60);
    time->wSecond = static_cast<WORD>(seconds % 60);
    time->wMilliseconds = 0;
    return TRUE;
}
