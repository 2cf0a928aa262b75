// Tests of the number readers: the evaluator's number operands and the input boxes' text.
#include <gtest/gtest.h>
#include <math.h>
#include <string.h>
#include <wchar.h>

#include <random>
#include <string>

#include "base/dimof.h"
#include "base/number_read.h"

// Texts taken whole as one decimal number; the value compared bit for bit, so the sign of zero counts.
TEST(InputTextValue, AcceptedTexts) {
    static const struct { const wchar_t* text; double value; } cases[] = {
        { L"600",                  600 },
        { L"  290 ",               290 },    // blanks around
        { L"\t5\t",                5 },
        { L"\u30007\u3000",        7 },      // the ideographic space of a full-width input method
        { L"+3",                   3 },
        { L"-1.5",                 -1.5 },
        { L".5",                   0.5 },
        { L"5.",                   5 },
        { L"007",                  7 },
        { L"-0",                   -0.0 },
        { L"2.0689655172413794",   2.0689655172413794 },
        { L"１５５",               155 },    // full-width digits
        { L"６０．５",             60.5 },   // full-width point
        { L"60。5",                60.5 },   // the "." key in Chinese punctuation mode
        { L"－１２",               -12 },    // full-width minus
        { L"＋1",                  1 },
        { L"7５",                  75 },     // half and full width mixed, as a switch mid-number gives
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value);
        double v = input_text_value(c.text);
        EXPECT_EQ(c.value, v);
        EXPECT_EQ(signbit(c.value), signbit(v));
    }
}

// Every other text is NaN, which the calculate command refuses with "请输入数字" and the box focused.
TEST(InputTextValue, RefusedTexts) {
    static const wchar_t* const texts[] = {
        L"6O", L"60kg", L"60 kg", L"60,5", L"60，5", L"1 2", L"1.2.3", L"5-", L"--5", L"+-5", L"- 5",
        L"1e3", L"1E3", L"1e", L"-.5e1", L"1e-400", L"1e999", L"inf", L"-INF", L"Infinity", L"nan",
        L"NaN(1)", L"0x10", L"0x1.8p1", L"+", L"-", L".", L"-.", L"。", L"", L"   ", L"abc", L"５中",
        L"\u2212" L"5", L"1\u00A0", L"\u0665",  // minus sign, no-break space, Arabic-Indic five
    };
    for (const wchar_t* text : texts) {
        SCOPED_TRACE(testing::Message() << "text of " << wcslen(text) << " characters starting "
                                        << (int)text[0]);
        EXPECT_TRUE(isnan(input_text_value(text)));
    }
}

TEST(InputTextValue, LongestNumberIsABoxFull) {
    std::wstring text(INPUT_NUMBER_MAX_CHARS, L'9');
    EXPECT_EQ(1e127, input_text_value((L"  " + text + L"  ").c_str()));
    EXPECT_TRUE(isnan(input_text_value((text + L"9").c_str())));
}

// What a box shows for a default: the plain decimal that reads back as the value itself.
TEST(InputTextPrint, PlainDecimalThatReadsBack) {
    static const struct { double value; const wchar_t* text; } cases[] = {
        { 600, L"600" },          { 0.5, L"0.5" },           { 0.1, L"0.1" },
        { 1234567, L"1234567" },  { 123456.7, L"123456.7" },  // "%.6g" shows 1.23457e+06 and 123457
        { 1e-7, L"0.0000001" },   { -12.25, L"-12.25" },     { -0.0, L"-0" },
        { 2.0689655172413794, L"2.0689655172413794" },
        { 1e200, L"9.9999999999999997e+199" },  // past a box: "%.17g", which the reader refuses
        { INFINITY, L"inf" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value);
        wchar_t text[64];
        input_text_print(c.value, text, 64);
        EXPECT_STREQ(c.text, text);
    }
}

// Values of every digit count and scale a definition may give read back exactly from their text.
TEST(InputTextPrint, RoundTripsThroughTheReader) {
    std::mt19937_64 rng(20261208);
    wchar_t text[INPUT_NUMBER_MAX_CHARS + 1];
    for (int round = 0; round < 20000; round++) {
        double value = (double)(int64_t)(rng() % 100000000000ull) / pow(10.0, (double)(rng() % 16));
        if (rng() % 3 == 0) value = -value;
        if (rng() % 5 == 0) value = ldexp((double)(rng() >> 11), (int)(rng() % 80) - 90);
        ASSERT_GE(input_text_print(value, text, dimof(text)), 0);
        ASSERT_EQ(value, input_text_value(text)) << value;
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
