// Custom reports: dispatch by report kind, the routines every report uses and the report generators.
// Exports report_build, REPORT_TEXT_CAP, param_get, param_get_int, param_get_bounded, report_line,
// report_fixed_line, FixedReport with fixed_row_count, fixed_rows_follow and report_fixed, and the
// generator of each kind (one file each under reports/). The parameters each report reads, and the
// options of those that are choices, are declared in reports/report_params.h.
#pragma once
#include <stdint.h>

#include "engine/tool_def.h"

enum {
    // A result text of this capacity holds the longest report whole: the rota of 40 nurses over 31
    // days, 6,413 characters. Only a dosing schedule whose start or interval runs to hundreds of
    // digits is longer, and is cut. The window and the self-test pass this capacity.
    REPORT_TEXT_CAP = 8192,
};

// Empties result_text and verdict_text, then writes the report of `kind` (1 to 11; any other kind
// writes the fallback text) within the capacities (characters, terminator included, at least 1;
// verdict_cap at least 21). Returns the verdict level: 0, or 0 to 3 for the drug compatibility check.
int report_build(uint32_t kind, const ToolDef* tool, const double* input_values,
                 wchar_t* result_text, int result_cap, wchar_t* verdict_text, int verdict_cap);

// The input value of the first input field whose key equals `key` (byte-wise, case-sensitive);
// 0.0 when no field has that key. No rounding, no bounds.
double param_get(const ToolDef* tool, const double* input_values, const char* key);

// param_get truncated toward zero (2.9 -> 2, -1.7 -> -1). A value that is not finite or whose
// truncation lies outside int32_t gives INT32_MIN, below every lower bound a report applies.
int32_t param_get_int(const ToolDef* tool, const double* input_values, const char* key);

// param_get_int raised to low or lowered to high when it lies outside low to high.
int32_t param_get_bounded(const ToolDef* tool, const double* input_values, const char* key,
                          int32_t low, int32_t high);

// Formats one line (printf-style wide format, at most 511 characters kept) and appends as much of it
// as keeps result_text within result_cap - 1 characters, then "\r\n" by the same rule, so a nearly
// full text may receive the CR alone, or nothing. An empty format appends a blank line.
void report_line(wchar_t* result_text, int result_cap, const wchar_t* format, ...);

// report_line for a fixed line: `line` is appended as stored, never read as a format ("10%" stays).
void report_fixed_line(wchar_t* result_text, int result_cap, const wchar_t* line);

// A report of fixed lines: the head, then the lines of one row chosen by a parameter, then the tail,
// each appended as stored; a blank line is "", unused places are null.
struct FixedReport {
    const wchar_t* head[8];     // lines before the row
    const wchar_t* rows[8][3];  // n rows, ended by a null one: k = 1 to n - 1 selects row k - 1,
                                // every other k the last row (the catch-all)
    const wchar_t* tail[2];     // lines after the row
    const wchar_t* verdict;     // copied into the verdict text
};

// The rows of `report`, up to the first null one.
constexpr int fixed_row_count(const FixedReport& report) {
    int rows = 0;
    while (rows < (int)(sizeof report.rows / sizeof report.rows[0]) && report.rows[rows][0]) rows++;
    return rows;
}

// True when `options` name the rows of `report` one to one, in order: option i stands for i + 1 and
// selects row i, the last option the catch-all row. A fixed report whose parameter is a choice
// asserts this of its options (report_params.h).
template <int N>
constexpr bool fixed_rows_follow(const FixedReport& report, const ToolOption (&options)[N]) {
    if (fixed_row_count(report) != N) return false;
    for (int i = 0; i < N; i++)
        if (options[i].value != i + 1) return false;
    return true;
}

// Writes `report` with the row that `choice` selects, and its verdict. Returns level 0.
int report_fixed(const FixedReport* report, int32_t choice, wchar_t* result_text, int result_cap,
                 wchar_t* verdict_text, int verdict_cap);

// A report generator. It is called with both texts already empty, appends its lines under the room
// rule of report_line, copies its fixed verdict into verdict_text (bounded by verdict_cap; whole when
// verdict_cap >= 21) and returns the verdict level.
typedef int ReportGenerator(const ToolDef* tool, const double* input_values,
                            wchar_t* result_text, int result_cap, wchar_t* verdict_text, int verdict_cap);

// Kind 1: rolling three-shift rota. Parameters "nurses" (1 to 40), "days" (1 to 31). Level 0.
ReportGenerator report_rota;
// Kind 2: dosing times. Parameters "start" (clock hour of the first dose), "interval" (hours),
// "times" (1 to 30). Level 0.
ReportGenerator report_dosing;
// Kind 4: critical values of one group of tests. Parameter "kind" (groups 1 to 6). Level 0.
ReportGenerator report_critical;
// Kind 6: compatibility of two drugs in one infusion bottle. Parameters "drugA", "drugB" (drugs 1 to
// 10). Level 0 (nothing recorded) to 3 (contraindicated).
ReportGenerator report_compat;
// Kind 7: follow-up visit dates counted from today's local date. Parameters "start" (offset in days),
// "gap" (days between visits), "times" (1 to 20). Level 0.
ReportGenerator report_followup;
// Kind 10: bedside infusion card. Parameters "bed", "dose", "volume", "gtt" (drops per minute). Level 0.
ReportGenerator report_infusion;
// Kinds 3, 5, 8, 9 and 11: the fixed-text reports (blood-draw order, high-alert medicines, surgical
// safety checklist, handover template, lab panels). Level 0.
ReportGenerator report_blood_order;
ReportGenerator report_high_alert;
ReportGenerator report_surgical_check;
ReportGenerator report_handover;
ReportGenerator report_lab_panels;

// report_followup with today given as a day number (days since 1970-01-01); report_followup calls it
// with the local clock's date, tests with a date of their choosing.
int report_followup_on(int64_t today, const ToolDef* tool, const double* input_values,
                       wchar_t* result_text, int result_cap, wchar_t* verdict_text, int verdict_cap);
