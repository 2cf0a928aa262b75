// The platform seam on Linux, for the native build of the core and its tests. Wide text is UTF-32
// here. Exports the platform_ functions.
#include "platform/platform.h"

#include <errno.h>
#include <fcntl.h>
#include <stdint.h>
#include <stdlib.h>
#include <sys/file.h>
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

FILE* platform_open_file(const wchar_t* path, const char* mode) {
    char narrow[NARROW_PATH_CAP];
    return narrow_path(path, narrow) ? fopen(narrow, mode) : nullptr;
}

bool platform_remove_file(const wchar_t* path) {
    char narrow[NARROW_PATH_CAP];
    return narrow_path(path, narrow) && unlink(narrow) == 0;
}

// The append lock is flock's exclusive lock on the whole file: advisory, so readers are not blocked;
// held by the open file, so two opens in one process exclude each other as two processes do; and
// dropped by the system when the file is closed, by exit or by death alike.

// Milliseconds on a clock that only goes forward.
static long long monotonic_ms() {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (long long)t.tv_sec * 1000 + t.tv_nsec / 1000000;
}

static void sleep_ms(int ms) {
    struct timespec t = { 0, ms * 1000000L };
    nanosleep(&t, nullptr);
}

// True when the path still names the open file fd: a save that removed the file it could not fill
// did so under the lock, and whoever waited for the lock on that file must open the path again.
static bool still_named(int fd, const char* path) {
    struct stat open_file, named;
    return fstat(fd, &open_file) == 0 && open_file.st_nlink > 0 && stat(path, &named) == 0 &&
           named.st_dev == open_file.st_dev && named.st_ino == open_file.st_ino;
}

// Opens path for writing, making it when missing; -1 when it cannot. *created tells which.
static int open_record(const char* path, bool* created) {
    for (;;) {
        *created = true;
        int fd = open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
        *created = false;
        fd = open(path, O_WRONLY | O_CLOEXEC);
        if (fd >= 0 || errno != ENOENT) return fd;  // ENOENT: removed between the two opens
    }
}

LockResult platform_lock_file(const wchar_t* path, int wait_ms, LockedFile* file) {
    char narrow[NARROW_PATH_CAP];
    if (!narrow_path(path, narrow)) return LOCK_OPEN_FAILED;
    long long deadline = monotonic_ms() + wait_ms;
    for (;;) {
        bool created;
        int fd = open_record(narrow, &created);
        if (fd < 0) return LOCK_OPEN_FAILED;
        while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            bool busy = errno == EWOULDBLOCK;
            if (!busy || monotonic_ms() >= deadline) {
                close(fd);
                return busy ? LOCK_TIMED_OUT : LOCK_OPEN_FAILED;
            }
            sleep_ms(LOCK_RETRY_MS);
        }
        if (still_named(fd, narrow)) {
            file->handle = fd;
            file->created = created;
            return LOCK_TAKEN;
        }
        close(fd);  // and open the path again
    }
}

long long platform_locked_size(LockedFile file) {
    struct stat st;
    return fstat((int)file.handle, &st) == 0 ? (long long)st.st_size : -1;
}

bool platform_locked_write(LockedFile file, long long offset, const char* bytes, int count) {
    return pwrite((int)file.handle, bytes, (size_t)count, (off_t)offset) == (ssize_t)count;
}

bool platform_locked_truncate(LockedFile file, long long size) {
    return ftruncate((int)file.handle, (off_t)size) == 0;
}

bool platform_unlock_file(LockedFile file, const wchar_t* path, bool remove_empty) {
    int fd = (int)file.handle;
    char narrow[NARROW_PATH_CAP];
    // Removed while still locked, so nobody writes to it in between; a waiting save then finds it
    // gone from the path (still_named) and opens the path afresh.
    if (remove_empty && platform_locked_size(file) == 0 && narrow_path(path, narrow) && still_named(fd, narrow)) {
        unlink(narrow);
    }
    return close(fd) == 0;
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
