// Proleptic Gregorian civil dates as day numbers (days since 1970-01-01). Exports CivilDate,
// days_from_civil, civil_from_days, civil_date_print, civil_date_valid, civil_date_read.
#pragma once
#include <stdint.h>

struct CivilDate {
    int64_t year;   // proleptic Gregorian; year 0 exists and is a leap year
    int64_t month;  // 1 to 12
    int64_t day;    // 1 to 31
};

// Day number (days since 1970-01-01) of a valid civil date. Preconditions: month 1 to 12, day valid
// for the month; other values are outside the contract.
int64_t days_from_civil(int32_t year, int32_t month, int32_t day);

// Civil date of a day number. Precondition: -2^63 + 146097 <= day_number <= 2^63 - 1 - 719468.
CivilDate civil_from_days(int64_t day_number);

// Prints the date of a day number as "%04lld-%02lld-%02lld" (year -1 as -001, year 10000 in full).
// Returns what wformat returns.
int civil_date_print(int64_t day_number, wchar_t* text, int cap);

// True when month is 1 to 12 and day exists in that month of that (proleptic Gregorian) year.
bool civil_date_valid(int32_t year, int32_t month, int32_t day);

// Reads a date as a user types it: a four-digit year 0001 to 9999, a month and a day of one or two
// digits, separated by '-', '/' or '.' (2026-03-09, 2026/3/9) or written 2026年3月9日; ASCII or
// full-width digits and separators, blanks around. Stores its day number and returns true for a date
// that exists; returns false, *day_number unchanged, for anything else (2026-02-30, text, a 2-digit year).
bool civil_date_read(const wchar_t* text, int64_t* day_number);
