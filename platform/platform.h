// The platform seam: the few operating-system services the portable core needs, with a Win32 side
// (platform_win32.cpp) and a POSIX side (platform_posix.cpp). Exports LocalTime, PATH_SEP and the
// platform_ functions.
#pragma once
#include <stdint.h>
#include <stdio.h>

#ifdef _WIN32
#define PATH_SEP L'\\'
#else
#define PATH_SEP L'/'
#endif

struct LocalTime {
    int year;    // e.g. 2026
    int month;   // 1 to 12
    int day;     // 1 to 31
    int hour;    // 0 to 23
    int minute;  // 0 to 59
    int second;  // 0 to 59
};

// The local calendar date and wall-clock time now.
LocalTime platform_local_time();

// The current user's local (non-roaming) application-data folder, without a trailing separator.
// Returns false, with path empty, when it cannot be determined or does not fit cap characters.
bool platform_local_appdata(wchar_t* path, int cap);

// Creates one folder. Returns true when it was made; false when it exists already or cannot be made.
bool platform_make_dir(const wchar_t* path);

// Opens a file by its wide path with a C stdio mode ("rb", "ab", "wb"). Null when it cannot be opened.
FILE* platform_open_file(const wchar_t* path, const char* mode);

// Deletes a file. False when it cannot.
bool platform_remove_file(const wchar_t* path);

// A file open for appending under its exclusive lock (platform_lock_file): the system's file handle
// on Windows, the file descriptor on POSIX.
struct LockedFile {
    intptr_t handle;
    bool     created;  // this open made the file
};

enum {
    LOCK_RETRY_MS = 10,  // how often platform_lock_file tries again while another process holds the lock
};

enum LockResult {
    LOCK_TAKEN,        // the file is open and locked
    LOCK_OPEN_FAILED,  // the file cannot be opened for writing (held without sharing, a folder, no folder)
    LOCK_TIMED_OUT,    // another process held the lock for the whole wait; nothing is open
};

// Opens path for writing, making it when missing, shared with other readers and writers, and takes
// the file's exclusive append lock, trying again every LOCK_RETRY_MS until wait_ms milliseconds have
// passed. The lock binds only those who take it: a program that reads the file is not blocked. The
// system releases it when the file is closed, also when its process dies. On LOCK_TAKEN the file is
// the one the path names now: a file removed while this open waited is opened afresh.
LockResult platform_lock_file(const wchar_t* path, int wait_ms, LockedFile* file);

// The size of a locked file in bytes; -1 when it cannot be read.
long long platform_locked_size(LockedFile file);

// Writes count bytes at offset with one write. False when not all of them were written.
bool platform_locked_write(LockedFile file, long long offset, const char* bytes, int count);

// Cuts a locked file back to size bytes. False when it cannot.
bool platform_locked_truncate(LockedFile file, long long size);

// Releases the lock and closes the file. With remove_empty, a file still empty then is removed from
// path, which it was opened by, unless another process has it open or has written to it meanwhile.
// False when the close failed.
bool platform_unlock_file(LockedFile file, const wchar_t* path, bool remove_empty);

// Converts a terminated wide text, terminator included, to UTF-8 in out (cap bytes). Returns the bytes
// written, terminator included, or 0 when the whole text does not fit (out is then unspecified).
int platform_utf8_from_wide(const wchar_t* text, char* out, int cap);

// Converts terminated UTF-8, terminator included, to wide text in out (cap characters). Returns the
// characters written, terminator included, or 0 when it does not fit or is not valid UTF-8.
int platform_wide_from_utf8(const char* text, wchar_t* out, int cap);
