// Tests of the shift rota: whole texts, the rotation (rest after every night, each shift to one nurse
// in three), the rule line's count, the bounds and the longest rota.
#include <gtest/gtest.h>

#include "report_tool.h"

static const ToolInput ROTA_INPUTS[] = {
    { "nurses", L"人数", L"人", 3 },
    { "days",   L"天数", L"天", 7 },
};

// The rule line with the nurses on each shift of a day.
static std::wstring rota_rule(const wchar_t* per_shift) {
    return std::wstring(L"排班规则：三班轮转（白班 D / 夜班 N / 休息 R），每人按 D、N、R 循环，夜班后休息；每日每班 ") +
           per_shift + L" 人，按人员顺序滚动。\r\n";
}
static const wchar_t ROTA_HINT[] =
    L"\r\n提示：连续夜班不超过 2 个，夜班后应安排休息；请按科室实际人数与能级调整。\r\n";

TEST(ReportRota, ThreeNursesOverThreeDays) {
    const double values[] = { 3, 3 };
    ReportRun run;
    run_report(report_tool(1, ROTA_INPUTS), values, &run);
    EXPECT_EQ(rota_rule(L"1") +
                  L"人员：3 人；周期：3 天\r\n"
                  L"\r\n"
                  L"护士01：\r\n"
                  L"  1日D 2日N 3日R \r\n"
                  L"护士02：\r\n"
                  L"  1日N 2日R 3日D \r\n"
                  L"护士03：\r\n"
                  L"  1日R 2日D 3日N \r\n" +
                  ROTA_HINT,
              run.text);
    EXPECT_STREQ(L"已生成轮转排班表，可复制到排班本或表格", run.verdict);
    EXPECT_EQ(0, run.level);
}

TEST(ReportRota, WithoutParametersOneNurseOneDay) {
    ReportRun run;
    run_report(report_tool_bare(1), nullptr, &run);
    EXPECT_EQ(rota_rule(L"0～1") + L"人员：1 人；周期：1 天\r\n\r\n护士01：\r\n  1日D \r\n" + ROTA_HINT,
              run.text);
}

TEST(ReportRota, FourthNurseRepeatsTheFirst) {
    const double values[] = { 4, 2 };
    ReportRun run;
    run_report(report_tool(1, ROTA_INPUTS), values, &run);
    EXPECT_EQ(L"  1日D 2日N ", line_at(run.text, 4));
    EXPECT_EQ(L"护士04：", line_at(run.text, 9));
    EXPECT_EQ(L"  1日D 2日N ", line_at(run.text, 10));
}

TEST(ReportRota, SummaryPrintsTheBoundedCounts) {
    static const struct {
        const char*    label;
        double         nurses, days;
        const wchar_t* summary;
    } cases[] = {
        { "0.5 nurses is 1",  0.5, 5,    L"人员：1 人；周期：5 天" },
        { "41 nurses is 40",  41,  5,    L"人员：40 人；周期：5 天" },
        { "100 nurses is 40", 100, 5,    L"人员：40 人；周期：5 天" },
        { "31.9 days is 31",  2,   31.9, L"人员：2 人；周期：31 天" },
        { "32 days is 31",    2,   32,   L"人员：2 人；周期：31 天" },
        { "-4 days is 1",     2,   -4,   L"人员：2 人；周期：1 天" },
        { "1e10 days is 1",   2,   1e10, L"人员：2 人；周期：1 天" },
    };
    const ToolDef tool = report_tool(1, ROTA_INPUTS);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const double values[] = { c.nurses, c.days };
        ReportRun run;
        run_report(tool, values, &run);
        EXPECT_EQ(std::wstring(c.summary), line_at(run.text, 1));
    }
}

// For every team size over the longest period: every nurse rests the day after a night shift, each day
// gives each shift to n / 3 nurses (rounded down or up), and the rule line says how many.
TEST(ReportRota, RestFollowsEveryNightAndEachShiftTakesAThird) {
    const ToolDef tool = report_tool(1, ROTA_INPUTS);
    for (int n = 1; n <= 40; n++) {
        SCOPED_TRACE(n);
        const double values[] = { (double)n, 31 };
        static ReportRun run;
        run_report(tool, values, &run);
        int on_shift[31][3] = {};
        for (int i = 0; i < n; i++) {
            std::wstring cells = line_at(run.text, 4 + 2 * i);
            wchar_t previous = 0;
            for (int day = 1; day <= 31; day++) {
                wchar_t cell[16];
                swprintf(cell, 16, L" %d日", day);
                size_t at = cells.find(cell);
                ASSERT_NE(std::wstring::npos, at) << "nurse " << i + 1 << " day " << day;
                wchar_t shift = cells[at + wcslen(cell)];
                if (previous == L'N') EXPECT_EQ(L'R', shift) << "nurse " << i + 1 << " day " << day;
                on_shift[day - 1][shift == L'D' ? 0 : shift == L'N' ? 1 : 2]++;
                previous = shift;
            }
        }
        for (int day = 0; day < 31; day++)
            for (int s = 0; s < 3; s++) {
                EXPECT_GE(on_shift[day][s], n / 3);
                EXPECT_LE(on_shift[day][s], (n + 2) / 3);
            }
        wchar_t per_shift[16];
        if (n % 3 == 0) swprintf(per_shift, 16, L"%d", n / 3);
        else swprintf(per_shift, 16, L"%d～%d", n / 3, n / 3 + 1);
        EXPECT_EQ(rota_rule(per_shift), line_at(run.text, 0) + L"\r\n");
    }
}

TEST(ReportRota, LongestRotaIs6413CharactersAndFitsTheResultText) {
    const double values[] = { 40, 31 };
    const ToolDef tool = report_tool(1, ROTA_INPUTS);
    ReportRun whole;
    run_report(tool, values, &whole, REPORT_TEXT_CAP);
    const std::wstring text = whole.text;
    EXPECT_EQ(6413u, text.size());
    EXPECT_LT(text.size(), (size_t)REPORT_TEXT_CAP);
    EXPECT_EQ(3 + 2 * 40 + 2, line_count(whole.text));
    EXPECT_EQ(L"护士40：", line_at(whole.text, 3 + 2 * 39));
    EXPECT_EQ(L"  1日D 2日N 3日R 4日D 5日N 6日R 7日D 8日N 9日R 10日D 11日N 12日R 13日D 14日N 15日R "
              L"16日D 17日N 18日R 19日D 20日N 21日R 22日D 23日N 24日R 25日D 26日N 27日R 28日D 29日N "
              L"30日R 31日D ",
              line_at(whole.text, 4 + 2 * 39));  // nurse 40 runs like nurse 1
    EXPECT_EQ(std::wstring(ROTA_HINT), text.substr(text.size() - wcslen(ROTA_HINT)));

    // A smaller text keeps the start, cut within its capacity.
    ReportRun cut;
    cut.text[4096] = L'#';
    run_report(tool, values, &cut, 4096);
    EXPECT_EQ(text.substr(0, 4095), cut.text);
    EXPECT_EQ(L'#', cut.text[4096]);
}
