// Printing output values by format code. Exports format_value.
#pragma once

#include "base/civil_date.h"

// Prints value with its format code ("f0" "f1" "f2" "f3" "int" "pct" "date"; null or any other code
// prints like "f2") into text (cap >= 80 wide characters; callers pass 128). NaN and infinity print as
// "--"; so does a finite value whose printed form would not fit 79 characters, and a "date" value
// outside the day numbers that civil_from_days handles. text is always terminated.
void format_value(const char* format, double value, wchar_t* text, int cap);
