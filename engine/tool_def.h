// The tool definition: one constant record that names the tool, its inputs, its outputs as formulas
// and its verdict rules. Exports ToolDef and its parts, the limits MAX_INPUTS, MAX_OUTPUTS and
// MAX_VALUES, the input constructors number_input, choice_input, check_input and date_input, and
// tool_get.
#pragma once
#include <stddef.h>
#include <stdint.h>

enum {
    MAX_INPUTS    = 40,  // inputs of one tool (the longest form, Caprini, has 37)
    MAX_OUTPUTS   = 16,  // outputs of one tool
    MAX_VALUES    = 40,  // entries of a value array: holds every input, or every output
    MAX_OPTIONS   = 16,  // options of one choice
    MAX_KEY_CHARS = 63,  // longest key the evaluator reads (a 64-character name buffer)
};
static_assert(MAX_VALUES >= MAX_INPUTS && MAX_VALUES >= MAX_OUTPUTS, "a value array holds every field");

// What an input is on screen and what its value means.
enum InputKind : int32_t {
    INPUT_NUMBER = 0,  // an edit box; its text read as one decimal number (an empty box reads 0)
    INPUT_CHOICE,      // a drop-down list; the value is the chosen option's number
    INPUT_CHECK,       // a check box; ticked is `tick`, unticked 0
    INPUT_DATE,        // a calendar date typed as YYYY-MM-DD; the value is its day number (days since
                       // 1970-01-01, as the "date" format prints)
};

// What the window shows for an input at start and after reset. The self-test, the docs and the
// vectors always use default_value.
enum InputStart : int32_t {
    START_DEFAULT = 0,  // default_value (for a check: ticked when default_value is its tick)
    START_EMPTY,        // nothing entered or chosen: a calculation asks for it first (number, choice, date)
    START_TODAY,        // a date: today's local date
};

// One option of a choice: the text the list shows and the number it stands for (a code or points).
struct ToolOption {
    const wchar_t* text;   // never null or empty; no comma, CR or LF (it is written into records)
    double         value;  // unique within its list
};

struct ToolInput {
    const char*       key;            // ASCII identifier, case-sensitive, at most 63 characters
    const wchar_t*    label;          // never null; no comma, CR or LF (a record-file column)
    const wchar_t*    unit;           // may be null or empty (shown right of a number box)
    double            default_value;  // number: the value; choice: one option's value; check: 0 or
                                      // tick; date: a day number. Shown at start unless `start` says
                                      // otherwise; always what the self-test computes with
    InputKind         kind;           // INPUT_NUMBER when not given
    InputStart        start;          // START_DEFAULT when not given
    const ToolOption* options;        // choice: its options in list order; null otherwise
    int32_t           option_count;   // choice: 1 to MAX_OPTIONS; 0 otherwise
    double            tick;           // check: the value of a tick, non-zero; 0 otherwise
};

// A number that starts empty in the window: a measured value the clinician must enter. Inputs that
// start with their default keep the short form { key, label, unit, default }.
constexpr ToolInput number_input(const char* key, const wchar_t* label, const wchar_t* unit,
                                 double default_value, InputStart start) {
    return { key, label, unit, default_value, INPUT_NUMBER, start, nullptr, 0, 0 };
}

// A drop-down list of `options`; default_value is one option's value.
template <int N>
constexpr ToolInput choice_input(const char* key, const wchar_t* label, const ToolOption (&options)[N],
                                 double default_value, InputStart start = START_DEFAULT) {
    return { key, label, nullptr, default_value, INPUT_CHOICE, start, options, N, 0 };
}

// A check box worth `tick` when ticked; unticked unless `ticked`.
constexpr ToolInput check_input(const char* key, const wchar_t* label, double tick, bool ticked = false) {
    return { key, label, nullptr, ticked ? tick : 0.0, INPUT_CHECK, START_DEFAULT, nullptr, 0, tick };
}

// A calendar date; default_day is a day number (days since 1970-01-01) for the self-test and docs,
// and what the window shows when start is START_DEFAULT.
constexpr ToolInput date_input(const char* key, const wchar_t* label, double default_day,
                               InputStart start = START_TODAY) {
    return { key, label, nullptr, default_day, INPUT_DATE, start, nullptr, 0, 0 };
}

// How the rules and later formulas see an output's value.
enum OutputValue : int32_t {
    VALUE_EXACT = 0,   // the value the formula computed
    VALUE_AS_PRINTED,  // the value as its format prints it (f0/int, f1, f2, f3: rounded half up to
                       // those digits), so the number on screen and the number judged are one
};

struct ToolOutput {
    const char*    key;      // ASCII identifier for later formulas and the rules
    const wchar_t* label;    // never null; no comma, CR or LF
    const wchar_t* unit;     // may be null or empty
    const char*    formula;  // expression over inputs and earlier outputs; null or empty fails
    const char*    format;   // "f0" "f1" "f2" "f3" "int" "pct" "date"; null means "f2"
    OutputValue    value;    // VALUE_EXACT when not given
};

// What a matching rule says about the calculation.
enum RuleKind : int32_t {
    RULE_VERDICT = 0,     // a clinical verdict: the result is shown, copied and saved with it
    RULE_INVALID_INPUT,   // the inputs are implausible (a plausibility check): no result is shown,
                          // copied or saved, only what to correct
};

struct ToolRule {
    const char*    condition;  // expression; "" matches always; never null
    int32_t        level;      // 0 normal, 1 to 3 rising severity
    const wchar_t* text;       // verdict text; never null
    RuleKind       kind;       // RULE_VERDICT when not given
};

// How the calculation run shows an output whose formula failed.
enum FailedOutput : int32_t {
    FAILED_NOT_COMPUTABLE = 0,  // "label：无法计算"
    FAILED_PRINTS_VALUE,        // the leftover value, printed by its format (tool 115's behaviour)
};

struct ToolDef {
    uint32_t          id;            // tool number, names the record file
    const wchar_t*    name;          // window title, header, clipboard, about box
    const wchar_t*    purpose;       // may be null
    const wchar_t*    category;      // clinical department
    const wchar_t*    reference;     // reference text
    const wchar_t*    note;          // may be null
    int32_t           input_count;   // 0 to MAX_INPUTS
    const ToolInput*  inputs;
    int32_t           output_count;  // 0 to MAX_OUTPUTS
    const ToolOutput* outputs;
    int32_t           rule_count;
    const ToolRule*   rules;
    uint32_t          report_kind;   // 0: outputs and rules; otherwise a custom report
    const char*       search;        // search words for the family index: lower-case ASCII
                                     // abbreviations and pinyin initials, separated by spaces
    FailedOutput      failed_output; // FAILED_NOT_COMPUTABLE when not given
};

// The one tool definition compiled into this build; constant, lives for the process.
const ToolDef* tool_get();
