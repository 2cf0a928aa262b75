// Tests of input_values_read: how box texts become values, and that a refused field commits nothing.
#include <gtest/gtest.h>
#include <math.h>

#include "engine/input_values.h"

static const ToolInput inputs[] = {
    { "a", L"甲", L"", 1.0 }, { "b", L"乙", L"", 2.0 }, { "c", L"丙", L"", 3.0 },
};
static const ToolDef three_inputs = { 1, L"三项", nullptr, L"测试科", L"无", nullptr,
                                      3, inputs, 0, nullptr, 0, nullptr, 0 };

TEST(InputValuesRead, AcceptedOrRefusedField) {
    static const double OLD = -7.25;
    static const struct {
        const char*    label;
        const wchar_t* texts[3];
        int            refused;
        double         values[3];  // after the call; OLD where nothing may change
    } cases[] = {
        { "plain numbers",            { L"600", L"290", L"1.5" },       -1, { 600, 290, 1.5 } },
        { "empty and blanks are 0",   { L"", L"   ", L"\t" },           -1, { 0, 0, 0 } },
        { "trailing letters ignored", { L"12abc", L"abc", L" 3e2x" },  -1, { 12, 0, 300 } },
        { "hexadecimal",              { L"0x10", L"-0x1p1", L"1e-3" },  -1, { 16, -2, 0.001 } },
        { "full-width digits are 0",  { L"６００", L"2", L"3" },        -1, { 0, 2, 3 } },
        { "overflow refused",         { L"5", L"1e999", L"3" },          1, { OLD, OLD, OLD } },
        { "inf refused",              { L"inf", L"2", L"3" },            0, { OLD, OLD, OLD } },
        { "signed infinity refused",  { L"1", L"2", L"-Infinity" },      2, { OLD, OLD, OLD } },
        { "nan refused",              { L"1", L" +nan", L"3" },          1, { OLD, OLD, OLD } },
        { "first refused reported",   { L"1", L"nan", L"inf" },          1, { OLD, OLD, OLD } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        double values[MAX_VALUES];
        for (double& v : values) v = OLD;
        EXPECT_EQ(c.refused, input_values_read(&three_inputs, c.texts, values));
        for (int i = 0; i < 3; i++) EXPECT_EQ(c.values[i], values[i]) << "field " << i;
        EXPECT_EQ(OLD, values[3]);
    }
}

// The case the all-or-none rule exists for: an accepted calculation, then a refused one whose first
// field changed. The values stay those of the accepted calculation.
TEST(InputValuesRead, RefusedCalculationKeepsTheLastAcceptedValues) {
    double values[MAX_VALUES] = {};
    const wchar_t* accepted[] = { L"600", L"290", L"1" };
    const wchar_t* refused[] = { L"900", L"inf", L"1" };
    ASSERT_EQ(-1, input_values_read(&three_inputs, accepted, values));
    EXPECT_EQ(1, input_values_read(&three_inputs, refused, values));
    EXPECT_EQ(600, values[0]);
    EXPECT_EQ(290, values[1]);
}
