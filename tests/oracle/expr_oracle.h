// A reference evaluator for the expression language, written apart from the product's: the text is cut
// into tokens first, the tokens are parsed into a small tree, and the tree is evaluated. Exports
// oracle_eval, oracle_eval_faults, oracle_form_fault, oracle_generate and oracle_many_key_tool, for the
// oracle tests and the fuzz target.
#pragma once
#include <stdint.h>

#include <string>

#include "engine/tool_def.h"

// Value and failed flag of `text` (null or NUL-terminated) against the tool's keys and the two value
// arrays, as the expression language defines them.
double oracle_eval(const ToolDef* tool, const char* text, const double* input_values,
                   const double* output_values, int* failed_out);

// The faults of one evaluation, counted by kind; oracle_eval fails when either count is non-zero.
struct OracleFaults {
    int form;    // the text as written: null or empty, not derived whole by the grammar (a missing ")"
                 // or ":", a missing operand, text left over), a name that is no key, a call of a
                 // name the function table lacks for that number of arguments
    int domain;  // the values: a zero divisor, an argument outside a function's domain, a NaN or
                 // infinite result
};

// oracle_eval, with the faults it met by kind. A zero divisor ends its product early, so the text
// after it may also count as a fault of form.
double oracle_eval_faults(const ToolDef* tool, const char* text, const double* input_values,
                          const double* output_values, OracleFaults* faults);

// True when `text` has a fault of form whatever the values: parsed by the grammar alone, where no
// divisor ends a product, names resolved among all the tool's inputs and outputs.
bool oracle_form_fault(const ToolDef* tool, const char* text);

// Appends to `out` one random expression over the whole grammar: every operator, function and
// precedence level, every whitespace form, the tool's keys and unknown names, numbers in every form,
// and some faults (missing or stray characters, "**", single "=", "&", "|", wrong argument counts).
// `state` is the generator's seed and advances.
void oracle_generate(const ToolDef* tool, uint64_t* state, std::string* out);

// A tool with 16 inputs and 16 outputs whose keys test name lookup: keys of 1 and 63 characters,
// underscores and digits, keys differing only in case, a key shared by an input and an output (the
// input wins) and a key listed twice among the outputs (the first wins).
const ToolDef* oracle_many_key_tool();
