// Proleptic Gregorian civil dates as day numbers. Exports days_from_civil, civil_from_days,
// civil_date_print.
#include "base/civil_date.h"

#include "base/wtext.h"

static_assert(sizeof(long long) == 8, "day numbers print with %lld");

int64_t days_from_civil(int32_t year, int32_t month, int32_t day) {
    int64_t y = (int64_t)year - (month <= 2);
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;                                        // [0, 399]
    const int64_t mp = month > 2 ? month - 3 : month + 9;                     // [0, 11], March is 0
    const int64_t doy = (153 * mp + 2) / 5 + day - 1;                         // [0, 365]
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;                // [0, 146096]
    return era * 146097 + doe - 719468;  // 719468: days from 0000-03-01 to 1970-01-01
}

CivilDate civil_from_days(int64_t day_number) {
    const int64_t z = day_number + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;                                     // [0, 146096]
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365; // [0, 399]
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);              // [0, 365]
    const int64_t mp = (5 * doy + 2) / 153;                                   // [0, 11]
    CivilDate date;
    date.day = doy - (153 * mp + 2) / 5 + 1;                                  // [1, 31]
    date.month = mp < 10 ? mp + 3 : mp - 9;                                   // [1, 12]
    date.year = yoe + era * 400 + (date.month <= 2);
    return date;
}

int civil_date_print(int64_t day_number, wchar_t* text, int cap) {
    CivilDate date = civil_from_days(day_number);
    return wformat(text, cap, L"%04lld-%02lld-%02lld", (long long)date.year, (long long)date.month,
                   (long long)date.day);
}
