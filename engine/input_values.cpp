// The inputs of one calculation, taken all or none. Exports input_values_read, input_refusal_message,
// input_option_index and input_value_words.
#include "engine/input_values.h"

#include <math.h>

#include "base/civil_date.h"
#include "base/number_read.h"
#include "base/wtext.h"

static bool is_empty_text(const wchar_t* text) {
    for (const wchar_t* p = text; *p; p++)
        if (!input_char_blank(*p)) return false;
    return true;
}

// The value of one entry, or the reason it is refused.
static InputRefusal read_entry(const ToolInput* input, const InputEntry* entry, double* value) {
    switch (input->kind) {
    case INPUT_CHOICE:
        if (entry->option < 0 || entry->option >= input->option_count) return INPUT_MISSING;
        *value = input->options[entry->option].value;
        return INPUT_ACCEPTED;
    case INPUT_CHECK:
        *value = entry->option ? input->tick : 0.0;
        return INPUT_ACCEPTED;
    case INPUT_DATE: {
        if (is_empty_text(entry->text)) return INPUT_MISSING;
        int64_t day = 0;
        if (!civil_date_read(entry->text, &day)) return INPUT_NOT_A_DATE;
        *value = (double)day;
        return INPUT_ACCEPTED;
    }
    case INPUT_NUMBER:
        break;
    }
    if (is_empty_text(entry->text)) {
        if (input->start == START_EMPTY) return INPUT_MISSING;
        *value = 0.0;
        return INPUT_ACCEPTED;
    }
    *value = input_text_value(entry->text);
    return isfinite(*value) ? INPUT_ACCEPTED : INPUT_NOT_A_NUMBER;
}

InputReading input_values_read(const ToolDef* tool, const InputEntry* entries, double* values) {
    double candidate[MAX_VALUES];
    for (int i = 0; i < tool->input_count; i++) {
        InputRefusal refusal = read_entry(&tool->inputs[i], &entries[i], &candidate[i]);
        if (refusal != INPUT_ACCEPTED) return { i, refusal };
    }
    for (int i = 0; i < tool->input_count; i++) values[i] = candidate[i];
    return { -1, INPUT_ACCEPTED };
}

int input_refusal_message(const ToolDef* tool, InputReading reading, wchar_t* text, int cap) {
    const wchar_t* format = L"";
    switch (reading.refusal) {
    case INPUT_ACCEPTED:     return text_copy(text, cap, L"");
    case INPUT_NOT_A_NUMBER: format = L"第 %d 项“%ls”请输入数字。"; break;
    case INPUT_NOT_A_DATE:   format = L"第 %d 项“%ls”请输入有效日期，如 2026-03-09。"; break;
    case INPUT_MISSING:
        format = tool->inputs[reading.field].kind == INPUT_CHOICE ? L"第 %d 项“%ls”尚未选择，请选择。"
                                                                  : L"第 %d 项“%ls”尚未填写，请输入。";
        break;
    }
    return wformat(text, cap, format, reading.field + 1, tool->inputs[reading.field].label);
}

int input_option_index(const ToolInput* input, double value) {
    for (int k = 0; k < input->option_count; k++)
        if (input->options[k].value == value) return k;
    return -1;
}

bool input_value_words(const ToolInput* input, double value, wchar_t* text, int cap) {
    switch (input->kind) {
    case INPUT_CHOICE: {
        int k = input_option_index(input, value);
        if (k < 0) return false;
        text_copy(text, cap, input->options[k].text);
        return true;
    }
    case INPUT_CHECK:
        if (value != 0 && value != input->tick) return false;
        text_copy(text, cap, value == 0 ? L"否" : L"是");
        return true;
    case INPUT_DATE:
        // The dates a box accepts: years 0001 to 9999.
        if (!(value == floor(value) && value >= (double)days_from_civil(1, 1, 1) &&
              value <= (double)days_from_civil(9999, 12, 31)))
            return false;
        civil_date_print((int64_t)value, text, cap);
        return true;
    case INPUT_NUMBER:
        break;
    }
    return false;
}
