// Printing output values by format code. Exports format_value and value_as_printed.
#pragma once

#include "base/civil_date.h"

// Prints value with its format code ("f0" "f1" "f2" "f3" "int" "pct" "date" "wd"; null or any other code
// prints like "f2") into text (cap >= 80 wide characters; callers pass 128). NaN and infinity print as
// "--"; so does a finite value whose printed form would not fit 79 characters, and a "date" value
// outside the day numbers that civil_from_days handles. text is always terminated.
void format_value(const char* format, double value, wchar_t* text, int cap);

// "wd" prints a count of days as weeks and days: 228 as "32周4天", -3 as "-0周3天" (whole days, the
// fraction dropped).

// The value as its format code prints it, as a number: rounded half up (floor(x * 10^d + 0.5) / 10^d)
// to the digits the code prints (f0 and int 0, f1 and pct 1, f2 and any other code 2, f3 3); "date"
// and "wd" drop the fraction toward zero. A value within a relative 1e-12 of a half at those digits
// counts as the half (199.4999999999999 from decimal inputs that make 199.5 by hand rounds to 200).
// NaN and infinity are returned as they are.
double value_as_printed(const char* format, double value);
