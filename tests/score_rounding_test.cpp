// The rounding the bedside scores rely on (tools 132 APACHE II, 137 SOFA): a value compared against a
// table's bands is first rounded half up to the table's precision by the language's round(x*10^p),
// and the band must be the one the typed digits give by hand. Checked for every typed value near a
// half (tails ...49, ...5, ...51 of one to three more decimals) over each score input's plausible range.
#include <gtest/gtest.h>
#include <stdint.h>

#include <string>

#include "base/number_read.h"
#include "engine/expr.h"

namespace {

const ToolInput INPUTS[] = { { "x", L"x", L"", 0.0 } };
const ToolDef TOOL = { 999, L"t", nullptr, L"c", L"r", nullptr, 1, INPUTS, 0, nullptr, 0, nullptr, 0 };

struct RoundedInput {
    const char* what;       // the score input and its table
    int64_t     low, high;  // plausible range in units of the table's precision
    int         precision;  // decimals the table is printed with
    const char* formula;    // the score's rounding of the input
};

// Ranges and formulas as tools 132 and 137 write them.
const RoundedInput ROUNDED[] = {
    // what                            low   high    precision  formula
    { "APACHE II temperature 0.1",     250,  450,    1,         "round(x*10)" },
    { "APACHE II potassium 0.1",       10,   100,    1,         "round(x*10)" },
    { "APACHE II haematocrit 0.1",     50,   800,    1,         "round(x*10)" },
    { "APACHE II white cells 0.1",     0,    3000,   1,         "round(x*10)" },
    { "APACHE II pH 0.01",             650,  800,    2,         "round(x*100)" },
    { "APACHE II MAP, HR, RR, Na 1",   1,    300,    0,         "round(x)" },
    { "creatinine, bilirubin 1",       1,    3000,   0,         "round(x)" },
};

// The typed text of n × 10^-decimals, n ≥ 0, decimals ≥ 1: "38.45" for (3845, 2).
std::wstring typed_text(int64_t n, int decimals) {
    std::wstring digits = std::to_wstring(n);
    if ((int)digits.size() <= decimals) digits.insert(0, decimals + 1 - digits.size(), L'0');
    return digits.insert(digits.size() - decimals, L".");
}

TEST(ScoreRounding, HalfUpOnTheTypedDigits) {
    int checked = 0;
    for (const RoundedInput& r : ROUNDED) {
        SCOPED_TRACE(r.what);
        for (int extra = 1; extra <= 3; extra++) {
            int64_t step = 1;  // one unit of the table's precision, in typed units
            for (int i = 0; i < extra; i++) step *= 10;
            int64_t half = step / 2;
            for (int64_t unit = r.low; unit < r.high; unit++) {
                for (int64_t tail : { half - 1, half, half + 1 }) {
                    int64_t n = unit * step + tail;
                    std::wstring text = typed_text(n, r.precision + extra);
                    double inputs[MAX_VALUES] = { input_text_value(text.c_str()) };
                    double outputs[MAX_VALUES] = {};
                    int failed = 0;
                    double rounded = expr_eval(&TOOL, r.formula, inputs, outputs, &failed);
                    int64_t by_hand = (n + half) / step;  // half up on the digits typed
                    ASSERT_EQ(0, failed);
                    ASSERT_EQ((double)by_hand, rounded) << "typed " << n << " x 10^-" << r.precision + extra;
                    checked++;
                }
            }
        }
    }
    EXPECT_GT(checked, 50000);
}

}  // namespace
