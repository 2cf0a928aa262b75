// The reference evaluator (tokens, then a tree, then evaluation) and the expression generator.
// Exports oracle_eval, oracle_eval_faults, oracle_form_fault and oracle_generate. Shares no code with
// the product's evaluator or the build-time check: it reads the language from its definition. Numbers
// are read with the C library's strtod, which defines them; exp, log, log10 and pow are the ones both
// builds compile in (base/portable_math.h), since the language defines its functions by them and the
// two C libraries differ in the last bits.
#include "tests/oracle/expr_oracle.h"

#include <math.h>
#include <stdlib.h>
#include <string.h>

#include <vector>

#include "base/dimof.h"
#include "base/portable_math.h"

namespace {

// One lexical token. Operators are single characters; a two-character operator is two tokens of which
// the second is `glued` (no whitespace before it), which is how the language tells "<=" from "< =".
struct Token {
    char        kind;    // 'N' number, 'B' point that strtod does not read, 'I' name, 'E' end,
                         // else the character itself (operators, parentheses, anything unexpected)
    bool        glued;   // no whitespace between the previous token and this one
    double      number;  // kind 'N'
    std::string name;    // kind 'I': at most 63 characters
};

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool is_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool is_decimal(char c) { return c >= '0' && c <= '9'; }

std::vector<Token> tokenise(const char* text) {
    std::vector<Token> tokens;
    const char* p = text;
    for (;;) {
        const char* before = p;
        while (is_blank(*p)) p++;
        Token t{};
        t.glued = p == before;
        if (!*p) {
            t.kind = 'E';
            tokens.push_back(t);
            return tokens;
        }
        if (is_decimal(*p) || *p == '.') {
            char* stop = nullptr;
            double v = strtod(p, &stop);
            if (stop == p) {
                t.kind = 'B';
                p++;
            } else {
                t.kind = 'N';
                t.number = v;
                p = stop;
            }
        } else if (is_letter(*p)) {
            t.kind = 'I';
            while (t.name.size() < 63 && (is_letter(*p) || is_decimal(*p))) t.name += *p++;
        } else {
            t.kind = *p++;
        }
        tokens.push_back(t);
    }
}

enum NodeKind {
    NUMBER, BROKEN, VARIABLE, NEGATE, NOT, GROUP, CALL, POWER, TIMES, DIVIDE, REMAINDER, PLUS, MINUS,
    LESS, LESS_EQUAL, GREATER, GREATER_EQUAL, EQUAL, NOT_EQUAL, AND, OR, CHOICE,
};

struct Node {
    NodeKind    kind;
    int         a, b, c;  // children, -1 when absent
    bool        broken;   // a ")" or ":" was missing here
    double      number;   // NUMBER
    std::string name;     // VARIABLE, CALL
    std::vector<int> more;  // CALL: the arguments after the first two
};

struct Tree {
    std::vector<Token> tokens;
    std::vector<Node>  nodes;
    size_t             at;  // next token
    const ToolDef*     tool;
    const double*      inputs;
    const double*      outputs;
    bool               no_values;  // parse by the grammar alone: no divisor ends a product
};

int add(Tree* t, NodeKind kind, int a = -1, int b = -1, int c = -1) {
    Node n{};
    n.kind = kind;
    n.a = a;
    n.b = b;
    n.c = c;
    t->nodes.push_back(n);
    return (int)t->nodes.size() - 1;
}

const Token& peek(const Tree* t, size_t ahead = 0) {
    size_t i = t->at + ahead;
    return i < t->tokens.size() ? t->tokens[i] : t->tokens.back();
}

bool next_is(const Tree* t, char kind) { return peek(t).kind == kind; }
bool next_pair_is(const Tree* t, char first, char second) {
    return peek(t).kind == first && peek(t, 1).kind == second && peek(t, 1).glued;
}

double flip_sign(double v) {
    uint64_t bits;
    memcpy(&bits, &v, sizeof bits);
    bits ^= 0x8000000000000000ull;
    memcpy(&v, &bits, sizeof v);
    return v;
}

double clear_sign(double v) {
    uint64_t bits;
    memcpy(&bits, &v, sizeof bits);
    bits &= 0x7fffffffffffffffull;
    memcpy(&v, &bits, sizeof v);
    return v;
}

double as_truth(bool b) { return b ? 1.0 : 0.0; }
bool is_true(double v) { return !(v == 0.0); }

double variable(const Tree* t, const std::string& name, OracleFaults* faults) {
    for (int i = 0; i < t->tool->input_count; i++)
        if (t->tool->inputs[i].key && name == t->tool->inputs[i].key) return t->inputs[i];
    for (int i = 0; i < t->tool->output_count; i++)
        if (t->tool->outputs[i].key && name == t->tool->outputs[i].key) return t->outputs[i];
    faults->form++;
    return 0.0;
}

double call(const std::string& f, int argc, double x, double y, OracleFaults* faults) {
    int* domain = &faults->domain;
    if (argc == 1) {
        if (f == "sqrt") return x < 0 ? (*domain = 1, 0.0) : sqrt(x);
        if (f == "abs") return clear_sign(x);
        if (f == "log") return x <= 0 ? (*domain = 1, 0.0) : portable_log(x);
        if (f == "log10") return x <= 0 ? (*domain = 1, 0.0) : portable_log10(x);
        if (f == "exp") return portable_exp(x);
        if (f == "floor") return floor(x);
        if (f == "ceil") return ceil(x);
        if (f == "round") return floor(x + 0.5);
        if (f == "cbrt") {
            const double third = 0.333333333333333314829616256247390992939472198486328125;
            return x < 0 ? flip_sign(portable_pow(flip_sign(x), third)) : portable_pow(x, third);
        }
        if (f == "sign") return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0);
    } else {
        if (f == "min") return x < y ? x : y;
        if (f == "max") return x > y ? x : y;
        if (f == "pow") return portable_pow(x, y);
        if (f == "mod") return y == 0 ? (*domain = 1, 0.0) : fmod(x, y);
    }
    faults->form++;
    return 0.0;
}

// choose(k, v1, ..., vn): the k-th of the values; k must be one of the whole numbers 1 to n.
double choose(double k, const std::vector<double>& values, OracleFaults* faults) {
    for (size_t i = 0; i < values.size(); i++)
        if (k == (double)(i + 1)) return values[i];
    faults->domain = 1;
    return 0.0;
}

double evaluate(const Tree* t, int index, OracleFaults* faults) {
    const Node& n = t->nodes[(size_t)index];
    if (n.broken) faults->form++;
    double x = n.a >= 0 ? evaluate(t, n.a, faults) : 0.0;
    double y = n.b >= 0 ? evaluate(t, n.b, faults) : 0.0;
    double z = n.c >= 0 ? evaluate(t, n.c, faults) : 0.0;
    if (n.kind == CALL && n.name == "choose") {
        std::vector<double> values;
        if (n.b >= 0) values.push_back(y);
        for (int m : n.more) values.push_back(evaluate(t, m, faults));
        if (values.empty()) { faults->form++; return 0.0; }
        return choose(x, values, faults);
    }
    int* zero_divisor = &faults->domain;
    switch (n.kind) {
    case NUMBER:        return n.number;
    case BROKEN:        faults->form++; return 0.0;
    case VARIABLE:      return variable(t, n.name, faults);
    case NEGATE:        return flip_sign(x);
    case NOT:           return as_truth(x == 0.0);
    case GROUP:         return x;
    case CALL:          return call(n.name, n.b >= 0 ? 2 : 1, x, y, faults);
    case POWER:         return portable_pow(x, y);
    case TIMES:         return x * y;
    case DIVIDE:        return y == 0 ? (*zero_divisor = 1, 0.0) : x / y;
    case REMAINDER:     return y == 0 ? (*zero_divisor = 1, 0.0) : fmod(x, y);
    case PLUS:          return x + y;
    case MINUS:         return x - y;
    case LESS:          return as_truth(x < y);
    case LESS_EQUAL:    return as_truth(x <= y);
    case GREATER:       return as_truth(x > y);
    case GREATER_EQUAL: return as_truth(x >= y);
    case EQUAL:         return as_truth(x == y);
    case NOT_EQUAL:     return as_truth(x != y);
    case AND:           return as_truth(is_true(x) && is_true(y));
    case OR:            return as_truth(is_true(x) || is_true(y));
    case CHOICE:        return is_true(x) ? y : z;
    }
    return 0.0;
}

int parse_choice(Tree* t);

int parse_operand(Tree* t) {
    const Token& tok = peek(t);
    switch (tok.kind) {
    case '(': {
        t->at++;
        int inner = parse_choice(t);
        int g = add(t, GROUP, inner);
        if (next_is(t, ')')) t->at++;
        else t->nodes[(size_t)g].broken = true;
        return g;
    }
    case '-': t->at++; return add(t, NEGATE, parse_operand(t));
    case '+': t->at++; return parse_operand(t);
    case '!': t->at++; return add(t, NOT, parse_operand(t));
    case 'N': {
        int n = add(t, NUMBER);
        t->nodes[(size_t)n].number = tok.number;
        t->at++;
        return n;
    }
    case 'I': {
        std::string name = tok.name;
        t->at++;
        if (!next_is(t, '(')) {
            int v = add(t, VARIABLE);
            t->nodes[(size_t)v].name = name;
            return v;
        }
        t->at++;
        int first = parse_choice(t);
        int second = -1;
        if (next_is(t, ',')) {
            t->at++;
            second = parse_choice(t);
        }
        std::vector<int> more;
        while (name == "choose" && second >= 0 && next_is(t, ',')) {  // the one function of more arguments
            t->at++;
            more.push_back(parse_choice(t));
        }
        int c = add(t, CALL, first, second);
        t->nodes[(size_t)c].name = name;
        t->nodes[(size_t)c].more = more;
        if (next_is(t, ')')) t->at++;
        else t->nodes[(size_t)c].broken = true;
        return c;
    }
    default:
        return add(t, BROKEN);  // nothing consumed
    }
}

int parse_power(Tree* t) {
    int base = parse_operand(t);
    if (!next_is(t, '^')) return base;
    t->at++;
    int exponent = parse_power(t);
    return add(t, POWER, base, exponent);
}

// A zero divisor ends the product: the text after the divisor is left to the levels above, so the
// shape of the tree depends on the divisor's value, which is evaluated here; without values (a parse by
// the grammar alone) no divisor ends the product.
int parse_product(Tree* t) {
    int left = parse_power(t);
    for (;;) {
        char op = peek(t).kind;
        if (op == '*' && next_pair_is(t, '*', '*')) return left;
        if (op != '*' && op != '/' && op != '%') return left;
        t->at++;
        int right = parse_power(t);
        left = add(t, op == '*' ? TIMES : op == '/' ? DIVIDE : REMAINDER, left, right);
        OracleFaults ignored{};
        if (op != '*' && !t->no_values && evaluate(t, right, &ignored) == 0.0) return left;
    }
}

int parse_sum(Tree* t) {
    int left = parse_product(t);
    while (next_is(t, '+') || next_is(t, '-')) {
        NodeKind kind = next_is(t, '+') ? PLUS : MINUS;
        t->at++;
        left = add(t, kind, left, parse_product(t));
    }
    return left;
}

int parse_compare(Tree* t) {
    int left = parse_sum(t);
    static const struct { char first, second; NodeKind kind; } ops[] = {
        { '<', '=', LESS_EQUAL }, { '>', '=', GREATER_EQUAL }, { '=', '=', EQUAL },
        { '!', '=', NOT_EQUAL },  { '<', 0, LESS },            { '>', 0, GREATER },
    };
    for (const auto& op : ops) {
        bool match = op.second ? next_pair_is(t, op.first, op.second) : next_is(t, op.first);
        if (!match) continue;
        t->at += op.second ? 2 : 1;
        return add(t, op.kind, left, parse_sum(t));
    }
    return left;
}

int parse_and(Tree* t) {
    int left = parse_compare(t);
    while (next_pair_is(t, '&', '&')) {
        t->at += 2;
        left = add(t, AND, left, parse_compare(t));
    }
    return left;
}

int parse_or(Tree* t) {
    int left = parse_and(t);
    while (next_pair_is(t, '|', '|')) {
        t->at += 2;
        left = add(t, OR, left, parse_and(t));
    }
    return left;
}

int parse_choice(Tree* t) {
    int cond = parse_or(t);
    if (!next_is(t, '?')) return cond;
    t->at++;
    int then_part = parse_choice(t);
    bool missing_colon = !next_is(t, ':');
    if (!missing_colon) t->at++;
    int else_part = parse_choice(t);
    int c = add(t, CHOICE, cond, then_part, else_part);
    t->nodes[(size_t)c].broken = missing_colon;
    return c;
}

// ---- the generator ----

uint64_t next_random(uint64_t* state) {  // splitmix64
    uint64_t z = (*state += 0x9e3779b97f4a7c15ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

int below(uint64_t* state, int n) { return (int)(next_random(state) % (uint64_t)n); }

template <size_t N>
const char* one_of(uint64_t* state, const char* const (&list)[N]) {
    return list[below(state, (int)N)];
}

void blank(uint64_t* s, std::string* out) {
    static const char* const blanks[] = { "", "", "", "", " ", " ", "  ", "\t", "\n", "\r", " \r\n\t" };
    out->append(one_of(s, blanks));
}

void number(uint64_t* s, std::string* out) {
    static const char* const fixed[] = {
        "0", "0", "1", "2", "3", "10", "0.5", ".5", "5.", "1.5", "2.5", "-0", "1e3", "1E-3", "1e", "1e+",
        "0x10", "0X1p4", "0x", "0x.8", ".", "0.0", "0e5", ".0", "1e308", "1e309", "4.9e-324", "1e-400",
        "12345678901234567890", "9007199254740993", "0.1", "0.3", "140", "72", "0.85", "1.012", "0.9938",
        "0.7", "142", "2.0689655172413794", "00012", "1e22", "1e23", "7.", "1..2",
    };
    if (below(s, 3)) {
        out->append(one_of(s, fixed));
        return;
    }
    int digits = 1 + below(s, 6);
    for (int i = 0; i < digits; i++) *out += (char)('0' + below(s, 10));
    if (below(s, 2)) {
        *out += '.';
        digits = below(s, 5);
        for (int i = 0; i < digits; i++) *out += (char)('0' + below(s, 10));
    }
    if (below(s, 4) == 0) {
        *out += 'e';
        if (below(s, 2)) *out += '-';
        *out += (char)('0' + below(s, 10));
    }
}

void name(const ToolDef* tool, uint64_t* s, std::string* out) {
    static const char* const others[] = {
        "UOSM", "unknown", "x", "_", "a1", "sqrt", "min", "abs",
        "k012345678901234567890123456789012345678901234567890123456789ab",   // 63 characters
        "k012345678901234567890123456789012345678901234567890123456789abc",  // 64 characters
    };
    int which = below(s, 10);
    if (which <= 4 && tool->input_count > 0) out->append(tool->inputs[below(s, tool->input_count)].key);
    else if (which <= 7 && tool->output_count > 0) out->append(tool->outputs[below(s, tool->output_count)].key);
    else out->append(one_of(s, others));
}

void expression(const ToolDef* tool, uint64_t* s, int depth, std::string* out);

void operand(const ToolDef* tool, uint64_t* s, int depth, std::string* out) {
    static const char* const prefixes[] = { "-", "+", "!", "--", "+-+", "- " };
    static const char* const functions1[] = {
        "sqrt", "abs", "log", "log10", "exp", "floor", "ceil", "round", "cbrt", "sign", "min", "foo",
    };
    static const char* const functions2[] = { "min", "max", "pow", "mod", "min", "max", "pow", "mod", "sqrt", "bar",
                                              "choose" };
    static const char* const functions_n[] = { "choose", "choose", "choose", "min", "choice" };
    int choice = depth <= 0 ? below(s, 2) : below(s, 8) + (below(s, 12) == 0);
    blank(s, out);
    switch (choice) {
    case 0: number(s, out); break;
    case 1: name(tool, s, out); break;
    case 2: case 3:
        out->append(one_of(s, prefixes));
        operand(tool, s, depth - 1, out);
        break;
    case 4: case 5:
        *out += '(';
        expression(tool, s, depth - 1, out);
        blank(s, out);
        if (below(s, 12)) *out += ')';
        break;
    case 6: case 7: {
        int args = below(s, 10) == 0 ? (below(s, 2) ? 0 : 3 + below(s, 4)) : 1 + below(s, 2);
        out->append(args >= 3 ? one_of(s, functions_n) : args == 2 ? one_of(s, functions2) : one_of(s, functions1));
        blank(s, out);
        *out += '(';
        for (int i = 0; i < args; i++) {
            if (i) *out += ',';
            expression(tool, s, depth - 1, out);
            blank(s, out);
        }
        if (below(s, 12)) *out += ')';
        break;
    }
    default: {
        static const char* const strays[] = { "", "*", "=", "&", "|", ")", ",", "\v", "\f", "\x80", "#", "?" };
        out->append(one_of(s, strays));
        break;
    }
    }
}

void expression(const ToolDef* tool, uint64_t* s, int depth, std::string* out) {
    static const char* const binary[] = {
        "+", "-", "*", "/", "%", "^", "+", "-", "*", "/", "+", "-", "*", "/", "+", "-", "*", "/",
        "<", "<=", ">", ">=", "==", "!=", "&&", "||",
    };
    static const char* const broken[] = { "**", "=", "&", "|", "< =", "<>", "!", "&&&", "===", "^^", "//" };
    operand(tool, s, depth, out);
    int more = depth <= 0 ? below(s, 2) : below(s, 4);
    for (int i = 0; i < more; i++) {
        blank(s, out);
        if (below(s, 8) == 0) {
            *out += '?';
            expression(tool, s, depth - 1, out);
            blank(s, out);
            if (below(s, 10)) *out += ':';
        } else {
            out->append(below(s, 16) ? one_of(s, binary) : one_of(s, broken));
        }
        operand(tool, s, depth - 1, out);
    }
}

}  // namespace

// Parses and evaluates `text`, counting its faults by kind; `no_values` parses by the grammar alone.
static double run(const ToolDef* tool, const char* text, const double* input_values,
                  const double* output_values, bool no_values, OracleFaults* faults) {
    *faults = {};
    if (!text || !*text) {
        faults->form = 1;
        return 0.0;
    }
    Tree t{};
    t.tokens = tokenise(text);
    t.tool = tool;
    t.inputs = input_values;
    t.outputs = output_values;
    t.no_values = no_values;
    int root = parse_choice(&t);
    if (peek(&t).kind != 'E') faults->form++;
    double v = evaluate(&t, root, faults);
    if (isnan(v) || isinf(v)) faults->domain++;
    return v;
}

double oracle_eval_faults(const ToolDef* tool, const char* text, const double* input_values,
                          const double* output_values, OracleFaults* faults) {
    return run(tool, text, input_values, output_values, false, faults);
}

double oracle_eval(const ToolDef* tool, const char* text, const double* input_values,
                   const double* output_values, int* failed_out) {
    OracleFaults faults;
    double v = run(tool, text, input_values, output_values, false, &faults);
    *failed_out = faults.form || faults.domain ? 1 : 0;
    return v;
}

bool oracle_form_fault(const ToolDef* tool, const char* text) {
    static const double zeros[MAX_VALUES] = {};
    OracleFaults faults;
    run(tool, text, zeros, zeros, true, &faults);
    return faults.form > 0;
}

void oracle_generate(const ToolDef* tool, uint64_t* state, std::string* out) {
    expression(tool, state, below(state, 4), out);
    blank(state, out);
    // Now and then one character deleted, doubled or replaced, to reach the faults no rule above writes.
    int mutate = below(state, 16);
    if (mutate == 0 && !out->empty()) {
        out->erase((size_t)below(state, (int)out->size()), 1);
    } else if (mutate == 1 && !out->empty()) {
        size_t at = (size_t)below(state, (int)out->size());
        out->insert(at, 1, (*out)[at]);
    } else if (mutate == 2 && !out->empty()) {
        static const char alphabet[] = "0123456789.eExX+-*/%^()<>=!&|?:, \t\v_az";
        (*out)[(size_t)below(state, (int)out->size())] = alphabet[below(state, (int)sizeof alphabet - 1)];
    }
}

static const ToolInput many_inputs[] = {
    { "a", L"a", L"", 1 },        { "b", L"b", L"", 2 },       { "c", L"c", L"", 3 },
    { "A", L"A", L"", 4 },        { "_", L"_", L"", 5 },       { "x_1", L"x_1", L"", 6 },
    { "_y2", L"_y2", L"", 7 },    { "age", L"age", L"", 8 },   { "weight", L"w", L"", 9 },
    { "scr", L"scr", L"", 10 },   { "female", L"f", L"", 11 }, { "shared", L"s", L"", 12 },
    { "k012345678901234567890123456789012345678901234567890123456789ab", L"k", L"", 13 },
    { "uosm", L"u", L"", 14 },    { "sosm", L"s", L"", 15 },   { "z", L"z", L"", 16 },
};
static const ToolOutput many_outputs[] = {
    { "o0", L"o", L"", "a", nullptr },      { "o1", L"o", L"", "a", nullptr },
    { "shared", L"o", L"", "a", nullptr },  { "twice", L"o", L"", "a", nullptr },
    { "twice", L"o", L"", "a", nullptr },   { "ratio", L"o", L"", "a", nullptr },
    { "o6", L"o", L"", "a", nullptr },      { "o7", L"o", L"", "a", nullptr },
    { "o8", L"o", L"", "a", nullptr },      { "o9", L"o", L"", "a", nullptr },
    { "o10", L"o", L"", "a", nullptr },     { "o11", L"o", L"", "a", nullptr },
    { "o12", L"o", L"", "a", nullptr },     { "o13", L"o", L"", "a", nullptr },
    { "egfr", L"o", L"", "a", nullptr },    { "last", L"o", L"", "a", nullptr },
};
static const ToolRule many_rules[] = { { "", 0, L"" } };
static const ToolDef many_key_tool = {
    9001, L"keys", nullptr, L"", L"", nullptr, dimof(many_inputs), many_inputs, dimof(many_outputs),
    many_outputs, dimof(many_rules), many_rules, 0,
};

const ToolDef* oracle_many_key_tool() { return &many_key_tool; }
