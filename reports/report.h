// Custom reports: dispatch by report kind and the routines every report uses. Exports report_build,
// param_get, param_get_int, report_line.
#pragma once
#include <stdint.h>

#include "engine/tool_def.h"

// Empties result_text and verdict_text, then writes the report of `kind` (1 to 11; any other kind
// writes the fallback text) within the capacities (characters, terminator included, at least 1;
// verdict_cap at least 21). Returns the verdict level: 0, or 0 to 3 for the drug compatibility check.
int report_build(uint32_t kind, const ToolDef* tool, const double* input_values,
                 wchar_t* result_text, int result_cap, wchar_t* verdict_text, int verdict_cap);
