// Tests of the dosing time schedule: heading, entries (minutes truncated), bounds and replacements.
#include <gtest/gtest.h>
#include <math.h>

#include "report_tool.h"

static const ToolInput DOSING_INPUTS[] = {
    { "start",    L"首剂时间", L"时",   8 },
    { "interval", L"间隔",     L"小时", 8 },
    { "times",    L"次数",     L"次",   3 },
};

static const wchar_t DOSING_NOTE[] = L"说明：按等间隔给药；抗菌药物需结合半衰期与肾肝功能调整。\r\n";

TEST(ReportDosing, EightHourlyFromEightWholeText) {
    const double values[] = { 8, 8, 3 };
    ReportRun run;
    run_report(report_tool(2, DOSING_INPUTS), values, &run);
    EXPECT_EQ(std::wstring(L"首剂时间 8:00，间隔 8 小时，共 3 次：\r\n"
                           L"第1天 08:00  |  第1天 16:00  |  第2天 00:00\r\n") +
                  DOSING_NOTE,
              run.text);
    EXPECT_STREQ(L"给药时间表已生成，注意首剂与夜间给药时间", run.verdict);
    EXPECT_EQ(0, run.level);
}

TEST(ReportDosing, WithoutParametersOneDoseAtMidnight) {
    ReportRun run;
    run_report(report_tool_bare(2), nullptr, &run);
    EXPECT_EQ(std::wstring(L"首剂时间 0:00，间隔 8 小时，共 1 次：\r\n第1天 00:00\r\n") + DOSING_NOTE, run.text);
}

TEST(ReportDosing, HeadingAndEntriesFollowTheParameters) {
    static const struct {
        const char*    label;
        double         start, interval, times;
        const wchar_t* heading;
        const wchar_t* entries;
    } cases[] = {
        { "interval 0 becomes 8",   0,    0,    2, L"首剂时间 0:00，间隔 8 小时，共 2 次：",
          L"第1天 00:00  |  第1天 08:00" },
        { "interval -6 becomes 8",  0,    -6,   2, L"首剂时间 0:00，间隔 8 小时，共 2 次：",
          L"第1天 00:00  |  第1天 08:00" },
        { "start -3 becomes 0",     -3,   12,   2, L"首剂时间 0:00，间隔 12 小时，共 2 次：",
          L"第1天 00:00  |  第1天 12:00" },
        { "start 7.5 is 7:30",      7.5,  12,   2, L"首剂时间 7:30，间隔 12 小时，共 2 次：",
          L"第1天 07:30  |  第1天 19:30" },
        { "start 30 is day 2",      30,   6,    2, L"首剂时间 30:00，间隔 6 小时，共 2 次：",
          L"第2天 06:00  |  第2天 12:00" },
        { "interval 8.2 gives 08:11", 0,  8.2,  3, L"首剂时间 0:00，间隔 8.2 小时，共 3 次：",
          L"第1天 00:00  |  第1天 08:11  |  第1天 16:23" },
        { "interval 1.5",           23,   1.5,  2, L"首剂时间 23:00，间隔 1.5 小时，共 2 次：",
          L"第1天 23:00  |  第2天 00:30" },
        { "times 2.99 is 2",        6,    8,    2.99, L"首剂时间 6:00，间隔 8 小时，共 2 次：",
          L"第1天 06:00  |  第1天 14:00" },
        { "times 0 is 1",           6,    8,    0, L"首剂时间 6:00，间隔 8 小时，共 1 次：",
          L"第1天 06:00" },
        // Not finite: no clock time exists, so the replacements of out-of-range values apply.
        { "start NaN becomes 0",    NAN,  8,    1, L"首剂时间 0:00，间隔 8 小时，共 1 次：",
          L"第1天 00:00" },
        { "start infinity becomes 0", INFINITY, 8, 1, L"首剂时间 0:00，间隔 8 小时，共 1 次：",
          L"第1天 00:00" },
        { "interval infinity becomes 8", 0, INFINITY, 2, L"首剂时间 0:00，间隔 8 小时，共 2 次：",
          L"第1天 00:00  |  第1天 08:00" },
        // A day count beyond int prints whole: 1e11 hours is day 4166666667 at 16:00.
        { "start 1e11 hours",       1e11, 8,    1, L"首剂时间 100000000000:00，间隔 8 小时，共 1 次：",
          L"第4166666667天 16:00" },
        { "start -0 is 0:00",       -0.0, 8,    1, L"首剂时间 0:00，间隔 8 小时，共 1 次：",
          L"第1天 00:00" },
    };
    const ToolDef tool = report_tool(2, DOSING_INPUTS);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const double values[] = { c.start, c.interval, c.times };
        ReportRun run;
        run_report(tool, values, &run);
        EXPECT_EQ(std::wstring(c.heading), line_at(run.text, 0));
        EXPECT_EQ(std::wstring(c.entries), line_at(run.text, 1));
        EXPECT_EQ(3, line_count(run.text));
    }
}

TEST(ReportDosing, TimesAbove30GiveThirtyEntries) {
    const double values[] = { 9, 24, 45 };
    ReportRun run;
    run_report(report_tool(2, DOSING_INPUTS), values, &run);
    EXPECT_EQ(L"首剂时间 9:00，间隔 24 小时，共 30 次：", line_at(run.text, 0));
    std::wstring expected;
    for (int day = 1; day <= 30; day++) {
        wchar_t entry[32];
        swprintf(entry, 32, L"第%d天 09:00", day);
        expected += (day > 1 ? L"  |  " : L"") + std::wstring(entry);
    }
    EXPECT_EQ(expected, line_at(run.text, 1));
}

TEST(ReportDosing, CutInsideTheEntriesDropsTheRest) {
    const double values[] = { 8, 8, 3 };
    const int cap = 26 + 9 + 5 + 3 + 1;  // heading and CR LF, an entry, a separator, 3 characters
    ReportRun run;
    run.text[cap] = L'#';
    run_report(report_tool(2, DOSING_INPUTS), values, &run, cap);
    EXPECT_STREQ(L"首剂时间 8:00，间隔 8 小时，共 3 次：\r\n第1天 08:00  |  第1天", run.text);
    EXPECT_EQ(L'#', run.text[cap]);
}

// A dose time that overflows to infinity has no clock time; the doses before it still print.
TEST(ReportDosing, DoseTimeBeyondInfinityPrintsNoClockTime) {
    const double values[] = { 0, 1e308, 3 };
    ReportRun run;
    run_report(report_tool(2, DOSING_INPUTS), values, &run);
    std::wstring entries = line_at(run.text, 1);
    EXPECT_EQ(0u, entries.find(L"第1天 00:00  |  第"));
    const std::wstring last = L"  |  第--天 --:--";
    ASSERT_GE(entries.size(), last.size());
    EXPECT_EQ(last, entries.substr(entries.size() - last.size()));
    EXPECT_EQ(3, line_count(run.text));
}

// Numbers of any size print whole: 1e80 hours is a day of 79 digits, an interval of 1e100 hours has
// 101 digits; every entry keeps its day and clock time.
TEST(ReportDosing, HugeStartAndIntervalPrintWhole) {
    static const struct { const char* label; double start, interval; size_t day_digits, interval_digits; } cases[] = {
        { "start 1e80",     1e80, 8,     79,  1 },
        { "interval 1e100", 0,    1e100, 99,  101 },  // the second dose's day: 1e100 / 24
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const double values[] = { c.start, c.interval, 2 };
        ReportRun run;
        run_report(report_tool(2, DOSING_INPUTS), values, &run);
        std::wstring heading = line_at(run.text, 0), entries = line_at(run.text, 1);
        size_t from = heading.find(L"间隔 ") + 3, to = heading.find(L" 小时");
        EXPECT_EQ(c.interval_digits, to - from) << heading;
        size_t second = entries.rfind(L"第") + 1, day_end = entries.rfind(L"天 ");
        EXPECT_EQ(c.day_digits, day_end - second) << entries;
        EXPECT_EQ(L':', entries[entries.size() - 3]) << entries;
        EXPECT_EQ(entries.size() - 7, day_end) << entries;  // "天 hh:mm" ends the line
    }
}
