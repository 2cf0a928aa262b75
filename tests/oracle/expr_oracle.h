// A reference evaluator for the expression language, written apart from the product's: the text is cut
// into tokens first, the tokens are parsed into a small tree, and the tree is evaluated. Exports
// oracle_eval, oracle_generate and oracle_many_key_tool, for the oracle test and the fuzz target.
#pragma once
#include <stdint.h>

#include <string>

#include "engine/tool_def.h"

// Value and failed flag of `text` (null or NUL-terminated) against the tool's keys and the two value
// arrays, as the expression language defines them.
double oracle_eval(const ToolDef* tool, const char* text, const double* input_values,
                   const double* output_values, int* failed_out);

// Appends to `out` one random expression over the whole grammar: every operator, function and
// precedence level, every whitespace form, the tool's keys and unknown names, numbers in every form,
// and some faults (missing or stray characters, "**", single "=", "&", "|", wrong argument counts).
// `state` is the generator's seed and advances.
void oracle_generate(const ToolDef* tool, uint64_t* state, std::string* out);

// A tool with 16 inputs and 16 outputs whose keys test name lookup: keys of 1 and 63 characters,
// underscores and digits, keys differing only in case, a key shared by an input and an output (the
// input wins) and a key listed twice among the outputs (the first wins).
const ToolDef* oracle_many_key_tool();
