// expr_eval against the reference evaluator in tests/oracle on generated expressions over the whole
// grammar, for the built-in tool and a tool with many keys, at ordinary, zero, signed-zero, huge and
// non-finite values. Value bit for bit (any NaN equals any NaN) and the failed flag must agree.
#include <gtest/gtest.h>

#include <math.h>
#include <stdint.h>
#include <string.h>

#include <string>

#include "engine/expr.h"
#include "tests/oracle/expr_oracle.h"

static bool same_value(double x, double y) {
    if (isnan(x) && isnan(y)) return true;
    return memcmp(&x, &y, sizeof x) == 0;
}

// The text with control and non-ASCII bytes escaped, for the failure message.
static std::string visible(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c >= 32 && c < 127) {
            out += (char)c;
        } else {
            char hex[8];
            snprintf(hex, sizeof hex, "\\x%02x", c);
            out += hex;
        }
    }
    return out;
}

// The reference evaluator itself, on rows whose outcome the language's definition states: a wrong
// reference would let the product's faults through.
TEST(ExprOracle, ReferenceGivesTheDefinedOutcomes) {
    static const struct { const char* text; double value; int failed; } cases[] = {
        { "uosm/sosm", 600.0 / 290.0, 0 }, { "1/0+2", 2, 1 },     { "2^3^2", 512, 0 },
        { "-2^2", 4, 0 },                  { "2^-1", 0.5, 0 },     { "--2", 2, 0 },
        { "+-+2", -2, 0 },                 { "2**3", 2, 1 },       { "1<2<3", 1, 1 },
        { "uosm=sosm", 600, 1 },           { "-7%3", -1, 0 },      { "7%-3", 1, 0 },
        { "5.5%2", 1.5, 0 },               { "7%0", 0, 1 },        { "mod(7,0)", 0, 1 },
        { "round(-2.5)", -2, 0 },          { "cbrt(64)", 3.9999999999999996, 0 },
        { "cbrt(-8)", -2, 0 },             { "sqrt (4)", 2, 0 },   { "exp(1000)>0", 1, 0 },
        { "min(1)", 0, 1 },                { "min(1,2,3)", 1, 1 }, { "uosm (2)", 0, 1 },
        { "choose(2,5,6,7)", 6, 0 },       { "choose(4,5,6)", 0, 1 }, { "choose(1)", 0, 1 },
        { "choose(1.5,5,6)", 0, 1 },       { "choose(1,5,1/0)", 5, 1 },
        { "(1+2", 3, 1 },                  { "!0^2", 1, 0 },       { "0 && 1/0", 0, 1 },
        { "UOSM", 0, 1 },                  { "ratio", 0, 0 },      { "", 0, 1 },
        { "1e", 1, 1 },                    { ".", 0, 1 },          { "0x10", 16, 0 },
        { "1\t+\r\n2", 3, 0 },             { "1\v+2", 1, 1 },      { "1?2", 2, 1 },
        { "1/0*3", 0, 1 },                 { "(1/0*3)+4", 0, 1 },  { "*3", 0, 1 },
        { "1!==2", 1, 1 },                 { "1< =2", 0, 1 },      { "0 ? 1 : 2 ? 3 : 4", 3, 0 },
    };
    const ToolDef* tool = tool_get();
    const double inputs[MAX_VALUES] = { 600, 290 };
    const double outputs[MAX_VALUES] = {};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        int failed = -1;
        double v = oracle_eval(tool, c.text, inputs, outputs, &failed);
        EXPECT_EQ(c.value, v);
        EXPECT_EQ(c.failed, failed);
    }
}

// Value sets the generated expressions run against: ordinary clinical values, zeros of both signs
// (zero divisors, sign of zero), ±1, huge and tiny magnitudes, infinities and NaN.
static void fill_values(uint64_t round, double* inputs, double* outputs) {
    static const double pool[] = {
        600, 290, 0, -0.0, 1, -1, 2, 0.5, 3, 1e308, -1e308, 1e-310, 72, 0.85, 140, 1.5,
        INFINITY, -INFINITY, NAN, 2.0689655172413794, 7, -7, 0.1, 4e-320,
    };
    const int n = (int)(sizeof pool / sizeof pool[0]);
    uint64_t x = round * 0x9e3779b97f4a7c15ull + 1;
    for (int i = 0; i < MAX_VALUES; i++) {
        x ^= x >> 33;
        x *= 0xff51afd7ed558ccdull;
        x ^= x >> 29;
        // Mostly ordinary values, so that longer expressions do not all collapse to NaN.
        int slot = (int)(x % (uint64_t)n);
        inputs[i] = (round % 4 == 0) ? pool[slot] : pool[slot % 16];
        outputs[i] = pool[(slot + 5) % 16];
    }
}

static void compare_on_generated(const ToolDef* tool, uint64_t seed, int rounds) {
    uint64_t state = seed;
    std::string text;
    double inputs[MAX_VALUES], outputs[MAX_VALUES];
    int disagreements = 0, failures = 0;
    for (int round = 0; round < rounds; round++) {
        text.clear();
        oracle_generate(tool, &state, &text);
        fill_values((uint64_t)round, inputs, outputs);
        int want_failed = -1, got_failed = -1;
        double want = oracle_eval(tool, text.c_str(), inputs, outputs, &want_failed);
        double got = expr_eval(tool, text.c_str(), inputs, outputs, &got_failed);
        failures += want_failed;
        if (want_failed != got_failed || !same_value(want, got)) {
            ADD_FAILURE() << "\"" << visible(text) << "\" (round " << round << "): reference " << want
                          << " failed " << want_failed << ", product " << got << " failed " << got_failed;
            if (++disagreements == 10) return;
        }
    }
    // The generator must reach both outcomes in good numbers, or the comparison proves little.
    EXPECT_GT(failures, rounds / 10);
    EXPECT_LT(failures, rounds - rounds / 10);
}

TEST(ExprOracle, ProductAgreesOnGeneratedExpressionsOverTheBuiltInTool) {
    compare_on_generated(tool_get(), 115, 60000);
}

TEST(ExprOracle, ProductAgreesOnGeneratedExpressionsOverManyKeys) {
    compare_on_generated(oracle_many_key_tool(), 9001, 60000);
}
