// libFuzzer target: format_value on arbitrary doubles, format codes and capacities. Input: 8 bytes of
// the value, one byte of capacity (0 to 159), then the code: one byte below 9 picks a known code (or
// null), else the remaining bytes are the code. Checks, aborting on a breach: nothing is written at or
// past the capacity, the text is terminated printable ASCII, a smaller capacity gives a prefix of the
// full text, non-finite values print "--", numbers read back within half a unit of the last decimal,
// and dates go back to the day number through days_from_civil.
#include <math.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "base/civil_date.h"
#include "base/format.h"

static const int FULL = 160;

static void fail(const char* what, double value, const char* code, const wchar_t* text) {
    fprintf(stderr, "format_value(%s, %.17g): %s: \"%ls\"\n", code ? code : "null", value, what, text);
    abort();
}

// Decimals that a numeric code prints; -1 for "date", -2 for "wd" (weeks and days).
static int decimals_of(const char* code) {
    if (!code) return 2;
    if (!strcmp(code, "date")) return -1;
    if (!strcmp(code, "wd")) return -2;
    if (!strcmp(code, "f0") || !strcmp(code, "int")) return 0;
    if (!strcmp(code, "f1") || !strcmp(code, "pct")) return 1;
    if (!strcmp(code, "f3")) return 3;
    return 2;
}

static void check_number(const char* code, double value, const wchar_t* text) {
    int decimals = decimals_of(code);
    wchar_t* end = nullptr;
    double back = wcstod(text, &end);
    bool pct = code && !strcmp(code, "pct");
    if (pct ? wcscmp(end, L"%") != 0 : *end != 0) fail("does not read back as a number", value, code, text);
    double bound = 0.5 * pow(10.0, -decimals) * (1 + 1e-12) + 2 * (nextafter(fabs(value), INFINITY) - fabs(value));
    if (!(fabs(back - value) <= bound)) fail("reads back too far from the value", value, code, text);
    if (signbit(back) != signbit(value)) fail("lost the sign", value, code, text);
}

static void check_date(double value, const wchar_t* text) {
    long long y = 0, m = 0, d = 0;
    int used = 0;
    if (swscanf(text, L"%lld-%2lld-%2lld%n", &y, &m, &d, &used) != 3 || text[used] != 0)
        fail("is no date", value, "date", text);
    if (m < 1 || m > 12 || d < 1 || d > 31) fail("has no valid month and day", value, "date", text);
    if (y >= INT32_MIN && y <= INT32_MAX && days_from_civil((int32_t)y, (int32_t)m, (int32_t)d) != (int64_t)value)
        fail("is not the date of the day number", value, "date", text);
}

// "W周D天" (a minus first for a negative value): 7W + D whole days of |value|, D 0 to 6.
static void check_weeks(double value, const wchar_t* text) {
    long long w = -1, d = -1;
    int used = 0;
    const wchar_t* body = text[0] == L'-' ? text + 1 : text;
    if ((text[0] == L'-') != (value < 0)) fail("sign differs", value, "wd", text);
    if (swscanf(body, L"%lld\u5468%lld\u5929%n", &w, &d, &used) != 2 || body[used] != 0)
        fail("is not weeks and days", value, "wd", text);
    if (d < 0 || d > 6 || w < 0 || (double)(w * 7 + d) != floor(fabs(value)))
        fail("is not the whole days of the value", value, "wd", text);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 10 || size > 10 + 16) return 0;
    double value;
    memcpy(&value, data, sizeof value);
    int cap = data[8] % FULL;
    static const char* const known[] = { "f0", "f1", "f2", "f3", "int", "pct", "date", "wd", nullptr };
    char other[18];
    const char* code;
    if (data[9] < 9) {
        code = known[data[9]];
    } else {
        memcpy(other, data + 9, size - 9);
        other[size - 9] = 0;
        code = other;
    }

    wchar_t full[FULL];
    format_value(code, value, full, FULL);
    size_t len = wcslen(full);
    bool weeks = decimals_of(code) == -2;  // the one code that prints Chinese (周, 天)
    for (size_t i = 0; i < len && !weeks; i++)
        if (full[i] < 0x20 || full[i] > 0x7e) fail("holds a character outside printable ASCII", value, code, full);
    if (!isfinite(value)) {
        if (wcscmp(full, L"--") != 0) fail("non-finite value not printed as --", value, code, full);
    } else if (wcscmp(full, L"--") == 0) {
        // Only numbers too long for the 79-character text, or dates beyond the day-number range.
        if (decimals_of(code) >= 0 ? fabs(value) < 1e70 : fabs(value) < 9e18) fail("finite value printed as --", value, code, full);
    } else if (decimals_of(code) >= 0) {
        check_number(code, value, full);
    } else if (weeks) {
        check_weeks(value, full);
    } else {
        check_date(value, full);
    }

    // The same call with a smaller capacity: a prefix of the full text, and nothing touched beyond it.
    wchar_t cut[FULL + 8];
    for (wchar_t& c : cut) c = L'#';
    format_value(code, value, cut, cap);
    for (int i = cap; i < FULL + 8; i++)
        if (cut[i] != L'#') fail("wrote past the capacity", value, code, full);
    if (cap > 0) {
        size_t keep = len < (size_t)cap - 1 ? len : (size_t)cap - 1;
        if (wmemcmp(cut, full, keep) != 0 || cut[keep] != 0) fail("cut text is no prefix", value, code, full);
    }
    return 0;
}
