// The expression evaluator: computes a formula or rule condition of the tool definition against the
// input and output value arrays, while it parses. Exports expr_eval, expr_eval_marked and expr_call1.
#pragma once
#include "engine/tool_def.h"

// Evaluates `text` (NUL-terminated ASCII, or null). Returns its value and stores 1 through failed_out
// when the text is null or empty (value 0.0), does not parse whole, hits an error on the way (unknown
// name, domain error, zero divisor...) or ends in NaN or infinity; else stores 0. Allocates nothing.
double expr_eval(const ToolDef* tool, const char* text, const double* input_values,
                 const double* output_values, int* failed_out);

// expr_eval where output_failed[j] marks output j as failed: a text that reads a marked output fails
// too (its value is still the one in output_values). output_failed may be null.
double expr_eval_marked(const ToolDef* tool, const char* text, const double* input_values,
                        const double* output_values, const bool* output_failed, int* failed_out);

// Applies the one-argument function `name` to x. Sets *failed to 1 for an unknown name or a domain
// error (value 0.0); otherwise leaves it alone.
double expr_call1(const char* name, double x, int* failed);
