// Number reading shared by the evaluator and the input boxes. Exports number_read and input_text_value.
// Both go through the C library's strtod, which in the Windows build is mingw's own (never the
// system msvcrt.dll, which reads neither "inf" nor hexadecimal), so both builds read the same values.
#include "engine/number_read.h"

#include <stdlib.h>

double number_read(const char* text, const char** end) {
    char* stop = nullptr;
    double v = strtod(text, &stop);
    *end = stop;
    return v;
}

double input_text_value(const wchar_t* text) {
    // An edit box yields at most 127 characters; a number is ASCII, so the text is narrowed up to its
    // first character outside ASCII, which ends any number anyway.
    char narrow[128];
    int n = 0;
    const wchar_t* p = text;
    while (*p == L' ' || (*p >= L'\t' && *p <= L'\r')) p++;
    while (n < (int)sizeof narrow - 1 && p[n] > 0 && p[n] < 0x80) {
        narrow[n] = (char)p[n];
        n++;
    }
    narrow[n] = 0;
    return strtod(narrow, nullptr);
}
