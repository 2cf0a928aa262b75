// The tool definition: one constant record that names the tool, its inputs, its outputs as formulas
// and its verdict rules. Exports ToolDef and its parts, MAX_VALUES and tool_get.
#pragma once
#include <stddef.h>
#include <stdint.h>

enum {
    MAX_VALUES    = 16,  // entries of a value array: at most 16 inputs and 16 outputs
    MAX_KEY_CHARS = 63,  // longest key the evaluator reads (a 64-character name buffer)
};

struct ToolInput {
    const char*    key;            // ASCII identifier, case-sensitive, at most 63 characters
    const wchar_t* label;          // never null; no comma, CR or LF (a record-file column)
    const wchar_t* unit;           // may be null or empty
    double         default_value;  // shown at start and on reset, used by the self-test
};

struct ToolOutput {
    const char*    key;      // ASCII identifier for later formulas and the rules
    const wchar_t* label;    // never null; no comma, CR or LF
    const wchar_t* unit;     // may be null or empty
    const char*    formula;  // expression over inputs and earlier outputs; null or empty fails
    const char*    format;   // "f0" "f1" "f2" "f3" "int" "pct" "date"; null means "f2"
};

struct ToolRule {
    const char*    condition;  // expression; "" matches always; never null
    int32_t        level;      // 0 normal, 1 to 3 rising severity
    const wchar_t* text;       // verdict text; never null
};

struct ToolDef {
    uint32_t          id;            // tool number, names the record file
    const wchar_t*    name;          // window title, header, clipboard, about box
    const wchar_t*    purpose;       // may be null
    const wchar_t*    category;      // clinical department
    const wchar_t*    reference;     // reference text
    const wchar_t*    note;          // may be null
    int32_t           input_count;   // 0 to MAX_VALUES
    const ToolInput*  inputs;
    int32_t           output_count;  // 0 to MAX_VALUES
    const ToolOutput* outputs;
    int32_t           rule_count;
    const ToolRule*   rules;
    uint32_t          report_kind;   // 0: outputs and rules; otherwise a custom report
};

// The one tool definition compiled into this build; constant, lives for the process.
const ToolDef* tool_get();
