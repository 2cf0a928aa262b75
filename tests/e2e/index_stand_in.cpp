// A stand-in for a tool's exe in the index window test: copied into the test folder under a tool's exe
// name, it writes its own path (UTF-16, no terminator) into opened.txt beside itself and ends, so the
// test sees which file the index started.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wchar_t path[1024], report[1040];
    DWORD n = GetModuleFileNameW(NULL, path, 1024);
    if (n == 0 || n >= 1024) return 1;
    lstrcpyW(report, path);
    wchar_t* name = report;
    for (wchar_t* p = report; *p; p++)
        if (*p == L'\\') name = p + 1;
    lstrcpyW(name, L"opened.txt");
    HANDLE f = CreateFileW(report, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (f == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    BOOL ok = WriteFile(f, path, n * sizeof(wchar_t), &written, NULL);
    CloseHandle(f);
    return ok && written == n * sizeof(wchar_t) ? 0 : 1;
}
