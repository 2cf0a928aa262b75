// Proleptic Gregorian civil dates as day numbers. Exports days_from_civil, civil_from_days,
// civil_date_print, civil_date_valid and civil_date_read.
#include "base/civil_date.h"

#include "base/number_read.h"
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

bool civil_date_valid(int32_t year, int32_t month, int32_t day) {
    static const int8_t DAYS[12] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    if (month < 1 || month > 12 || day < 1) return false;
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= DAYS[month - 1] + (month == 2 && leap ? 1 : 0);
}

// Reads 1 to `most` digits at *p into *value and moves *p past them; false when none is there.
static bool read_digits(const wchar_t** p, int most, int32_t* value) {
    int n = 0;
    *value = 0;
    while (n < most && input_char_digit(**p) >= 0) { *value = *value * 10 + input_char_digit(**p); (*p)++; n++; }
    return n > 0 && input_char_digit(**p) < 0;
}

// Consumes one separator of `form`: '-' '/' '.' (and their full-width forms) for form 0; for form 1
// the Chinese `mark`.
static bool read_separator(const wchar_t** p, int form, wchar_t mark) {
    wchar_t c = form == 0 ? width_fold(**p) : **p;
    bool fits = form == 0 ? (c == L'-' || c == L'/' || c == L'.') : c == mark;
    if (fits) (*p)++;
    return fits;
}

bool civil_date_read(const wchar_t* text, int64_t* day_number) {
    const wchar_t* p = text;
    while (input_char_blank(*p)) p++;
    int32_t year, month, day;
    const wchar_t* year_start = p;
    if (!read_digits(&p, 4, &year) || p - year_start != 4) return false;
    int form = *p == L'年' ? 1 : 0;
    if (!read_separator(&p, form, L'年') || !read_digits(&p, 2, &month)) return false;
    if (!read_separator(&p, form, L'月') || !read_digits(&p, 2, &day)) return false;
    if (form == 1 && *p == L'日') p++;
    while (input_char_blank(*p)) p++;
    if (*p || year < 1 || !civil_date_valid(year, month, day)) return false;
    *day_number = days_from_civil(year, month, day);
    return true;
}
