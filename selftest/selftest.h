// The self-test mode: one calculation on the default values, a tagged UTF-8 report file, and the
// process exit code. Exports selftest_run, selftest_run_tool, selftest_detail_append and
// selftest_write_report.
#pragma once
#include "engine/tool_def.h"

enum {
    SELFTEST_PASSED      = 0,  // every output formula evaluated, report written
    SELFTEST_FAILED      = 2,  // some output formula failed, report written
    SELFTEST_NOT_WRITTEN = 3,  // the report could not be written whole (or the path was refused)

    SELFTEST_DETAIL_MAX = 8000,  // result-text characters the DETAIL line carries at most
    SELFTEST_LINE_CAP   = 512,   // TOOL and OUT lines are each formatted into this many characters

    // The report text holds the largest report the mode can build, so it is never cut: TOOL (511),
    // LEVEL (255), 16 OUT lines (16 x 511), VERDICT ("VERDICT|" 8 + 511 + CR LF 2), DETAIL ("DETAIL|" 7 +
    // 8000 + 2), ERRORS (127), and the terminator.
    SELFTEST_REPORT_CAP = (SELFTEST_LINE_CAP - 1) + 255 + MAX_VALUES * (SELFTEST_LINE_CAP - 1) + (8 + 511 + 2) +
                          (7 + SELFTEST_DETAIL_MAX + 2) + 127 + 1,
};

// Runs the built-in tool (tool_get) on its defaults and writes the report to path (a relative path
// is relative to the current directory). Returns SELFTEST_PASSED, SELFTEST_FAILED or
// SELFTEST_NOT_WRITTEN; the result is the process exit code.
int selftest_run(const wchar_t* path);

// The same for any tool definition.
int selftest_run_tool(const ToolDef* tool, const wchar_t* path);

// Appends result_text to report flattened to one line: CR dropped, LF turned into a space, at most
// SELFTEST_DETAIL_MAX characters copied (dropped CRs do not count), all within cap.
void selftest_detail_append(wchar_t* report, int cap, const wchar_t* result_text);

// Writes text (at most SELFTEST_REPORT_CAP - 1 characters) to path as UTF-8 without a byte-order
// mark, creating or truncating the file. Returns true when every byte was written and the file
// closed cleanly; false when the text is too long (the file is then not touched), or the file
// cannot be opened, written or closed.
bool selftest_write_report(const wchar_t* path, const wchar_t* text);
