// Self-test scenarios: the real program started with "--selftest" command lines, as Windows hands
// them over (CreateProcess passes the line verbatim). Checks the exit code, the report file and that
// no window opens. Exports SELFTEST_SCENARIOS.
#include <stdio.h>

#include "e2e.h"

static const char BUILTIN_REPORT[] =
    "TOOL|115|尿/血渗透压比|肾内科\r\nLEVEL|0\r\nOUT|尿/血比值|2.07|\r\nVERDICT|浓缩功能大致正常\r\n"
    "DETAIL|尿/血比值：2.07 \r\nERRORS|0\r\n";

static std::string file_bytes(const std::wstring& path) {
    std::string bytes;
    FILE* f = _wfopen(path.c_str(), L"rb");
    if (!f) return "(no file)";
    char block[4096];
    size_t n;
    while ((n = fread(block, 1, sizeof block, f)) > 0) bytes.append(block, n);
    fclose(f);
    return bytes;
}

static bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

static void command_lines(Session* s) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring dir = std::wstring(temp) + L"medtool-selftest-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(dir.c_str(), nullptr);
    const std::wstring long_name = dir + L"\\" + std::wstring(560, L'a') + L".txt";

    const struct {
        const char*  label;
        std::wstring args;
        bool         in_dir;   // run with dir as the current folder
        long         exit_code;
        std::wstring report;   // must hold the built-in report afterwards; empty: none expected
        std::wstring absent;   // must not exist afterwards
    } cases[] = {
        { "path after the switch", L"--selftest \"" + dir + L"\\r1.txt\"", false, 0, dir + L"\\r1.txt", L"" },
        { "quoted path with a space, then more", L"--selftest \"" + dir + L"\\my report.txt\" --x", false, 0,
          dir + L"\\my report.txt", dir + L"\\--x" },
        { "switch last: selftest.txt in the current folder", L"--selftest", true, 0, dir + L"\\selftest.txt", L"" },
        { "relative path from the current folder", L"--selftest rel.txt", true, 0, dir + L"\\rel.txt", L"" },
        { "file name glued to the switch", L"--selftest" + dir + L"\\glued.txt", false, 0, dir + L"\\glued.txt", L"" },
        { "missing folder: exit 3", L"--selftest " + dir + L"\\missing\\r.txt", false, 3, L"", dir + L"\\missing" },
        { "path is a folder: exit 3", L"--selftest " + dir, false, 3, L"", L"" },
        { "path over 519 characters: exit 3, nothing written", L"--selftest " + long_name, false, 3, L"",
          long_name.substr(0, 519) },
    };
    for (const auto& c : cases) {
        size_t before = s->failures.size();
        if (!c.report.empty()) DeleteFileW(c.report.c_str());
        PROCESS_INFORMATION pi;
        check(s, process_start(&pi, s->exe, c.args.c_str(), c.in_dir ? dir.c_str() : nullptr), "cannot start");
        long code = process_wait(&pi, 15000);
        check(s, code == c.exit_code, "exit code %ld, want %ld", code, c.exit_code);
        check(s, find_process_window(pi.dwProcessId, L"KavriMedToolWnd", 0) == nullptr, "a window opened");
        process_end(&pi);
        if (!c.report.empty()) check(s, file_bytes(c.report) == BUILTIN_REPORT, "report: %s", file_bytes(c.report).c_str());
        if (!c.absent.empty()) check(s, !exists(c.absent), "%s exists", utf8(c.absent).c_str());
        if (s->failures.size() != before) s->failures.push_back(std::string("  ... in case: ") + c.label);
    }
}

// The switch is case-sensitive: in capitals the window starts and no report is written.
static void capitals_start_the_window(Session* s) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring report = std::wstring(temp) + L"medtool-capitals.txt";
    DeleteFileW(report.c_str());
    PROCESS_INFORMATION pi;
    check(s, process_start(&pi, s->exe, (L"--SELFTEST " + report).c_str(), nullptr), "cannot start");
    check(s, find_process_window(pi.dwProcessId, L"KavriMedToolWnd", 8000) != nullptr, "no window opened");
    process_end(&pi);
    check(s, !exists(report), "a report was written");
}

static const Scenario SCENARIOS[] = {
    { "selftest: command lines, exit codes and reports", PROGRAM_NONE, command_lines },
    { "selftest: capitals start the window",             PROGRAM_NONE, capitals_start_the_window },
};
const ScenarioList SELFTEST_SCENARIOS = { SCENARIOS, (int)(sizeof SCENARIOS / sizeof SCENARIOS[0]) };
