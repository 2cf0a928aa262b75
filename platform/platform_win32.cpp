// The platform seam on Windows: kernel32 and shell32. Exports the platform_ functions.
#include "platform/platform.h"

#include <windows.h>
#include <io.h>
#include <shlobj.h>

LocalTime platform_local_time() {
    SYSTEMTIME st;
    GetLocalTime(&st);
    LocalTime t = { st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond };
    return t;
}

bool platform_local_appdata(wchar_t* path, int cap) {
    wchar_t folder[MAX_PATH];
    if (cap > 0) path[0] = 0;
    if (SHGetFolderPathW(NULL, CSIDL_LOCAL_APPDATA, NULL, 0, folder) != S_OK || !folder[0]) return false;
    int n = lstrlenW(folder);
    if (n >= cap) return false;
    lstrcpynW(path, folder, cap);
    return true;
}

bool platform_make_dir(const wchar_t* path) { return CreateDirectoryW(path, NULL) != 0; }

bool platform_file_exists(const wchar_t* path) { return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES; }

FILE* platform_open_file(const wchar_t* path, const char* mode) {
    wchar_t wide_mode[8];
    int i = 0;
    for (; mode[i] && i < 7; i++) wide_mode[i] = (wchar_t)mode[i];
    wide_mode[i] = 0;
    return _wfopen(path, wide_mode);
}

bool platform_remove_file(const wchar_t* path) { return DeleteFileW(path) != 0; }

bool platform_truncate_file(FILE* file, long long size) {
    return fflush(file) == 0 && _chsize_s(_fileno(file), size) == 0;
}

int platform_utf8_from_wide(const wchar_t* text, char* out, int cap) {
    return WideCharToMultiByte(CP_UTF8, 0, text, -1, out, cap, NULL, NULL);
}

int platform_wide_from_utf8(const char* text, wchar_t* out, int cap) {
    return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, -1, out, cap);
}
