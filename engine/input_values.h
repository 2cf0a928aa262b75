// Taking the input boxes' texts as the values of one calculation, all or none. Exports input_values_read.
#pragma once
#include "engine/tool_def.h"

// Reads texts[i] for every input field i of tool with input_text_value. When every value is finite,
// stores them all into values[0 .. input_count - 1] and returns -1. Otherwise returns the index of the
// first field whose value is infinite or NaN and leaves values exactly as they were, so the values of
// the last accepted calculation are never mixed with new ones.
int input_values_read(const ToolDef* tool, const wchar_t* const* texts, double* values);
