// Tests of selftest_command_read: where the switch is found and which report path it yields.
#include <gtest/gtest.h>

#include <string>

#include "selftest/selftest_command.h"

TEST(SelftestCommandRead, SwitchAndPath) {
    static const struct {
        const char*    label;
        const wchar_t* command_line;
        SelftestSwitch expected;
        const wchar_t* path;
    } cases[] = {
        { "no switch",                 L"medtool.exe",                               SELFTEST_ABSENT, L"" },
        { "empty command line",        L"",                                          SELFTEST_ABSENT, L"" },
        { "capitals not recognised",   L"medtool.exe --SELFTEST out.txt",            SELFTEST_ABSENT, L"" },
        { "single hyphen",             L"medtool.exe -selftest out.txt",             SELFTEST_ABSENT, L"" },
        { "switch last",               L"medtool.exe --selftest",                    SELFTEST_PATH,   L"selftest.txt" },
        { "only spaces after",         L"medtool.exe --selftest    ",                SELFTEST_PATH,   L"selftest.txt" },
        { "empty quotes",              L"medtool.exe --selftest \"\" x.txt",         SELFTEST_PATH,   L"selftest.txt" },
        { "plain path",                L"medtool.exe --selftest out.txt",            SELFTEST_PATH,   L"out.txt" },
        { "several spaces skipped",    L"medtool.exe --selftest    out.txt",         SELFTEST_PATH,   L"out.txt" },
        { "tab is not skipped",        L"medtool.exe --selftest\tout.txt",           SELFTEST_PATH,   L"\tout.txt" },
        { "further argument",          L"medtool.exe --selftest out.txt more",       SELFTEST_PATH,   L"out.txt" },
        { "option after the switch",   L"medtool.exe --selftest --verbose",          SELFTEST_PATH,   L"--verbose" },
        { "quoted path with spaces",   L"m.exe --selftest \"C:\\My Files\\r.txt\" x", SELFTEST_PATH,  L"C:\\My Files\\r.txt" },
        { "unclosed quote",            L"m.exe --selftest \"C:\\My Files\\r.txt x",  SELFTEST_PATH,   L"C:\\My Files\\r.txt x" },
        { "quote inside a plain path", L"m.exe --selftest a\"b c",                   SELFTEST_PATH,   L"a\"b" },
        { "equals sign",               L"medtool.exe --selftest=out.txt",            SELFTEST_PATH,   L"=out.txt" },
        { "glued file name",           L"medtool.exe --selftestout.txt",             SELFTEST_PATH,   L"out.txt" },
        { "switch first",              L"--selftest out.txt",                        SELFTEST_PATH,   L"out.txt" },
        { "first occurrence wins",     L"m.exe --selftest a.txt --selftest b.txt",   SELFTEST_PATH,   L"a.txt" },
        { "inside the program path",   L"\"C:\\--selftest\\medtool.exe\"",           SELFTEST_PATH,   L"\\medtool.exe\"" },
        { "program folder, no path",   L"C:\\x--selftest",                           SELFTEST_PATH,   L"selftest.txt" },
        { "Chinese path",              L"m.exe --selftest 报告.txt",                 SELFTEST_PATH,   L"报告.txt" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        wchar_t path[SELFTEST_PATH_CAP + 1];
        path[SELFTEST_PATH_CAP] = L'#';
        EXPECT_EQ(c.expected, selftest_command_read(c.command_line, path, SELFTEST_PATH_CAP));
        EXPECT_STREQ(c.path, path);
        EXPECT_EQ(L'#', path[SELFTEST_PATH_CAP]);
    }
}

TEST(SelftestCommandRead, NullCommandLineIsNoSwitch) {
    wchar_t path[SELFTEST_PATH_CAP] = L"stale";
    EXPECT_EQ(SELFTEST_ABSENT, selftest_command_read(nullptr, path, SELFTEST_PATH_CAP));
    EXPECT_STREQ(L"", path);
}

// 519 characters fit the buffer; one more is refused whole, never cut to a shorter name.
TEST(SelftestCommandRead, PathLengthBound) {
    static const struct { const char* label; int length; bool quoted; SelftestSwitch expected; } cases[] = {
        { "519, plain",  SELFTEST_PATH_CAP - 1, false, SELFTEST_PATH },
        { "519, quoted", SELFTEST_PATH_CAP - 1, true,  SELFTEST_PATH },
        { "520, plain",  SELFTEST_PATH_CAP,     false, SELFTEST_PATH_TOO_LONG },
        { "520, quoted", SELFTEST_PATH_CAP,     true,  SELFTEST_PATH_TOO_LONG },
        { "2000, plain", 2000,                  false, SELFTEST_PATH_TOO_LONG },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        std::wstring name(c.length, L'p');
        std::wstring line = L"medtool.exe --selftest " + (c.quoted ? L"\"" + name + L"\" next" : name + L" next");
        wchar_t path[SELFTEST_PATH_CAP];
        EXPECT_EQ(c.expected, selftest_command_read(line.c_str(), path, SELFTEST_PATH_CAP));
        EXPECT_STREQ(c.expected == SELFTEST_PATH ? name.c_str() : L"", path);
    }
}
