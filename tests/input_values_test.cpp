// Tests of input_values_read: how box texts become values, and that a refused field commits nothing.
#include <gtest/gtest.h>
#include <math.h>

#include "base/number_read.h"
#include "base/wtext.h"
#include "engine/input_values.h"
#include "tools/catalogue.h"

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
        { "full-width digits read",   { L"６００", L"６０．５", L"－3" }, -1, { 600, 60.5, -3 } },
        { "letter O for zero refused", { L"6O", L"2", L"3" },            0, { OLD, OLD, OLD } },
        { "unit after it refused",    { L"1", L"60kg", L"3" },           1, { OLD, OLD, OLD } },
        { "decimal comma refused",    { L"1", L"2", L"60,5" },           2, { OLD, OLD, OLD } },
        { "hexadecimal refused",      { L"0x10", L"2", L"3" },           0, { OLD, OLD, OLD } },
        { "exponent refused",         { L"1", L"1e-3", L"3" },           1, { OLD, OLD, OLD } },
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
        InputEntry entries[3];
        for (int i = 0; i < 3; i++) entries[i] = { c.texts[i], -1 };
        EXPECT_EQ(c.refused, input_values_read(&three_inputs, entries, values).field);
        for (int i = 0; i < 3; i++) EXPECT_EQ(c.values[i], values[i]) << "field " << i;
        EXPECT_EQ(OLD, values[3]);
    }
}

// The case the all-or-none rule exists for: an accepted calculation, then a refused one whose first
// field changed. The values stay those of the accepted calculation.
TEST(InputValuesRead, RefusedCalculationKeepsTheLastAcceptedValues) {
    double values[MAX_VALUES] = {};
    const InputEntry accepted[] = { { L"600", -1 }, { L"290", -1 }, { L"1", -1 } };
    const InputEntry refused[] = { { L"900", -1 }, { L"inf", -1 }, { L"1", -1 } };
    ASSERT_EQ(-1, input_values_read(&three_inputs, accepted, values).field);
    EXPECT_EQ(1, input_values_read(&three_inputs, refused, values).field);
    EXPECT_EQ(600, values[0]);
    EXPECT_EQ(290, values[1]);
}

// Each kind of input: what its control holds, the value taken, or the refusal and its message.
static const ToolOption SEX[] = { { L"男", 1 }, { L"女", 2 } };
static const ToolInput kinds[] = {
    number_input("scr", L"血肌酐", L"μmol/L", 80, START_EMPTY),
    choice_input("sex", L"性别", SEX, 1, START_EMPTY),
    check_input("chf", L"心力衰竭", 2),
    date_input("lmp", L"末次月经", 20000),
    { "w", L"体重", L"kg", 60 },
};
static const ToolDef kind_tool = { 2, L"各类输入", nullptr, L"测试科", L"无", nullptr, 5, kinds, 0, nullptr, 0, nullptr, 0 };

TEST(InputValuesRead, EveryKind) {
    static const double OLD = -7.25;
    static const struct {
        const char*    label;
        InputEntry     entries[5];
        double         values[5];   // when accepted
        int            field;       // refused field, -1 for none
        const wchar_t* message;     // of the refusal
    } cases[] = {
        { "all entered", { { L"88", 0 }, { L"", 1 }, { L"", 1 }, { L"2026-03-09", 0 }, { L"", 0 } },
          { 88, 2, 2, 20521, 0 }, -1, L"" },
        { "unticked, first option, date with slashes and full-width digits",
          { { L"88", 0 }, { L"", 0 }, { L"", 0 }, { L" ２０２６/3/9 ", 0 }, { L"70", 0 } }, { 88, 1, 0, 20521, 70 }, -1, L"" },
        { "Chinese date", { { L"1", 0 }, { L"", 0 }, { L"", 0 }, { L"2026年3月9日", 0 }, { L"", 0 } },
          { 1, 1, 0, 20521, 0 }, -1, L"" },
        { "empty number that starts empty", { { L" ", 0 }, { L"", 0 }, { L"", 0 }, { L"2026-03-09", 0 }, { L"", 0 } },
          {}, 0, L"第 1 项“血肌酐”尚未填写，请输入。" },
        { "no option chosen", { { L"80", 0 }, { L"", -1 }, { L"", 0 }, { L"2026-03-09", 0 }, { L"", 0 } },
          {}, 1, L"第 2 项“性别”尚未选择，请选择。" },
        { "option out of range", { { L"80", 0 }, { L"", 2 }, { L"", 0 }, { L"2026-03-09", 0 }, { L"", 0 } },
          {}, 1, L"第 2 项“性别”尚未选择，请选择。" },
        { "date that does not exist", { { L"80", 0 }, { L"", 0 }, { L"", 0 }, { L"2026-02-29", 0 }, { L"", 0 } },
          {}, 3, L"第 4 项“末次月经”请输入有效日期，如 2026-03-09。" },
        { "date as text", { { L"80", 0 }, { L"", 0 }, { L"", 0 }, { L"昨天", 0 }, { L"", 0 } },
          {}, 3, L"第 4 项“末次月经”请输入有效日期，如 2026-03-09。" },
        { "two-digit year", { { L"80", 0 }, { L"", 0 }, { L"", 0 }, { L"26-03-09", 0 }, { L"", 0 } },
          {}, 3, L"第 4 项“末次月经”请输入有效日期，如 2026-03-09。" },
        { "empty date", { { L"80", 0 }, { L"", 0 }, { L"", 0 }, { L"", 0 }, { L"", 0 } },
          {}, 3, L"第 4 项“末次月经”尚未填写，请输入。" },
        { "number refused after the others", { { L"80", 0 }, { L"", 0 }, { L"", 0 }, { L"2026-03-09", 0 }, { L"inf", 0 } },
          {}, 4, L"第 5 项“体重”请输入数字。" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        double values[MAX_VALUES];
        for (double& v : values) v = OLD;
        InputReading r = input_values_read(&kind_tool, c.entries, values);
        EXPECT_EQ(c.field, r.field);
        for (int i = 0; i < 5; i++) EXPECT_EQ(c.field < 0 ? c.values[i] : OLD, values[i]) << "field " << i;
        wchar_t message[256];
        input_refusal_message(&kind_tool, r, message, 256);
        EXPECT_STREQ(c.message, message);
    }
}

// The window shows a number input's default as "%.6g" prints it; that text must read back as a number,
// or calculating a form left at its defaults would be refused (1e-05 and 1e+06 would be).
TEST(InputValuesRead, EveryDefaultAsTheBoxShowsItIsANumber) {
    for (int t = 0; t < CATALOGUE_COUNT; t++) {
        const ToolDef* tool = CATALOGUE[t].get();
        for (int i = 0; i < tool->input_count; i++) {
            if (tool->inputs[i].kind != INPUT_NUMBER) continue;
            wchar_t text[64];
            wformat(text, 64, L"%.6g", tool->inputs[i].default_value);
            EXPECT_TRUE(isfinite(input_text_value(text))) << "tool " << CATALOGUE[t].number << " input " << i + 1;
        }
    }
}
