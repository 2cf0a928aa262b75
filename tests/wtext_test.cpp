// Tests of the bounded wide-text writers: exact fit, one short, zero capacity, guards past the end.
#include <gtest/gtest.h>

#include "base/wtext.h"

namespace {
const wchar_t GUARD = L'#';
void fill(wchar_t* text, int n) { for (int i = 0; i < n; i++) text[i] = GUARD; }
}  // namespace

TEST(Wformat, Capacities) {
    // "ab：12.5%" plus a char argument: 9 characters.
    static const struct { int cap; int ret; const wchar_t* text; } table[] = {
        { 16, 9,  L"ab：12.5%x" },
        { 10, 9,  L"ab：12.5%x" },   // exactly fits
        { 9,  -1, L"ab：12.5%" },    // one short
        { 2,  -1, L"a" },
        { 1,  -1, L"" },
    };
    for (const auto& c : table) {
        SCOPED_TRACE(c.cap);
        wchar_t text[20];
        fill(text, 20);
        EXPECT_EQ(c.ret, wformat(text, c.cap, L"%ls：%.1f%%%c", L"ab", 12.46, 'x'));
        EXPECT_STREQ(c.text, text);
        for (int i = c.cap; i < 20; i++) ASSERT_EQ(GUARD, text[i]) << i;
    }
    wchar_t text[4];
    fill(text, 4);
    EXPECT_EQ(-1, wformat(text, 0, L"x"));
    EXPECT_EQ(GUARD, text[0]);
}

TEST(Wformat, NumbersPrintTheSameInBothBuilds) {
    static const struct { const wchar_t* format; double value; const wchar_t* text; } cases[] = {
        { L"%.0f", 2.5,       L"2" },
        { L"%.0f", 0.5,       L"0" },
        { L"%g",   1234567,   L"1.23457e+06" },
        { L"%g",   1e-7,      L"1e-07" },
        { L"%g",   0.1,       L"0.1" },
        { L"%.6g", 600,       L"600" },
        { L"%.6g", 1e300,     L"1e+300" },
        { L"%g",   -0.0,      L"-0" },
        { L"%.2f", 1e-320,    L"0.00" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        wchar_t text[64];
        wformat(text, 64, c.format, c.value);
        EXPECT_STREQ(c.text, text);
    }
    wchar_t text[64];
    wformat(text, 64, L"%04lld-%02d|%ls|%c", -1LL, 7, L"血", 'D');
    EXPECT_STREQ(L"-001-07|血|D", text);
}

TEST(TextCopyAppend, RoomRule) {
    wchar_t text[8];
    fill(text, 8);
    EXPECT_EQ(3, text_copy(text, 6, L"abc"));
    EXPECT_EQ(2, text_append(text, 6, L"defg"));  // only two more fit before the terminator
    EXPECT_STREQ(L"abcde", text);
    EXPECT_EQ(0, text_append(text, 6, L"x"));       // full: nothing
    EXPECT_STREQ(L"abcde", text);
    EXPECT_EQ(GUARD, text[6]);
    EXPECT_EQ(0, text_append(text, 6, nullptr));
    EXPECT_EQ(0, text_copy(text, 6, nullptr));
    EXPECT_STREQ(L"", text);
    EXPECT_EQ(0, text_copy(text, 0, L"abc"));
    EXPECT_EQ(0, text_length(nullptr));
    EXPECT_EQ(2, text_length(L"血液"));
}
