// Tests of format_value and the civil-date conversions.
#include <gtest/gtest.h>
#include <math.h>

#include "base/civil_date.h"
#include "base/format.h"

TEST(FormatValue, Codes) {
    static const struct { const char* code; double value; const wchar_t* text; } cases[] = {
        { "f2",    2.0689655172413794, L"2.07" },
        { nullptr, 2.0689655172413794, L"2.07" },
        { "F2x",   2.0689655172413794, L"2.07" },
        { "f0",    2.0689655172413794, L"2" },
        { "f1",    2.0689655172413794, L"2.1" },
        { "f3",    2.0689655172413794, L"2.069" },
        { "int",   2.0689655172413794, L"2" },
        { "pct",   2.0689655172413794, L"2.1%" },
        { "date",  2.0689655172413794, L"1970-01-03" },
        { "int",   2.5,                L"2" },   // ties to even on the exact value
        { "int",   3.5,                L"4" },
        { "int",   2.7,                L"3" },
        { "f0",    0.5,                L"0" },
        { "f2",    1.005,              L"1.00" },  // 1.005 is stored just below 1.005
        { "pct",   12.345,             L"12.3%" },
        { "f2",    -0.001,             L"-0.00" },
        { "f2",    -0.0,               L"-0.00" },
        { "f2",    1e20,               L"100000000000000000000.00" },
        { "date",  0,                  L"1970-01-01" },
        { "date",  0.9,                L"1970-01-01" },
        { "date",  -0.9,               L"1970-01-01" },
        { "date",  -1,                 L"1969-12-31" },
        { "date",  -719468,            L"0000-03-01" },
        { "date",  -719469,            L"0000-02-29" },
        { "date",  -719529,            L"-001-12-31" },
        { "date",  2932897,            L"10000-01-01" },
        { "date",  HUGE_VAL,           L"--" },
        { "wd",    228,                L"32周4天" },
        { "wd",    6.9,                L"0周6天" },
        { "wd",    -3,                 L"-0周3天" },
        { "wd",    NAN,                L"--" },
        { "f2",    NAN,                L"--" },
        { "pct",   -HUGE_VAL,          L"--" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.code ? c.code : "(null)") << " " << c.value);
        wchar_t text[128];
        format_value(c.code, c.value, text, 128);
        EXPECT_STREQ(c.text, text);
    }
}

// A finite value whose text would not fit the 80-byte narrow buffer prints "--", never a cut number.
TEST(FormatValue, TooLongForTheNarrowBuffer) {
    static const struct { const char* code; double value; const wchar_t* text; } cases[] = {
        { "f2",   1e76,    L"--" },   // 77 digits + ".00" = 80 characters: one too many
        { "f2",   5e75,    L"5000000000000000235300672479527347945779800703933315382139354767449124765696.00" },  // 79: fits exactly
        { "f0",   -1e78,   L"--" },
        { "date", 9.3e18,  L"--" },
        { "date", -9.3e18, L"--" },
        { "f2",   1.7976931348623157e308, L"--" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.code << " " << c.value);
        wchar_t text[128];
        format_value(c.code, c.value, text, 128);
        EXPECT_STREQ(c.text, text);
    }
}

TEST(FormatValue, StaysWithinCapacity) {
    wchar_t text[8];
    for (auto& ch : text) ch = L'#';
    format_value("f2", 123456.789, text, 6);
    EXPECT_STREQ(L"12345", text);
    EXPECT_EQ(L'#', text[6]);
    EXPECT_EQ(L'#', text[7]);
}

TEST(CivilDates, Anchors) {
    static const struct { int y, m, d; int64_t days; } cases[] = {
        { 1970, 1, 1, 0 },
        { 1969, 12, 31, -1 },
        { 0, 3, 1, -719468 },
        { 0, 2, 29, -719469 },
        { 2000, 2, 29, 11016 },
        { 2026, 12, 7, 20794 },
        { 2028, 2, 29, 21243 },
        { 1900, 3, 1, -25508 },
        { -1, 12, 31, -719529 },
        { 10000, 1, 1, 2932897 },
        { -4713, 11, 24, -2440588 },  // Julian day 0 in the proleptic Gregorian calendar
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.y << "-" << c.m << "-" << c.d);
        EXPECT_EQ(c.days, days_from_civil(c.y, c.m, c.d));
        CivilDate date = civil_from_days(c.days);
        EXPECT_EQ(c.y, date.year);
        EXPECT_EQ(c.m, date.month);
        EXPECT_EQ(c.d, date.day);
    }
}

// Every day of years -2000 to 4000 round-trips, and consecutive days follow each other by the calendar.
TEST(CivilDates, RoundTripOverSixThousandYears) {
    const int64_t first = days_from_civil(-2000, 1, 1), last = days_from_civil(4000, 12, 31);
    CivilDate prev = civil_from_days(first - 1);
    for (int64_t n = first; n <= last; n++) {
        CivilDate d = civil_from_days(n);
        ASSERT_EQ(n, days_from_civil((int32_t)d.year, (int32_t)d.month, (int32_t)d.day)) << n;
        bool next_day = d.year == prev.year && d.month == prev.month && d.day == prev.day + 1;
        bool next_month = d.year == prev.year && d.month == prev.month + 1 && d.day == 1;
        bool next_year = d.year == prev.year + 1 && d.month == 1 && d.day == 1 && prev.month == 12 && prev.day == 31;
        ASSERT_TRUE(next_day || next_month || next_year) << n;
        prev = d;
    }
}

TEST(CivilDates, ExtremeDayNumbersStayDefined) {
    wchar_t text[64];
    EXPECT_GT(civil_date_print(9200000000000000000LL, text, 64), 0);
    EXPECT_GT(civil_date_print(-9200000000000000000LL, text, 64), 0);
    EXPECT_EQ(L'-', text[0]);
}

TEST(CivilDatePrint, CutsAtCapacity) {
    wchar_t text[12];
    EXPECT_EQ(10, civil_date_print(0, text, 11));
    EXPECT_STREQ(L"1970-01-01", text);
    EXPECT_EQ(-1, civil_date_print(0, text, 10));
    EXPECT_STREQ(L"1970-01-0", text);
}

// The value a rule judges: rounded half up to the printed digits, the way the expression language's
// round() does it (floor(x * 10^d + 0.5) / 10^d); days drop their fraction toward zero.
TEST(ValueAsPrinted, RoundsHalfUpToThePrintedDigits) {
    static const struct { const char* code; double value; double judged; } cases[] = {
        { "f1",    18.45,   18.5 },   // printf would show 18.4 (the double lies below); judged and shown 18.5
        { "f1",    18.44,   18.4 },
        { "f0",    2.5,     3 },
        { "f0",    -2.5,    -2 },
        { "int",   449.5,   450 },
        { "f2",    1.005,   1.01 },   // stored just below 1.005: counts as the half, as by hand
        { "f2",    1.00499, 1 },
        { "f0",    70.0 / 100 * 713 - 20 / 0.8 - 274.6, 200 },  // 199.5 by hand, a hair below in binary
        { "f0",    -2.4999999, -2 },
        { nullptr, 2.345,   2.35 },
        { "f3",    0.0005,  0.001 },
        { "pct",   12.345,  12.3 },
        { "date",  20521.9, 20521 },
        { "wd",    -3.5,    -3 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.code ? c.code : "(null)") << " " << c.value);
        EXPECT_EQ(c.judged, value_as_printed(c.code, c.value));
    }
    EXPECT_TRUE(isnan(value_as_printed("f1", NAN)));
}
