// Tool 157: FEV1/FVC by the fixed-ratio criterion of persistent airflow limitation. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Post-bronchodilator FEV1/FVC < 0.70 confirms persistent airflow limitation (GOLD 2024 report;
// 慢性阻塞性肺疾病诊治指南 2021年修订版, 中华结核和呼吸杂志 2021;44:170-205). The lower limit of
// normal preferred by ATS/ERS 2022 needs reference equations and is not computed. The ratio is
// judged as printed (one decimal): 69.96 % prints 70.0 % and is not below 70. Litres; millilitres
// typed as litres (3000) fail the upper limits. The post-bronchodilator box starts unticked, so a
// level-2 verdict needs a deliberate tick; unticked, a low ratio asks for a post-bronchodilator test.
static constexpr ToolInput inputs[] = {
    //           key     label   unit   default  start
    number_input("fev1", L"FEV1", L"L", 3.0,     START_EMPTY),
    number_input("fvc",  L"FVC",  L"L", 4.0,     START_EMPTY),
    check_input("post_bd", L"支气管舒张剂后测定", 1),
};

static constexpr ToolOutput outputs[] = {
    // key      label       unit  formula         format  judged
    { "ratio", L"FEV1/FVC", L"",  "fev1/fvc*100", "pct",  VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                              level  text                                              kind
    { "(fev1 < 0.2) || (fev1 > 8)",           3,     L"请检查FEV1：单位L（ml÷1000）范围0.2–8",         RULE_INVALID_INPUT },
    { "(fvc < 0.3) || (fvc > 10)",            3,     L"请检查FVC：单位L（ml÷1000）范围0.3–10",         RULE_INVALID_INPUT },
    { "fev1 > fvc",                           3,     L"FEV1不应大于FVC：请核对两项是否填反",            RULE_INVALID_INPUT },
    { "(ratio < 70) && (post_bd == 1)",       2,     L"舒张后FEV1/FVC<70%：符合持续气流受限" },
    { "ratio < 70",                           1,     L"FEV1/FVC<70%（未标明舒张后）：需舒张后复测" },
    { "",                                     0,     L"FEV1/FVC≥70%：未见阻塞性通气功能障碍" },
};

static constexpr ToolDef tool = {
    .id        = 157,
    .name      = L"一秒率（FEV1/FVC）",
    .purpose   = L"计算FEV1/FVC并按支气管舒张后<70%判断持续气流受限",
    .category  = L"呼吸内科",
    .reference = L"GOLD 2024 Report; 慢性阻塞性肺疾病诊治指南（2021年修订版）. 中华结核和呼吸杂志 2021;44:170-205",
    .note      = L"按固定比值0.70判断；未勾选“支气管舒张剂后测定”时<70%需吸入支气管舒张剂后复测。"
                 L"固定比值在老年人可能过度诊断 在年轻人可能漏诊；有条件时以预计值下限（LLN）判断；严重程度分级需FEV1占预计值%。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "fev1 fvc fev1-fvc yml copd",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
