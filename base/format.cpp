// Output values by format code. Exports format_value and value_as_printed. Numbers print in the "C" conventions of the C
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

    if (strcmp(code, "wd") == 0) {
        if (!(fabs(value) < DATE_LIMIT)) { print_dashes(text, cap); return; }
        int64_t days = (int64_t)floor(fabs(value));
        wformat(text, cap, L"%ls%lld周%lld天", value < 0 ? L"-" : L"", (long long)(days / 7), (long long)(days % 7));
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

// Digits after the point that a format code prints; -1 for the codes that print whole days.
static int printed_digits(const char* format) {
    const char* code = format ? format : "f2";
    if (strcmp(code, "f0") == 0 || strcmp(code, "int") == 0) return 0;
    if (strcmp(code, "f1") == 0 || strcmp(code, "pct") == 0) return 1;
    if (strcmp(code, "f3") == 0) return 3;
    if (strcmp(code, "date") == 0 || strcmp(code, "wd") == 0) return -1;
    return 2;
}

// A value computed from decimal inputs that stands for a half (A-aDO2 0.7 × 713 − 20 / 0.8 − 274.6 =
// 199.5) can come out of binary arithmetic a few units in the last place below it. Within a relative
// 1e-12 of a half the scaled value counts as that half, so it rounds up as it does by hand; no input
// typed with fewer than about eleven significant digits comes that close to a half otherwise.
static double snapped_to_half(double scaled) {
    double half = floor(scaled) + 0.5;
    return fabs(scaled - half) <= fabs(half) * 1e-12 ? half : scaled;
}

double value_as_printed(const char* format, double value) {
    static const double SCALE[] = { 1, 10, 100, 1000 };
    if (!isfinite(value)) return value;
    int digits = printed_digits(format);
    const char* code = format ? format : "f2";
    if (digits < 0) return strcmp(code, "wd") == 0 ? (value < 0 ? -floor(-value) : floor(value)) : trunc(value);
    // floor(x + 0.5), the language's round(): the half goes up, as a clinician rounds by hand
    if (digits == 0) return floor(snapped_to_half(value) + 0.5);
    return floor(snapped_to_half(value * SCALE[digits]) + 0.5) / SCALE[digits];
}
