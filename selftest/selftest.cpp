// The self-test mode. Exports selftest_run, selftest_run_tool, selftest_detail_append and
// selftest_write_report. Every buffer lives on the stack of one call; nothing is allocated.
#include "selftest/selftest.h"

#include "base/dimof.h"
#include "base/wtext.h"
#include "calc/compute.h"
#include "platform/platform.h"

enum {
    RESULT_CAP  = 8192,
    VERDICT_CAP = 512,
    // A UTF-16 unit takes at most 3 bytes of UTF-8 (a surrogate pair, two units, takes 4); a UTF-32
    // unit (the native build) at most 4.
    UTF8_BYTES_PER_UNIT = sizeof(wchar_t) == 2 ? 3 : 4,
};

static const wchar_t REPORT_OUT_LINE[] = L"OUT|报告文本|见 DETAIL|\r\n";

// One OUT line per output, computed as the calculation run computes them, so the OUT lines agree with
// the DETAIL line. Returns how many formulas failed.
static int append_output_lines(const ToolDef* tool, const double* input_values, wchar_t* report, int cap) {
    double output_values[MAX_VALUES] = {};
    bool failed[MAX_VALUES] = {};
    compute_outputs(tool, input_values, output_values, failed);
    int errors = 0;
    for (int i = 0; i < tool->output_count; i++) {
        const ToolOutput* out = &tool->outputs[i];
        if (failed[i]) errors++;
        wchar_t value_text[128];
        wchar_t line[SELFTEST_LINE_CAP];
        output_value_text(tool, i, output_values[i], failed[i], value_text, dimof(value_text));
        wformat(line, dimof(line), L"OUT|%ls|%ls|%ls\r\n", out->label, value_text, out->unit ? out->unit : L"");
        text_append(report, cap, line);
    }
    return errors;
}

void selftest_detail_append(wchar_t* report, int cap, const wchar_t* result_text) {
    if (cap <= 0) return;
    int len = text_length(report);
    int copied = 0;
    for (const wchar_t* p = result_text; *p && copied < SELFTEST_DETAIL_MAX && len < cap - 1; p++) {
        if (*p == L'\r') continue;
        report[len++] = *p == L'\n' ? L' ' : *p;
        copied++;
    }
    report[len] = 0;
}

int selftest_run_tool(const ToolDef* tool, const wchar_t* path) {
    double input_values[MAX_VALUES] = {};
    for (int i = 0; i < tool->input_count; i++) input_values[i] = tool->inputs[i].default_value;

    wchar_t result_text[RESULT_CAP], verdict_text[VERDICT_CAP], result_copy[RESULT_CAP];
    int level = 0;
    tool_compute(tool, input_values, result_text, dimof(result_text), verdict_text, dimof(verdict_text),
                 &level, result_copy, dimof(result_copy));

    wchar_t report[SELFTEST_REPORT_CAP] = {};
    wchar_t line[SELFTEST_LINE_CAP];
    wformat(line, dimof(line), L"TOOL|%d|%ls|%ls\r\n", (int)tool->id, tool->name, tool->category);
    text_append(report, dimof(report), line);
    wchar_t level_line[256];
    wformat(level_line, dimof(level_line), L"LEVEL|%d\r\n", level);
    text_append(report, dimof(report), level_line);

    int errors = 0;
    if (tool->report_kind == 0) errors = append_output_lines(tool, input_values, report, dimof(report));
    else text_append(report, dimof(report), REPORT_OUT_LINE);

    text_append(report, dimof(report), L"VERDICT|");
    text_append(report, dimof(report), verdict_text);
    text_append(report, dimof(report), L"\r\nDETAIL|");
    selftest_detail_append(report, dimof(report), result_text);
    wchar_t errors_line[128];
    wformat(errors_line, dimof(errors_line), L"\r\nERRORS|%d\r\n", errors);
    text_append(report, dimof(report), errors_line);

    if (!selftest_write_report(path, report)) return SELFTEST_NOT_WRITTEN;
    return errors > 0 ? SELFTEST_FAILED : SELFTEST_PASSED;
}

int selftest_run(const wchar_t* path) { return selftest_run_tool(tool_get(), path); }

bool selftest_write_report(const wchar_t* path, const wchar_t* text) {
    char utf8[(int)SELFTEST_REPORT_CAP * (int)UTF8_BYTES_PER_UNIT];
    if (text_length(text) > SELFTEST_REPORT_CAP - 1) return false;
    int bytes = platform_utf8_from_wide(text, utf8, (int)sizeof utf8);
    if (bytes <= 0) return false;
    FILE* file = platform_open_file(path, "wb");
    if (!file) return false;
    size_t body = (size_t)(bytes - 1);  // without the terminating zero byte
    bool written = fwrite(utf8, 1, body, file) == body;
    bool closed = fclose(file) == 0;
    return written && closed;
}
