// Tests of the shift rota: whole texts, the rotation, the bounds and the cut of the longest rota.
#include <gtest/gtest.h>

#include "report_tool.h"

static const ToolInput ROTA_INPUTS[] = {
    { "nurses", L"人数", L"人", 3 },
    { "days",   L"天数", L"天", 7 },
};

static const wchar_t ROTA_RULE[] =
    L"排班规则：三班轮转（白班 D / 夜班 N / 休息 R），每日每班 1 人，按人员顺序滚动。\r\n";
static const wchar_t ROTA_HINT[] =
    L"\r\n提示：连续夜班不超过 2 个，夜班后应安排休息；请按科室实际人数与能级调整。\r\n";

TEST(ReportRota, ThreeNursesOverThreeDays) {
    const double values[] = { 3, 3 };
    ReportRun run;
    run_report(report_tool(1, ROTA_INPUTS), values, &run);
    EXPECT_EQ(std::wstring(ROTA_RULE) +
                  L"人员：3 人；周期：3 天\r\n"
                  L"\r\n"
                  L"护士01：\r\n"
                  L"  1日D 2日R 3日N \r\n"
                  L"护士02：\r\n"
                  L"  1日N 2日D 3日R \r\n"
                  L"护士03：\r\n"
                  L"  1日R 2日N 3日D \r\n" +
                  ROTA_HINT,
              run.text);
    EXPECT_STREQ(L"已生成轮转排班表，可复制到排班本或表格", run.verdict);
    EXPECT_EQ(0, run.level);
}

TEST(ReportRota, WithoutParametersOneNurseOneDay) {
    ReportRun run;
    run_report(report_tool_bare(1), nullptr, &run);
    EXPECT_EQ(std::wstring(ROTA_RULE) + L"人员：1 人；周期：1 天\r\n\r\n护士01：\r\n  1日D \r\n" + ROTA_HINT,
              run.text);
}

TEST(ReportRota, FourthNurseRepeatsTheFirst) {
    const double values[] = { 4, 2 };
    ReportRun run;
    run_report(report_tool(1, ROTA_INPUTS), values, &run);
    EXPECT_EQ(L"  1日D 2日R ", line_at(run.text, 4));
    EXPECT_EQ(L"护士04：", line_at(run.text, 9));
    EXPECT_EQ(L"  1日D 2日R ", line_at(run.text, 10));
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

TEST(ReportRota, LongestRotaIs6390CharactersAndIsCutAt4095) {
    const double values[] = { 40, 31 };
    const ToolDef tool = report_tool(1, ROTA_INPUTS);
    ReportRun whole;
    run_report(tool, values, &whole);
    const std::wstring text = whole.text;
    EXPECT_EQ(6390u, text.size());
    EXPECT_EQ(3 + 2 * 40 + 2, line_count(whole.text));
    EXPECT_EQ(L"护士40：", line_at(whole.text, 3 + 2 * 39));
    EXPECT_EQ(L"  1日D 2日R 3日N 4日D 5日R 6日N 7日D 8日R 9日N 10日D 11日R 12日N 13日D 14日R 15日N "
              L"16日D 17日R 18日N 19日D 20日R 21日N 22日D 23日R 24日N 25日D 26日R 27日N 28日D 29日R "
              L"30日N 31日D ",
              line_at(whole.text, 4 + 2 * 39));  // nurse 40 runs like nurse 1
    EXPECT_EQ(std::wstring(ROTA_HINT), text.substr(text.size() - wcslen(ROTA_HINT)));

    ReportRun cut;
    cut.text[4096] = L'#';
    run_report(tool, values, &cut, 4096);
    EXPECT_EQ(text.substr(0, 4095), cut.text);
    EXPECT_EQ(L'#', cut.text[4096]);
}
