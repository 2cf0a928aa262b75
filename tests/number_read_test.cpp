// Tests of the number readers: the evaluator's number operands and the input boxes' text.
#include <gtest/gtest.h>
#include <math.h>
#include <string.h>

#include "base/number_read.h"

TEST(InputTextValue, Texts) {
    static const struct { const wchar_t* text; double value; } cases[] = {
        { L"",           0 },
        { L"    ",       0 },
        { L"600",        600 },
        { L"  290",      290 },
        { L"\t5",        5 },
        { L"12abc",      12 },     // the rest of the text is ignored
        { L"abc",        0 },      // no number at the start
        { L"1,5",        1 },      // "." is the only decimal point
        { L"+3",         3 },
        { L"-.5e1",      -5 },
        { L"0x10",       16 },
        { L"0x1.8p1",    3 },
        { L"1e-400",     0 },
        { L"５",         0 },      // a full-width digit is no number
        { L"7５",        7 },
        { L"\u30007",    0 },      // an ideographic space is not skipped
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value);
        EXPECT_EQ(c.value, input_text_value(c.text));
    }
}

// Text that starts like a number but holds none is +0 in both builds (mingw's strtod gives -0 for
// some); "-0" is a number, minus zero.
TEST(InputTextValue, NoNumberIsPlusZero) {
    static const struct { const wchar_t* text; bool negative; } cases[] = {
        { L"-x", false }, { L"- 5", false }, { L"-.", false }, { L"-e5", false }, { L"+", false },
        { L"-", false }, { L" -abc", false }, { L"-0", true }, { L"-0.0e3", true },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (int)c.text[1]);
        double v = input_text_value(c.text);
        EXPECT_EQ(0.0, v);
        EXPECT_EQ(c.negative, (bool)signbit(v));
    }
}

// These are refused by the calculate command, so they must come back as infinity or NaN.
TEST(InputTextValue, NonFiniteForms) {
    static const wchar_t* const texts[] = { L"inf", L"-INF", L"Infinity", L"nan", L"-nan", L"NaN(1)", L"1e999", L" -1e400x" };
    for (const wchar_t* text : texts) {
        SCOPED_TRACE(testing::Message() << (int)text[0]);
        EXPECT_FALSE(isfinite(input_text_value(text)));
    }
}

TEST(NumberRead, ExtentAndValue) {
    static const struct { const char* text; double value; int extent; } cases[] = {
        { "1e3+",   1000,  3 },
        { ".5)",    0.5,   2 },
        { "5.",     5,     2 },
        { "0x10*",  16,    4 },
        { "0x",     0,     1 },
        { "1e",     1,     1 },
        { "1e-x",   1,     1 },
        { ".",      0,     0 },
        { "2.0689655172413794", 2.0689655172413794, 18 },
        { "123456789012345678901234567890", 1.2345678901234568e29, 30 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const char* end = nullptr;
        EXPECT_EQ(c.value, number_read(c.text, &end));
        EXPECT_EQ(c.extent, (int)(end - c.text));
    }
}
