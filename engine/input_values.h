// Taking what the window's input controls hold as the values of one calculation, all or none, and the
// message that names a refused input. Exports InputEntry, InputRefusal, InputReading,
// input_values_read, input_refusal_message, input_option_index and input_value_words.
#pragma once
#include "engine/tool_def.h"

// What one input control holds.
struct InputEntry {
    const wchar_t* text;    // number, date: the box's text; never null
    int32_t        option;  // choice: index of the chosen option, -1 for none; check: 1 ticked, 0 not
};

enum InputRefusal {
    INPUT_ACCEPTED = 0,
    INPUT_NOT_A_NUMBER,  // a number box whose text is not one number
    INPUT_NOT_A_DATE,    // a date box whose text is not a date that exists
    INPUT_MISSING,       // an empty number box that starts empty, an empty date box, a choice with
                         // no option chosen
};

struct InputReading {
    int          field;    // 0-based input refused first; -1 when every input was accepted
    InputRefusal refusal;  // INPUT_ACCEPTED when field is -1
};

// Reads entries[i] for every input i of tool: a number box as one number (an empty box is 0, or
// missing when the input starts empty), a date box as a date (its day number; empty is missing), a
// choice as its option's value, a check as its tick or 0. When every input is accepted, stores the
// values into values[0 .. input_count - 1]; otherwise leaves values exactly as they were, so the values
// of the last accepted calculation are never mixed with new ones.
InputReading input_values_read(const ToolDef* tool, const InputEntry* entries, double* values);

// The message for a refused reading, naming the 1-based field and its label:
// "第 %d 项“%ls”请输入数字。", "第 %d 项“%ls”请输入有效日期，如 2026-03-09。",
// "第 %d 项“%ls”尚未填写，请输入。" or, for a choice, "第 %d 项“%ls”尚未选择，请选择。".
// Returns what wformat returns (an empty text for an accepted reading).
int input_refusal_message(const ToolDef* tool, InputReading reading, wchar_t* text, int cap);

// The index of the option of a choice whose value is `value`; -1 when none has it.
int input_option_index(const ToolInput* input, double value);

// The value of a choice, check or date as a person reads it: the option's text, 是 or 否, the date as
// YYYY-MM-DD (years 0001 to 9999). Returns false, writing nothing, for a number input and for a value
// the input cannot hold (no option has it, neither 0 nor the tick, no such date); the caller prints
// the number then.
bool input_value_words(const ToolInput* input, double value, wchar_t* text, int cap);
