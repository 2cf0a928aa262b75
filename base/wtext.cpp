// Bounded wide-text writing. Exports wformat, vwformat, text_copy, text_append, text_length.
#include "base/wtext.h"

#include <stdarg.h>
#include <wchar.h>

int vwformat(wchar_t* text, int cap, const wchar_t* format, va_list args) {
    if (cap <= 0) return -1;
    // glibc returns -1 when the output is cut and leaves the buffer unterminated; mingw returns the
    // length the whole output would have had. Both fill the first cap - 1 characters.
    int n = vswprintf(text, (size_t)cap, format, args);
    if (n < 0 || n >= cap) {
        text[cap - 1] = 0;
        return -1;
    }
    return n;
}

int wformat(wchar_t* text, int cap, const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    int n = vwformat(text, cap, format, args);
    va_end(args);
    return n;
}

int text_length(const wchar_t* text) {
    int n = 0;
    if (text)
        while (text[n]) n++;
    return n;
}

int text_copy(wchar_t* text, int cap, const wchar_t* src) {
    if (cap <= 0) return 0;
    text[0] = 0;
    return text_append(text, cap, src);
}

int text_append(wchar_t* text, int cap, const wchar_t* src) {
    if (cap <= 0) return 0;
    int len = text_length(text);
    int n = 0;
    if (src)
        while (len + n < cap - 1 && src[n]) {
            text[len + n] = src[n];
            n++;
        }
    text[len + n] = 0;
    return n;
}

wchar_t width_fold(wchar_t c) {
    if (c >= 0xFF01 && c <= 0xFF5E) return (wchar_t)(c - 0xFEE0);
    return c == 0x3000 ? L' ' : c;
}
