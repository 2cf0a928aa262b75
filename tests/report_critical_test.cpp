// Tests of the critical values list: the whole list of group 1 and the lines of every group.
#include <gtest/gtest.h>
#include <math.h>

#include "report_tool.h"

static const ToolInput KIND_INPUT[] = { { "kind", L"类别", nullptr, 1 } };

static const wchar_t HEADING[] = L"常见检验危急值（参考，需以本院文件为准）：\r\n";
static const wchar_t HANDLING[] =
    L"\r\n处置要求：核实标本→15 分钟内电话报告临床→记录报告与接听人→医师 30 分钟内处理并记录。\r\n";

TEST(ReportCritical, ElectrolytesWholeText) {
    const double kind = 1;
    ReportRun run;
    run_report(report_tool(4, KIND_INPUT), &kind, &run);
    EXPECT_EQ(std::wstring(HEADING) +
                  L"血钾 <2.5 或 >6.5 mmol/L\r\n"
                  L"血钠 <120 或 >160 mmol/L\r\n"
                  L"血钙 <1.5 或 >3.5 mmol/L\r\n" +
                  HANDLING,
              run.text);
    EXPECT_STREQ(L"危急值必须闭环：报告、接收、处理、记录", run.verdict);
    EXPECT_EQ(0, run.level);
}

TEST(ReportCritical, KindChoosesTheGroup) {
    static const struct {
        const char*    label;
        double         kind;
        const wchar_t* lines;  // between the heading and the handling rule
    } cases[] = {
        { "1.7 is 1", 1.7, L"血钾 <2.5 或 >6.5 mmol/L\r\n血钠 <120 或 >160 mmol/L\r\n血钙 <1.5 或 >3.5 mmol/L\r\n" },
        { "2", 2, L"血糖 <2.8 或 >22.2 mmol/L\r\npH <7.20 或 >7.60；PaO2 <45 mmHg；PaCO2 >70 mmHg\r\n" },
        { "3", 3, L"白细胞 <1.0 或 >30.0 ×10^9/L\r\n血红蛋白 <50 g/L；血小板 <20 或 >1000 ×10^9/L\r\n" },
        { "4", 4, L"INR >4.0；纤维蛋白原 <1.0 g/L\r\nD-二聚体显著升高并伴临床血栓表现\r\n" },
        { "5", 5, L"血培养阳性（无菌部位）\r\n脑脊液培养阳性；HIV 初筛阳性需确认\r\n" },
        { "6", 6, L"肌钙蛋白明显升高（高于第 99 百分位）\r\n血淀粉酶/脂肪酶 >3 倍正常上限\r\n" },
        { "7", 7, L"请查阅本院《危急值报告目录》\r\n" },
        { "0", 0, L"请查阅本院《危急值报告目录》\r\n" },
        { "-0.5 is 0", -0.5, L"请查阅本院《危急值报告目录》\r\n" },
        { "NaN", NAN, L"请查阅本院《危急值报告目录》\r\n" },
    };
    const ToolDef tool = report_tool(4, KIND_INPUT);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ReportRun run;
        run_report(tool, &c.kind, &run);
        EXPECT_EQ(std::wstring(HEADING) + c.lines + HANDLING, run.text);
        EXPECT_STREQ(L"危急值必须闭环：报告、接收、处理、记录", run.verdict);
        EXPECT_EQ(0, run.level);
    }
    ReportRun run;
    run_report(report_tool_bare(4), nullptr, &run);
    EXPECT_EQ(std::wstring(HEADING) + L"请查阅本院《危急值报告目录》\r\n" + HANDLING, run.text);
}
