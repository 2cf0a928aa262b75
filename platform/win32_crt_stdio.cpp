// Windows build only, linked into every executable as an object: the C runtime's start-up code
// (libmingw32's math-error and pseudo-relocation reports) and the static C++ runtime call fprintf,
// vfprintf, printf and fwprintf, which would otherwise be imported from the system msvcrt.dll. These
// definitions forward them to mingw's own printf, so the exe takes no number formatting from msvcrt.
// mingw's wide printf itself, writing to a FILE, hands strings to msvcrt's fwprintf under the name
// __ms_fwprintf with the formats "%.*s", "%*.*s", "%-*.*s" (and "S" for narrow strings); that one is
// written out here too, with fputwc, so no printf of msvcrt.dll is imported at all.
// stdio.h is not included: its inline wrappers of the same names would clash with these definitions.
#include <stdarg.h>

extern "C" {
struct _iobuf;
typedef struct _iobuf FILE;
FILE* __cdecl __acrt_iob_func(unsigned index);
int __cdecl __mingw_vfprintf(FILE* stream, const char* format, va_list args);
int __cdecl __mingw_vfwprintf(FILE* stream, const wchar_t* format, va_list args);
unsigned short __cdecl fputwc(wchar_t c, FILE* stream);

int __cdecl vfprintf(FILE* stream, const char* format, va_list args) {
    return __mingw_vfprintf(stream, format, args);
}

int __cdecl fprintf(FILE* stream, const char* format, ...) {
    va_list args;
    va_start(args, format);
    int n = __mingw_vfprintf(stream, format, args);
    va_end(args);
    return n;
}

int __cdecl printf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    int n = __mingw_vfprintf(__acrt_iob_func(1), format, args);
    va_end(args);
    return n;
}

int __cdecl fwprintf(FILE* stream, const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    int n = __mingw_vfwprintf(stream, format, args);
    va_end(args);
    return n;
}

// Writes one string argument as msvcrt's wide printf would for "%[-][*].*s" ("s" wide, "S" narrow).
// Returns the characters written, or -1 for any other format.
int __cdecl __ms_fwprintf(FILE* stream, const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    const wchar_t* f = format;
    bool left = false;
    int width = 0;
    if (*f++ != L'%') { va_end(args); return -1; }
    if (*f == L'-') { left = true; f++; }
    if (*f == L'*') { width = va_arg(args, int); f++; }
    if (f[0] != L'.' || f[1] != L'*' || (f[2] != L's' && f[2] != L'S') || f[3]) { va_end(args); return -1; }
    int precision = va_arg(args, int);
    bool narrow = f[2] == L'S';
    const void* text = va_arg(args, const void*);
    va_end(args);
    if (width < 0) { left = true; width = -width; }

    int len = 0;
    while (len < precision || precision < 0) {
        wchar_t c = narrow ? (wchar_t)((const unsigned char*)text)[len] : ((const wchar_t*)text)[len];
        if (!c) break;
        len++;
    }
    int pad = width > len ? width - len : 0;
    for (int i = 0; !left && i < pad; i++) fputwc(L' ', stream);
    for (int i = 0; i < len; i++)
        fputwc(narrow ? (wchar_t)((const unsigned char*)text)[i] : ((const wchar_t*)text)[i], stream);
    for (int i = 0; left && i < pad; i++) fputwc(L' ', stream);
    return len + pad;
}
}
