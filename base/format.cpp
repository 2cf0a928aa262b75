// Output values by format code. Exports format_value. Numbers print in the "C" conventions of the C
// library's printf ("." decimal point, no grouping, exact value rounded to nearest, ties to even), which
// in the Windows build is mingw's own printf and never the system msvcrt.dll.
#include "base/format.h"

#include <math.h>
#include <stdio.h>
#include <string.h>

#include "base/civil_date.h"
#include "base/wtext.h"

// Date values beyond this magnitude print "--": it keeps day_number + 719468 inside int64_t.
static const double DATE_LIMIT = 9.2e18;

static void print_dashes(wchar_t* text, int cap) { text_copy(text, cap, L"--"); }

void format_value(const char* format, double value, wchar_t* text, int cap) {
    if (cap <= 0) return;
    if (!isfinite(value)) { print_dashes(text, cap); return; }
    const char* code = format ? format : "f2";
    if (strcmp(code, "date") == 0) {
        if (!(fabs(value) < DATE_LIMIT)) { print_dashes(text, cap); return; }
        civil_date_print((int64_t)value, text, cap);
        return;
    }

    const char* pattern = "%.2f";
    if (strcmp(code, "f0") == 0 || strcmp(code, "int") == 0) pattern = "%.0f";
    else if (strcmp(code, "f1") == 0) pattern = "%.1f";
    else if (strcmp(code, "f3") == 0) pattern = "%.3f";
    else if (strcmp(code, "pct") == 0) pattern = "%.1f%%";

    char narrow[80];
    int n = snprintf(narrow, sizeof narrow, pattern, value);
    if (n < 0 || n >= (int)sizeof narrow) { print_dashes(text, cap); return; }
    // Every character is ASCII, so widening is a plain copy.
    int i = 0;
    for (; i < n && i < cap - 1; i++) text[i] = (wchar_t)(unsigned char)narrow[i];
    text[i] = 0;
}
