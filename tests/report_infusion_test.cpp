// Tests of the infusion card: the whole card and how each value prints.
#include <gtest/gtest.h>

#include "report_tool.h"

static const ToolInput INFUSION_INPUTS[] = {
    { "bed",    L"床号", nullptr, 1 },
    { "dose",   L"剂量", nullptr, 1 },
    { "volume", L"溶媒", L"ml",   250 },
    { "gtt",    L"滴速", L"滴/分", 40 },
};

TEST(ReportInfusion, CardForBedTwelve) {
    const double values[] = { 12, 0.5, 250, 40 };
    ReportRun run;
    run_report(report_tool(10, INFUSION_INPUTS), values, &run);
    EXPECT_STREQ(L"静脉输液卡\r\n"
                 L"床号：12\r\n"
                 L"药液：医嘱药量 0.50 ，加入溶媒 250 ml\r\n"
                 L"滴速：40 滴/分（约 120 ml/h）\r\n"
                 L"核对：药名/剂量/浓度/有效期/配伍；双人签名。\r\n"
                 L"观察：穿刺点、滴速、输注反应；每 30 分钟巡视并记录。\r\n",
                 run.text);
    EXPECT_STREQ(L"输液卡已生成，双人核对后执行", run.verdict);
    EXPECT_EQ(0, run.level);
}

TEST(ReportInfusion, ValuesPrintAsEnteredWithoutBounds) {
    static const struct {
        const char*    label;
        double         bed, dose, volume, gtt;
        const wchar_t* bed_line;
        const wchar_t* fluid_line;
        const wchar_t* rate_line;
    } cases[] = {
        { "bed 7.8 is 7",     7.8, 1.005, 100,  33,  L"床号：7",  L"药液：医嘱药量 1.00 ，加入溶媒 100 ml",
          L"滴速：33 滴/分（约 99 ml/h）" },
        { "negative bed",     -2,  -1,    -50,  -10, L"床号：-2", L"药液：医嘱药量 -1.00 ，加入溶媒 -50 ml",
          L"滴速：-10 滴/分（约 -30 ml/h）" },
        // The hourly volume comes from the rate as entered: 2.4 * 3 = 7.2 prints 7.
        { "gtt 2.4",          1,   0,     0,    2.4, L"床号：1",  L"药液：医嘱药量 0.00 ，加入溶媒 0 ml",
          L"滴速：2 滴/分（约 7 ml/h）" },
        { "gtt 2.6",          1,   0,     0,    2.6, L"床号：1",  L"药液：医嘱药量 0.00 ，加入溶媒 0 ml",
          L"滴速：3 滴/分（约 8 ml/h）" },
    };
    const ToolDef tool = report_tool(10, INFUSION_INPUTS);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const double values[] = { c.bed, c.dose, c.volume, c.gtt };
        ReportRun run;
        run_report(tool, values, &run);
        EXPECT_EQ(std::wstring(c.bed_line), line_at(run.text, 1));
        EXPECT_EQ(std::wstring(c.fluid_line), line_at(run.text, 2));
        EXPECT_EQ(std::wstring(c.rate_line), line_at(run.text, 3));
        EXPECT_EQ(6, line_count(run.text));
    }
    ReportRun run;
    run_report(report_tool_bare(10), nullptr, &run);
    EXPECT_EQ(L"床号：0", line_at(run.text, 1));
    EXPECT_EQ(L"药液：医嘱药量 0.00 ，加入溶媒 0 ml", line_at(run.text, 2));
    EXPECT_EQ(L"滴速：0 滴/分（约 0 ml/h）", line_at(run.text, 3));
}
