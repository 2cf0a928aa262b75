// The platform seam: the few operating-system services the portable core needs, with a Win32 side
// (platform_win32.cpp) and a POSIX side (platform_posix.cpp). Exports LocalTime, PATH_SEP and the
// platform_ functions.
#pragma once
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

// True when something (a file or a folder) exists at path, asked of the file system without opening.
bool platform_file_exists(const wchar_t* path);

// Opens a file by its wide path with a C stdio mode ("rb", "ab", "wb"). Null when it cannot be opened.
FILE* platform_open_file(const wchar_t* path, const char* mode);

// Deletes a file. False when it cannot.
bool platform_remove_file(const wchar_t* path);

// Cuts an open file back to size bytes; undoes an append that stopped part way. False when it cannot.
bool platform_truncate_file(FILE* file, long long size);

// Converts a terminated wide text, terminator included, to UTF-8 in out (cap bytes). Returns the bytes
// written, terminator included, or 0 when the whole text does not fit (out is then unspecified).
int platform_utf8_from_wide(const wchar_t* text, char* out, int cap);

// Converts terminated UTF-8, terminator included, to wide text in out (cap characters). Returns the
// characters written, terminator included, or 0 when it does not fit or is not valid UTF-8.
int platform_wide_from_utf8(const char* text, wchar_t* out, int cap);
