// The self-test switch on the command line, shared by the entry point and its tests.
// Exports selftest_command_read.
#include "selftest/selftest_command.h"

#include "base/wtext.h"

static const wchar_t SWITCH[] = L"--selftest";
static const wchar_t DEFAULT_PATH[] = L"selftest.txt";

// The first occurrence of SWITCH in text, or null.
static const wchar_t* find_switch(const wchar_t* text) {
    for (const wchar_t* p = text; *p; p++) {
        int n = 0;
        while (SWITCH[n] && p[n] == SWITCH[n]) n++;
        if (!SWITCH[n]) return p;
    }
    return nullptr;
}

SelftestSwitch selftest_command_read(const wchar_t* command_line, wchar_t* path, int cap) {
    text_copy(path, cap, L"");
    const wchar_t* at = command_line ? find_switch(command_line) : nullptr;
    if (!at) return SELFTEST_ABSENT;

    const wchar_t* p = at + text_length(SWITCH);
    while (*p == L' ') p++;
    wchar_t end = L' ';
    if (*p == L'"') { end = L'"'; p++; }
    int n = 0;
    while (p[n] && p[n] != end) n++;

    if (n == 0) { text_copy(path, cap, DEFAULT_PATH); return SELFTEST_PATH; }
    if (n > cap - 1) return SELFTEST_PATH_TOO_LONG;
    for (int i = 0; i < n; i++) path[i] = p[i];
    path[n] = 0;
    return SELFTEST_PATH;
}
