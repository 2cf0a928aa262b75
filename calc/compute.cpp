// The calculation run. Exports tool_compute, compute_outputs, output_value_text and output_line.
#include "calc/compute.h"

#include "base/dimof.h"
#include "base/format.h"
#include "base/wtext.h"
#include "engine/expr.h"
#include "engine/input_values.h"
#include "reports/report.h"

static const wchar_t PARTIAL_NOTE[] = L"（部分结果无法计算，请检查输入是否合理）\r\n";
static const wchar_t DEFAULT_VERDICT[] = L"请核对输入参数后重新计算";
static const wchar_t NOT_COMPUTABLE[] = L"无法计算";
static const wchar_t CHECKED_HEAD[] = L"已勾选：";
static const wchar_t INVALID_RESULT[] = L"输入数值超出合理范围，未计算结果。\r\n请改正：%ls\r\n";

bool compute_outputs(const ToolDef* tool, const double* input_values, double* output_values, bool* failed) {
    bool any_failed = false;
    for (int i = 0; i < tool->output_count; i++) {
        const ToolOutput* out = &tool->outputs[i];
        int f = 0;
        // A value computed from a not-computable one is not computable either; a tool that prints
        // failed values feeds them forward as plain numbers.
        const bool* marked = tool->failed_output == FAILED_NOT_COMPUTABLE ? failed : nullptr;
        double v = expr_eval_marked(tool, out->formula, input_values, output_values, marked, &f);
        output_values[i] = out->value == VALUE_AS_PRINTED ? value_as_printed(out->format, v) : v;
        failed[i] = f != 0;
        if (f) any_failed = true;
    }
    return any_failed;
}

void output_value_text(const ToolDef* tool, int i, double value, bool failed, wchar_t* text, int cap) {
    if (failed && tool->failed_output == FAILED_NOT_COMPUTABLE) text_copy(text, cap, NOT_COMPUTABLE);
    else format_value(tool->outputs[i].format, value, text, cap);
}

int output_line(const ToolDef* tool, int i, double value, bool failed, wchar_t* line, int cap) {
    const ToolOutput* out = &tool->outputs[i];
    wchar_t value_text[128];
    output_value_text(tool, i, value, failed, value_text, dimof(value_text));
    if (out->unit && out->unit[0]) return wformat(line, cap, L"%ls：%ls %ls\r\n", out->label, value_text, out->unit);
    return wformat(line, cap, L"%ls：%ls\r\n", out->label, value_text);
}

// What was chosen, ticked or dated, as a person reads it, after the outputs: one line per choice
// ("性别：男") and date ("末次月经：2026-03-01"), then one line naming every ticked check ("已勾选：…",
// or "已勾选：无"). Number inputs are on screen in their boxes and are not repeated.
static void append_chosen_inputs(const ToolDef* tool, const double* input_values, wchar_t* result_text, int result_cap) {
    wchar_t line[1024];  // every check label of the longest form, ticked
    bool has_check = false;
    for (int i = 0; i < tool->input_count; i++) {
        const ToolInput* in = &tool->inputs[i];
        wchar_t value[128];
        if (in->kind == INPUT_CHECK) { has_check = true; continue; }
        if (in->kind != INPUT_CHOICE && in->kind != INPUT_DATE) continue;
        if (!input_value_words(in, input_values[i], value, dimof(value)))
            format_value(in->kind == INPUT_DATE ? "date" : "f2", input_values[i], value, dimof(value));
        wformat(line, dimof(line), L"%ls：%ls\r\n", in->label, value);
        text_append(result_text, result_cap, line);
    }
    if (!has_check) return;
    text_copy(line, dimof(line), CHECKED_HEAD);
    int ticked = 0;
    for (int i = 0; i < tool->input_count; i++) {
        const ToolInput* in = &tool->inputs[i];
        if (in->kind != INPUT_CHECK || input_values[i] == 0) continue;
        if (ticked++) text_append(line, dimof(line), L"、");
        text_append(line, dimof(line), in->label);
    }
    if (!ticked) text_append(line, dimof(line), L"无");
    text_append(result_text, result_cap, line);
    text_append(result_text, result_cap, L"\r\n");
}

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
    bool failed_outputs[MAX_VALUES] = {};
    bool any_failed = compute_outputs(tool, input_values, output_values, failed_outputs);

    const ToolRule* rule = first_matching_rule(tool, input_values, output_values);
    if (rule) {
        text_copy(verdict_text, verdict_cap, rule->text);
        level = rule->level;
    }
    if (!verdict_text[0]) text_copy(verdict_text, verdict_cap, DEFAULT_VERDICT);

    // Implausible inputs: no number computed from them is shown, copied or saved; the result box says
    // what to correct and the empty copy tells the window there is nothing to copy or save.
    if (rule && rule->kind == RULE_INVALID_INPUT) {
        wformat(result_text, result_cap, INVALID_RESULT, rule->text);
        *level_out = level;
        return level;
    }

    for (int i = 0; i < tool->output_count; i++) {
        wchar_t line[256];
        output_line(tool, i, output_values[i], failed_outputs[i], line, dimof(line));
        text_append(result_text, result_cap, line);
    }
    if (any_failed) text_append(result_text, result_cap, PARTIAL_NOTE);
    append_chosen_inputs(tool, input_values, result_text, result_cap);

    text_copy(result_copy, copy_cap, result_text);
    *level_out = level;
    return level;
}
