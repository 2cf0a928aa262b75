// libFuzzer target: selftest_command_read on arbitrary wide command lines (two bytes a character, up to
// 1200 characters, so paths run past the capacity) and capacities of 13 (the default path) to 600,
// against a reading of the rule written here: the first "--selftest", spaces skipped, a quoted path to
// the next quote or the end, else to the next space or the end; empty gives "selftest.txt"; a path of
// cap characters or more is refused. Also checks that nothing is written past the capacity.
#include <fuzzer/FuzzedDataProvider.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

#include <string>

#include "selftest/selftest_command.h"

static void fail(const char* what) {
    fprintf(stderr, "selftest_command_read: %s\n", what);
    abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    int cap = in.ConsumeIntegralInRange(13, 600);
    std::wstring line;
    while (in.remaining_bytes() >= 2 && line.size() < 1200) {
        // Mostly the characters the rule looks at, so the switch and quotes come up often.
        static const wchar_t common[] = L"--selftest \"x.txt\\中";
        uint16_t unit = in.ConsumeIntegral<uint16_t>();
        wchar_t c = unit < 0xC000 ? common[unit % (sizeof common / sizeof common[0] - 1)] : (wchar_t)(unit & 0x3FFF);
        if (c) line += c;
    }

    std::wstring want_path;
    SelftestSwitch want = SELFTEST_ABSENT;
    size_t at = line.find(L"--selftest");
    if (at != std::wstring::npos) {
        size_t p = line.find_first_not_of(L' ', at + 10);
        if (p == std::wstring::npos) p = line.size();
        wchar_t end = L' ';
        if (p < line.size() && line[p] == L'"') { end = L'"'; p++; }
        size_t q = line.find(end, p);
        want_path = line.substr(p, (q == std::wstring::npos ? line.size() : q) - p);
        if (want_path.empty()) want_path = L"selftest.txt";
        want = (int)want_path.size() > cap - 1 ? SELFTEST_PATH_TOO_LONG : SELFTEST_PATH;
        if (want == SELFTEST_PATH_TOO_LONG) want_path.clear();
    }

    wchar_t path[600 + 8];
    wmemset(path, L'#', 608);
    SelftestSwitch got = selftest_command_read(line.c_str(), path, cap);
    for (int i = cap; i < 608; i++)
        if (path[i] != L'#') fail("wrote past the capacity");
    if (got != want) fail("different outcome");
    if (want_path != path) fail("different path");
    return 0;
}
