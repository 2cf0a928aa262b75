// The platform seam on Linux, for the native build of the core and its tests. Wide text is UTF-32
// here. Exports the platform_ functions.
#include "platform/platform.h"

#include <stdint.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

LocalTime platform_local_time() {
    time_t now = time(nullptr);
    struct tm tm_local;
    localtime_r(&now, &tm_local);
    LocalTime t = { tm_local.tm_year + 1900, tm_local.tm_mon + 1, tm_local.tm_mday,
                    tm_local.tm_hour, tm_local.tm_min, tm_local.tm_sec };
    return t;
}

// Paths are UTF-8 on Linux; a path longer than this is refused.
enum { NARROW_PATH_CAP = 4096 };

bool platform_local_appdata(wchar_t* path, int cap) {
    if (cap > 0) path[0] = 0;
    char narrow[NARROW_PATH_CAP];
    const char* xdg = getenv("XDG_DATA_HOME");
    const char* home = getenv("HOME");
    int n;
    if (xdg && xdg[0] == '/') n = snprintf(narrow, sizeof narrow, "%s", xdg);
    else if (home && home[0] == '/') n = snprintf(narrow, sizeof narrow, "%s/.local/share", home);
    else return false;
    if (n <= 0 || n >= (int)sizeof narrow) return false;
    while (n > 1 && narrow[n - 1] == '/') narrow[--n] = 0;
    if (platform_wide_from_utf8(narrow, path, cap) == 0) {
        if (cap > 0) path[0] = 0;
        return false;
    }
    return true;
}

static bool narrow_path(const wchar_t* path, char* out) {
    return platform_utf8_from_wide(path, out, NARROW_PATH_CAP) > 0;
}

bool platform_make_dir(const wchar_t* path) {
    char narrow[NARROW_PATH_CAP];
    return narrow_path(path, narrow) && mkdir(narrow, 0777) == 0;
}

bool platform_file_exists(const wchar_t* path) {
    char narrow[NARROW_PATH_CAP];
    struct stat st;
    return narrow_path(path, narrow) && stat(narrow, &st) == 0;
}

FILE* platform_open_file(const wchar_t* path, const char* mode) {
    char narrow[NARROW_PATH_CAP];
    return narrow_path(path, narrow) ? fopen(narrow, mode) : nullptr;
}

bool platform_remove_file(const wchar_t* path) {
    char narrow[NARROW_PATH_CAP];
    return narrow_path(path, narrow) && unlink(narrow) == 0;
}

bool platform_truncate_file(FILE* file, long long size) {
    return fflush(file) == 0 && ftruncate(fileno(file), (off_t)size) == 0;
}

int platform_utf8_from_wide(const wchar_t* text, char* out, int cap) {
    int n = 0;
    for (const wchar_t* p = text;; p++) {
        uint32_t c = (uint32_t)*p;
        if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = 0xFFFD;  // as Windows does
        unsigned char bytes[4];
        int len;
        if (c < 0x80) { bytes[0] = (unsigned char)c; len = 1; }
        else if (c < 0x800) { bytes[0] = (unsigned char)(0xC0 | c >> 6); bytes[1] = (unsigned char)(0x80 | (c & 0x3F)); len = 2; }
        else if (c < 0x10000) {
            bytes[0] = (unsigned char)(0xE0 | c >> 12); bytes[1] = (unsigned char)(0x80 | ((c >> 6) & 0x3F));
            bytes[2] = (unsigned char)(0x80 | (c & 0x3F)); len = 3;
        } else {
            bytes[0] = (unsigned char)(0xF0 | c >> 18); bytes[1] = (unsigned char)(0x80 | ((c >> 12) & 0x3F));
            bytes[2] = (unsigned char)(0x80 | ((c >> 6) & 0x3F)); bytes[3] = (unsigned char)(0x80 | (c & 0x3F)); len = 4;
        }
        if (n + len > cap) return 0;
        for (int i = 0; i < len; i++) out[n++] = (char)bytes[i];
        if (c == 0) return n;
    }
}

int platform_wide_from_utf8(const char* text, wchar_t* out, int cap) {
    int n = 0;
    const unsigned char* p = (const unsigned char*)text;
    for (;;) {
        // Continuation bytes after the lead byte, and the smallest value each length may encode:
        // a longer form (overlong), a UTF-16 surrogate or a value beyond U+10FFFF is invalid, as
        // MultiByteToWideChar with MB_ERR_INVALID_CHARS finds on the Windows side.
        static const uint32_t SMALLEST[] = { 0, 0x80, 0x800, 0x10000 };
        uint32_t c = *p++;
        int more = c < 0x80 ? 0 : c < 0xC2 ? -1 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : c < 0xF5 ? 3 : -1;
        if (more < 0) return 0;
        c &= more == 0 ? 0x7F : more == 1 ? 0x1F : more == 2 ? 0x0F : 0x07;
        for (int i = 0; i < more; i++, p++) {
            if ((*p & 0xC0) != 0x80) return 0;
            c = c << 6 | (*p & 0x3F);
        }
        if (c < SMALLEST[more] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return 0;
        if (n >= cap) return 0;
        out[n++] = (wchar_t)c;
        if (c == 0) return n;
    }
}
