// Recognising the self-test switch on the program's command line. Exports SelftestSwitch,
// SELFTEST_PATH_CAP and selftest_command_read.
#pragma once

enum {
    SELFTEST_PATH_CAP = 520,  // report path buffer: at most 519 characters and the terminator
};

enum SelftestSwitch {
    SELFTEST_ABSENT,         // no "--selftest" anywhere: the window starts
    SELFTEST_PATH,           // self-test, report path taken
    SELFTEST_PATH_TOO_LONG,  // self-test asked for, but the path does not fit; nothing may be written
};

// Looks for the first case-sensitive "--selftest" anywhere in command_line (program path included).
// After it, spaces (U+0020) are skipped; a double quote starts a path that runs to the next double
// quote or the end, otherwise the path runs to the next space or the end. A path of cap characters
// or more is refused whole rather than cut (a cut path could name another file). An empty path
// gives "selftest.txt". On SELFTEST_PATH, path holds the report path; otherwise path is empty.
// command_line may be null (treated as empty).
SelftestSwitch selftest_command_read(const wchar_t* command_line, wchar_t* path, int cap);
