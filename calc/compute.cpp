// The calculation run. Exports tool_compute.
#include "calc/compute.h"

#include "base/dimof.h"
#include "base/format.h"
#include "base/wtext.h"
#include "engine/expr.h"
#include "reports/report.h"

static const wchar_t PARTIAL_NOTE[] = L"（部分结果无法计算，请检查输入是否合理）\r\n";
static const wchar_t DEFAULT_VERDICT[] = L"请核对输入参数后重新计算";

// The first rule whose condition is empty, or evaluates without failure to a non-zero value.
static const ToolRule* first_matching_rule(const ToolDef* tool, const double* input_values,
                                           const double* output_values) {
    for (int r = 0; r < tool->rule_count; r++) {
        const ToolRule* rule = &tool->rules[r];
        if (!rule->condition[0]) return rule;
        int failed = 0;
        double v = expr_eval(tool, rule->condition, input_values, output_values, &failed);
        if (!failed && v != 0) return rule;
    }
    return nullptr;
}

int tool_compute(const ToolDef* tool, const double* input_values,
                 wchar_t* result_text, int result_cap,
                 wchar_t* verdict_text, int verdict_cap, int* level_out,
                 wchar_t* result_copy, int copy_cap) {
    text_copy(result_copy, copy_cap, L"");
    text_copy(verdict_text, verdict_cap, L"");
    text_copy(result_text, result_cap, L"");
    int level = 0;

    if (tool->report_kind != 0) {
        level = report_build(tool->report_kind, tool, input_values, result_text, result_cap,
                             verdict_text, verdict_cap);
        text_copy(result_copy, copy_cap, result_text);
        *level_out = level;
        return level;
    }

    double output_values[MAX_VALUES] = {};
    bool any_failed = false;
    for (int i = 0; i < tool->output_count; i++) {
        int failed = 0;
        output_values[i] = expr_eval(tool, tool->outputs[i].formula, input_values, output_values, &failed);
        if (failed) any_failed = true;
    }

    for (int i = 0; i < tool->output_count; i++) {
        const ToolOutput* out = &tool->outputs[i];
        wchar_t value_text[128];
        wchar_t line[256];
        format_value(out->format, output_values[i], value_text, dimof(value_text));
        if (out->unit && out->unit[0])
            wformat(line, dimof(line), L"%ls：%ls %ls\r\n", out->label, value_text, out->unit);
        else
            wformat(line, dimof(line), L"%ls：%ls\r\n", out->label, value_text);
        text_append(result_text, result_cap, line);
    }
    if (any_failed) text_append(result_text, result_cap, PARTIAL_NOTE);

    const ToolRule* rule = first_matching_rule(tool, input_values, output_values);
    if (rule) {
        text_copy(verdict_text, verdict_cap, rule->text);
        level = rule->level;
    }
    if (!verdict_text[0]) text_copy(verdict_text, verdict_cap, DEFAULT_VERDICT);

    text_copy(result_copy, copy_cap, result_text);
    *level_out = level;
    return level;
}
