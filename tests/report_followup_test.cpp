// Tests of the follow-up plan: visit dates from a given today (month end, year end, 29 February),
// the bounds, and the wiring of the local clock.
#include <gtest/gtest.h>

#include "base/civil_date.h"
#include "base/format.h"
#include "platform/platform.h"
#include "report_tool.h"

static const ToolInput FOLLOWUP_INPUTS[] = {
    { "start", L"首次间隔", L"天", 7 },
    { "gap",   L"随访间隔", L"天", 7 },
    { "times", L"次数",     L"次", 3 },
};

static const wchar_t FOLLOWUP_CONTENT[] =
    L"内容：症状与体征、用药依从性、复查项目、并发症预警、是否需要提前复诊。\r\n";

// As report_build would, with both texts emptied first.
static void run_followup_on(int64_t today, const ToolDef& tool, const double* values, ReportRun* run) {
    run->text[0] = 0;
    run->verdict[0] = 0;
    run->level = report_followup_on(today, &tool, values, run->text, REPORT_CAP, run->verdict, VERDICT_CAP);
}

TEST(ReportFollowup, WeeklyFromSeventhOfDecemberWholeText) {
    const double values[] = { 7, 7, 3 };
    ReportRun run;
    run_followup_on(days_from_civil(2026, 12, 7), report_tool(7, FOLLOWUP_INPUTS), values, &run);
    EXPECT_EQ(std::wstring(L"随访节点（以今天为基准，起始第 7 天，间隔 7 天，共 3 次）：\r\n"
                           L"第 1 次：2026-12-14\r\n"
                           L"第 2 次：2026-12-21\r\n"
                           L"第 3 次：2026-12-28\r\n") +
                  FOLLOWUP_CONTENT,
              run.text);
    EXPECT_STREQ(L"随访计划已生成，可按日期短信提醒患者", run.verdict);
    EXPECT_EQ(0, run.level);
}

TEST(ReportFollowup, DatesFollowTheCalendar) {
    static const struct {
        const char*    label;
        int            year, month, day;
        double         start, gap, times;
        const wchar_t* heading;
        const wchar_t* last;  // the last visit line
    } cases[] = {
        { "month end",      2026, 1, 30,  1, 1,   3,  L"随访节点（以今天为基准，起始第 1 天，间隔 1 天，共 3 次）：", L"第 3 次：2026-02-02" },
        { "year end",       2026, 12, 28, 7, 7,   1,  L"随访节点（以今天为基准，起始第 7 天，间隔 7 天，共 1 次）：", L"第 1 次：2027-01-04" },
        { "29 February",    2028, 2, 27,  1, 1,   2,  L"随访节点（以今天为基准，起始第 1 天，间隔 1 天，共 2 次）：", L"第 2 次：2028-02-29" },
        { "no 29 Feb 2100", 2100, 2, 27,  1, 1,   2,  L"随访节点（以今天为基准，起始第 1 天，间隔 1 天，共 2 次）：", L"第 2 次：2100-03-01" },
        { "start -3",       2026, 3, 2,   -3, 7,  1,  L"随访节点（以今天为基准，起始第 -3 天，间隔 7 天，共 1 次）：", L"第 1 次：2026-02-27" },
        { "gap 0 is 7",     2026, 3, 2,   0, 0,   2,  L"随访节点（以今天为基准，起始第 0 天，间隔 7 天，共 2 次）：", L"第 2 次：2026-03-09" },
        { "gap -2 is 7",    2026, 3, 2,   0, -2,  2,  L"随访节点（以今天为基准，起始第 0 天，间隔 7 天，共 2 次）：", L"第 2 次：2026-03-09" },
        { "gap 1.9 is 1",   2026, 3, 2,   0, 1.9, 2,  L"随访节点（以今天为基准，起始第 0 天，间隔 1 天，共 2 次）：", L"第 2 次：2026-03-03" },
        { "times 25 is 20", 2026, 3, 2,   0, 1,   25, L"随访节点（以今天为基准，起始第 0 天，间隔 1 天，共 20 次）：", L"第 20 次：2026-03-21" },
        { "times 0 is 1",   2026, 3, 2,   0, 1,   0,  L"随访节点（以今天为基准，起始第 0 天，间隔 1 天，共 1 次）：", L"第 1 次：2026-03-02" },
    };
    const ToolDef tool = report_tool(7, FOLLOWUP_INPUTS);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const double values[] = { c.start, c.gap, c.times };
        ReportRun run;
        run_followup_on(days_from_civil(c.year, c.month, c.day), tool, values, &run);
        const int count = line_count(run.text) - 2;
        EXPECT_EQ(std::wstring(c.heading), line_at(run.text, 0));
        EXPECT_EQ(std::wstring(c.last), line_at(run.text, count));
        EXPECT_EQ(std::wstring(FOLLOWUP_CONTENT, wcslen(FOLLOWUP_CONTENT) - 2), line_at(run.text, count + 1));
    }
}

TEST(ReportFollowup, ReportBuildDatesFromTheLocalClock) {
    // The date is read before and after, so a run across midnight still has one date to match.
    LocalTime before = platform_local_time();
    ReportRun run;
    run_report(report_tool_bare(7), nullptr, &run);
    LocalTime after = platform_local_time();
    wchar_t first[32], second[32];
    civil_date_print(days_from_civil(before.year, before.month, before.day), first, 32);
    civil_date_print(days_from_civil(after.year, after.month, after.day), second, 32);
    const std::wstring visit = line_at(run.text, 1);
    EXPECT_TRUE(visit == std::wstring(L"第 1 次：") + first || visit == std::wstring(L"第 1 次：") + second)
        << "visit line: " << testing::PrintToString(visit);
    EXPECT_EQ(3, line_count(run.text));
}
