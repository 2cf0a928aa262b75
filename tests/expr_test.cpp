// Tests of the expression evaluator: the edge-case table, lexical rules, precedence pinned by
// parenthesised twins, name resolution and the one- and two-argument functions.
#include <gtest/gtest.h>
#include <math.h>

#include "base/dimof.h"
#include "engine/expr.h"

namespace {

const ToolInput INPUTS[] = {
    { "uosm", L"尿渗透压", L"mOsm/L", 600.0 },
    { "sosm", L"血渗透压", L"mOsm/L", 290.0 },
};
const ToolOutput OUTPUTS[] = {
    { "ratio", L"尿/血比值", L"", "uosm/sosm", "f2" },
};
const ToolDef TOOL = { 115, L"t", nullptr, L"c", L"r", nullptr, 2, INPUTS, 1, OUTPUTS, 0, nullptr, 0 };

struct ExprCase {
    const char* text;
    double      value;
    int         failed;
    double      sosm;  // value of the second input
};

void check_cases(const ExprCase* cases, int count) {
    for (int i = 0; i < count; i++) {
        const ExprCase& c = cases[i];
        SCOPED_TRACE(c.text ? c.text : "(null)");
        double inputs[MAX_VALUES] = { 600, c.sosm };
        double outputs[MAX_VALUES] = {};
        int failed = -1;
        double v = expr_eval(&TOOL, c.text, inputs, outputs, &failed);
        EXPECT_EQ(c.failed, failed);
        if (isnan(c.value)) EXPECT_TRUE(isnan(v));
        else EXPECT_EQ(c.value, v);  // exact: the evaluator must give these bit for bit
    }
}

const double INF = HUGE_VAL;

}  // namespace

TEST(ExprEval, EdgeCases) {
    static const ExprCase cases[] = {
        { "uosm/sosm",                 2.0689655172413794, 0, 290 },
        { "uosm/sosm",                 0,                  1, 0 },
        { "sosm>0 ? uosm/sosm : 0",    0,                  1, 0 },  // the then-part is evaluated too
        { "1/0+2",                     2,                  1, 290 },
        { "2^3^2",                     512,                0, 290 },
        { "-2^2",                      4,                  0, 290 },
        { "2^-1",                      0.5,                0, 290 },
        { "--2",                       2,                  0, 290 },
        { "+-+2",                      -2,                 0, 290 },
        { "2**3",                      2,                  1, 290 },
        { "1<2<3",                     1,                  1, 290 },
        { "uosm=sosm",                 600,                1, 290 },
        { "7%3",                       1,                  0, 290 },
        { "-7%3",                      -1,                 0, 290 },
        { "7%-3",                      1,                  0, 290 },
        { "5.5%2",                     1.5,                0, 290 },
        { "7%0",                       0,                  1, 290 },
        { "mod(7,0)",                  0,                  1, 290 },
        { "round(2.5)",                3,                  0, 290 },
        { "round(-2.5)",               -2,                 0, 290 },
        { "cbrt(27)",                  3,                  0, 290 },
        { "cbrt(64)",                  3.9999999999999996, 0, 290 },
        { "cbrt(-8)",                  -2,                 0, 290 },
        { "sign(0)",                   0,                  0, 290 },
        { "sign(-3)",                  -1,                 0, 290 },
        { "abs(-3)",                   3,                  0, 290 },
        { "sqrt(-1)",                  0,                  1, 290 },
        { "sqrt (4)",                  2,                  0, 290 },
        { "log(0)",                    0,                  1, 290 },
        { "log10(-5)",                 0,                  1, 290 },
        { "exp(1000)",                 INF,                1, 290 },
        { "exp(1000)>0",               1,                  0, 290 },
        { "min(2,1)",                  1,                  0, 290 },
        { "min(1)",                    0,                  1, 290 },
        { "min(1,2,3)",                1,                  1, 290 },
        { "choose(2, 10, 20, 30)",     20,                 0, 290 },
        { "choose(3, 10, 20, 30)",     30,                 0, 290 },
        { "choose(0, 10, 20)",         0,                  1, 290 },
        { "choose(3, 10, 20)",         0,                  1, 290 },
        { "choose(1.5, 10, 20)",       0,                  1, 290 },
        { "choose(1)",                 0,                  1, 290 },
        { "choose(1, 10, 1/0)",        10,                 1, 290 },
        { "choose(1, 10, 20",          10,                 1, 290 },
        { "2*choose(1+1, 1, 2)^2",     8,                  0, 290 },
        { "foo(1)",                    0,                  1, 290 },
        { "uosm (2)",                  0,                  1, 290 },
        { "(1+2",                      3,                  1, 290 },
        { "!0",                        1,                  0, 290 },
        { "!5",                        0,                  0, 290 },
        { "!0^2",                      1,                  0, 290 },
        { "1 && 0",                    0,                  0, 290 },
        { "0 && 1/0",                  0,                  1, 290 },
        { "UOSM",                      0,                  1, 290 },
        { "ratio",                     0,                  0, 290 },
        { "",                          0,                  1, 290 },
        { nullptr,                     0,                  1, 290 },
    };
    check_cases(cases, dimof(cases));
}

TEST(ExprEval, LexicalRules) {
    static const ExprCase cases[] = {
        { "1e3",            1000, 0, 290 },
        { ".5",             0.5,  0, 290 },
        { "5.",             5,    0, 290 },
        { "0x10",           16,   0, 290 },
        { "0x1p4",          16,   0, 290 },
        { "0x",             0,    1, 290 },  // strtod reads "0"; the x is unexpected text
        { "1e",             1,    1, 290 },
        { "1e+",            1,    1, 290 },
        { ".",              0,    1, 290 },
        { "\t1 +\r\n2 ",    3,    0, 290 },  // tab, CR and LF are whitespace
        { "1 +\v2",         1,    1, 290 },  // vertical tab is not
        { "1 +\f2",         1,    1, 290 },  // nor form feed
        { "1 < = 2",        0,    1, 290 },  // two-character operators must be adjacent
        { "1 & 1",          1,    1, 290 },
        { "1 | 1",          1,    1, 290 },
        { "1 == 1",         1,    0, 290 },
        { "1 != 1",         0,    0, 290 },
        { "2 >= 2",         1,    0, 290 },
        { "2 <= 1",         0,    0, 290 },
        { "uosm\xC3\xA9",   600,  1, 290 },  // bytes above 127 are no name characters
        { "_x",             0,    1, 290 },
        { "1 ? 2",          2,    1, 290 },  // missing ':' fails, the else-part is then parsed as if present
    };
    check_cases(cases, dimof(cases));
}

TEST(ExprEval, LongNamesFailEvenWhenTheirPrefixIsAKey) {
    static const char key63[] = "k23456789012345678901234567890123456789012345678901234567890123";
    static_assert(sizeof key63 - 1 == MAX_KEY_CHARS, "63-character key");
    const ToolInput inputs[] = { { key63, L"长", nullptr, 0 } };
    const ToolDef tool = { 1, L"t", nullptr, L"c", L"r", nullptr, 1, inputs, 0, nullptr, 0, nullptr, 0 };
    double in[MAX_VALUES] = { 7 }, out[MAX_VALUES] = {};
    int failed = -1;
    EXPECT_EQ(7, expr_eval(&tool, key63, in, out, &failed));
    EXPECT_EQ(0, failed);
    char key64[80];
    snprintf(key64, sizeof key64, "%s4", key63);
    EXPECT_EQ(7, expr_eval(&tool, key64, in, out, &failed));
    EXPECT_EQ(1, failed);
}

// Each expression must equal its explicitly parenthesised twin, value and flag.
TEST(ExprEval, PrecedenceMatchesParenthesisedTwin) {
    static const struct { const char* plain; const char* twin; } cases[] = {
        { "1+2*3",             "1+(2*3)" },
        { "2*3^2",             "2*(3^2)" },
        { "2^3^2",             "2^(3^2)" },
        { "-2^2",              "(-2)^2" },
        { "10-4-3",            "(10-4)-3" },
        { "100/10/5",          "(100/10)/5" },
        { "7%4*3",             "(7%4)*3" },
        { "1+2<4",             "(1+2)<4" },
        { "1<2 && 3<2",        "(1<2) && (3<2)" },
        { "1 || 0 && 0",       "1 || (0 && 0)" },
        { "0 ? 1 : 0 ? 2 : 3", "0 ? 1 : (0 ? 2 : 3)" },
        { "1 ? 0 ? 4 : 5 : 6", "1 ? (0 ? 4 : 5) : 6" },
        { "!1+1",              "(!1)+1" },
        { "2*-3",              "2*(-3)" },
    };
    double in[MAX_VALUES] = { 600, 290 }, out[MAX_VALUES] = {};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.plain);
        int f1 = -1, f2 = -1;
        double a = expr_eval(&TOOL, c.plain, in, out, &f1);
        double b = expr_eval(&TOOL, c.twin, in, out, &f2);
        EXPECT_EQ(b, a);
        EXPECT_EQ(f2, f1);
        EXPECT_EQ(0, f1);
    }
}

TEST(ExprEval, TruthValuesAndNaN) {
    // pow(-1, 0.5) is NaN: true as a condition, "!" of it is 0, comparisons are false but "!=".
    static const ExprCase cases[] = {
        { "(-1)^0.5 ? 1 : 2",   1, 0, 290 },
        { "!((-1)^0.5)",        0, 0, 290 },
        { "(-1)^0.5 == 0",      0, 0, 290 },
        { "(-1)^0.5 != 0",      1, 0, 290 },
        { "(-1)^0.5 < 1",       0, 0, 290 },
        { "(-1)^0.5 && 1",      1, 0, 290 },
        { "min((-1)^0.5, 3)",   3, 0, 290 },  // a NaN in either place yields b
        { "max(3, (-1)^0.5)",   NAN, 1, 290 },
        { "sqrt((-1)^0.5)",     NAN, 1, 290 },  // domain tests let NaN through
        { "sign((-1)^0.5)",     0, 0, 290 },
        { "-0 ? 1 : 2",         2, 0, 290 },  // negative zero is false
        { "5/(-1)^0.5",         NAN, 1, 290 },  // a NaN divisor is not zero
        { "0 || 0",             0, 0, 290 },
        { "2 || 0",             1, 0, 290 },
    };
    check_cases(cases, dimof(cases));
}

TEST(ExprEval, ZeroDivisorDropsTheWholeProduct) {
    static const ExprCase cases[] = {
        { "3*4/0*5",      0, 1, 290 },
        { "1 + 3*4/0*5",  1, 1, 290 },
        { "3*4/-0",       0, 1, 290 },
        { "8/sosm",       0, 1, 0 },
    };
    check_cases(cases, dimof(cases));
}

TEST(ExprEval, OutputsReadAsGivenAndFirstKeyWins) {
    const ToolInput inputs[] = { { "a", L"A", nullptr, 0 }, { "a", L"A2", nullptr, 0 }, { "b", L"B", nullptr, 0 } };
    const ToolOutput outputs[] = { { "b", L"out b", nullptr, "1", nullptr }, { "c", L"out c", nullptr, "1", nullptr } };
    const ToolDef tool = { 1, L"t", nullptr, L"c", L"r", nullptr, 3, inputs, 2, outputs, 0, nullptr, 0 };
    double in[MAX_VALUES] = { 1, 2, 3 }, out[MAX_VALUES] = { 10, 20 };
    static const struct { const char* text; double value; } cases[] = {
        { "a", 1 },   // first of two equal input keys
        { "b", 3 },   // an input shadows an output of that key
        { "c", 20 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        int failed = -1;
        EXPECT_EQ(c.value, expr_eval(&tool, c.text, in, out, &failed));
        EXPECT_EQ(0, failed);
    }
}

TEST(ExprCall1, FunctionTable) {
    static const struct { const char* name; double x; double value; int failed; } cases[] = {
        { "sqrt",  16,    4,    0 },
        { "sqrt",  -1,    0,    1 },
        { "abs",   -0.0,  0,    0 },
        { "log",   1,     0,    0 },
        { "log",   0,     0,    1 },
        { "log10", 1000,  3,    0 },
        { "log10", -1,    0,    1 },
        { "exp",   0,     1,    0 },
        { "floor", -1.5,  -2,   0 },
        { "ceil",  -1.5,  -1,   0 },
        { "round", -0.5,  0,    0 },
        { "round", 0.49999999999999994, 1, 0 },  // floor(x + 0.5), as designed
        { "cbrt",  0,     0,    0 },
        { "sign",  2,     1,    0 },
        { "Sqrt",  4,     0,    1 },
        { "min",   4,     0,    1 },  // a two-argument name called with one argument
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int failed = 0;
        EXPECT_EQ(c.value, expr_call1(c.name, c.x, &failed));
        EXPECT_EQ(c.failed, failed);
    }
    int failed = 1;
    expr_call1("abs", 1, &failed);
    EXPECT_EQ(1, failed);  // a success leaves the flag alone
    EXPECT_TRUE(signbit(expr_call1("abs", -0.0, &failed)) == 0);
}
