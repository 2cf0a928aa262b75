// Tool 148: Glasgow-Blatchford score of acute upper gastrointestinal bleeding. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"
#include "tools/sex_options.h"

// Blatchford O et al., Lancet 2000;356:1318-1321: urea (mmol/L) 6.5–<8 2, 8–<10 3, 10–<25 4, ≥25 6;
// haemoglobin men 120–129 g/L 1, 100–119 3, <100 6, women 100–119 1, <100 6 (the paper's g/dL × 10);
// systolic BP 100–109 1, 90–99 2, <90 3; pulse ≥100 1; melaena 1, syncope 2, hepatic disease 2,
// cardiac failure 2; ≥6 means a need for intervention above 50 %. Low risk is 0–1 (Laine L et al., ACG
// guideline, Am J Gastroenterol 2021;116(5):899-917), not the paper's 0 alone. Values compare as
// entered against lower edges (129.5 g/L scores as 120–129). The sex picks the haemoglobin bands and
// starts unchosen (男 1, 女 2 as GB/T 2261.1); a code that is neither fails the haemoglobin term and is
// refused. Every number starts empty and its range excludes 0.

static constexpr ToolInput inputs[] = {
    //            key        label        unit       default  start
    number_input("urea",    L"血尿素",   L"mmol/L", 5.0,     START_EMPTY),
    number_input("hb",      L"血红蛋白", L"g/L",    140.0,   START_EMPTY),
    choice_input("sex",     L"性别",     SEX_OPTIONS, 1.0,     START_EMPTY),
    number_input("sbp",     L"收缩压",   L"mmHg",   120.0,   START_EMPTY),
    number_input("hr",      L"心率",     L"次/分",  80.0,    START_EMPTY),
    check_input ("melena",  L"黑便",     1),
    check_input ("syncope", L"晕厥",     2),
    check_input ("hepatic", L"肝脏疾病", 2),
    check_input ("cardiac", L"心力衰竭", 2),
};

static constexpr ToolOutput outputs[] = {
    // key      label    unit   formula                                                                  format
    { "score", L"总分", L"分", "(urea >= 25 ? 6 : (urea >= 10 ? 4 : (urea >= 8 ? 3 : (urea >= 6.5 ? 2 : 0))))"
                               " + choose(sex, hb >= 130 ? 0 : (hb >= 120 ? 1 : (hb >= 100 ? 3 : 6)),"
                               "               hb >= 120 ? 0 : (hb >= 100 ? 1 : 6))"
                               " + (sbp >= 110 ? 0 : (sbp >= 100 ? 1 : (sbp >= 90 ? 2 : 3)))"
                               " + (hr >= 100) + melena + syncope + hepatic + cardiac",                     "f0", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                       level  text                                               kind
    { "(urea < 0.5) || (urea > 150)",  3, L"请核对血尿素：单位mmol/L 有效范围0.5–150",           RULE_INVALID_INPUT },
    { "(hb < 20) || (hb > 250)",       3, L"请核对血红蛋白：单位g/L 有效范围20–250",             RULE_INVALID_INPUT },
    { "(sex != 1) && (sex != 2)",      3, L"请选择性别",                                         RULE_INVALID_INPUT },
    { "(sbp < 30) || (sbp > 300)",     3, L"请核对收缩压：单位mmHg 有效范围30–300",              RULE_INVALID_INPUT },
    { "(hr < 20) || (hr > 300)",       3, L"请核对心率：单位次/分 有效范围20–300",               RULE_INVALID_INPUT },
    { "score <= 1",                    0, L"GBS 0–1分：极低危 可考虑门诊处理" },
    { "score <= 5",                    1, L"GBS 2–5分：需住院评估并行内镜检查" },
    { "",                              2, L"GBS ≥6分：高危 需干预可能>50%" },
};

static constexpr ToolDef tool = {
    .id        = 148,
    .name      = L"Blatchford出血评分",
    .purpose   = L"评估急性上消化道出血患者需要输血 内镜或手术干预的风险",
    .category  = L"消化内科",
    .reference = L"Blatchford O, et al. Lancet 2000;356:1318-1321；Laine L, et al. Am J Gastroenterol 2021;116(5):899-917（ACG指南）",
    .note      = L"用于急性上消化道出血就诊时评估，无需内镜结果。血尿素以mmol/L输入（BUN mg/dL×0.357），血红蛋白以g/L输入（g/dL×10），界值按性别不同。"
                 L"肝脏疾病和心力衰竭指既往史或临床 实验室证据。0–1分且可随访者可考虑门诊处理；"
                 L"评分不能替代对活动性出血和血流动力学的判断。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "gbs blatchford glasgow-blatchford cxpf sxhdcx",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
