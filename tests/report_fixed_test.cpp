// Tests of the fixed-text reports: blood-draw order, high-alert medicines, surgical safety checklist,
// handover template and lab panels, whole texts and the choice of their rows.
#include <gtest/gtest.h>
#include <math.h>

#include "report_tool.h"

static const ToolInput KIND_INPUT[] = { { "kind", L"类型", nullptr, 1 } };
static const ToolInput BEDS_INPUT[] = { { "beds", L"床位数", nullptr, 1 } };
static const ToolInput PANEL_INPUT[] = { { "panel", L"套餐", nullptr, 1 } };

static const wchar_t BLOOD_ORDER_HEAD[] =
    L"标准采血顺序（按添加剂，避免交叉污染）：\r\n"
    L"1 血培养瓶（需氧/厌氧）\r\n"
    L"2 凝血管 淡蓝（枸橼酸钠，凝血 PT/APTT）\r\n"
    L"3 促凝/血清管 红或金黄（生化、免疫）\r\n"
    L"4 肝素管 绿（血气、部分生化）\r\n"
    L"5 EDTA 紫（血常规、糖化、血型）\r\n"
    L"6 氟化钠 灰（血糖、乳酸）\r\n"
    L"\r\n";

TEST(ReportBloodOrder, WithoutKindGivesTheOrderAndTheOtherItemsLine) {
    ReportRun run;
    run_report(report_tool_bare(3), nullptr, &run);
    EXPECT_EQ(std::wstring(BLOOD_ORDER_HEAD) + L"本次：其他项目，请按检验科项目手册执行。\r\n", run.text);
    EXPECT_STREQ(L"按标准顺序采血可减少溶血与交叉污染", run.verdict);
    EXPECT_EQ(0, run.level);
}

TEST(ReportBloodOrder, KindChoosesTheLastLine) {
    static const struct {
        const char*    label;
        double         kind;
        const wchar_t* line;
    } cases[] = {
        { "1",          1,        L"本次：血常规 → 紫管 EDTA，采血后 8 次颠倒混匀，2 小时内送检。" },
        { "2.9 is 2",   2.9,      L"本次：凝血 → 淡蓝管，需采满刻度线（约 2.0ml），采血后立即轻柔颠倒 3-4 次。" },
        { "3",          3,        L"本次：生化 → 红/金黄管，避免溶血，采血后静置 30 分钟离心。" },
        { "4",          4,        L"本次：血气 → 肝素化注射器，排气后立即送检，15 分钟内完成。" },
        { "5",          5,        L"本次：血培养 → 需氧+厌氧各 1 套，采血 2 套不同部位，先注入培养瓶。" },
        { "6",          6,        L"本次：血糖/乳酸 → 灰管，需冰浴送检，30 分钟内完成。" },
        { "7",          7,        L"本次：其他项目，请按检验科项目手册执行。" },
        { "-3",         -3,       L"本次：其他项目，请按检验科项目手册执行。" },
        { "0.9 is 0",   0.9,      L"本次：其他项目，请按检验科项目手册执行。" },
        { "NaN",        NAN,      L"本次：其他项目，请按检验科项目手册执行。" },
    };
    const ToolDef tool = report_tool(3, KIND_INPUT);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ReportRun run;
        run_report(tool, &c.kind, &run);
        EXPECT_EQ(std::wstring(BLOOD_ORDER_HEAD) + c.line + L"\r\n", run.text);
    }
}

TEST(ReportHighAlert, ElectrolytesPrintTheirPercentSigns) {
    const double kind = 1;
    ReportRun run;
    run_report(report_tool(5, KIND_INPUT), &kind, &run);
    EXPECT_STREQ(L"高警示药品类别与要点：\r\n"
                 L"高浓度电解质：10% 氯化钾、10% 氯化钠、25% 硫酸镁\r\n"
                 L"要点：专用标识、专区存放、双人核对、禁止直接静脉推注（钾）。\r\n",
                 run.text);
    EXPECT_STREQ(L"高警示药品须专区、专标识、双人核对", run.verdict);
    EXPECT_EQ(0, run.level);
}

TEST(ReportHighAlert, KindChoosesTheCategory) {
    static const struct {
        const char*    label;
        double         kind;
        const wchar_t* category;
    } cases[] = {
        { "2",  2,  L"胰岛素与口服降糖药：胰岛素、格列本脲" },
        { "3",  3,  L"抗凝与化疗药：肝素、华法林、低分子肝素、化疗药物" },
        { "4",  4,  L"麻醉与肌松药：丙泊酚、维库溴铵、琥珀胆碱、阿片类" },
        { "0",  0,  L"麻醉与肌松药：丙泊酚、维库溴铵、琥珀胆碱、阿片类" },
        { "-1", -1, L"麻醉与肌松药：丙泊酚、维库溴铵、琥珀胆碱、阿片类" },
    };
    const ToolDef tool = report_tool(5, KIND_INPUT);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ReportRun run;
        run_report(tool, &c.kind, &run);
        EXPECT_EQ(3, line_count(run.text));
        EXPECT_EQ(std::wstring(c.category), line_at(run.text, 1));
    }
    ReportRun run;
    run_report(report_tool_bare(5), nullptr, &run);
    EXPECT_EQ(L"要点：专柜加锁、基数管理、使用后登记、拮抗剂（纳洛酮/新斯的明）备用。", line_at(run.text, 2));
}

static const wchar_t SURGICAL_CHECK_TEXT[] =
    L"手术安全核查表（三步核查）：\r\n"
    L"【麻醉实施前】身份/部位/术式/知情同意；过敏史；气道与插管风险；出血风险；影像与植入物；皮肤准备。\r\n"
    L"【手术开始前】团队自我介绍；确认患者、部位、术式；预计手术时间与失血量；抗菌药物已用；器械灭菌合格；影像资料到位。\r\n"
    L"【患者离室前】手术名称与记录一致；标本标识与送检；器械敷料清点；皮肤与管路；恢复与转运方案。\r\n"
    L"\r\n"
    L"要求：三方（外科、麻醉、护理）共同口述确认并签字，任一环节缺失不得开台。\r\n";

TEST(ReportSurgicalCheck, IsSixFixedLines) {
    ReportRun run;
    run_report(report_tool_bare(8), nullptr, &run);
    EXPECT_STREQ(SURGICAL_CHECK_TEXT, run.text);
    EXPECT_STREQ(L"三方核查缺一不可，签字后归档", run.verdict);
    EXPECT_EQ(0, run.level);
}

TEST(ReportSurgicalCheck, SmallCapacityKeepsTheFirstCharacters) {
    const int full = (int)wcslen(SURGICAL_CHECK_TEXT);
    static const struct {
        const char* label;
        int         cap;
    } cases[] = {
        { "1",                    1 },
        { "inside the first line", 10 },
        { "CR of the first line",  16 },  // the 14-character heading, then room for CR alone
        { "one short of whole",    full },
        { "exactly fits",          full + 1 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ReportRun run;
        for (wchar_t& ch : run.text) ch = L'#';
        run_report(report_tool_bare(8), nullptr, &run, c.cap);
        EXPECT_EQ(std::wstring(SURGICAL_CHECK_TEXT, (size_t)c.cap - 1), run.text);
        EXPECT_EQ(L'#', run.text[c.cap]);
    }
}

static std::wstring handover_bed_line(int bed) {
    wchar_t number[8];
    swprintf(number, 8, L"%02d", bed);
    return std::wstring(number) +
           L" 床：诊断＿＿；体温＿℃ 脉搏＿次/分 呼吸＿次/分 血压＿/＿mmHg SpO2＿%；本班处置＿＿；"
           L"管路（静脉/引流/导尿/吸氧）＿＿；下一班关注＿＿。";
}

TEST(ReportHandover, TwoBedsWholeText) {
    const double beds = 2;
    ReportRun run;
    run_report(report_tool(9, BEDS_INPUT), &beds, &run);
    EXPECT_EQ(L"交班报告（床号 / 诊断 / 本班病情 / 治疗与管路 / 需下一班关注）：\r\n" +
                  handover_bed_line(1) + L"\r\n" + handover_bed_line(2) + L"\r\n"
                  L"\r\n"
                  L"危重患者须床旁交接；新入院、手术、输血、病情变化患者逐一交接并双签名。\r\n",
              run.text);
    EXPECT_STREQ(L"模板已生成，床旁交接并双方签名", run.verdict);
    EXPECT_EQ(0, run.level);
}

TEST(ReportHandover, BedCountIsBoundedTo1Through30) {
    static const struct {
        const char* label;
        double      beds;
        int         lines;
    } cases[] = {
        { "0",        0,        1 },
        { "-5",       -5,       1 },
        { "2.7 is 2", 2.7,      2 },
        { "30",       30,       30 },
        { "45",       45,       30 },
        { "1e12",     1e12,     1 },  // beyond int32: falls under the lower bound
        { "NaN",      NAN,      1 },
    };
    const ToolDef tool = report_tool(9, BEDS_INPUT);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ReportRun run;
        run_report(tool, &c.beds, &run);
        EXPECT_EQ(c.lines + 3, line_count(run.text));
        EXPECT_EQ(handover_bed_line(c.lines), line_at(run.text, c.lines));
    }
    ReportRun run;
    run_report(report_tool_bare(9), nullptr, &run);
    EXPECT_EQ(4, line_count(run.text));
    EXPECT_EQ(handover_bed_line(1), line_at(run.text, 1));
}

TEST(ReportLabPanels, PanelChoosesTwoLinesWithoutHeading) {
    static const struct {
        const char*    label;
        double         panel;
        const wchar_t* first;
    } cases[] = {
        { "1", 1, L"血常规（紫管 EDTA）：WBC、RBC、Hb、Hct、PLT、MCV/MCH/MCHC、中性/淋巴/单核/嗜酸/嗜碱比例。" },
        { "2", 2, L"生化全套（红/金黄管）：肝功（ALT/AST/ALP/GGT/胆红素/白蛋白）、肾功（BUN/Cr/UA）、血糖、血脂、电解质。" },
        { "4", 4, L"甲状腺功能（红/金黄管）：TSH、FT3、FT4、TPOAb、TgAb。" },
        { "5", 5, L"心肌损伤标志物：cTnI/cTnT、CK-MB、肌红蛋白、BNP/NT-proBNP。" },
        { "6", 6, L"尿常规（清洁中段尿）：尿蛋白、尿糖、尿潜血、白细胞、亚硝酸盐、比重、pH、镜检。" },
        { "0", 0, L"尿常规（清洁中段尿）：尿蛋白、尿糖、尿潜血、白细胞、亚硝酸盐、比重、pH、镜检。" },
    };
    const ToolDef tool = report_tool(11, PANEL_INPUT);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ReportRun run;
        run_report(tool, &c.panel, &run);
        EXPECT_EQ(2, line_count(run.text));
        EXPECT_EQ(std::wstring(c.first), line_at(run.text, 0));
    }
    const double panel = 3;
    ReportRun run;
    run_report(tool, &panel, &run);
    EXPECT_STREQ(L"凝血四项（淡蓝管）：PT、INR、APTT、TT、纤维蛋白原、D-二聚体。\r\n"
                 L"注意：采血量必须达刻度；肝素治疗中查 APTT。\r\n",
                 run.text);
    EXPECT_STREQ(L"套餐与采血管已列出，按顺序采血", run.verdict);
}
