// Build-time check of a tool definition against the invariants the engine relies on.
// Exports tool_check (consteval) and, for tests that run it on many expressions, the expression check
// tool_check_detail::check_expression (constexpr). A definition that breaks an invariant stops the
// build inside a call to one of the tool_error functions below, whose name says what is wrong.
#pragma once
#include <utility>

#include "engine/tool_def.h"

namespace tool_error {
// Each of these stops constant evaluation; the compiler's "in 'constexpr' expansion of" notes name the
// function. Its error line then gives the place of the fault:
// - a fault of a whole field: "array subscript value 'N' is outside the bounds of array 'field'", where
//   N is the 1-based number of the input, output or rule at fault (or the offending count);
// - a fault inside a formula or condition: a note "in 'constexpr' expansion of
//   'tool_error::field<N>(column)'" and "array subscript value 'C' is outside the bounds of array
//   'column'", where N is the 1-based number of the output or rule and C the 1-based column of the
//   fault in its text (in characters, a tab one; first character 1; one past the last when the text
//   ends too early);
// - a fault of a choice's option: the same two lines, with N the 1-based number of the input and C the
//   1-based number of the option in its list.
// The compiler prints the values of neither arguments nor variables, only an out-of-bounds subscript
// and template arguments, hence the field number as a template argument picked from a table.
consteval bool stop_at(int number) { const bool field[1] = {}; return field[number]; }

template <int Field> consteval bool field(int at) { const bool column[1] = {}; return column[at]; }
template <int Field> consteval bool stop_in_field(int column) { return field<Field>(column); }

// Fields 0 to 64 stop with their column; a rule numbered above 64 gives its number alone.
enum { MAX_FIELD_WITH_COLUMN = 64 };
struct FieldStops { bool (*at[MAX_FIELD_WITH_COLUMN + 1])(int); };
template <int... N> consteval FieldStops field_stops(std::integer_sequence<int, N...>) {
    return { { stop_in_field<N>... } };
}
consteval bool stop_at(int number, int column) {
    if (number < 0 || number > MAX_FIELD_WITH_COLUMN) return stop_at(number);
    FieldStops stops = field_stops(std::make_integer_sequence<int, MAX_FIELD_WITH_COLUMN + 1>{});
    return stops.at[number](column);
}

consteval bool name_category_or_reference_is_null() { return stop_at(1); }
consteval bool input_count_is_not_0_to_40(int count) { return stop_at(count); }
consteval bool output_count_is_not_0_to_16(int count) { return stop_at(count); }
consteval bool rule_count_is_negative(int count) { return stop_at(count); }
consteval bool a_list_is_null_but_its_count_is_not_0() { return stop_at(1); }
consteval bool input_key_is_not_an_identifier_of_at_most_63_chars(int input) { return stop_at(input + 1); }
consteval bool input_label_is_null(int input) { return stop_at(input + 1); }
consteval bool input_label_holds_a_comma_cr_or_lf(int input) { return stop_at(input + 1); }
consteval bool input_kind_or_start_is_unknown_or_not_for_its_kind(int input) { return stop_at(input + 1); }
consteval bool choice_has_no_options_or_more_than_16(int input) { return stop_at(input + 1); }
consteval bool option_text_is_null_or_empty(int input, int option) { return stop_at(input + 1, option + 1); }
consteval bool option_text_holds_a_comma_cr_or_lf(int input, int option) { return stop_at(input + 1, option + 1); }
consteval bool option_value_is_used_twice_in_its_list(int input, int option) { return stop_at(input + 1, option + 1); }
consteval bool choice_default_is_none_of_its_options(int input) { return stop_at(input + 1); }
consteval bool a_number_check_or_date_has_options(int input) { return stop_at(input + 1); }
consteval bool check_tick_is_0_or_default_is_neither_0_nor_tick(int input) { return stop_at(input + 1); }
consteval bool date_default_is_not_a_whole_day_number(int input) { return stop_at(input + 1); }
consteval bool output_key_is_not_an_identifier_of_at_most_63_chars(int output) { return stop_at(output + 1); }
consteval bool output_label_is_null(int output) { return stop_at(output + 1); }
consteval bool output_label_holds_a_comma_cr_or_lf(int output) { return stop_at(output + 1); }
consteval bool output_formula_is_null_or_empty(int output) { return stop_at(output + 1); }
consteval bool output_value_kind_is_unknown(int output) { return stop_at(output + 1); }
consteval bool rule_condition_is_null(int rule) { return stop_at(rule + 1); }
consteval bool rule_text_is_null(int rule) { return stop_at(rule + 1); }
consteval bool rule_kind_is_unknown(int rule) { return stop_at(rule + 1); }
consteval bool search_words_are_missing_or_not_lower_case_ascii(int at) { return stop_at(at); }
// These take the 1-based column of the fault in the text as well.
consteval bool output_formula_does_not_parse(int output, int column) { return stop_at(output + 1, column); }
consteval bool output_formula_names_no_input_or_earlier_output(int output, int column) { return stop_at(output + 1, column); }
consteval bool output_formula_calls_an_unknown_function(int output, int column) { return stop_at(output + 1, column); }
consteval bool rule_condition_does_not_parse(int rule, int column) { return stop_at(rule + 1, column); }
consteval bool rule_condition_names_no_input_or_output(int rule, int column) { return stop_at(rule + 1, column); }
consteval bool rule_condition_calls_an_unknown_function(int rule, int column) { return stop_at(rule + 1, column); }
}  // namespace tool_error

namespace tool_check_detail {

enum CheckError { CHECK_OK, CHECK_SYNTAX, CHECK_NAME, CHECK_FUNCTION };

// The state of one syntax check: the grammar of the evaluator, without values.
struct ExprCheck {
    const ToolDef* tool;
    const char*    text;
    int            pos;              // next unread character
    int            visible_outputs;  // outputs a name may refer to (those before the formula)
    CheckError     error;            // first error found
    int            error_pos;        // its position in the text, 0-based (the message shows it 1-based)
};

constexpr bool is_digit(char c) { return c >= '0' && c <= '9'; }
constexpr bool is_hex(char c) { return is_digit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
constexpr bool is_name_start(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
constexpr bool is_name_char(char c) { return is_name_start(c) || is_digit(c); }
constexpr bool is_space(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

constexpr char peek(const ExprCheck& c, int ahead = 0) { return c.text[c.pos + ahead]; }
constexpr void skip_space(ExprCheck& c) { while (is_space(peek(c))) c.pos++; }
constexpr void fail(ExprCheck& c, CheckError e) {
    if (c.error == CHECK_OK) { c.error = e; c.error_pos = c.pos; }
}
constexpr bool accept(ExprCheck& c, const char* op) {
    int n = 0;
    while (op[n]) { if (peek(c, n) != op[n]) return false; n++; }
    c.pos += n;
    return true;
}

constexpr bool same(const char* a, const char* b, int n) {
    for (int i = 0; i < n; i++) if (a[i] != b[i]) return false;
    return b[n] == 0;
}

constexpr bool is_identifier(const char* key) {
    if (!key || !is_name_start(key[0])) return false;
    int n = 0;
    while (key[n]) { if (!is_name_char(key[n])) return false; n++; }
    return n <= MAX_KEY_CHARS;
}

constexpr bool is_column_safe(const wchar_t* label) {
    for (int i = 0; label[i]; i++)
        if (label[i] == L',' || label[i] == L'\r' || label[i] == L'\n') return false;
    return true;
}

// Length of the number at the cursor as strtod reads it (decimal or hexadecimal); 0 for a lone point.
constexpr int number_extent(const char* s) {
    int n = 0;
    if (s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        int m = 2, digits = 0;
        while (is_hex(s[m])) { m++; digits++; }
        if (s[m] == '.') { m++; while (is_hex(s[m])) { m++; digits++; } }
        if (digits > 0) {
            if (s[m] == 'p' || s[m] == 'P') {
                int e = m + 1;
                if (s[e] == '+' || s[e] == '-') e++;
                if (is_digit(s[e])) { while (is_digit(s[e])) e++; m = e; }
            }
            return m;
        }
    }
    int digits = 0;
    while (is_digit(s[n])) { n++; digits++; }
    if (s[n] == '.') { n++; while (is_digit(s[n])) { n++; digits++; } }
    if (digits == 0) return 0;
    if (s[n] == 'e' || s[n] == 'E') {
        int e = n + 1;
        if (s[e] == '+' || s[e] == '-') e++;
        if (is_digit(s[e])) { while (is_digit(s[e])) e++; n = e; }
    }
    return n;
}

// The number of arguments a function takes: 1 or 2; VARIADIC for choose (an index and at least one
// value); 0 for an unknown name.
enum { VARIADIC = -1 };
constexpr int function_arity(const char* name, int len) {
    const char* one[] = { "sqrt", "abs", "log", "log10", "exp", "floor", "ceil", "round", "cbrt", "sign" };
    const char* two[] = { "min", "max", "pow", "mod" };
    for (const char* f : one) if (same(name, f, len)) return 1;
    for (const char* f : two) if (same(name, f, len)) return 2;
    if (same(name, "choose", len)) return VARIADIC;
    return 0;
}

constexpr bool arity_fits(int arity, int args) { return arity == VARIADIC ? args >= 2 : arity == args; }

constexpr bool names_value(const ExprCheck& c, const char* name, int len) {
    for (int i = 0; i < c.tool->input_count; i++)
        if (c.tool->inputs[i].key && same(name, c.tool->inputs[i].key, len)) return true;
    for (int i = 0; i < c.visible_outputs; i++)
        if (c.tool->outputs[i].key && same(name, c.tool->outputs[i].key, len)) return true;
    return false;
}

constexpr void check_ternary(ExprCheck& c);

// unary := ('-' | '+' | '!') unary | '(' ternary ')' | number | name | name '(' ternary {',' ternary} ')'
constexpr void check_unary(ExprCheck& c) {
    skip_space(c);
    char ch = peek(c);
    if (ch == '-' || ch == '+' || ch == '!') { c.pos++; check_unary(c); return; }
    if (ch == '(') {
        c.pos++;
        check_ternary(c);
        skip_space(c);
        if (!accept(c, ")")) fail(c, CHECK_SYNTAX);
        return;
    }
    if (is_digit(ch) || ch == '.') {
        int n = number_extent(c.text + c.pos);
        if (n == 0) fail(c, CHECK_SYNTAX);
        c.pos += n;
        return;
    }
    if (!is_name_start(ch)) { fail(c, CHECK_SYNTAX); return; }
    int start = c.pos, len = 0;
    while (is_name_char(peek(c)) && len < MAX_KEY_CHARS) { c.pos++; len++; }
    const char* name = c.text + start;
    skip_space(c);
    if (peek(c) == '(') {
        c.pos++;
        check_ternary(c);
        int args = 1;
        skip_space(c);
        while (accept(c, ",")) { check_ternary(c); args++; skip_space(c); }
        if (!accept(c, ")")) fail(c, CHECK_SYNTAX);
        if (!arity_fits(function_arity(name, len), args)) {
            if (c.error == CHECK_OK) { c.error = CHECK_FUNCTION; c.error_pos = start; }
        }
        return;
    }
    if (!names_value(c, name, len) && c.error == CHECK_OK) { c.error = CHECK_NAME; c.error_pos = start; }
}

// power := unary ['^' power]
constexpr void check_power(ExprCheck& c) {
    check_unary(c);
    skip_space(c);
    if (accept(c, "^")) check_power(c);
}

// product := power {('*' | '/' | '%') power}, where "**" is no operator
constexpr void check_product(ExprCheck& c) {
    check_power(c);
    for (;;) {
        skip_space(c);
        if (peek(c) == '*' && peek(c, 1) == '*') return;
        if (!accept(c, "*") && !accept(c, "/") && !accept(c, "%")) return;
        check_power(c);
    }
}

// sum := product {('+' | '-') product}
constexpr void check_sum(ExprCheck& c) {
    check_product(c);
    for (;;) {
        skip_space(c);
        if (!accept(c, "+") && !accept(c, "-")) return;
        check_product(c);
    }
}

// compare := sum [('<=' | '>=' | '==' | '!=' | '<' | '>') sum]
constexpr void check_compare(ExprCheck& c) {
    check_sum(c);
    skip_space(c);
    if (accept(c, "<=") || accept(c, ">=") || accept(c, "==") || accept(c, "!=") ||
        accept(c, "<") || accept(c, ">"))
        check_sum(c);
}

// and := compare {'&&' compare}
constexpr void check_and(ExprCheck& c) {
    check_compare(c);
    for (;;) { skip_space(c); if (!accept(c, "&&")) return; check_compare(c); }
}

// or := and {'||' and}
constexpr void check_or(ExprCheck& c) {
    check_and(c);
    for (;;) { skip_space(c); if (!accept(c, "||")) return; check_and(c); }
}

// ternary := or ['?' ternary ':' ternary]
constexpr void check_ternary(ExprCheck& c) {
    check_or(c);
    skip_space(c);
    if (!accept(c, "?")) return;
    check_ternary(c);
    skip_space(c);
    if (!accept(c, ":")) fail(c, CHECK_SYNTAX);
    check_ternary(c);
}

// Checks one whole expression; visible_outputs is how many outputs it may name.
constexpr ExprCheck check_expression(const ToolDef& tool, const char* text, int visible_outputs) {
    ExprCheck c = { &tool, text, 0, visible_outputs, CHECK_OK, 0 };
    check_ternary(c);
    skip_space(c);
    if (peek(c) != 0) fail(c, CHECK_SYNTAX);
    return c;
}

// The fields of one input that belong to its kind: a choice's options, a check's tick, a date's day
// number, and a start that the kind has. `i` is the input's 0-based number.
consteval void check_input_kind(const ToolInput& in, int i) {
    bool start_known = in.start == START_DEFAULT || in.start == START_EMPTY || in.start == START_TODAY;
    bool start_fits = in.kind == INPUT_DATE ? start_known
                    : in.kind == INPUT_CHECK ? in.start == START_DEFAULT
                    : in.start == START_DEFAULT || in.start == START_EMPTY;
    bool kind_known = in.kind == INPUT_NUMBER || in.kind == INPUT_CHOICE || in.kind == INPUT_CHECK ||
                      in.kind == INPUT_DATE;
    if (!kind_known || !start_known || !start_fits) tool_error::input_kind_or_start_is_unknown_or_not_for_its_kind(i);
    if (in.kind != INPUT_CHOICE) {
        if (in.options || in.option_count) tool_error::a_number_check_or_date_has_options(i);
    }
    if (in.kind == INPUT_CHOICE) {
        if (!in.options || in.option_count < 1 || in.option_count > MAX_OPTIONS)
            tool_error::choice_has_no_options_or_more_than_16(i);
        bool default_found = false;
        for (int k = 0; k < in.option_count; k++) {
            const ToolOption& o = in.options[k];
            if (!o.text || !o.text[0]) tool_error::option_text_is_null_or_empty(i, k);
            if (!is_column_safe(o.text)) tool_error::option_text_holds_a_comma_cr_or_lf(i, k);
            for (int j = 0; j < k; j++)
                if (in.options[j].value == o.value) tool_error::option_value_is_used_twice_in_its_list(i, k);
            if (o.value == in.default_value) default_found = true;
        }
        if (!default_found) tool_error::choice_default_is_none_of_its_options(i);
    }
    if (in.kind == INPUT_CHECK) {
        if (in.tick == 0 || (in.default_value != 0 && in.default_value != in.tick))
            tool_error::check_tick_is_0_or_default_is_neither_0_nor_tick(i);
    } else if (in.tick != 0) {
        tool_error::check_tick_is_0_or_default_is_neither_0_nor_tick(i);
    }
    if (in.kind == INPUT_DATE) {
        // 0001-01-01 to 9999-12-31, the dates the window reads and prints
        double d = in.default_value;
        if (!(d >= -719162 && d <= 2932896) || d != (double)(long long)d)
            tool_error::date_default_is_not_a_whole_day_number(i);
    }
}

// Search words: present, non-empty, lower-case ASCII letters, digits, spaces, '-' and '.' only.
constexpr bool is_search_words(const char* words) {
    if (!words || !words[0]) return false;
    for (int i = 0; words[i]; i++) {
        char c = words[i];
        bool fits = (c >= 'a' && c <= 'z') || is_digit(c) || c == ' ' || c == '-' || c == '.';
        if (!fits) return false;
    }
    return true;
}

}  // namespace tool_check_detail

// True when the definition keeps every invariant; otherwise constant evaluation stops in tool_error.
consteval bool tool_check(const ToolDef& tool) {
    using namespace tool_check_detail;
    if (!tool.name || !tool.category || !tool.reference) tool_error::name_category_or_reference_is_null();
    if (tool.input_count < 0 || tool.input_count > MAX_INPUTS) tool_error::input_count_is_not_0_to_40(tool.input_count);
    if (tool.output_count < 0 || tool.output_count > MAX_OUTPUTS) tool_error::output_count_is_not_0_to_16(tool.output_count);
    if (tool.rule_count < 0) tool_error::rule_count_is_negative(tool.rule_count);
    if ((!tool.inputs && tool.input_count) || (!tool.outputs && tool.output_count) || (!tool.rules && tool.rule_count))
        tool_error::a_list_is_null_but_its_count_is_not_0();
    if (!is_search_words(tool.search)) tool_error::search_words_are_missing_or_not_lower_case_ascii(1);

    for (int i = 0; i < tool.input_count; i++) {
        const ToolInput& in = tool.inputs[i];
        if (!is_identifier(in.key)) tool_error::input_key_is_not_an_identifier_of_at_most_63_chars(i);
        if (!in.label) tool_error::input_label_is_null(i);
        if (!is_column_safe(in.label)) tool_error::input_label_holds_a_comma_cr_or_lf(i);
        check_input_kind(in, i);
    }
    for (int i = 0; i < tool.output_count; i++) {
        const ToolOutput& out = tool.outputs[i];
        if (!is_identifier(out.key)) tool_error::output_key_is_not_an_identifier_of_at_most_63_chars(i);
        if (!out.label) tool_error::output_label_is_null(i);
        if (!is_column_safe(out.label)) tool_error::output_label_holds_a_comma_cr_or_lf(i);
        if (!out.formula || !out.formula[0]) tool_error::output_formula_is_null_or_empty(i);
        if (out.value != VALUE_EXACT && out.value != VALUE_AS_PRINTED) tool_error::output_value_kind_is_unknown(i);
        ExprCheck c = check_expression(tool, out.formula, i);
        int column = c.error_pos + 1;
        if (c.error == CHECK_SYNTAX) tool_error::output_formula_does_not_parse(i, column);
        if (c.error == CHECK_NAME) tool_error::output_formula_names_no_input_or_earlier_output(i, column);
        if (c.error == CHECK_FUNCTION) tool_error::output_formula_calls_an_unknown_function(i, column);
    }
    for (int i = 0; i < tool.rule_count; i++) {
        const ToolRule& rule = tool.rules[i];
        if (!rule.condition) tool_error::rule_condition_is_null(i);
        if (!rule.text) tool_error::rule_text_is_null(i);
        if (rule.kind != RULE_VERDICT && rule.kind != RULE_INVALID_INPUT) tool_error::rule_kind_is_unknown(i);
        if (!rule.condition[0]) continue;
        ExprCheck c = check_expression(tool, rule.condition, tool.output_count);
        int column = c.error_pos + 1;
        if (c.error == CHECK_SYNTAX) tool_error::rule_condition_does_not_parse(i, column);
        if (c.error == CHECK_NAME) tool_error::rule_condition_names_no_input_or_output(i, column);
        if (c.error == CHECK_FUNCTION) tool_error::rule_condition_calls_an_unknown_function(i, column);
    }
    return true;
}
