// Number reading shared by the evaluator and the input boxes. Exports number_read, input_text_value,
// input_text_print, input_char_blank and input_char_digit.
// Both give the value of the C library's strtod, which in the Windows build is mingw's own (never the
// system msvcrt.dll, which reads neither "inf" nor hexadecimal), so both builds agree; number_read its
// extent too, input_text_value only for a text that is one plain decimal number as a whole.
#include "base/number_read.h"

#include <math.h>
#include <stdint.h>
#include <stdlib.h>

#include "base/dimof.h"
#include "base/wtext.h"

// The powers of ten that a double holds exactly: 10^22 < 2^53 * 2^22, and 5^23 > 2^53.
static const double EXACT_POWERS_OF_TEN[] = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22,
};
static const int MAX_EXACT_POWER = 22;
// Largest integer up to which every integer is a double: 2^53.
static const uint64_t MAX_EXACT_MANTISSA = 9007199254740992ull;
// 19 decimal digits always fit in uint64_t (10^19 - 1 < 2^64 - 1).
static const int MAX_MANTISSA_DIGITS = 19;
// An exponent field beyond this magnitude is left to strtod; it stops counting before int overflows.
static const int MAX_EXPONENT_FIELD = 100000;

static bool is_digit(char c) { return c >= '0' && c <= '9'; }

// The significant digits read so far: at most 19, so the value fits uint64_t.
struct DecimalDigits {
    uint64_t mantissa;  // the digits read, leading zeros dropped
    int      count;     // significant digits in mantissa: 0 to 19
    int      scale;     // power of ten that mantissa carries: minus the fraction digits read
    bool     any;       // a digit was seen before or after the point
};

// Reads a run of digits at *p into d; a fraction run lowers the scale once per digit. Returns false
// when a 20th significant digit comes, which the fast reading leaves to strtod.
static bool read_digit_run(const char** p, bool fraction, DecimalDigits* d) {
    for (; is_digit(**p); (*p)++) {
        d->any = true;
        if (fraction) d->scale--;
        if (d->mantissa == 0 && **p == '0') continue;
        if (d->count == MAX_MANTISSA_DIGITS) return false;
        d->mantissa = d->mantissa * 10 + (uint64_t)(**p - '0');
        d->count++;
    }
    return true;
}

// The decimal forms most numbers take, read without strtod: digits, an optional fraction and an
// optional exponent, with at most 19 significant digits whose value is at most 2^53, scaled by a power
// of ten of at most 22. Then mantissa and power are exact doubles and one multiplication or division
// rounds the exact quotient once, to nearest: the correctly rounded value that strtod returns (Clinger's
// fast path). Returns false, having stored nothing, for every other text; strtod reads those.
static bool read_short_decimal(const char* text, double* value, const char** end) {
    const char* p = text;
    DecimalDigits d = {};
    if (!read_digit_run(&p, false, &d)) return false;
    if (*p == '.') {
        p++;
        if (!read_digit_run(&p, true, &d)) return false;
    }
    if (!d.any) return false;  // a lone point, or no number at all: strtod's own verdict
    uint64_t mantissa = d.mantissa;
    int scale = d.scale;

    if (*p == 'e' || *p == 'E') {
        const char* q = p + 1;
        bool negative = *q == '-';
        if (*q == '-' || *q == '+') q++;
        if (is_digit(*q)) {  // otherwise the exponent is no part of the number
            int field = 0;
            while (is_digit(*q)) {
                if (field > MAX_EXPONENT_FIELD) return false;
                field = field * 10 + (*q - '0');
                q++;
            }
            scale += negative ? -field : field;
            p = q;
        }
    }

    if (mantissa == 0) {
        *value = 0.0;
    } else {
        if (mantissa > MAX_EXACT_MANTISSA || scale > MAX_EXACT_POWER || scale < -MAX_EXACT_POWER)
            return false;
        double m = (double)mantissa;
        *value = scale >= 0 ? m * EXACT_POWERS_OF_TEN[scale] : m / EXACT_POWERS_OF_TEN[-scale];
    }
    *end = p;
    return true;
}

double number_read(const char* text, const char** end) {
    // Hexadecimal ("0x"), signs, blanks, "inf" and "nan", and long or far-scaled decimals go to strtod.
    bool hex = text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    if (!hex && (is_digit(text[0]) || text[0] == '.')) {
        double value;
        if (read_short_decimal(text, &value, end)) return value;
    }
    char* stop = nullptr;
    double v = strtod(text, &stop);
    *end = stop;
    return v;
}

// The ASCII character an input box character stands for in a number: itself for ASCII, the ASCII of a
// full-width form, the point for the ideographic full stop; 0 for any other.
static char number_char(wchar_t c) {
    c = width_fold(c);
    if (c == 0x3002) return '.';
    return c > 0 && c < 0x80 ? (char)c : 0;
}

bool input_char_blank(wchar_t c) { return c == L' ' || c == L'\t' || c == 0x3000; }

int input_char_digit(wchar_t c) {
    c = width_fold(c);
    return c >= L'0' && c <= L'9' ? c - L'0' : -1;
}

double input_text_value(const wchar_t* text) {
    const wchar_t* first = text;
    while (input_char_blank(*first)) first++;
    const wchar_t* last = first + text_length(first);
    while (last > first && input_char_blank(last[-1])) last--;
    if (last - first > INPUT_NUMBER_MAX_CHARS) return NAN;

    // [sign] digits [point [digits]] | [sign] point digits, over the ASCII forms.
    char narrow[INPUT_NUMBER_MAX_CHARS + 1];
    int n = 0, digits = 0, points = 0;
    for (const wchar_t* p = first; p < last; p++) {
        char c = number_char(*p);
        if (is_digit(c)) digits++;
        else if (c == '.' && points == 0) points++;
        else if (!((c == '-' || c == '+') && n == 0)) return NAN;
        narrow[n++] = c;
    }
    narrow[n] = 0;
    if (digits == 0) return NAN;
    const char* end = nullptr;
    double value = number_read(narrow, &end);
    return end == narrow + n ? value : NAN;
}

int input_text_print(double value, wchar_t* text, int cap) {
    wchar_t plain[INPUT_NUMBER_MAX_CHARS + 1];
    // A plain decimal of at most 127 characters has at most 125 digits after the point.
    for (int decimals = 0; isfinite(value) && decimals <= INPUT_NUMBER_MAX_CHARS - 2; decimals++) {
        // Too long for a box: more digits only make it longer.
        if (wformat(plain, dimof(plain), L"%.*f", decimals, value) < 0) break;
        double back = input_text_value(plain);
        if (back == value && signbit(back) == signbit(value)) return wformat(text, cap, L"%ls", plain);
    }
    return wformat(text, cap, L"%.17g", value);
}
