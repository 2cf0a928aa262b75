// The expression evaluator: a recursive-descent parser that computes while it parses, one function
// per grammar level, no token list, no tree, no allocation. Exports expr_eval and expr_call1.
// Failures are values: an error sets `failed` and parsing goes on with a defined value.
#include "engine/expr.h"

#include <math.h>
#include <string.h>

#include "base/number_read.h"
#include "base/portable_math.h"

// The state of one evaluation; lives on the caller's stack.
struct ExprContext {
    const ToolDef* tool;
    const double*  input_values;   // input i at position i
    const double*  output_values;  // output j at position j
    const bool*    output_failed;  // output j failed: reading it fails; null when none is marked
    const char*    cursor;         // next unread character; only moves forward
    int            failed;         // 0 at the start, 1 after any error; never cleared
};

static bool is_space(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
static bool is_digit(char c) { return c >= '0' && c <= '9'; }
static bool is_name_start(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
static bool is_name_char(char c) { return is_name_start(c) || is_digit(c); }

// Skips whitespace; returns the character then under the cursor.
static char skip_space(ExprContext* ctx) {
    const char* p = ctx->cursor;
    while (is_space(*p)) p++;
    ctx->cursor = p;
    return *p;
}

// Consumes `op`, an operator of one or two characters, when the text continues with it (after
// whitespace). Always inlined: with `op` a literal it folds to a character test or two.
[[gnu::always_inline]] static inline bool accept(ExprContext* ctx, const char* op) {
    const char* p = ctx->cursor;
    if (*p != op[0]) {  // the cursor mostly stands on the next operator already
        if (!is_space(*p) || skip_space(ctx) != op[0]) return false;
        p = ctx->cursor;
    }
    if (op[1] && p[1] != op[1]) return false;
    ctx->cursor = p + (op[1] ? 2 : 1);
    return true;
}

// The levels between the conditional and the power are folded into the conditional's function, so a
// plain operand costs three calls instead of eight; the grammar keeps one function per level.
#define INLINE_LEVEL [[gnu::always_inline]] inline

static double truth(bool b) { return b ? 1.0 : 0.0; }

// strcmp(a, b) == 0, written out: names and keys are short, and a call into the C library costs more
// than the rest of a short parse.
static bool same_name(const char* a, const char* b) {
    while (*a && *a == *b) a++, b++;
    return *a == *b;
}

static double expr_parse_ternary(ExprContext* ctx);

double expr_call1(const char* name, double x, int* failed) {
    if (same_name(name, "sqrt")) {
        if (x < 0) { *failed = 1; return 0.0; }
        return sqrt(x);
    }
    if (same_name(name, "abs")) return fabs(x);
    if (same_name(name, "log")) {
        if (x <= 0) { *failed = 1; return 0.0; }
        return portable_log(x);
    }
    if (same_name(name, "log10")) {
        if (x <= 0) { *failed = 1; return 0.0; }
        return portable_log10(x);
    }
    if (same_name(name, "exp")) return portable_exp(x);
    if (same_name(name, "floor")) return floor(x);
    if (same_name(name, "ceil")) return ceil(x);
    if (same_name(name, "round")) return floor(x + 0.5);
    if (same_name(name, "cbrt")) {
        const double third = 1.0 / 3.0;
        return x < 0 ? -portable_pow(-x, third) : portable_pow(x, third);
    }
    if (same_name(name, "sign")) return x > 0 ? 1.0 : x < 0 ? -1.0 : 0.0;
    *failed = 1;
    return 0.0;
}

// The two-argument functions; same contract as expr_call1.
static double expr_call2(const char* name, double a, double b, int* failed) {
    if (same_name(name, "min")) return a < b ? a : b;
    if (same_name(name, "max")) return a > b ? a : b;
    if (same_name(name, "pow")) return portable_pow(a, b);
    if (same_name(name, "mod")) {
        if (b == 0) { *failed = 1; return 0.0; }
        return fmod(a, b);
    }
    *failed = 1;
    return 0.0;
}

// True when `key` is exactly the `len` characters at `name`.
static bool key_is(const char* key, const char* name, int len) {
    if (!key || key[0] != name[0]) return false;  // most keys differ in their first character
    for (int k = 1; k < len; k++)
        if (key[k] != name[k]) return false;
    return key[len] == 0;
}

// A variable: the first input with this key, else the first output, else a failure. `name` holds
// `len` name characters.
static double lookup(ExprContext* ctx, const char* name, int len) {
    const ToolDef* tool = ctx->tool;
    for (int i = 0; i < tool->input_count; i++)
        if (key_is(tool->inputs[i].key, name, len)) return ctx->input_values[i];
    for (int j = 0; j < tool->output_count; j++)
        if (key_is(tool->outputs[j].key, name, len)) {
            if (ctx->output_failed && ctx->output_failed[j]) ctx->failed = 1;
            return ctx->output_values[j];
        }
    ctx->failed = 1;
    return 0.0;
}

// choose(k, v1, ..., vn): the k-th value, for k a whole number 1 to n; any other k fails. Every
// argument is evaluated, as both parts of a conditional are. The cursor stands after "choose(".
static double expr_parse_choose(ExprContext* ctx) {
    double k = expr_parse_ternary(ctx);
    double chosen = 0.0;
    int n = 0;
    while (accept(ctx, ",")) {
        double v = expr_parse_ternary(ctx);
        n++;
        if (k == n) chosen = v;
    }
    if (!accept(ctx, ")")) ctx->failed = 1;
    if (n == 0 || !(k >= 1 && k <= n) || k != floor(k)) { ctx->failed = 1; return 0.0; }
    return chosen;
}

// name := letter {letter | digit}, at most 63 read; then a call '(' ternary [',' ternary] ')',
// choose '(' ternary {',' ternary} ')', or a variable
static double expr_parse_name(ExprContext* ctx) {
    char name[MAX_KEY_CHARS + 1];
    const char* p = ctx->cursor;
    int len = 0;
    while (len < MAX_KEY_CHARS && is_name_char(p[len])) {
        name[len] = p[len];
        len++;
    }
    name[len] = 0;
    ctx->cursor = p + len;
    if (skip_space(ctx) != '(') return lookup(ctx, name, len);

    ctx->cursor++;
    if (same_name(name, "choose")) return expr_parse_choose(ctx);
    double a = expr_parse_ternary(ctx);
    bool two = accept(ctx, ",");
    double b = two ? expr_parse_ternary(ctx) : 0.0;
    if (!accept(ctx, ")")) ctx->failed = 1;
    return two ? expr_call2(name, a, b, &ctx->failed) : expr_call1(name, a, &ctx->failed);
}

// unary := '-' unary | '+' unary | '!' unary | '(' ternary ')' | number | name
static double expr_parse_unary(ExprContext* ctx) {
    char c = skip_space(ctx);
    if (is_name_start(c)) return expr_parse_name(ctx);
    if (c == '(') {
        ctx->cursor++;
        double v = expr_parse_ternary(ctx);
        if (!accept(ctx, ")")) ctx->failed = 1;
        return v;
    }
    if (c == '-') { ctx->cursor++; return -expr_parse_unary(ctx); }
    if (c == '+') { ctx->cursor++; return expr_parse_unary(ctx); }
    if (c == '!') { ctx->cursor++; return truth(expr_parse_unary(ctx) == 0); }
    if (is_digit(c) || c == '.') {
        const char* end = ctx->cursor;
        double v = number_read(ctx->cursor, &end);
        if (end == ctx->cursor) { ctx->failed = 1; return 0.0; }
        ctx->cursor = end;
        return v;
    }
    ctx->failed = 1;
    return 0.0;
}

// power := unary ['^' power]   (right-associative; prefix operators bind tighter)
static double expr_parse_power(ExprContext* ctx) {
    double base = expr_parse_unary(ctx);
    if (!accept(ctx, "^")) return base;
    double exponent = expr_parse_power(ctx);
    return portable_pow(base, exponent);
}

// product := power {('*' | '/' | '%') power}   ("**" ends the product; a zero divisor makes it 0.0)
INLINE_LEVEL static double expr_parse_product(ExprContext* ctx) {
    double v = expr_parse_power(ctx);
    for (;;) {
        skip_space(ctx);
        char op = *ctx->cursor;
        if (op == '*' && ctx->cursor[1] == '*') return v;
        if (op != '*' && op != '/' && op != '%') return v;
        ctx->cursor++;
        double rhs = expr_parse_power(ctx);
        if (op == '*') { v *= rhs; continue; }
        if (rhs == 0) { ctx->failed = 1; return 0.0; }
        v = op == '/' ? v / rhs : fmod(v, rhs);
    }
}

// sum := product {('+' | '-') product}
INLINE_LEVEL static double expr_parse_sum(ExprContext* ctx) {
    double v = expr_parse_product(ctx);
    for (;;) {
        if (accept(ctx, "+")) v += expr_parse_product(ctx);
        else if (accept(ctx, "-")) v -= expr_parse_product(ctx);
        else return v;
    }
}

// compare := sum [('<=' | '>=' | '==' | '!=' | '<' | '>') sum]   (no chaining)
INLINE_LEVEL static double expr_parse_compare(ExprContext* ctx) {
    double a = expr_parse_sum(ctx);
    char c = skip_space(ctx);
    if (c != '<' && c != '>' && c != '=' && c != '!') return a;
    if (accept(ctx, "<=")) return truth(a <= expr_parse_sum(ctx));
    if (accept(ctx, ">=")) return truth(a >= expr_parse_sum(ctx));
    if (accept(ctx, "==")) return truth(a == expr_parse_sum(ctx));
    if (accept(ctx, "!=")) return truth(a != expr_parse_sum(ctx));
    if (accept(ctx, "<")) return truth(a < expr_parse_sum(ctx));
    if (accept(ctx, ">")) return truth(a > expr_parse_sum(ctx));
    return a;
}

// and := compare {'&&' compare}   (both sides always evaluated)
INLINE_LEVEL static double expr_parse_and(ExprContext* ctx) {
    double v = expr_parse_compare(ctx);
    while (accept(ctx, "&&")) {
        double rhs = expr_parse_compare(ctx);
        v = truth(v != 0 && rhs != 0);
    }
    return v;
}

// or := and {'||' and}   (both sides always evaluated)
INLINE_LEVEL static double expr_parse_or(ExprContext* ctx) {
    double v = expr_parse_and(ctx);
    while (accept(ctx, "||")) {
        double rhs = expr_parse_and(ctx);
        v = truth(v != 0 || rhs != 0);
    }
    return v;
}

// ternary := or ['?' ternary ':' ternary]   (right-associative; both parts always evaluated)
static double expr_parse_ternary(ExprContext* ctx) {
    double cond = expr_parse_or(ctx);
    if (!accept(ctx, "?")) return cond;
    double then_value = expr_parse_ternary(ctx);
    if (!accept(ctx, ":")) ctx->failed = 1;
    double else_value = expr_parse_ternary(ctx);
    return cond != 0 ? then_value : else_value;
}

double expr_eval(const ToolDef* tool, const char* text, const double* input_values,
                 const double* output_values, int* failed_out) {
    return expr_eval_marked(tool, text, input_values, output_values, nullptr, failed_out);
}

double expr_eval_marked(const ToolDef* tool, const char* text, const double* input_values,
                        const double* output_values, const bool* output_failed, int* failed_out) {
    if (!text || !text[0]) {
        *failed_out = 1;
        return 0.0;
    }
    ExprContext ctx = { tool, input_values, output_values, output_failed, text, 0 };
    double v = expr_parse_ternary(&ctx);
    skip_space(&ctx);
    bool failed = ctx.failed || *ctx.cursor != 0 || !isfinite(v);
    *failed_out = failed ? 1 : 0;
    return v;
}
