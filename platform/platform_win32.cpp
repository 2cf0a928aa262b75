// The platform seam on Windows: kernel32 and shell32. Exports the platform_ functions.
#include "platform/platform.h"

#include <windows.h>
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

FILE* platform_open_file(const wchar_t* path, const char* mode) {
    wchar_t wide_mode[8];
    int i = 0;
    for (; mode[i] && i < 7; i++) wide_mode[i] = (wchar_t)mode[i];
    wide_mode[i] = 0;
    return _wfopen(path, wide_mode);
}

bool platform_remove_file(const wchar_t* path) { return DeleteFileW(path) != 0; }

// The append lock is LockFileEx's exclusive lock on one byte at 2^62, far past any data: Windows
// locks are mandatory for reads and writes of the bytes they cover, and a lock there covers none,
// so a program reading the file is not blocked. The system drops the lock when the handle closes,
// also when its process dies. The file is shared for reading and writing but not for deletion, so
// nobody removes it while a save has it open.
static OVERLAPPED lock_range() {
    OVERLAPPED at = {};
    at.Offset = 0;
    at.OffsetHigh = 0x40000000;
    return at;
}

LockResult platform_lock_file(const wchar_t* path, int wait_ms, LockedFile* file) {
    HANDLE handle = CreateFileW(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, NULL);
    if (handle == INVALID_HANDLE_VALUE) return LOCK_OPEN_FAILED;
    bool created = GetLastError() != ERROR_ALREADY_EXISTS;
    ULONGLONG deadline = GetTickCount64() + (ULONGLONG)wait_ms;
    for (;;) {
        OVERLAPPED at = lock_range();
        if (LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) break;
        bool busy = GetLastError() == ERROR_LOCK_VIOLATION || GetLastError() == ERROR_IO_PENDING;
        if (!busy || GetTickCount64() >= deadline) {
            CloseHandle(handle);
            return busy ? LOCK_TIMED_OUT : LOCK_OPEN_FAILED;
        }
        Sleep(LOCK_RETRY_MS);
    }
    file->handle = (intptr_t)handle;
    file->created = created;
    return LOCK_TAKEN;
}

long long platform_locked_size(LockedFile file) {
    LARGE_INTEGER size;
    return GetFileSizeEx((HANDLE)file.handle, &size) ? size.QuadPart : -1;
}

bool platform_locked_write(LockedFile file, long long offset, const char* bytes, int count) {
    LARGE_INTEGER at;
    at.QuadPart = offset;
    DWORD written = 0;
    return SetFilePointerEx((HANDLE)file.handle, at, NULL, FILE_BEGIN) &&
           WriteFile((HANDLE)file.handle, bytes, (DWORD)count, &written, NULL) && written == (DWORD)count;
}

bool platform_locked_truncate(LockedFile file, long long size) {
    LARGE_INTEGER at;
    at.QuadPart = size;
    return SetFilePointerEx((HANDLE)file.handle, at, NULL, FILE_BEGIN) && SetEndOfFile((HANDLE)file.handle);
}

bool platform_unlock_file(LockedFile file, const wchar_t* path, bool remove_empty) {
    HANDLE handle = (HANDLE)file.handle;
    OVERLAPPED at = lock_range();
    UnlockFileEx(handle, 0, 1, 0, &at);
    bool closed = CloseHandle(handle) != 0;
    if (!remove_empty) return closed;
    // Removed only through an open that shares nothing: it fails while any other save has the file
    // open, and while it is held nobody can open the file and write to it, so the emptiness it sees
    // holds until the file is gone.
    HANDLE alone = CreateFileW(path, DELETE | FILE_READ_ATTRIBUTES, 0, NULL, OPEN_EXISTING, 0, NULL);
    if (alone != INVALID_HANDLE_VALUE) {
        LARGE_INTEGER size;
        FILE_DISPOSITION_INFO remove = { TRUE };
        if (GetFileSizeEx(alone, &size) && size.QuadPart == 0) {
            SetFileInformationByHandle(alone, FileDispositionInfo, &remove, sizeof remove);
        }
        CloseHandle(alone);
    }
    return closed;
}

int platform_utf8_from_wide(const wchar_t* text, char* out, int cap) {
    return WideCharToMultiByte(CP_UTF8, 0, text, -1, out, cap, NULL, NULL);
}

int platform_wide_from_utf8(const char* text, wchar_t* out, int cap) {
    return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, -1, out, cap);
}
