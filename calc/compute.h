// The calculation run: from input values to the result text, the verdict text and the level.
// Exports tool_compute.
#pragma once
#include "engine/tool_def.h"

// Evaluates every output of the tool in order, prints one line per output (plus a note when some
// output failed) into result_text, picks the verdict of the first matching rule (or the default
// "请核对输入参数后重新计算"), and copies the result text into result_copy. A tool with a non-zero
// report_kind hands the whole job to report_build instead. Every buffer is bounded by its capacity
// (characters, terminator included) and left terminated; verdict_cap is at least 13.
// Returns the verdict level and also stores it through level_out. Allocates nothing.
int tool_compute(const ToolDef* tool, const double* input_values,
                 wchar_t* result_text, int result_cap,
                 wchar_t* verdict_text, int verdict_cap, int* level_out,
                 wchar_t* result_copy, int copy_cap);
