// Test tool definitions for the custom reports, and a runner that builds one report through
// report_build into buffers of the self-test's size. Header only, shared by the report tests.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "reports/report.h"

// A tool of report `kind` whose input fields carry the given keys (labels are placeholders).
template <int N>
ToolDef report_tool(uint32_t kind, const ToolInput (&inputs)[N]) {
    ToolDef tool = {};
    tool.id = 900 + kind;
    tool.name = L"报告测试";
    tool.category = L"测试";
    tool.reference = L"测试";
    tool.input_count = N;
    tool.inputs = inputs;
    tool.report_kind = kind;
    return tool;
}

// A tool of report `kind` without input fields: every parameter reads as 0.
inline ToolDef report_tool_bare(uint32_t kind) {
    static const ToolInput none[1] = {};
    ToolDef tool = report_tool(kind, none);
    tool.input_count = 0;
    return tool;
}

enum { REPORT_CAP = 8192, VERDICT_CAP = 512 };

struct ReportRun {
    wchar_t text[REPORT_CAP];
    wchar_t verdict[VERDICT_CAP];
    int     level;
};

// Builds the tool's report with the values (one per input field) into run, text capacity `cap`.
inline void run_report(const ToolDef& tool, const double* values, ReportRun* run, int cap = REPORT_CAP) {
    run->level = report_build(tool.report_kind, &tool, values, run->text, cap, run->verdict, VERDICT_CAP);
}

// The lines of a report text, each without its CR LF; a last line without CR LF counts too.
inline int line_count(const wchar_t* text) {
    int lines = 0;
    for (const wchar_t* p = text; *p; p++)
        if (p[0] == L'\r' && p[1] == L'\n') lines++;
    size_t len = wcslen(text);
    bool ends_with_crlf = len >= 2 && text[len - 2] == L'\r' && text[len - 1] == L'\n';
    if (len > 0 && !ends_with_crlf) lines++;
    return lines;
}

// Line `index` (0-based) of a report text without its CR LF; empty past the end.
inline std::wstring line_at(const wchar_t* text, int index) {
    std::wstring all(text);
    size_t begin = 0;
    for (int i = 0; i < index; i++) {
        size_t end = all.find(L"\r\n", begin);
        if (end == std::wstring::npos) return L"";
        begin = end + 2;
    }
    size_t end = all.find(L"\r\n", begin);
    return all.substr(begin, end == std::wstring::npos ? std::wstring::npos : end - begin);
}
