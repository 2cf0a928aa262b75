// Tests of the drug compatibility check: every recorded pair in both orders, the pairs not recorded,
// and numbers outside the drug list.
#include <gtest/gtest.h>
#include <math.h>

#include "base/dimof.h"
#include "report_tool.h"

static const ToolInput COMPAT_INPUTS[] = {
    { "drugA", L"药物A", nullptr, 1 },
    { "drugB", L"药物B", nullptr, 2 },
};

static const wchar_t LEGEND[] =
    L"\r\n"
    L"编号：1头孢曲松 2葡萄糖酸钙 3万古霉素 4呋塞米 5氨溴索\r\n"
    L"      6奥美拉唑 7维生素C 8胰岛素 9碳酸氢钠 10多巴胺\r\n"
    L"\r\n";

static const wchar_t NOT_RECORDED[] = L"结论：本工具库内未收录该组合的明确禁忌，但仍须查本院配伍表并现配现用、注意冲管。";
static const wchar_t NOT_RECORDED_VERDICT[] = L"未收录明确禁忌，仍需核对院内配伍表";

static void run_compat(double a, double b, ReportRun* run) {
    const double values[] = { a, b };
    run_report(report_tool(6, COMPAT_INPUTS), values, run);
}

TEST(ReportCompat, CalciumFirstWholeText) {
    ReportRun run;
    run_compat(2, 1, &run);
    EXPECT_EQ(std::wstring(L"待查：2 号 葡萄糖酸钙  +  1 号 头孢曲松\r\n") + LEGEND +
                  L"结论：禁忌配伍。头孢曲松与含钙注射液可形成不溶性沉淀；钙剂与碳酸氢钠亦不宜同瓶。\r\n",
              run.text);
    EXPECT_STREQ(L"禁忌：不可同瓶输注，需间隔冲管", run.verdict);
    EXPECT_EQ(3, run.level);
}

struct RecordedPair {
    int            a, b;
    const wchar_t* conclusion;
    const wchar_t* verdict;
    int            level;
};

static const wchar_t FORBIDDEN[] = L"结论：禁忌配伍。头孢曲松与含钙注射液可形成不溶性沉淀；钙剂与碳酸氢钠亦不宜同瓶。";
static const wchar_t VANCOMYCIN[] = L"结论：不宜同瓶。万古霉素与碱性药物/奥美拉唑配伍稳定性差，应分开输注并冲管。";
static const wchar_t ALKALINE[] = L"结论：不宜同瓶。呋塞米与多巴胺、氨溴索与碱性液混合易发生理化变化。";

static const RecordedPair RECORDED[] = {
    { 1, 2,  FORBIDDEN,  L"禁忌：不可同瓶输注，需间隔冲管", 3 },
    { 2, 9,  FORBIDDEN,  L"禁忌：不可同瓶输注，需间隔冲管", 3 },
    { 3, 6,  VANCOMYCIN, L"不宜同瓶，分开输注并冲管",       2 },
    { 3, 9,  VANCOMYCIN, L"不宜同瓶，分开输注并冲管",       2 },
    { 4, 10, ALKALINE,   L"不宜同瓶，建议分开输注",         2 },
    { 5, 9,  ALKALINE,   L"不宜同瓶，建议分开输注",         2 },
    { 6, 7,  L"结论：奥美拉唑与维生素C 同瓶 pH 冲突，稳定性下降，建议分开。", L"建议分开输注", 1 },
};

TEST(ReportCompat, RecordedPairsInBothOrders) {
    for (const RecordedPair& p : RECORDED) {
        for (int swap = 0; swap < 2; swap++) {
            const int a = swap ? p.b : p.a, b = swap ? p.a : p.b;
            SCOPED_TRACE(testing::Message() << a << " + " << b);
            ReportRun run;
            run_compat(a, b, &run);
            EXPECT_EQ(std::wstring(p.conclusion), line_at(run.text, 5));
            EXPECT_STREQ(p.verdict, run.verdict);
            EXPECT_EQ(p.level, run.level);
        }
    }
}

TEST(ReportCompat, EveryOtherPairOfListedDrugsIsNotRecorded) {
    int not_recorded = 0;
    for (int a = 1; a <= 10; a++) {
        for (int b = 1; b <= 10; b++) {
            bool recorded = false;
            for (const RecordedPair& p : RECORDED)
                if ((p.a == a && p.b == b) || (p.a == b && p.b == a)) recorded = true;
            if (recorded) continue;
            SCOPED_TRACE(testing::Message() << a << " + " << b);
            ReportRun run;
            run_compat(a, b, &run);
            EXPECT_EQ(std::wstring(NOT_RECORDED), line_at(run.text, 5));
            EXPECT_STREQ(NOT_RECORDED_VERDICT, run.verdict);
            EXPECT_EQ(0, run.level);
            not_recorded++;
        }
    }
    EXPECT_EQ(100 - 2 * dimof(RECORDED), not_recorded);
}

TEST(ReportCompat, NumbersAreTruncatedBeforeTheLookup) {
    ReportRun run;
    run_compat(2.9, 1.2, &run);
    EXPECT_EQ(L"待查：2 号 葡萄糖酸钙  +  1 号 头孢曲松", line_at(run.text, 0));
    EXPECT_EQ(3, run.level);
}

// A number outside 1 to 10 once showed drug 1's name, so "11 + 2" read as a contraindicated pair
// above the conclusion that nothing is recorded.
TEST(ReportCompat, NumbersOutsideTheListShowNoDrugName) {
    static const struct {
        const char*    label;
        double         a, b;
        const wchar_t* pair_line;
    } cases[] = {
        { "11 + 2",    11,       2,  L"待查：11 号 （无此编号）  +  2 号 葡萄糖酸钙" },
        { "2 + 11",    2,        11, L"待查：2 号 葡萄糖酸钙  +  11 号 （无此编号）" },
        { "0 + 1",     0,        1,  L"待查：0 号 （无此编号）  +  1 号 头孢曲松" },
        { "-1 + 2",    -1,       2,  L"待查：-1 号 （无此编号）  +  2 号 葡萄糖酸钙" },
        { "0.5 + 9",   0.5,      9,  L"待查：0 号 （无此编号）  +  9 号 碳酸氢钠" },
        { "NaN + 2",   NAN,      2,  L"待查：-2147483648 号 （无此编号）  +  2 号 葡萄糖酸钙" },
        { "1e10 + 9",  1e10,     9,  L"待查：-2147483648 号 （无此编号）  +  9 号 碳酸氢钠" },
        { "10 + 10",   10,       10, L"待查：10 号 多巴胺  +  10 号 多巴胺" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ReportRun run;
        run_compat(c.a, c.b, &run);
        EXPECT_EQ(std::wstring(c.pair_line) + L"\r\n" + LEGEND + NOT_RECORDED + L"\r\n", run.text);
        EXPECT_STREQ(NOT_RECORDED_VERDICT, run.verdict);
        EXPECT_EQ(0, run.level);
    }
    ReportRun run;
    run_report(report_tool_bare(6), nullptr, &run);
    EXPECT_EQ(L"待查：0 号 （无此编号）  +  0 号 （无此编号）", line_at(run.text, 0));
    EXPECT_EQ(0, run.level);
}
