// Tool 142: CURB-65 severity of community-acquired pneumonia in adults. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Lim WS et al., Thorax 2003;58:377-382: one point each for new confusion, urea >7 mmol/L, respiratory
// rate ≥30/min, systolic BP <90 or diastolic BP ≤60 mmHg, age ≥65 years. 30-day mortality of the
// groups 0–1 1.5 %, 2 9.2 %, 3–5 22 %. Management bands 0–1 outpatient, 2 admission or close
// follow-up, 3–5 admission, 4–5 assess for ICU (Chinese CAP guideline 2016).
// Urea is the laboratory urea in mmol/L, compared as entered (7.00 scores 0, 7.01 scores 1); BUN
// mg/dL × 0.357 = urea mmol/L, so the US "BUN >19" is the same edge. Every number is a measured value
// that starts empty; its range excludes 0, so a 0 typed for a missing value is refused, never scored
// as normal. A diastolic pressure at or above the systolic is a typing slip and is refused.
static constexpr ToolInput inputs[] = {
    //            key          label           unit      default  start
    check_input ("confusion", L"新发意识障碍", 1),
    number_input("urea",      L"血尿素",       L"mmol/L", 5.0,   START_EMPTY),
    number_input("rr",        L"呼吸频率",     L"次/分",  16.0,  START_EMPTY),
    number_input("sbp",       L"收缩压",       L"mmHg",   120.0, START_EMPTY),
    number_input("dbp",       L"舒张压",       L"mmHg",   75.0,  START_EMPTY),
    number_input("age",       L"年龄",         L"岁",     40.0,  START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key      label    unit   formula                                                                format
    { "score", L"总分", L"分", "confusion + (urea > 7) + (rr >= 30) + (sbp < 90 || dbp <= 60) + (age >= 65)", "f0", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                       level  text                                                   kind
    { "(urea < 0.5) || (urea > 150)",  3, L"请核对血尿素：单位mmol/L 有效范围0.5–150",              RULE_INVALID_INPUT },
    { "(rr < 1) || (rr > 80)",         3, L"请核对呼吸频率：单位次/分 有效范围1–80",                RULE_INVALID_INPUT },
    { "(sbp < 30) || (sbp > 300)",     3, L"请核对收缩压：单位mmHg 有效范围30–300",                 RULE_INVALID_INPUT },
    { "(dbp < 10) || (dbp > 200)",     3, L"请核对舒张压：单位mmHg 有效范围10–200",                 RULE_INVALID_INPUT },
    { "(age < 18) || (age > 120)",     3, L"请核对年龄：单位岁 有效范围18–120",                     RULE_INVALID_INPUT },
    { "dbp >= sbp",                    3, L"请核对血压：舒张压应低于收缩压",                        RULE_INVALID_INPUT },
    { "score <= 1",                    0, L"CURB-65 0–1分：低危（30天病死率约1.5%） 可门诊治疗" },
    { "score == 2",                    2, L"CURB-65 2分：中危（约9.2%） 建议住院或严密随访" },
    { "",                              3, L"CURB-65 3–5分：高危（约22%） 住院 4–5分评估ICU" },
};

static constexpr ToolDef tool = {
    .id        = 142,
    .name      = L"CURB-65评分",
    .purpose   = L"评估社区获得性肺炎严重程度及30天死亡风险以决定治疗场所",
    .category  = L"呼吸内科",
    .reference = L"Lim WS, et al. Thorax 2003;58:377-382；中国成人社区获得性肺炎诊断和治疗指南. 中华结核和呼吸杂志 2016;39(4):253-279",
    .note      = L"用于成人社区获得性肺炎。意识障碍指新出现的定向障碍。血尿素以mmol/L输入（BUN mg/dL×0.357）。"
                 L"评分低但有低氧血症 多肺叶受累 严重基础病或社会因素时仍应住院。不用于医院获得性肺炎和免疫抑制患者。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "curb-65 curb65 curb cap fy sqhdxfy",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }
