// Report dispatch by kind, the fallback text, and the routines every report uses.
// Exports report_build, param_get, param_get_int, param_get_bounded, report_line, report_fixed_line.
#include "reports/report.h"

#include <math.h>
#include <stdarg.h>
#include <string.h>

#include "base/dimof.h"
#include "base/wtext.h"
#include "reports/report_params.h"

enum { LINE_SCRATCH = 512 };  // report_line keeps the first 511 characters of a line

// The generator of kind k is entry k - 1. ORDER: report kinds 1 to 11, as REPORT_PARAMS.
static ReportGenerator* const REPORTS[] = {
    report_rota,            //  1 shift rota
    report_dosing,          //  2 dosing time schedule
    report_blood_order,     //  3 blood-draw order
    report_critical,        //  4 critical values list
    report_high_alert,      //  5 high-alert medicines
    report_compat,          //  6 drug compatibility check
    report_followup,        //  7 follow-up plan
    report_surgical_check,  //  8 surgical safety checklist
    report_handover,        //  9 handover template
    report_infusion,        // 10 infusion card
    report_lab_panels,      // 11 lab panels
};
static_assert(dimof(REPORTS) == REPORT_KINDS, "one generator per report kind 1 to 11");

// Every other kind: one text without a line break.
static const wchar_t FALLBACK_TEXT[] = L"（该工具暂无自定义报告）";
static const wchar_t FALLBACK_VERDICT[] = L"暂无报告内容";

int report_build(uint32_t kind, const ToolDef* tool, const double* input_values,
                 wchar_t* result_text, int result_cap, wchar_t* verdict_text, int verdict_cap) {
    text_copy(result_text, result_cap, L"");
    text_copy(verdict_text, verdict_cap, L"");
    if (kind >= 1 && kind <= (uint32_t)dimof(REPORTS))
        return REPORTS[kind - 1](tool, input_values, result_text, result_cap, verdict_text, verdict_cap);
    text_copy(result_text, result_cap, FALLBACK_TEXT);
    text_copy(verdict_text, verdict_cap, FALLBACK_VERDICT);
    return 0;
}

double param_get(const ToolDef* tool, const double* input_values, const char* key) {
    for (int i = 0; i < tool->input_count; i++)
        if (tool->inputs[i].key && strcmp(tool->inputs[i].key, key) == 0) return input_values[i];
    return 0.0;
}

int32_t param_get_int(const ToolDef* tool, const double* input_values, const char* key) {
    double v = param_get(tool, input_values, key);
    // Written so that NaN fails the test too; the bounds are the doubles just outside the range
    // whose truncation still fits int32_t.
    if (!(v > -2147483649.0 && v < 2147483648.0)) return INT32_MIN;
    return (int32_t)v;
}

int32_t param_get_bounded(const ToolDef* tool, const double* input_values, const char* key,
                          int32_t low, int32_t high) {
    int32_t v = param_get_int(tool, input_values, key);
    return v < low ? low : v > high ? high : v;
}

void report_line(wchar_t* result_text, int result_cap, const wchar_t* format, ...) {
    wchar_t line[LINE_SCRATCH];
    va_list args;
    va_start(args, format);
    vwformat(line, dimof(line), format, args);
    va_end(args);
    text_append(result_text, result_cap, line);
    text_append(result_text, result_cap, L"\r\n");
}

void report_fixed_line(wchar_t* result_text, int result_cap, const wchar_t* line) {
    report_line(result_text, result_cap, L"%ls", line);
}
