// The calculation run: from input values to the result text, the verdict text and the level.
// Exports tool_compute, compute_outputs, output_value_text and output_line.
#pragma once
#include "engine/tool_def.h"

// Evaluates every output of the tool in order, picks the verdict of the first matching rule (or the
// default "请核对输入参数后重新计算"), prints one line per output (plus a note when some output failed)
// into result_text, then what was chosen, ticked or dated (one line per choice and date, one line of
// the ticked checks), and copies the result text into result_copy. When the matching rule is a
// RULE_INVALID_INPUT rule, result_text instead says that nothing was computed and what to correct, and
// result_copy stays empty: there is no result to copy or save. A tool with a non-zero
// report_kind hands the whole job to report_build instead. Every buffer is bounded by its capacity
// (characters, terminator included) and left terminated; verdict_cap is at least 13.
// Returns the verdict level and also stores it through level_out. Allocates nothing.
int tool_compute(const ToolDef* tool, const double* input_values,
                 wchar_t* result_text, int result_cap,
                 wchar_t* verdict_text, int verdict_cap, int* level_out,
                 wchar_t* result_copy, int copy_cap);

// Evaluates every output formula in order into output_values (an output judged as printed holds its
// printed value, which later formulas and the rules read) and failed[i] for each. Unless the tool
// prints failed values, a formula that reads a failed output fails too. Returns true when
// some formula failed.
bool compute_outputs(const ToolDef* tool, const double* input_values, double* output_values, bool* failed);

// The value text of output i: printed by its format code (cap >= 80), or "无法计算" for a failed
// formula unless the tool prints failed values.
void output_value_text(const ToolDef* tool, int i, double value, bool failed, wchar_t* text, int cap);

// The result line of output i: "label：value unit" CR LF, the unit part only when the unit is not
// empty; an output whose formula failed shows "label：无法计算" unless the tool prints failed values.
// Returns what wformat returns.
int output_line(const ToolDef* tool, int i, double value, bool failed, wchar_t* line, int cap);
